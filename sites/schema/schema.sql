-- The whole current schema, for a new database. A change to it comes with a
-- new numbered upgrade file that takes an existing database there; the
-- tests check that both paths end in the same tables.

CREATE TABLE sites (
  -- Stable for the site's whole life and never given again after a delete,
  -- so that other tables can refer to it.
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE COLLATE NOCASE,
  account TEXT NOT NULL DEFAULT '',
  notes TEXT NOT NULL DEFAULT '',
  route TEXT NOT NULL CHECK (route IN ('direct', 'receivers', 'gsm')),
  address TEXT NOT NULL DEFAULT '',
  port INTEGER NOT NULL DEFAULT 4700 CHECK (port BETWEEN 1 AND 65535),
  -- 1: the PC is not authorised and logs in with the module password (kept in the keyring).
  module_password INTEGER NOT NULL DEFAULT 0 CHECK (module_password IN (0, 1)),
  receiver1 TEXT NOT NULL DEFAULT '',
  receiver2 TEXT NOT NULL DEFAULT '',
  receiver3 TEXT NOT NULL DEFAULT '',
  receiver4 TEXT NOT NULL DEFAULT '',
  phone TEXT NOT NULL DEFAULT '',
  protocol INTEGER NOT NULL DEFAULT 0 CHECK (protocol BETWEEN 0 AND 3),
  -- UTC, ISO 8601; NULL until a link to the panel first stood.
  last_connected TEXT,
  panel_software TEXT NOT NULL DEFAULT ''
);

-- Each site's configuration history.

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
