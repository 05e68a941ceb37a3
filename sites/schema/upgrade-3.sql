-- Version 3: each site's configuration history. Snapshots are whole panel
-- files; sessions journal what program mode changed, before and after, as
-- the panel reported them.

CREATE TABLE snapshots (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  site_id INTEGER NOT NULL REFERENCES sites(id) ON DELETE CASCADE,
  -- UTC, ISO 8601 with milliseconds, so that the order within a site is the order taken.
  taken_at TEXT NOT NULL,
  pc_user TEXT NOT NULL DEFAULT '',
  panel_software TEXT NOT NULL DEFAULT '',
  route TEXT NOT NULL DEFAULT '',
  -- SHA-256 of panel_file, in hex: a backup equal to the site's latest snapshot is not stored again.
  content_hash TEXT NOT NULL,
  -- The panel file's text, exactly as it is written to a file.
  panel_file TEXT NOT NULL
);
CREATE INDEX snapshots_by_site ON snapshots (site_id, taken_at);

CREATE TABLE sessions (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  site_id INTEGER NOT NULL REFERENCES sites(id) ON DELETE CASCADE,
  started_at TEXT NOT NULL,
  -- NULL while the session runs, or when the program ended without closing it.
  ended_at TEXT,
  pc_user TEXT NOT NULL DEFAULT '',
  -- 'editors': the installer's own session; 'restore': a panel file or snapshot written back.
  kind TEXT NOT NULL DEFAULT 'editors' CHECK (kind IN ('editors', 'restore')),
  -- 'running', 'ended' (program mode left as asked), 'link lost' (recorded as far as it got).
  outcome TEXT NOT NULL DEFAULT 'running' CHECK (outcome IN ('running', 'ended', 'link lost')),
  -- For a restore: the panel file or snapshot written back.
  source TEXT NOT NULL DEFAULT ''
);
CREATE INDEX sessions_by_site ON sessions (site_id, started_at);

CREATE TABLE session_changes (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,
  -- The parameter's address: its number P and the entity (zone, output, user, ...) E, as in a panel file.
  parameter INTEGER NOT NULL,
  entity INTEGER NOT NULL DEFAULT 0,
  -- The value bytes of the panel's replies, in hex: before the first write of
  -- the session, and read back at its end. NULL where the panel gave none.
  before_value TEXT,
  after_value TEXT,
  UNIQUE (session_id, parameter, entity)
);
