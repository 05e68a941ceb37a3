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
