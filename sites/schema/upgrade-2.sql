-- Version 2: when a link to each site last stood, and the panel software seen then.

ALTER TABLE sites ADD COLUMN last_connected TEXT;
ALTER TABLE sites ADD COLUMN panel_software TEXT NOT NULL DEFAULT '';
