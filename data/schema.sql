-- Velmar configuration database: tables, stored queries (views) and triggers.
PRAGMA user_version = 1;
