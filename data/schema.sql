-- The calendar database: one row of prayer times per day of the year for the
-- reference place, and the cities with their minute offsets.

CREATE TABLE IF NOT EXISTS kolvira (
    Dita INTEGER NOT NULL,       -- day of the month, 1 to 31
    Muaji INTEGER NOT NULL,      -- month, 1 to 12
    Imsaku TIME,                 -- times of day as 'HH:MM:SS', local clock time
    Fexhri TIME,
    "Lindja e diellit" TIME,
    Dhuhri TIME,
    Asri TIME,
    Magribi TIME,
    Isha TIME,
    PRIMARY KEY (Dita, Muaji)
);

CREATE TABLE IF NOT EXISTS Qytetet (
    IDQyteti INTEGER PRIMARY KEY, -- 32-bit key
    Qyteti TEXT NOT NULL,         -- city name
    Minuta INTEGER NOT NULL DEFAULT 0, -- adhan offset from the table's times, minutes
    ESelektuar BOOLEAN NOT NULL DEFAULT 0 CHECK (ESelektuar IN (0, 1)) -- 1 on the selected city
);

-- The calendar that is the same every year once summer time is taken out:
-- the seven times of every day and month (29 February included) in the
-- standard time of the zone named in Kalendari. The program writes each
-- year's local rows of kolvira from it.
CREATE TABLE IF NOT EXISTS KoheratStandarde (
    Dita INTEGER NOT NULL,
    Muaji INTEGER NOT NULL,
    Imsaku TIME,                 -- 'HH:MM:SS', standard time
    Fexhri TIME,
    "Lindja e diellit" TIME,
    Dhuhri TIME,
    Asri TIME,
    Magribi TIME,
    Isha TIME,
    PRIMARY KEY (Dita, Muaji)
);

-- What the rows of kolvira are: one row.
CREATE TABLE IF NOT EXISTS Kalendari (
    Burimi TEXT NOT NULL,        -- where the times come from
    ZonaKohore TEXT NOT NULL,    -- IANA zone whose clock kolvira follows, e.g. Europe/Belgrade
    OraStandarde INTEGER NOT NULL, -- seconds the zone's standard time is ahead of UTC
    Viti INTEGER NOT NULL,       -- the year whose summer time kolvira holds
    Rreshtat TEXT NOT NULL DEFAULT 'tabela' -- whose times kolvira holds: 'tabela', those
                                 -- of KoheratStandarde; else a city's own calendar, its
                                 -- place and zone, e.g. 'kmsh 41.3275 19.8187 Europe/Tirane'
);

-- Which calendar each city keeps and where it lies. 'tabela': the times of
-- KoheratStandarde, the city's adhan moved by its Minuta; 'kmsh': the
-- Muslim Community of Albania's calendar, computed for the city itself;
-- 'bfi': the table of the Islamic Religious Community of North Macedonia
-- (KoheratBFI) moved by the town's Minutat, the town's own times.
CREATE TABLE IF NOT EXISTS KalendariQytetit (
    IDQyteti INTEGER PRIMARY KEY REFERENCES Qytetet (IDQyteti),
    Kalendari TEXT NOT NULL CHECK (Kalendari IN ('tabela', 'kmsh', 'bfi')),
    Gjeresia REAL NOT NULL,      -- degrees north
    Gjatesia REAL NOT NULL,      -- degrees east
    ZonaKohore TEXT NOT NULL,    -- IANA zone of the city's clock
    Minutat INTEGER NOT NULL DEFAULT 0 -- 'bfi': the town's minutes against the table
);

-- The perpetual table of the Islamic Religious Community of North Macedonia
-- (BFI) for Shkup, in the standard time of Europe/Skopje, as KoheratStandarde.
CREATE TABLE IF NOT EXISTS KoheratBFI (
    Dita INTEGER NOT NULL,
    Muaji INTEGER NOT NULL,
    Imsaku TIME,
    Fexhri TIME,
    "Lindja e diellit" TIME,
    Dhuhri TIME,
    Asri TIME,
    Magribi TIME,
    Isha TIME,
    PRIMARY KEY (Dita, Muaji)
);

-- Places the user added from the world's list or by their coordinates: where
-- each lies, its clock's zone, and how its times are computed.
CREATE TABLE IF NOT EXISTS VendetEBotes (
    IDQyteti INTEGER PRIMARY KEY REFERENCES Qytetet (IDQyteti),
    Gjeresia REAL NOT NULL,      -- degrees north
    Gjatesia REAL NOT NULL,      -- degrees east
    ZonaKohore TEXT NOT NULL,    -- IANA zone of the place's clock
    Shteti TEXT NOT NULL DEFAULT '', -- ISO 3166 country code
    Metoda TEXT NOT NULL,        -- diyanet, mwl, isna, ...
    GjeresiteELarta TEXT NOT NULL DEFAULT '', -- high-latitude rule; '' the method's own
    HijaEAsrit INTEGER NOT NULL DEFAULT 1 CHECK (HijaEAsrit IN (1, 2)) -- 2: Hanafi
);

-- What the user set for a place of any kind to follow a mosque: minutes added
-- to each of the seven times, blank-separated ('0 0 0 0 0 0 0'), and the
-- name of the mosque's table imported for it, if any.
CREATE TABLE IF NOT EXISTS RregullimetEVendit (
    IDQyteti INTEGER PRIMARY KEY REFERENCES Qytetet (IDQyteti),
    Minutat TEXT NOT NULL DEFAULT '0 0 0 0 0 0 0',
    Tabela TEXT NOT NULL DEFAULT '' -- the imported file's name; '' none
);

-- A mosque's printed yearly table imported for a place, in the standard time
-- of the place's zone (summer time taken out, as KoheratStandarde), so that
-- it serves the later years as well. Days it lacks follow the place's method.
CREATE TABLE IF NOT EXISTS TabelaEXhamise (
    IDQyteti INTEGER NOT NULL REFERENCES Qytetet (IDQyteti),
    Dita INTEGER NOT NULL,
    Muaji INTEGER NOT NULL,
    Imsaku TIME,
    Fexhri TIME,
    "Lindja e diellit" TIME,
    Dhuhri TIME,
    Asri TIME,
    Magribi TIME,
    Isha TIME,
    PRIMARY KEY (IDQyteti, Dita, Muaji)
);
