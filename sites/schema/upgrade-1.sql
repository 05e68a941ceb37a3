-- Version 1: the sites and their routes.

CREATE TABLE sites (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE COLLATE NOCASE,
  account TEXT NOT NULL DEFAULT '',
  notes TEXT NOT NULL DEFAULT '',
  route TEXT NOT NULL CHECK (route IN ('direct', 'receivers', 'gsm')),
  address TEXT NOT NULL DEFAULT '',
  port INTEGER NOT NULL DEFAULT 4700 CHECK (port BETWEEN 1 AND 65535),
  module_password INTEGER NOT NULL DEFAULT 0 CHECK (module_password IN (0, 1)),
  receiver1 TEXT NOT NULL DEFAULT '',
  receiver2 TEXT NOT NULL DEFAULT '',
  receiver3 TEXT NOT NULL DEFAULT '',
  receiver4 TEXT NOT NULL DEFAULT '',
  phone TEXT NOT NULL DEFAULT '',
  protocol INTEGER NOT NULL DEFAULT 0 CHECK (protocol BETWEEN 0 AND 3)
);
