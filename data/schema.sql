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
