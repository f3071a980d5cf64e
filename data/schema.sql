-- The tables of the KTXDB data source: the prayer times per day, the saved
-- places and the dated events. Statements end with a semicolon; the program
-- runs this same text to create its default SQLite database, and on a
-- server (PostgreSQL) it runs as it stands: plain names, which the server
-- folds to lower case, and no type of one database only. Indexes are made
-- only where they are missing, so running it over older tables adds them.

-- One row per day of the year (1 = January 1, up to 366); times are minutes
-- since midnight, 0 or empty meaning none. Rows are read by column position.
CREATE TABLE Naamaz (
  Days INTEGER NOT NULL UNIQUE,
  Fajr INTEGER,
  Zohor INTEGER,
  Asr INTEGER,
  Magreb INTEGER,
  Isha INTEGER,
  Jumma INTEGER
);

-- One row per saved place; read by column position. Coordinates are texts
-- such as "90 25 E"; the numbers up to Ratio are all double precision.
-- ZoneName is an IANA zone ("Asia/Dhaka"; empty: TimeZone and HasDayLt),
-- Preset a calculation method ("mwl", ..., "custom": FajrByInterval and
-- FajrDepr), HighLat 0 by latitude, 1 middle of the night, 2 its seventh,
-- 3 the twilight angle; the offsets are minutes added to each prayer.
-- A database made before these columns gains them with these defaults.
CREATE TABLE CITY (
  City VARCHAR(35) NOT NULL,
  longitude VARCHAR(7),
  Latitude VARCHAR(7),
  FajrByInterval DOUBLE PRECISION,
  FajrDepr DOUBLE PRECISION,
  Interval DOUBLE PRECISION,
  TimeZone DOUBLE PRECISION,
  HasDayLt DOUBLE PRECISION,
  ByRatio DOUBLE PRECISION,
  Ratio DOUBLE PRECISION,
  ZoneName VARCHAR(64) DEFAULT '',
  Preset VARCHAR(16) DEFAULT 'custom',
  HighLat INTEGER DEFAULT 0,
  FajrOffset INTEGER DEFAULT 0,
  ZohorOffset INTEGER DEFAULT 0,
  AsrOffset INTEGER DEFAULT 0,
  MagrebOffset INTEGER DEFAULT 0,
  IshaOffset INTEGER DEFAULT 0
);
CREATE INDEX IF NOT EXISTS CityByName ON CITY (City);

-- One row per event, identified by title, time and date. Times of day are
-- minutes since midnight; EvWhenToRemind may be 1440.
CREATE TABLE TOLVEX_EVENT (
  EvDate DATE,
  EvTime INTEGER,
  EvTitle VARCHAR(255),
  EvMessage VARCHAR(255),
  EvPlayFile VARCHAR(255),
  EvRemindDate DATE,
  EvWhenToRemind INTEGER,
  EvInterval INTEGER,
  EvHowManyTimes INTEGER DEFAULT 0
);
CREATE INDEX IF NOT EXISTS EventByDate ON TOLVEX_EVENT (EvDate);
CREATE INDEX IF NOT EXISTS EventByRemindDate ON TOLVEX_EVENT (EvRemindDate);
-- Two clocks storing the same event at once leave one row.
CREATE UNIQUE INDEX IF NOT EXISTS EventByKey ON TOLVEX_EVENT (EvDate, EvTime, EvTitle);
