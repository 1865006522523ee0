-- Zem Harbour database (its version is the user_version at the end).
-- Money columns hold ten-thousandths of a pound as whole numbers; date-times are wall-clock text
-- 'yyyy-MM-dd HH:mm:ss'; Yes/No columns are 0 or 1. Relations are kept by the program's own statements.

CREATE TABLE Customer (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT,
    HouseName TEXT,
    Street TEXT,
    Area TEXT,
    Town TEXT,
    PostCode TEXT,
    TelNo TEXT,
    MobileNo TEXT,
    EmailAddress TEXT,
    Notes TEXT,
    ClubMember INTEGER NOT NULL DEFAULT 0,
    MembershipNo TEXT
);

CREATE TABLE Owner (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT,
    HouseName TEXT,
    Street TEXT,
    Area TEXT,
    Town TEXT,
    PostCode TEXT,
    MobileNo TEXT,
    EmailAddress TEXT,
    Notes TEXT
);

CREATE TABLE BerthType (
    ID INTEGER PRIMARY KEY,
    Type TEXT,
    MinimumLength REAL
);

CREATE TABLE Berth (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT,
    Length REAL,
    Width REAL,
    TypeID INTEGER,
    OwnerID INTEGER,
    HasPower INTEGER NOT NULL DEFAULT 0,
    Notes TEXT,
    DailyHireCharge INTEGER,
    WeeklyHireCharge INTEGER,
    MonthlyHireCharge INTEGER,
    Active INTEGER NOT NULL DEFAULT 1,
    MaxDraft REAL,
    TakesMultihulls INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE PaymentMethod (
    ID INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE Booking (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CustomerID INTEGER,
    FromDate TEXT,
    ToDate TEXT,
    Created TEXT DEFAULT (strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')),
    BookedBy TEXT,
    Notes TEXT,
    NoAdults INTEGER,
    NoKids INTEGER,
    CostOfHire INTEGER,
    OtherCharges INTEGER,
    VAT INTEGER,
    TotalPayable INTEGER,
    AmountPayed INTEGER,
    PaymentMethodID INTEGER,
    CreditCardNo TEXT,
    CreditCardExpiry TEXT,
    CreditCardType TEXT,
    CreditCardCV2No TEXT,
    BerthConfirmationNumber INTEGER,
    GuestConfirmationNumber TEXT,
    PowerRequirements TEXT,
    ClubMember INTEGER NOT NULL DEFAULT 0,
    TaxRate INTEGER,
    BoatID INTEGER,
    Cancelled INTEGER NOT NULL DEFAULT 0,
    CancelledBerths TEXT,
    InvoiceNumber INTEGER,
    Status INTEGER NOT NULL DEFAULT 0,
    ArrivedAt TEXT,
    ArrivedDesk TEXT,
    DepartedAt TEXT,
    DepartedDesk TEXT,
    DepositDue INTEGER,
    DepositBy TEXT,
    BalanceBy TEXT
);

CREATE TABLE BookingBerth (
    BookingID INTEGER NOT NULL,
    BerthID INTEGER NOT NULL
);

CREATE TABLE Settings (
    WebBookingEmail TEXT,
    WebBookingProviderIndex INTEGER NOT NULL DEFAULT 0,
    WebBookingProviderCustom TEXT
);

CREATE TABLE Company (
    CompanyID INTEGER PRIMARY KEY,
    [Company Name] TEXT,
    [Trading Name] TEXT,
    Street TEXT,
    Area TEXT,
    Town TEXT,
    County TEXT,
    Postcode TEXT,
    [Telephone No] TEXT,
    [VAT No] TEXT,
    [Receipt Footer] TEXT,
    TermsandConditions TEXT,
    DepositKind INTEGER NOT NULL DEFAULT 0,
    DepositAmount INTEGER NOT NULL DEFAULT 0,
    DepositPercent INTEGER NOT NULL DEFAULT 0,
    DepositMinimum INTEGER NOT NULL DEFAULT 0,
    BalanceDueDays INTEGER NOT NULL DEFAULT 0,
    LastInvoiceNumber INTEGER NOT NULL DEFAULT 0,
    LastCreditNoteNumber INTEGER NOT NULL DEFAULT 0
);

-- rates: begin
CREATE TABLE Season (
    ID INTEGER PRIMARY KEY,
    Name TEXT NOT NULL,
    FirstNight TEXT NOT NULL,
    LastNight TEXT NOT NULL,
    Yearly INTEGER NOT NULL DEFAULT 0,
    Priority INTEGER NOT NULL DEFAULT 0
);

-- A season's rate for a berth type, or for one berth over its type's.
CREATE TABLE Rate (
    ID INTEGER PRIMARY KEY,
    SeasonID INTEGER NOT NULL,
    BerthTypeID INTEGER,
    BerthID INTEGER,
    PerMetre INTEGER NOT NULL DEFAULT 0,
    Nightly INTEGER NOT NULL,
    WeekendNight INTEGER,
    Weekly INTEGER,
    Monthly INTEGER
);

-- Rate in hundredths of a percent; a booking takes the one in force on its arrival date.
CREATE TABLE Tax (
    ID INTEGER PRIMARY KEY,
    Name TEXT NOT NULL,
    Rate INTEGER NOT NULL,
    FromDate TEXT NOT NULL
);
-- rates: end

-- boats: begin
-- Sizes in centimetres; Kind as BoatKind numbers it.
CREATE TABLE Boat (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CustomerID INTEGER NOT NULL,
    Name TEXT NOT NULL,
    Kind INTEGER NOT NULL DEFAULT 0,
    LengthCm INTEGER,
    BeamCm INTEGER,
    DraftCm INTEGER,
    HeightCm INTEGER,
    Registration TEXT,
    InsuranceCompany TEXT,
    PolicyNumber TEXT,
    InsuranceExpiry TEXT,
    Notes TEXT
);
CREATE INDEX IX_Boat_Customer ON Boat (CustomerID);
-- boats: end

-- waiting list: begin
-- Added is set by the program when the entry is made; Status as WaitingStatus numbers it; ToDate empty: from
-- FromDate, any length of stay.
CREATE TABLE WaitingEntry (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CustomerID INTEGER NOT NULL,
    BoatID INTEGER,
    FromDate TEXT NOT NULL,
    ToDate TEXT,
    BerthTypeID INTEGER,
    MinLengthCm INTEGER,
    Notes TEXT,
    Added TEXT NOT NULL,
    Status INTEGER NOT NULL DEFAULT 0,
    OfferedOn TEXT
);
CREATE INDEX IX_WaitingEntry_Period ON WaitingEntry (Status, FromDate);
-- waiting list: end

-- booking charges: begin
-- The breakdown a booking's hire was agreed on, line by line in Line order; Unit as Pricing::Unit numbers it,
-- Season empty for nights priced by the berth's daily charge. A booking's lines go with it.
CREATE TABLE BookingCharge (
    ID INTEGER PRIMARY KEY,
    BookingID INTEGER NOT NULL,
    Line INTEGER NOT NULL,
    Berth TEXT NOT NULL,
    Season TEXT,
    Unit INTEGER NOT NULL,
    Quantity INTEGER NOT NULL,
    Rate INTEGER NOT NULL,
    Amount INTEGER NOT NULL
);
CREATE INDEX IX_BookingCharge_Booking ON BookingCharge (BookingID, Line);
CREATE TRIGGER Booking_Delete_Charges AFTER DELETE ON Booking
BEGIN
    DELETE FROM BookingCharge WHERE BookingID = OLD.ID;
END;
-- booking charges: end

-- ledger: begin
-- Every payment, deposit, refund and correction on a booking, only ever added to: a mistake is put right by a
-- correction line. Amount is what the line adds to the booking's AmountPayed (a refund is negative), Kind as
-- Ledger::Kind numbers it, Desk the user and machine that recorded it.
CREATE TABLE Payment (
    ID INTEGER PRIMARY KEY,
    BookingID INTEGER NOT NULL,
    PaidAt TEXT NOT NULL,
    Kind INTEGER NOT NULL,
    PaymentMethodID INTEGER,
    Amount INTEGER NOT NULL,
    Reference TEXT,
    Desk TEXT,
    Note TEXT
);
CREATE INDEX IX_Payment_Booking ON Payment (BookingID, ID);
CREATE INDEX IX_Payment_PaidAt ON Payment (PaidAt);
CREATE TRIGGER Payment_Never_Changed BEFORE UPDATE ON Payment
BEGIN
    SELECT RAISE(ABORT, 'A ledger line is never changed: add a correction line.');
END;
CREATE TRIGGER Payment_Never_Deleted BEFORE DELETE ON Payment
BEGIN
    SELECT RAISE(ABORT, 'A ledger line is never deleted: add a correction line.');
END;
-- A booking with money on its ledger is kept (as cancelled), never deleted.
CREATE TRIGGER Booking_Keeps_Ledger BEFORE DELETE ON Booking
    WHEN EXISTS (SELECT 1 FROM Payment WHERE BookingID = OLD.ID)
BEGIN
    SELECT RAISE(ABORT, 'A booking with ledger lines is never deleted: cancel it instead.');
END;
CREATE UNIQUE INDEX IX_Booking_Invoice ON Booking (InvoiceNumber) WHERE InvoiceNumber IS NOT NULL;
-- The few cancelled bookings, so lists that leave them out need not read every booking.
CREATE INDEX IX_Booking_Cancelled ON Booking (ID) WHERE Cancelled <> 0;
-- ledger: end

CREATE TABLE InvTemp (
    ID INTEGER,
    CompanyID INTEGER DEFAULT 1,
    CustomerID INTEGER,
    FromDate TEXT,
    ToDate TEXT,
    BookedBy TEXT,
    PaymentMethodID INTEGER,
    BerthConfirmationNumber INTEGER,
    GuestConfirmationNumber TEXT,
    ClubMember INTEGER NOT NULL DEFAULT 0,
    CostOfHire INTEGER,
    OtherCharges INTEGER,
    VAT INTEGER,
    TotalPayable INTEGER,
    AmountPayed INTEGER,
    Notes TEXT
);

CREATE INDEX IX_Booking_Period ON Booking (FromDate, ToDate);
CREATE INDEX IX_Booking_Customer ON Booking (CustomerID);
CREATE INDEX IX_BookingBerth_Berth ON BookingBerth (BerthID);
CREATE INDEX IX_BookingBerth_Booking ON BookingBerth (BookingID);
CREATE INDEX IX_Berth_Owner ON Berth (OwnerID);

-- period index: begin
-- Which berths are held when, as an integer R*Tree kept by triggers: one entry per booked berth (a booking
-- without berths has one entry for berth 0), so overlap searches for availability and the calendars are answered
-- by the index alone, whatever the length of the history. An entry's ID is BookingID * 2^31 + BerthID; its
-- coordinates are minutes since 2000-01-01 00:00 (32-bit: exact from the year -2083 to 6083), the arrival
-- rounded down and the departure rounded up to the minute. Times are written on the half hour, so the
-- minutes are the exact times.
CREATE VIRTUAL TABLE BookingPeriod USING rtree_i32 (ID, FromMinute, ToMinute);

-- The entries that BookingPeriod should hold; a period whose dates do not read as date-times has none.
CREATE VIEW BookingPeriodEntry AS
SELECT BookingID, BookingID * 2147483648 + BerthID AS Entry,
       max(-2147483648, min(2147483647, min(F, T))) AS FromMinute,
       max(-2147483648, min(2147483647, max(F, T))) AS ToMinute
FROM (SELECT BookingID, BerthID, (FS - ((FS % 60 + 60) % 60)) / 60 AS F, (TS + ((60 - TS % 60) % 60)) / 60 AS T
      FROM (SELECT B.ID AS BookingID, coalesce(BB.BerthID, 0) AS BerthID,
                   CAST(strftime('%s', B.FromDate) AS INTEGER) - 946684800 AS FS,
                   CAST(strftime('%s', B.ToDate) AS INTEGER) - 946684800 AS TS
            FROM Booking B LEFT JOIN BookingBerth BB ON BB.BookingID = B.ID))
WHERE F IS NOT NULL AND T IS NOT NULL AND BookingID BETWEEN 1 AND 4294967295 AND BerthID BETWEEN 0 AND 2147483647;

-- The months of 1900 to 2199 in index minutes, where a stay's nights are cut at the months' ends. A month is
-- numbered year * 12 + month - 1 (January 2026 is 24312): whole numbers compare faster than texts.
CREATE TABLE CalendarMonth (
    FromMinute INTEGER PRIMARY KEY,
    ToMinute INTEGER NOT NULL,
    Month INTEGER NOT NULL
);
INSERT INTO CalendarMonth (FromMinute, ToMinute, Month)
    WITH RECURSIVE M(D) AS (SELECT '1900-01-01' UNION ALL SELECT date(D, '+1 month') FROM M WHERE D < '2199-12-01')
    SELECT (CAST(strftime('%s', D) AS INTEGER) - 946684800) / 60,
           (CAST(strftime('%s', date(D, '+1 month')) AS INTEGER) - 946684800) / 60,
           CAST(substr(D, 1, 4) AS INTEGER) * 12 + CAST(substr(D, 6, 2) AS INTEGER) - 1 FROM M;

-- The nights each entry sells in each month it touches: a night belongs to the day it starts on, and is sold when
-- the stay holds the berth over the midnight that ends that day. (The shift by a whole number of days makes the
-- division round down for minutes before 2000 too.)
CREATE VIEW BerthMonthShare AS
SELECT P.ID AS Entry, P.ID % 2147483648 AS BerthID, M.Month,
       (min(P.ToMinute, M.ToMinute) + 1440000000) / 1440 - (max(P.FromMinute, M.FromMinute) + 1440000000) / 1440
           AS Nights
FROM BookingPeriod P JOIN CalendarMonth M
    ON M.FromMinute > P.FromMinute - 44640 AND M.FromMinute < P.ToMinute AND M.ToMinute > P.FromMinute;

-- The nights sold on each berth in each month, kept with the index by the triggers below (each takes away what
-- the entries it rewrites sold, and adds what they sell then): occupancy by the month reads one row per berth and
-- month rather than every stay.
CREATE TABLE BerthMonth (
    Month INTEGER NOT NULL,
    BerthID INTEGER NOT NULL,
    Nights INTEGER NOT NULL,
    PRIMARY KEY (Month, BerthID)
) WITHOUT ROWID;

CREATE TRIGGER Booking_Period_Insert AFTER INSERT ON Booking
BEGIN
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry WHERE BookingID = NEW.ID;
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, Nights FROM BerthMonthShare WHERE Entry IN (SELECT NEW.ID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.ID UNION ALL SELECT NEW.ID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
END;

CREATE TRIGGER Booking_Period_Update AFTER UPDATE OF ID, FromDate, ToDate ON Booking
BEGIN
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, -Nights FROM BerthMonthShare WHERE Entry IN (SELECT OLD.ID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = OLD.ID UNION ALL SELECT OLD.ID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
    DELETE FROM BookingPeriod WHERE ID IN (
        SELECT OLD.ID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = OLD.ID
        UNION ALL SELECT OLD.ID * 2147483648);
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry WHERE BookingID = NEW.ID;
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, Nights FROM BerthMonthShare WHERE Entry IN (SELECT NEW.ID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.ID UNION ALL SELECT NEW.ID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
END;

-- A booking's berth rows go with it, so a cancelled booking leaves nothing behind.
CREATE TRIGGER Booking_Delete AFTER DELETE ON Booking
BEGIN
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, -Nights FROM BerthMonthShare WHERE Entry IN (SELECT OLD.ID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = OLD.ID UNION ALL SELECT OLD.ID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
    DELETE FROM BookingPeriod WHERE ID IN (
        SELECT OLD.ID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = OLD.ID
        UNION ALL SELECT OLD.ID * 2147483648);
    DELETE FROM BookingBerth WHERE BookingID = OLD.ID;
END;

-- A berth row added, removed or changed: the booking's entries are written again (this also takes away or
-- brings back the berth-0 entry of a booking without berths).
CREATE TRIGGER BookingBerth_Period_Insert AFTER INSERT ON BookingBerth
BEGIN
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, -Nights FROM BerthMonthShare WHERE Entry IN (SELECT NEW.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.BookingID UNION ALL SELECT NEW.BookingID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
    DELETE FROM BookingPeriod WHERE ID = NEW.BookingID * 2147483648;
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry WHERE BookingID = NEW.BookingID;
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, Nights FROM BerthMonthShare WHERE Entry IN (SELECT NEW.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.BookingID UNION ALL SELECT NEW.BookingID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
END;

CREATE TRIGGER BookingBerth_Period_Delete AFTER DELETE ON BookingBerth
BEGIN
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, -Nights FROM BerthMonthShare WHERE Entry IN (SELECT OLD.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = OLD.BookingID UNION ALL SELECT OLD.BookingID * 2147483648 UNION ALL SELECT OLD.BookingID * 2147483648 + OLD.BerthID) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
    DELETE FROM BookingPeriod WHERE ID = OLD.BookingID * 2147483648 + OLD.BerthID;
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry WHERE BookingID = OLD.BookingID;
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, Nights FROM BerthMonthShare WHERE Entry IN (SELECT OLD.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = OLD.BookingID UNION ALL SELECT OLD.BookingID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
END;

CREATE TRIGGER BookingBerth_Period_Update AFTER UPDATE OF BookingID, BerthID ON BookingBerth
BEGIN
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, -Nights FROM BerthMonthShare WHERE Entry IN (SELECT OLD.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = OLD.BookingID UNION ALL SELECT OLD.BookingID * 2147483648 UNION ALL SELECT NEW.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.BookingID UNION ALL SELECT NEW.BookingID * 2147483648 UNION ALL SELECT OLD.BookingID * 2147483648 + OLD.BerthID) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
    DELETE FROM BookingPeriod WHERE ID IN (OLD.BookingID * 2147483648 + OLD.BerthID, NEW.BookingID * 2147483648);
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry WHERE BookingID IN (OLD.BookingID, NEW.BookingID);
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, Nights FROM BerthMonthShare WHERE Entry IN (SELECT OLD.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = OLD.BookingID UNION ALL SELECT OLD.BookingID * 2147483648 UNION ALL SELECT NEW.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.BookingID UNION ALL SELECT NEW.BookingID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
END;

-- Fills the index from the bookings already stored (nothing in a new file; everything when upgrading), and the
-- nights of each berth and month from the index.
INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
    SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry ORDER BY FromMinute;
INSERT INTO BerthMonth (Month, BerthID, Nights)
    SELECT Month, BerthID, SUM(Nights) FROM BerthMonthShare WHERE BerthID <> 0 GROUP BY Month, BerthID;
-- period index: end

-- figures: begin
-- The bookings arriving in each month, cancelled ones left out: their number, agreed prices, nights and lead
-- times (days from booking to arrival, for those whose creation is known), kept by triggers so that the figures of
-- a month read one row.
CREATE TABLE BookingMonth (
    Month TEXT PRIMARY KEY,
    Bookings INTEGER NOT NULL,
    Hire INTEGER NOT NULL,
    OtherCharges INTEGER NOT NULL,
    Tax INTEGER NOT NULL,
    Nights INTEGER NOT NULL,
    WithLead INTEGER NOT NULL,
    LeadDays INTEGER NOT NULL
);

CREATE TRIGGER Booking_Month_Insert AFTER INSERT ON Booking
BEGIN
    INSERT INTO BookingMonth (Month, Bookings, Hire, OtherCharges, Tax, Nights, WithLead, LeadDays)
        SELECT substr(NEW.FromDate, 1, 7), 1, coalesce(NEW.CostOfHire, 0), coalesce(NEW.OtherCharges, 0), coalesce(NEW.VAT, 0),
               max(0, coalesce(CAST(julianday(substr(NEW.ToDate, 1, 10)) - julianday(substr(NEW.FromDate, 1, 10)) AS INTEGER), 0)),
               NEW.Created IS NOT NULL, max(0, coalesce(CAST(julianday(substr(NEW.FromDate, 1, 10)) - julianday(substr(NEW.Created, 1, 10)) AS INTEGER), 0))
        WHERE NEW.Cancelled = 0 AND NEW.FromDate IS NOT NULL
        ON CONFLICT (Month) DO UPDATE SET Bookings = Bookings + excluded.Bookings, Hire = Hire + excluded.Hire,
            OtherCharges = OtherCharges + excluded.OtherCharges, Tax = Tax + excluded.Tax,
            Nights = Nights + excluded.Nights, WithLead = WithLead + excluded.WithLead,
            LeadDays = LeadDays + excluded.LeadDays;
END;

CREATE TRIGGER Booking_Month_Update AFTER UPDATE OF FromDate, ToDate, Created, CostOfHire, OtherCharges, VAT, Cancelled
    ON Booking
BEGIN
    UPDATE BookingMonth SET Bookings = Bookings - 1, Hire = Hire - coalesce(OLD.CostOfHire, 0),
            OtherCharges = OtherCharges - coalesce(OLD.OtherCharges, 0), Tax = Tax - coalesce(OLD.VAT, 0),
            Nights = Nights - (max(0, coalesce(CAST(julianday(substr(OLD.ToDate, 1, 10)) - julianday(substr(OLD.FromDate, 1, 10)) AS INTEGER), 0))),
            WithLead = WithLead - (OLD.Created IS NOT NULL),
            LeadDays = LeadDays - (max(0, coalesce(CAST(julianday(substr(OLD.FromDate, 1, 10)) - julianday(substr(OLD.Created, 1, 10)) AS INTEGER), 0)))
        WHERE Month = substr(OLD.FromDate, 1, 7) AND OLD.Cancelled = 0;
    INSERT INTO BookingMonth (Month, Bookings, Hire, OtherCharges, Tax, Nights, WithLead, LeadDays)
        SELECT substr(NEW.FromDate, 1, 7), 1, coalesce(NEW.CostOfHire, 0), coalesce(NEW.OtherCharges, 0), coalesce(NEW.VAT, 0),
               max(0, coalesce(CAST(julianday(substr(NEW.ToDate, 1, 10)) - julianday(substr(NEW.FromDate, 1, 10)) AS INTEGER), 0)),
               NEW.Created IS NOT NULL, max(0, coalesce(CAST(julianday(substr(NEW.FromDate, 1, 10)) - julianday(substr(NEW.Created, 1, 10)) AS INTEGER), 0))
        WHERE NEW.Cancelled = 0 AND NEW.FromDate IS NOT NULL
        ON CONFLICT (Month) DO UPDATE SET Bookings = Bookings + excluded.Bookings, Hire = Hire + excluded.Hire,
            OtherCharges = OtherCharges + excluded.OtherCharges, Tax = Tax + excluded.Tax,
            Nights = Nights + excluded.Nights, WithLead = WithLead + excluded.WithLead,
            LeadDays = LeadDays + excluded.LeadDays;
END;

CREATE TRIGGER Booking_Month_Delete AFTER DELETE ON Booking
BEGIN
    UPDATE BookingMonth SET Bookings = Bookings - 1, Hire = Hire - coalesce(OLD.CostOfHire, 0),
            OtherCharges = OtherCharges - coalesce(OLD.OtherCharges, 0), Tax = Tax - coalesce(OLD.VAT, 0),
            Nights = Nights - (max(0, coalesce(CAST(julianday(substr(OLD.ToDate, 1, 10)) - julianday(substr(OLD.FromDate, 1, 10)) AS INTEGER), 0))),
            WithLead = WithLead - (OLD.Created IS NOT NULL),
            LeadDays = LeadDays - (max(0, coalesce(CAST(julianday(substr(OLD.FromDate, 1, 10)) - julianday(substr(OLD.Created, 1, 10)) AS INTEGER), 0)))
        WHERE Month = substr(OLD.FromDate, 1, 7) AND OLD.Cancelled = 0;
END;

INSERT INTO BookingMonth (Month, Bookings, Hire, OtherCharges, Tax, Nights, WithLead, LeadDays)
    SELECT substr(B.FromDate, 1, 7), COUNT(*), SUM(coalesce(B.CostOfHire, 0)), SUM(coalesce(B.OtherCharges, 0)), SUM(coalesce(B.VAT, 0)),
           SUM(max(0, coalesce(CAST(julianday(substr(B.ToDate, 1, 10)) - julianday(substr(B.FromDate, 1, 10)) AS INTEGER), 0))),
           COUNT(B.Created), SUM(max(0, coalesce(CAST(julianday(substr(B.FromDate, 1, 10)) - julianday(substr(B.Created, 1, 10)) AS INTEGER), 0)))
    FROM Booking B WHERE B.Cancelled = 0 AND B.FromDate IS NOT NULL GROUP BY substr(B.FromDate, 1, 7);
-- figures: end

-- customer search: begin
-- The customer search's words (see SearchText): written by the program beside each customer, which folds case and
-- accents before they are stored; the trigram index finds any part of them. A deleted customer's words go with it.
CREATE VIRTUAL TABLE IF NOT EXISTS CustomerText USING fts5(Words, tokenize = 'trigram');
CREATE TRIGGER IF NOT EXISTS Customer_Text_Delete AFTER DELETE ON Customer BEGIN
    DELETE FROM CustomerText WHERE rowid = OLD.ID;
END;
-- customer search: end

-- berth blocks: begin
-- A berth kept out of use over a period (works, a regatta), with the reason the chart shows. Its entry in the
-- period index, ID -BlockID * 2^31 + BerthID (the booking part negative), makes availability, the calendars and
-- every save see the berth as taken; readers of bookings join Booking and never meet it, and it sells no nights.
CREATE TABLE BerthBlock (
    ID INTEGER PRIMARY KEY,
    BerthID INTEGER NOT NULL,
    FromDate TEXT NOT NULL,
    ToDate TEXT NOT NULL,
    Reason TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IX_BerthBlock_Berth ON BerthBlock (BerthID);
-- The bookings a block was confirmed over: each keeps its berth, to be moved, and may still be saved there.
CREATE TABLE BlockedBooking (
    BlockID INTEGER NOT NULL,
    BookingID INTEGER NOT NULL,
    PRIMARY KEY (BlockID, BookingID)
) WITHOUT ROWID;
CREATE INDEX IX_BlockedBooking_Booking ON BlockedBooking (BookingID);

CREATE VIEW BerthBlockEntry AS
SELECT BlockID, -BlockID * 2147483648 + BerthID AS Entry,
       max(-2147483648, min(2147483647, min(F, T))) AS FromMinute,
       max(-2147483648, min(2147483647, max(F, T))) AS ToMinute
FROM (SELECT BlockID, BerthID, (FS - ((FS % 60 + 60) % 60)) / 60 AS F, (TS + ((60 - TS % 60) % 60)) / 60 AS T
      FROM (SELECT ID AS BlockID, BerthID, CAST(strftime('%s', FromDate) AS INTEGER) - 946684800 AS FS,
                   CAST(strftime('%s', ToDate) AS INTEGER) - 946684800 AS TS
            FROM BerthBlock))
WHERE F IS NOT NULL AND T IS NOT NULL AND BlockID BETWEEN 1 AND 4294967295 AND BerthID BETWEEN 1 AND 2147483647;

CREATE TRIGGER BerthBlock_Period_Insert AFTER INSERT ON BerthBlock
BEGIN
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BerthBlockEntry WHERE BlockID = NEW.ID;
END;

CREATE TRIGGER BerthBlock_Period_Update AFTER UPDATE OF ID, BerthID, FromDate, ToDate ON BerthBlock
BEGIN
    DELETE FROM BookingPeriod WHERE ID = -OLD.ID * 2147483648 + OLD.BerthID;
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BerthBlockEntry WHERE BlockID = NEW.ID;
END;

CREATE TRIGGER BerthBlock_Delete AFTER DELETE ON BerthBlock
BEGIN
    DELETE FROM BookingPeriod WHERE ID = -OLD.ID * 2147483648 + OLD.BerthID;
    DELETE FROM BlockedBooking WHERE BlockID = OLD.ID;
END;

-- A booking's ID may be given again once it is gone: what a block was confirmed over goes with it.
CREATE TRIGGER Booking_Delete_Blocked AFTER DELETE ON Booking
BEGIN
    DELETE FROM BlockedBooking WHERE BookingID = OLD.ID;
END;

CREATE TRIGGER Berth_Delete_Blocks AFTER DELETE ON Berth
BEGIN
    DELETE FROM BerthBlock WHERE BerthID = OLD.ID;
END;
-- berth blocks: end

-- berth list: begin
-- A number drawn again whenever a berth comes, goes or changes what the free list shows of it, so a desk may keep
-- the list and ask the database only which berths are taken. It is drawn at random rather than counted, so a
-- database put back from an archive, or another file, never shows the number of a list it does not hold.
CREATE TABLE BerthListVersion (
    ID INTEGER PRIMARY KEY CHECK (ID = 1),
    Version INTEGER NOT NULL
);
INSERT INTO BerthListVersion (ID, Version) VALUES (1, random());

CREATE TRIGGER Berth_List_Insert AFTER INSERT ON Berth
BEGIN
    UPDATE BerthListVersion SET Version = random();
END;

CREATE TRIGGER Berth_List_Update
AFTER UPDATE OF ID, Name, Length, Width, HasPower, DailyHireCharge, Active, MaxDraft, TakesMultihulls ON Berth
BEGIN
    UPDATE BerthListVersion SET Version = random();
END;

CREATE TRIGGER Berth_List_Delete AFTER DELETE ON Berth
BEGIN
    UPDATE BerthListVersion SET Version = random();
END;
-- berth list: end

-- desk day: begin
-- Booking.Status: 0 expected, 1 arrived, 2 departed, 3 no-show; ArrivedAt/DepartedAt and their desks say when and
-- where the guest was checked in and out. DepositDue, DepositBy and BalanceBy hold what the clerk agreed for this
-- booking; NULL follows the company's payment terms.
-- The arrived bookings (the guests in the harbour now) are few: lists of them need not read every booking.
CREATE INDEX IF NOT EXISTS IX_Booking_Arrived ON Booking (ID) WHERE Status = 1;
-- The cash-up sums a day's or a month's ledger lines by kind, method and desk from this index alone.
CREATE INDEX IF NOT EXISTS IX_Payment_CashUp ON Payment (PaidAt, Kind, PaymentMethodID, Desk, Amount);
-- A credit note gives back money on an invoiced booking: its own gapless Number (Company.LastCreditNoteNumber),
-- the invoice it refers to, the refund's ledger line and the amount credited (positive).
CREATE TABLE IF NOT EXISTS CreditNote (
    ID INTEGER PRIMARY KEY,
    Number INTEGER NOT NULL,
    BookingID INTEGER NOT NULL,
    InvoiceNumber INTEGER NOT NULL,
    PaymentID INTEGER,
    Amount INTEGER NOT NULL,
    IssuedAt TEXT NOT NULL,
    Desk TEXT
);
CREATE UNIQUE INDEX IF NOT EXISTS IX_CreditNote_Number ON CreditNote (Number);
CREATE INDEX IF NOT EXISTS IX_CreditNote_Booking ON CreditNote (BookingID);
-- desk day: end

-- quick search: begin
-- The quick search finds a booking by its confirmation number and the bookings of a boat without reading them all.
CREATE INDEX IF NOT EXISTS IX_Booking_Confirmation ON Booking (BerthConfirmationNumber);
CREATE INDEX IF NOT EXISTS IX_Booking_Boat ON Booking (BoatID);
-- quick search: end

-- contracts: begin
-- A berth let for a year or a season. ContractTerm is a named term (a season or a year, once or every year);
-- ContractRate its price per berth type or per berth (per berth or, PerMetre 1, per metre of length) from a date,
-- the latest in force at the start of the term's stretch pricing it. A contract's berths are held through a
-- BerthBlock row each (BerthBlock.ContractID), so the period index, availability and the server's check at commit
-- treat them as they treat a block. Its instalments are invoiced with the booking invoices' one gapless sequence
-- (Company.LastInvoiceNumber); its payments are ledger lines in Payment with BookingID 0 and its ContractID.
CREATE TABLE ContractTerm (
    ID INTEGER PRIMARY KEY,
    Name TEXT NOT NULL,
    FirstDay TEXT NOT NULL,
    LastDay TEXT NOT NULL,
    Yearly INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE ContractRate (
    ID INTEGER PRIMARY KEY,
    TermID INTEGER NOT NULL,
    BerthTypeID INTEGER,
    BerthID INTEGER,
    PerMetre INTEGER NOT NULL DEFAULT 0,
    Price INTEGER NOT NULL,
    EffectiveFrom TEXT NOT NULL
);
CREATE INDEX IX_ContractRate_Term ON ContractRate (TermID);
CREATE TABLE Contract (
    ID INTEGER PRIMARY KEY,
    CustomerID INTEGER NOT NULL,
    BoatID INTEGER,
    TermID INTEGER,
    FirstDay TEXT NOT NULL,
    LastDay TEXT NOT NULL,
    Hire INTEGER NOT NULL,
    Tax INTEGER NOT NULL,
    Total INTEGER NOT NULL,
    Paid INTEGER NOT NULL DEFAULT 0,
    Cancelled INTEGER NOT NULL DEFAULT 0,
    Created TEXT,
    Desk TEXT,
    Notes TEXT
);
CREATE INDEX IX_Contract_Customer ON Contract (CustomerID);
CREATE TABLE ContractBerth (
    ContractID INTEGER NOT NULL,
    BerthID INTEGER NOT NULL,
    BlockID INTEGER,
    PRIMARY KEY (ContractID, BerthID)
) WITHOUT ROWID;
CREATE INDEX IX_ContractBerth_Berth ON ContractBerth (BerthID);
CREATE TABLE ContractInstalment (
    ID INTEGER PRIMARY KEY,
    ContractID INTEGER NOT NULL,
    Number INTEGER NOT NULL,
    DueDate TEXT NOT NULL,
    Amount INTEGER NOT NULL,
    InvoiceNumber INTEGER,
    IssuedAt TEXT
);
CREATE INDEX IX_ContractInstalment_Contract ON ContractInstalment (ContractID, Number);
CREATE UNIQUE INDEX IX_ContractInstalment_Invoice ON ContractInstalment (InvoiceNumber);
ALTER TABLE BerthBlock ADD COLUMN ContractID INTEGER;
ALTER TABLE Payment ADD COLUMN ContractID INTEGER;
CREATE INDEX IX_Payment_Contract ON Payment (ContractID) WHERE ContractID IS NOT NULL;
-- contracts: end

-- import: begin
-- A file of customers, berths, bookings or opening balances brought in from another system: its kind (0 customers
-- with boats, 1 berths, 2 bookings, 3 opening balances), the file's name, how many rows it added, updated, skipped
-- and refused, who ran it and when; UndoneAt once "Undo this import" removed what it added.
CREATE TABLE IF NOT EXISTS ImportBatch (
    ID INTEGER PRIMARY KEY,
    Kind INTEGER NOT NULL,
    FileName TEXT NOT NULL,
    Added INTEGER NOT NULL DEFAULT 0,
    Updated INTEGER NOT NULL DEFAULT 0,
    Skipped INTEGER NOT NULL DEFAULT 0,
    Refused INTEGER NOT NULL DEFAULT 0,
    Desk TEXT,
    ImportedAt TEXT NOT NULL,
    UndoneAt TEXT
);
-- A column mapping kept by name for the next file of the same kind: each field's column heading, one per line as
-- "field=heading".
CREATE TABLE IF NOT EXISTS ImportMapping (
    Name TEXT NOT NULL,
    Kind INTEGER NOT NULL,
    Columns TEXT NOT NULL,
    PRIMARY KEY (Kind, Name)
);
-- OldRef: the reference a row had in the office's previous records, kept so a second import finds it again.
-- ImportBatchID: the import that added the row; ImportStamp: what the row held when it was added, so an undo can
-- tell that nobody has changed it since.
ALTER TABLE Customer ADD COLUMN OldRef TEXT;
ALTER TABLE Customer ADD COLUMN ImportBatchID INTEGER;
ALTER TABLE Customer ADD COLUMN ImportStamp TEXT;
ALTER TABLE Boat ADD COLUMN OldRef TEXT;
ALTER TABLE Boat ADD COLUMN ImportBatchID INTEGER;
ALTER TABLE Boat ADD COLUMN ImportStamp TEXT;
ALTER TABLE Berth ADD COLUMN OldRef TEXT;
ALTER TABLE Berth ADD COLUMN ImportBatchID INTEGER;
ALTER TABLE Berth ADD COLUMN ImportStamp TEXT;
ALTER TABLE Booking ADD COLUMN OldRef TEXT;
ALTER TABLE Booking ADD COLUMN ImportBatchID INTEGER;
ALTER TABLE Booking ADD COLUMN ImportStamp TEXT;
CREATE INDEX IF NOT EXISTS IX_Customer_OldRef ON Customer (OldRef) WHERE OldRef IS NOT NULL;
CREATE INDEX IF NOT EXISTS IX_Customer_ImportBatch ON Customer (ImportBatchID) WHERE ImportBatchID IS NOT NULL;
CREATE INDEX IF NOT EXISTS IX_Boat_OldRef ON Boat (OldRef) WHERE OldRef IS NOT NULL;
CREATE INDEX IF NOT EXISTS IX_Boat_ImportBatch ON Boat (ImportBatchID) WHERE ImportBatchID IS NOT NULL;
CREATE INDEX IF NOT EXISTS IX_Berth_OldRef ON Berth (OldRef) WHERE OldRef IS NOT NULL;
CREATE INDEX IF NOT EXISTS IX_Berth_ImportBatch ON Berth (ImportBatchID) WHERE ImportBatchID IS NOT NULL;
CREATE INDEX IF NOT EXISTS IX_Booking_OldRef ON Booking (OldRef) WHERE OldRef IS NOT NULL;
CREATE INDEX IF NOT EXISTS IX_Booking_ImportBatch ON Booking (ImportBatchID) WHERE ImportBatchID IS NOT NULL;
-- import: end

-- mail: begin
-- Every e-mail the office sends is a row: what it is about (a booking or a customer), its kind ("confirmation",
-- "invoice", "deposit reminder", "balance reminder", "waiting offer"), Regarding (the due date a reminder is about,
-- so one due date is reminded once), the message as queued, and its life: State 'queued', 'sent' or 'failed',
-- Attempts, the server's LastAnswer, NextTryAt for the back-off. A desk's sender claims a queued row by writing
-- ClaimedBy/ClaimedUntil inside a transaction, so two desks never send one message; a claim that outlives
-- ClaimedUntil (the desk went away mid-send) may be taken again. The attachment's bytes live in the row, so any
-- desk can send the message and a backup carries it.
CREATE TABLE IF NOT EXISTS Outbox (
    ID INTEGER PRIMARY KEY,
    BookingID INTEGER,
    CustomerID INTEGER,
    Kind TEXT NOT NULL,
    Regarding TEXT,
    ToName TEXT,
    ToAddress TEXT NOT NULL,
    Subject TEXT NOT NULL,
    Body TEXT NOT NULL,
    AttachmentName TEXT,
    Attachment BLOB,
    State TEXT NOT NULL DEFAULT 'queued',
    Attempts INTEGER NOT NULL DEFAULT 0,
    LastAnswer TEXT,
    QueuedBy TEXT,
    QueuedAt TEXT NOT NULL,
    NextTryAt TEXT NOT NULL,
    ClaimedBy TEXT,
    ClaimedUntil TEXT,
    SentBy TEXT,
    SentAt TEXT
);
CREATE INDEX IF NOT EXISTS IX_Outbox_Waiting ON Outbox (State, NextTryAt);
CREATE INDEX IF NOT EXISTS IX_Outbox_Booking ON Outbox (BookingID);
-- The office's wording of each kind of message, with its placeholders; a kind without a row uses the program's.
CREATE TABLE IF NOT EXISTS MailTemplate (
    Kind TEXT PRIMARY KEY,
    Subject TEXT NOT NULL,
    Body TEXT NOT NULL
);
-- mail: end


-- staff: begin
-- The people who sign in at the desks. SignInKey is the sign-in name case-folded, so "Anna" and "ANNA" are one
-- user on both engines. The hashes are Argon2id strings (salt and cost inside); nothing here is a secret in clear.
-- FailedTries and LockedUntil are kept here rather than in a desk's memory, so a lock holds at every desk.
-- ChangeNumber grows with each save, so a desk finds out that another desk changed the user meanwhile.
CREATE TABLE IF NOT EXISTS StaffUser (
    ID INTEGER PRIMARY KEY,
    Name TEXT NOT NULL,
    SignInName TEXT NOT NULL,
    SignInKey TEXT NOT NULL,
    PasswordHash TEXT NOT NULL,
    PinHash TEXT NOT NULL,
    Role TEXT NOT NULL CHECK (Role IN ('clerk', 'manager', 'administrator')),
    Active INTEGER NOT NULL DEFAULT 1,
    FailedTries INTEGER NOT NULL DEFAULT 0,
    LockedUntil TEXT,
    ChangeNumber INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX IF NOT EXISTS IX_StaffUser_SignInKey ON StaffUser (SignInKey);
-- What a role may do where the administrator changed the program's default; an action without a row follows it.
CREATE TABLE IF NOT EXISTS RolePermission (
    Role TEXT NOT NULL,
    Action TEXT NOT NULL,
    Allowed INTEGER NOT NULL,
    PRIMARY KEY (Role, Action)
);
-- An action a manager allowed on the spot for someone whose role may not do it: who, for whom, when, where.
CREATE TABLE IF NOT EXISTS Approval (
    ID INTEGER PRIMARY KEY,
    Action TEXT NOT NULL,
    ApproverID INTEGER NOT NULL,
    Approver TEXT NOT NULL,
    ForUserID INTEGER NOT NULL,
    ForUser TEXT NOT NULL,
    ApprovedAt TEXT NOT NULL,
    Desk TEXT
);
CREATE INDEX IF NOT EXISTS IX_Approval_At ON Approval (ApprovedAt);
-- staff: end


-- history: begin
-- Every change to a booking, its berths, its charge lines and its ledger, written by the triggers below in the
-- transaction of the change, so no path can leave one out, and never changed or deleted. TableName and Field are
-- in lower case; Action is 'insert', 'update' or 'delete'; a booking made or deleted keeps 'from|to', a charge line
-- 'berth|season|unit|quantity|rate|amount', a ledger line its Kind in Field and its Amount. Who and Desk come from
-- zem_actor() and zem_desk(), which the program gives every connection it opens (on a server, Login is the role).
-- Card numbers and the paid amount (the ledger's lines say it) are left out.
CREATE TABLE IF NOT EXISTS BookingHistory (
    ID INTEGER PRIMARY KEY,
    BookingID INTEGER NOT NULL,
    TableName TEXT NOT NULL,
    Action TEXT NOT NULL,
    Field TEXT,
    OldValue TEXT,
    NewValue TEXT,
    Who TEXT,
    Desk TEXT,
    Login TEXT,
    ChangedAt TEXT NOT NULL
);
CREATE INDEX IF NOT EXISTS IX_BookingHistory_Booking ON BookingHistory (BookingID, ID);
CREATE TRIGGER IF NOT EXISTS BookingHistory_Never_Changed BEFORE UPDATE ON BookingHistory
BEGIN
    SELECT RAISE(ABORT, 'A booking''s history is never changed or deleted.');
END;
CREATE TRIGGER IF NOT EXISTS BookingHistory_Never_Deleted BEFORE DELETE ON BookingHistory
BEGIN
    SELECT RAISE(ABORT, 'A booking''s history is never changed or deleted.');
END;

CREATE TRIGGER IF NOT EXISTS Booking_History_Insert AFTER INSERT ON Booking
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    VALUES (NEW.ID, 'booking', 'insert', NULL, NULL, coalesce(NEW.FromDate, '') || '|' || coalesce(NEW.ToDate, ''), zem_actor(), zem_desk(),
            strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;
CREATE TRIGGER IF NOT EXISTS Booking_History_Update AFTER UPDATE ON Booking
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    SELECT NEW.ID, 'booking', 'update', f, o, n, zem_actor(), zem_desk(), strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')
    FROM (
        SELECT 'customerid' AS f, OLD.CustomerID AS o, NEW.CustomerID AS n
        UNION ALL SELECT 'fromdate', OLD.FromDate, NEW.FromDate
        UNION ALL SELECT 'todate', OLD.ToDate, NEW.ToDate
        UNION ALL SELECT 'bookedby', OLD.BookedBy, NEW.BookedBy
        UNION ALL SELECT 'notes', OLD.Notes, NEW.Notes
        UNION ALL SELECT 'noadults', OLD.NoAdults, NEW.NoAdults
        UNION ALL SELECT 'nokids', OLD.NoKids, NEW.NoKids
        UNION ALL SELECT 'costofhire', OLD.CostOfHire, NEW.CostOfHire
        UNION ALL SELECT 'othercharges', OLD.OtherCharges, NEW.OtherCharges
        UNION ALL SELECT 'vat', OLD.VAT, NEW.VAT
        UNION ALL SELECT 'totalpayable', OLD.TotalPayable, NEW.TotalPayable
        UNION ALL SELECT 'paymentmethodid', OLD.PaymentMethodID, NEW.PaymentMethodID
        UNION ALL SELECT 'creditcardtype', OLD.CreditCardType, NEW.CreditCardType
        UNION ALL SELECT 'berthconfirmationnumber', OLD.BerthConfirmationNumber, NEW.BerthConfirmationNumber
        UNION ALL SELECT 'guestconfirmationnumber', OLD.GuestConfirmationNumber, NEW.GuestConfirmationNumber
        UNION ALL SELECT 'powerrequirements', OLD.PowerRequirements, NEW.PowerRequirements
        UNION ALL SELECT 'clubmember', OLD.ClubMember, NEW.ClubMember
        UNION ALL SELECT 'taxrate', OLD.TaxRate, NEW.TaxRate
        UNION ALL SELECT 'boatid', OLD.BoatID, NEW.BoatID
        UNION ALL SELECT 'cancelled', OLD.Cancelled, NEW.Cancelled
        UNION ALL SELECT 'cancelledberths', OLD.CancelledBerths, NEW.CancelledBerths
        UNION ALL SELECT 'invoicenumber', OLD.InvoiceNumber, NEW.InvoiceNumber
        UNION ALL SELECT 'status', OLD.Status, NEW.Status
        UNION ALL SELECT 'arrivedat', OLD.ArrivedAt, NEW.ArrivedAt
        UNION ALL SELECT 'arriveddesk', OLD.ArrivedDesk, NEW.ArrivedDesk
        UNION ALL SELECT 'departedat', OLD.DepartedAt, NEW.DepartedAt
        UNION ALL SELECT 'departeddesk', OLD.DepartedDesk, NEW.DepartedDesk
        UNION ALL SELECT 'depositdue', OLD.DepositDue, NEW.DepositDue
        UNION ALL SELECT 'depositby', OLD.DepositBy, NEW.DepositBy
        UNION ALL SELECT 'balanceby', OLD.BalanceBy, NEW.BalanceBy
    ) WHERE o IS NOT n;
END;
CREATE TRIGGER IF NOT EXISTS Booking_History_Delete AFTER DELETE ON Booking
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    VALUES (OLD.ID, 'booking', 'delete', NULL, coalesce(OLD.FromDate, '') || '|' || coalesce(OLD.ToDate, ''), NULL, zem_actor(), zem_desk(),
            strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;
-- A berth keeps its name in the history, should it be renamed or removed later. The rows a deleted booking takes
-- with it are in its own line.
CREATE TRIGGER IF NOT EXISTS BookingBerth_History_Insert AFTER INSERT ON BookingBerth
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    VALUES (NEW.BookingID, 'bookingberth', 'insert', 'berthid', NULL, coalesce((SELECT Name FROM Berth WHERE ID = NEW.BerthID), NEW.BerthID), zem_actor(), zem_desk(),
            strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;
CREATE TRIGGER IF NOT EXISTS BookingBerth_History_Update AFTER UPDATE ON BookingBerth
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    VALUES (NEW.BookingID, 'bookingberth', 'update', 'berthid', coalesce((SELECT Name FROM Berth WHERE ID = OLD.BerthID), OLD.BerthID), coalesce((SELECT Name FROM Berth WHERE ID = NEW.BerthID), NEW.BerthID), zem_actor(), zem_desk(),
            strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;
CREATE TRIGGER IF NOT EXISTS BookingBerth_History_Delete AFTER DELETE ON BookingBerth
    WHEN EXISTS (SELECT 1 FROM Booking WHERE ID = OLD.BookingID)
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    VALUES (OLD.BookingID, 'bookingberth', 'delete', 'berthid', coalesce((SELECT Name FROM Berth WHERE ID = OLD.BerthID), OLD.BerthID), NULL, zem_actor(), zem_desk(),
            strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;
CREATE TRIGGER IF NOT EXISTS BookingCharge_History_Insert AFTER INSERT ON BookingCharge
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    VALUES (NEW.BookingID, 'bookingcharge', 'insert', 'line', NULL,
            NEW.Berth || '|' || coalesce(NEW.Season, '') || '|' || NEW.Unit || '|' || NEW.Quantity || '|' || NEW.Rate || '|' ||
                NEW.Amount, zem_actor(), zem_desk(), strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;
CREATE TRIGGER IF NOT EXISTS BookingCharge_History_Delete AFTER DELETE ON BookingCharge
    WHEN EXISTS (SELECT 1 FROM Booking WHERE ID = OLD.BookingID)
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    VALUES (OLD.BookingID, 'bookingcharge', 'delete', 'line',
            OLD.Berth || '|' || coalesce(OLD.Season, '') || '|' || OLD.Unit || '|' || OLD.Quantity || '|' || OLD.Rate || '|' ||
                OLD.Amount, NULL, zem_actor(), zem_desk(), strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;
CREATE TRIGGER IF NOT EXISTS Payment_History_Insert AFTER INSERT ON Payment
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    VALUES (NEW.BookingID, 'payment', 'insert', CAST(NEW.Kind AS TEXT), NULL, NEW.Amount, zem_actor(), zem_desk(),
            strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;

-- A closed month: its bookings (by departure) and its ledger lines are kept as they are, and put right by lines
-- dated now. Closing and reopening are both rows (Closed 1 or 0), never changed or deleted: a month is closed
-- while its latest row says so.
CREATE TABLE IF NOT EXISTS ClosedPeriod (
    ID INTEGER PRIMARY KEY,
    Month TEXT NOT NULL,
    Closed INTEGER NOT NULL,
    Who TEXT,
    Desk TEXT,
    ChangedAt TEXT NOT NULL
);
CREATE INDEX IF NOT EXISTS IX_ClosedPeriod_Month ON ClosedPeriod (Month, ID);
CREATE VIEW IF NOT EXISTS ClosedMonth AS
    SELECT Month FROM ClosedPeriod c WHERE Closed = 1 AND ID = (SELECT MAX(ID) FROM ClosedPeriod WHERE Month = c.Month);
CREATE TRIGGER IF NOT EXISTS ClosedPeriod_Never_Changed BEFORE UPDATE ON ClosedPeriod
BEGIN
    SELECT RAISE(ABORT, 'A closed period is reopened by a new row, never changed or deleted.');
END;
CREATE TRIGGER IF NOT EXISTS ClosedPeriod_Never_Deleted BEFORE DELETE ON ClosedPeriod
BEGIN
    SELECT RAISE(ABORT, 'A closed period is reopened by a new row, never changed or deleted.');
END;
CREATE TRIGGER IF NOT EXISTS Booking_Closed_Insert BEFORE INSERT ON Booking
    WHEN substr(NEW.ToDate, 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
-- What the ledger keeps in step (the paid amount) and an invoice's number may still be written.
CREATE TRIGGER IF NOT EXISTS Booking_Closed_Update BEFORE UPDATE ON Booking
    WHEN (substr(OLD.ToDate, 1, 7) IN (SELECT Month FROM ClosedMonth)
          OR substr(NEW.ToDate, 1, 7) IN (SELECT Month FROM ClosedMonth))
     AND (OLD.ID IS NOT NEW.ID OR OLD.CustomerID IS NOT NEW.CustomerID OR OLD.FromDate IS NOT NEW.FromDate OR
          OLD.ToDate IS NOT NEW.ToDate OR OLD.Created IS NOT NEW.Created OR OLD.BookedBy IS NOT NEW.BookedBy OR
          OLD.Notes IS NOT NEW.Notes OR OLD.NoAdults IS NOT NEW.NoAdults OR OLD.NoKids IS NOT NEW.NoKids OR
          OLD.CostOfHire IS NOT NEW.CostOfHire OR OLD.OtherCharges IS NOT NEW.OtherCharges OR
          OLD.VAT IS NOT NEW.VAT OR OLD.TotalPayable IS NOT NEW.TotalPayable OR
          OLD.PaymentMethodID IS NOT NEW.PaymentMethodID OR OLD.CreditCardNo IS NOT NEW.CreditCardNo OR
          OLD.CreditCardExpiry IS NOT NEW.CreditCardExpiry OR OLD.CreditCardType IS NOT NEW.CreditCardType OR
          OLD.CreditCardCV2No IS NOT NEW.CreditCardCV2No OR
          OLD.BerthConfirmationNumber IS NOT NEW.BerthConfirmationNumber OR
          OLD.GuestConfirmationNumber IS NOT NEW.GuestConfirmationNumber OR
          OLD.PowerRequirements IS NOT NEW.PowerRequirements OR OLD.ClubMember IS NOT NEW.ClubMember OR
          OLD.TaxRate IS NOT NEW.TaxRate OR OLD.BoatID IS NOT NEW.BoatID OR OLD.Cancelled IS NOT NEW.Cancelled OR
          OLD.CancelledBerths IS NOT NEW.CancelledBerths OR OLD.Status IS NOT NEW.Status OR
          OLD.ArrivedAt IS NOT NEW.ArrivedAt OR OLD.ArrivedDesk IS NOT NEW.ArrivedDesk OR
          OLD.DepartedAt IS NOT NEW.DepartedAt OR OLD.DepartedDesk IS NOT NEW.DepartedDesk OR
          OLD.DepositDue IS NOT NEW.DepositDue OR OLD.DepositBy IS NOT NEW.DepositBy OR
          OLD.BalanceBy IS NOT NEW.BalanceBy)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
CREATE TRIGGER IF NOT EXISTS Booking_Closed_Delete BEFORE DELETE ON Booking
    WHEN substr(OLD.ToDate, 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
CREATE TRIGGER IF NOT EXISTS BookingBerth_Closed_Insert BEFORE INSERT ON BookingBerth
    WHEN substr((SELECT ToDate FROM Booking WHERE ID = NEW.BookingID), 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
CREATE TRIGGER IF NOT EXISTS BookingBerth_Closed_Update BEFORE UPDATE ON BookingBerth
    WHEN substr((SELECT ToDate FROM Booking WHERE ID = NEW.BookingID), 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
CREATE TRIGGER IF NOT EXISTS BookingBerth_Closed_Delete BEFORE DELETE ON BookingBerth
    WHEN substr((SELECT ToDate FROM Booking WHERE ID = OLD.BookingID), 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
CREATE TRIGGER IF NOT EXISTS BookingCharge_Closed_Insert BEFORE INSERT ON BookingCharge
    WHEN substr((SELECT ToDate FROM Booking WHERE ID = NEW.BookingID), 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
CREATE TRIGGER IF NOT EXISTS BookingCharge_Closed_Update BEFORE UPDATE ON BookingCharge
    WHEN substr((SELECT ToDate FROM Booking WHERE ID = NEW.BookingID), 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
CREATE TRIGGER IF NOT EXISTS BookingCharge_Closed_Delete BEFORE DELETE ON BookingCharge
    WHEN substr((SELECT ToDate FROM Booking WHERE ID = OLD.BookingID), 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The booking departs in a closed month: it can only be corrected by lines dated now.');
END;
CREATE TRIGGER IF NOT EXISTS Payment_Closed_Insert BEFORE INSERT ON Payment
    WHEN substr(NEW.PaidAt, 1, 7) IN (SELECT Month FROM ClosedMonth)
BEGIN
    SELECT RAISE(ABORT, 'The ledger of a closed month takes no lines: date the correction now.');
END;
-- history: end

-- logins: begin
-- On a server each user signs in as a login of their own; a file has none, so this stays NULL here.
ALTER TABLE StaffUser ADD COLUMN ServerLogin TEXT;
-- logins: end

-- away: begin
-- A holder's absence on a contract: away from the first day to the day back. For those nights the contract's hold
-- on its berths is cut (its BerthBlock rows cover the term less the absences), so visitors may book them; from noon
-- of the day back the berth is held again. AwayCredit ties each visitor's ledger line on such a berth to the
-- holder's credit line it earned on the contract (Payment with BookingID 0, Kind 5), once per line; a refund's line
-- takes its share back. Company.AwayShare is the holder's share of the visitor's hire, in per cent.
CREATE TABLE ContractAway (
    ID INTEGER PRIMARY KEY,
    ContractID INTEGER NOT NULL,
    FirstDay TEXT NOT NULL,
    ReturnDay TEXT NOT NULL,
    Note TEXT,
    Created TEXT,
    Desk TEXT
);
CREATE INDEX IX_ContractAway_Contract ON ContractAway (ContractID);
CREATE TABLE AwayCredit (
    ID INTEGER PRIMARY KEY,
    ContractID INTEGER NOT NULL,
    BookingID INTEGER NOT NULL,
    PaymentID INTEGER NOT NULL,
    CreditID INTEGER NOT NULL,
    Amount INTEGER NOT NULL
);
CREATE UNIQUE INDEX IX_AwayCredit_Payment ON AwayCredit (PaymentID, ContractID);
CREATE INDEX IX_AwayCredit_Booking ON AwayCredit (BookingID, ContractID);
CREATE INDEX IX_AwayCredit_Contract ON AwayCredit (ContractID);
ALTER TABLE Company ADD COLUMN AwayShare INTEGER NOT NULL DEFAULT 50;
-- away: end

-- renewals: begin
-- A contract renewed names the one it renews (RenewedFrom); one that ended unrenewed is marked Lapsed once its
-- berths were offered to the waiting list. The letters and contracts printed for a holder are kept as PDFs in
-- ContractLetter. Company.ContractTerms is the text printed on every contract.
ALTER TABLE Contract ADD COLUMN RenewedFrom INTEGER;
ALTER TABLE Contract ADD COLUMN Lapsed INTEGER NOT NULL DEFAULT 0;
CREATE INDEX IX_Contract_RenewedFrom ON Contract (RenewedFrom) WHERE RenewedFrom IS NOT NULL;
CREATE INDEX IX_Contract_LastDay ON Contract (LastDay);
ALTER TABLE Company ADD COLUMN ContractTerms TEXT;
CREATE TABLE ContractLetter (
    ID INTEGER PRIMARY KEY,
    ContractID INTEGER NOT NULL,
    Kind TEXT NOT NULL,
    Created TEXT NOT NULL,
    Desk TEXT,
    Pdf BLOB NOT NULL
);
CREATE INDEX IX_ContractLetter_Contract ON ContractLetter (ContractID);
-- renewals: end

-- meters: begin
-- Electricity and water by the meter. A Meter (Kind 1 electricity, 2 water) serves one berth from Fitted until
-- Removed; Digits is how many whole digits its counter shows, so a reading past them has rolled over to zero.
-- Values and units are thousandths of the meter's unit, amounts ten-thousandths of a pound as everywhere.
-- MeterReading rows are only ever added: a wrong one is put right by a row naming it in Corrects, which stands in
-- its place while the first is kept. MeterTariff prices one kind from EffectiveFrom on, the latest in force each
-- day; its bands (the first UpTo units of a bill at Price) come before UnitPrice. MeterCharge is what was billed
-- to a booking (BookingID) or a contract (ContractID) between two readings, with its breakdown: the meters read
-- and the lines priced as JSON (rows billed before it was kept so: in words).
CREATE TABLE IF NOT EXISTS Meter (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Serial TEXT NOT NULL,
    Kind INTEGER NOT NULL,
    Unit TEXT NOT NULL,
    Digits INTEGER NOT NULL,
    BerthID INTEGER,
    Fitted TEXT NOT NULL,
    Removed TEXT,
    Notes TEXT
);
CREATE UNIQUE INDEX IF NOT EXISTS IX_Meter_Serial ON Meter (Serial);
CREATE INDEX IF NOT EXISTS IX_Meter_Berth ON Meter (BerthID);
CREATE TABLE IF NOT EXISTS MeterReading (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    MeterID INTEGER NOT NULL,
    ReadAt TEXT NOT NULL,
    Value INTEGER NOT NULL,
    RolledOver INTEGER NOT NULL DEFAULT 0,
    Flagged INTEGER NOT NULL DEFAULT 0,
    Corrects INTEGER,
    Desk TEXT,
    Note TEXT,
    Added TEXT
);
CREATE INDEX IF NOT EXISTS IX_MeterReading_Meter ON MeterReading (MeterID, ReadAt);
CREATE INDEX IF NOT EXISTS IX_MeterReading_Corrects ON MeterReading (Corrects);
CREATE TRIGGER IF NOT EXISTS MeterReading_Never_Changed BEFORE UPDATE ON MeterReading
BEGIN
    SELECT RAISE(ABORT, 'A meter reading is never changed: add a correction.');
END;
CREATE TRIGGER IF NOT EXISTS MeterReading_Never_Deleted BEFORE DELETE ON MeterReading
BEGIN
    SELECT RAISE(ABORT, 'A meter reading is never deleted: add a correction.');
END;
CREATE TABLE IF NOT EXISTS MeterTariff (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Kind INTEGER NOT NULL,
    EffectiveFrom TEXT NOT NULL,
    UnitPrice INTEGER NOT NULL,
    StandingCharge INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS MeterTariffBand (
    TariffID INTEGER NOT NULL,
    Band INTEGER NOT NULL,
    UpTo INTEGER NOT NULL,
    Price INTEGER NOT NULL,
    PRIMARY KEY (TariffID, Band)
);
CREATE TABLE IF NOT EXISTS MeterCharge (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    BookingID INTEGER NOT NULL DEFAULT 0,
    ContractID INTEGER,
    MeterID INTEGER NOT NULL,
    FromReadingID INTEGER,
    ToReadingID INTEGER,
    FirstDay TEXT NOT NULL,
    EndDay TEXT NOT NULL,
    Units INTEGER NOT NULL,
    Amount INTEGER NOT NULL,
    Breakdown TEXT,
    PostedAt TEXT,
    Desk TEXT
);
CREATE INDEX IF NOT EXISTS IX_MeterCharge_Booking ON MeterCharge (BookingID);
-- meters: end

-- approvals: begin
-- A manager's approval on the spot is kept in Approval alone on a file: the program checks it, as it checks every
-- role there. A server also holds it for the desk's connection (its own schema's section of this name).
-- approvals: end
-- berthorder: begin
-- Each berth's own number, drawn again (at random, as the list's) whenever it comes or changes what the free list
-- shows of it. A desk whose kept list is out of date reads every active berth's number, and the whole rows of only
-- those whose number it does not hold.
ALTER TABLE Berth ADD COLUMN ListChange INTEGER NOT NULL DEFAULT 0;
UPDATE Berth SET ListChange = random();

CREATE TRIGGER Berth_Order_Insert AFTER INSERT ON Berth
BEGIN
    UPDATE Berth SET ListChange = random() WHERE ID = NEW.ID;
END;

CREATE TRIGGER Berth_Order_Update
AFTER UPDATE OF ID, Name, Length, Width, HasPower, DailyHireCharge, Active, MaxDraft, TakesMultihulls ON Berth
BEGIN
    UPDATE Berth SET ListChange = random() WHERE ID = NEW.ID;
END;
-- berthorder: end

-- ical: begin
-- Calendars read from elsewhere (a marketplace's feed for one berth): the address, when it was last read, how many
-- events it gave and the last error, kept in the database so every desk sees a feed's state though only the
-- gateway desk reads it. A block made from a feed's event carries the feed (FeedID) and the event's UID (FeedUid).
CREATE TABLE IF NOT EXISTS CalendarFeed (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    BerthID INTEGER NOT NULL,
    Url TEXT NOT NULL,
    LastRead TEXT,
    LastError TEXT,
    Events INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS IX_CalendarFeed_Berth ON CalendarFeed (BerthID);
ALTER TABLE BerthBlock ADD COLUMN FeedID INTEGER;
ALTER TABLE BerthBlock ADD COLUMN FeedUid TEXT;
CREATE INDEX IF NOT EXISTS IX_BerthBlock_Feed ON BerthBlock (FeedID);
CREATE TRIGGER IF NOT EXISTS Berth_Delete_Feeds AFTER DELETE ON Berth
BEGIN
    DELETE FROM CalendarFeed WHERE BerthID = OLD.ID;
END;
-- ical: end

-- contractmeters: begin
-- A contract's meters billed: each MeterCharge with a ContractID covers one meter from FromReadingID to ToReadingID,
-- its Tax at the contract's rate, and Instalment, the contract's instalment whose invoice of its own carries it. One
-- period of a meter is billed to a contract once: the index refuses a second charge from the same reading.
ALTER TABLE MeterCharge ADD COLUMN Tax INTEGER NOT NULL DEFAULT 0;
ALTER TABLE MeterCharge ADD COLUMN Instalment INTEGER;
CREATE UNIQUE INDEX IF NOT EXISTS IX_MeterCharge_ContractReading ON MeterCharge (ContractID, MeterID, FromReadingID)
    WHERE ContractID IS NOT NULL;
-- contractmeters: end

-- bulk import: begin
-- An import's bookings are thousands of rows in one transaction. While its batch is Filling, the triggers that keep
-- the period index and the monthly figures pass its rows by, and the import writes their entries for the whole
-- batch, a statement each, before it clears the flag and commits. Each row's history is still written by its own
-- trigger. A contract brought in keeps its old reference, batch and stamp as the other imported rows do; its batch
-- is of Kind 4.
ALTER TABLE ImportBatch ADD COLUMN Filling INTEGER NOT NULL DEFAULT 0;
ALTER TABLE Contract ADD COLUMN OldRef TEXT;
ALTER TABLE Contract ADD COLUMN ImportBatchID INTEGER;
ALTER TABLE Contract ADD COLUMN ImportStamp TEXT;
CREATE INDEX IF NOT EXISTS IX_Contract_OldRef ON Contract (OldRef) WHERE OldRef IS NOT NULL;
CREATE INDEX IF NOT EXISTS IX_Contract_ImportBatch ON Contract (ImportBatchID) WHERE ImportBatchID IS NOT NULL;
DROP TRIGGER IF EXISTS Booking_Period_Insert;
DROP TRIGGER IF EXISTS BookingBerth_Period_Insert;
DROP TRIGGER IF EXISTS Booking_Month_Insert;
CREATE TRIGGER Booking_Period_Insert AFTER INSERT ON Booking
    WHEN NEW.ImportBatchID IS NULL OR NOT EXISTS (SELECT 1 FROM ImportBatch WHERE ID = NEW.ImportBatchID AND Filling = 1)
BEGIN
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry WHERE BookingID = NEW.ID;
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, Nights FROM BerthMonthShare WHERE Entry IN (SELECT NEW.ID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.ID UNION ALL SELECT NEW.ID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
END;

CREATE TRIGGER BookingBerth_Period_Insert AFTER INSERT ON BookingBerth
    WHEN NOT EXISTS (SELECT 1 FROM Booking B JOIN ImportBatch I ON I.ID = B.ImportBatchID
                     WHERE B.ID = NEW.BookingID AND I.Filling = 1)
BEGIN
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, -Nights FROM BerthMonthShare WHERE Entry IN (SELECT NEW.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.BookingID UNION ALL SELECT NEW.BookingID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
    DELETE FROM BookingPeriod WHERE ID = NEW.BookingID * 2147483648;
    INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute)
        SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry WHERE BookingID = NEW.BookingID;
    INSERT INTO BerthMonth (Month, BerthID, Nights)
        SELECT Month, BerthID, Nights FROM BerthMonthShare WHERE Entry IN (SELECT NEW.BookingID * 2147483648 + BerthID FROM BookingBerth WHERE BookingID = NEW.BookingID UNION ALL SELECT NEW.BookingID * 2147483648) AND BerthID <> 0
        ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights;
END;

CREATE TRIGGER Booking_Month_Insert AFTER INSERT ON Booking
    WHEN NEW.ImportBatchID IS NULL OR NOT EXISTS (SELECT 1 FROM ImportBatch WHERE ID = NEW.ImportBatchID AND Filling = 1)
BEGIN
    INSERT INTO BookingMonth (Month, Bookings, Hire, OtherCharges, Tax, Nights, WithLead, LeadDays)
        SELECT substr(NEW.FromDate, 1, 7), 1, coalesce(NEW.CostOfHire, 0), coalesce(NEW.OtherCharges, 0), coalesce(NEW.VAT, 0),
               max(0, coalesce(CAST(julianday(substr(NEW.ToDate, 1, 10)) - julianday(substr(NEW.FromDate, 1, 10)) AS INTEGER), 0)),
               NEW.Created IS NOT NULL, max(0, coalesce(CAST(julianday(substr(NEW.FromDate, 1, 10)) - julianday(substr(NEW.Created, 1, 10)) AS INTEGER), 0))
        WHERE NEW.Cancelled = 0 AND NEW.FromDate IS NOT NULL
        ON CONFLICT (Month) DO UPDATE SET Bookings = Bookings + excluded.Bookings, Hire = Hire + excluded.Hire,
            OtherCharges = OtherCharges + excluded.OtherCharges, Tax = Tax + excluded.Tax,
            Nights = Nights + excluded.Nights, WithLead = WithLead + excluded.WithLead,
            LeadDays = LeadDays + excluded.LeadDays;
END;
-- bulk import: end

-- import speed: begin
-- A change's history is written only when a column the history records is set: an import's stamps (written once all
-- its rows are in) cost no history work, and every change the history shows is recorded as before.
DROP TRIGGER IF EXISTS Booking_History_Update;
CREATE TRIGGER Booking_History_Update AFTER UPDATE OF CustomerID, FromDate, ToDate, BookedBy, Notes, NoAdults, NoKids, CostOfHire, OtherCharges, VAT, TotalPayable,
    PaymentMethodID, CreditCardType, BerthConfirmationNumber, GuestConfirmationNumber, PowerRequirements, ClubMember, TaxRate,
    BoatID, Cancelled, CancelledBerths, InvoiceNumber, Status, ArrivedAt, ArrivedDesk, DepartedAt, DepartedDesk,
    DepositDue, DepositBy, BalanceBy ON Booking
BEGIN
    INSERT INTO BookingHistory (BookingID, TableName, Action, Field, OldValue, NewValue, Who, Desk, ChangedAt)
    SELECT NEW.ID, 'booking', 'update', f, o, n, zem_actor(), zem_desk(), strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')
    FROM (
        SELECT 'customerid' AS f, OLD.CustomerID AS o, NEW.CustomerID AS n
        UNION ALL SELECT 'fromdate', OLD.FromDate, NEW.FromDate
        UNION ALL SELECT 'todate', OLD.ToDate, NEW.ToDate
        UNION ALL SELECT 'bookedby', OLD.BookedBy, NEW.BookedBy
        UNION ALL SELECT 'notes', OLD.Notes, NEW.Notes
        UNION ALL SELECT 'noadults', OLD.NoAdults, NEW.NoAdults
        UNION ALL SELECT 'nokids', OLD.NoKids, NEW.NoKids
        UNION ALL SELECT 'costofhire', OLD.CostOfHire, NEW.CostOfHire
        UNION ALL SELECT 'othercharges', OLD.OtherCharges, NEW.OtherCharges
        UNION ALL SELECT 'vat', OLD.VAT, NEW.VAT
        UNION ALL SELECT 'totalpayable', OLD.TotalPayable, NEW.TotalPayable
        UNION ALL SELECT 'paymentmethodid', OLD.PaymentMethodID, NEW.PaymentMethodID
        UNION ALL SELECT 'creditcardtype', OLD.CreditCardType, NEW.CreditCardType
        UNION ALL SELECT 'berthconfirmationnumber', OLD.BerthConfirmationNumber, NEW.BerthConfirmationNumber
        UNION ALL SELECT 'guestconfirmationnumber', OLD.GuestConfirmationNumber, NEW.GuestConfirmationNumber
        UNION ALL SELECT 'powerrequirements', OLD.PowerRequirements, NEW.PowerRequirements
        UNION ALL SELECT 'clubmember', OLD.ClubMember, NEW.ClubMember
        UNION ALL SELECT 'taxrate', OLD.TaxRate, NEW.TaxRate
        UNION ALL SELECT 'boatid', OLD.BoatID, NEW.BoatID
        UNION ALL SELECT 'cancelled', OLD.Cancelled, NEW.Cancelled
        UNION ALL SELECT 'cancelledberths', OLD.CancelledBerths, NEW.CancelledBerths
        UNION ALL SELECT 'invoicenumber', OLD.InvoiceNumber, NEW.InvoiceNumber
        UNION ALL SELECT 'status', OLD.Status, NEW.Status
        UNION ALL SELECT 'arrivedat', OLD.ArrivedAt, NEW.ArrivedAt
        UNION ALL SELECT 'arriveddesk', OLD.ArrivedDesk, NEW.ArrivedDesk
        UNION ALL SELECT 'departedat', OLD.DepartedAt, NEW.DepartedAt
        UNION ALL SELECT 'departeddesk', OLD.DepartedDesk, NEW.DepartedDesk
        UNION ALL SELECT 'depositdue', OLD.DepositDue, NEW.DepositDue
        UNION ALL SELECT 'depositby', OLD.DepositBy, NEW.DepositBy
        UNION ALL SELECT 'balanceby', OLD.BalanceBy, NEW.BalanceBy
    ) WHERE o IS NOT n;
END;
-- import speed: end

-- approvals2: begin
-- Users and permissions approved on the spot: on a file the program checks the approval, as every role there. A
-- server also lets the users' logins be made through one function of its own (its schema's section of this name).
-- approvals2: end

-- requests: begin
-- Booking requests read from the office's mailbox (the web page's form, mailed by a form-to-mail service): one row a
-- message, its Message-ID unique so a message read twice is one request. CheckReason, when set, says why the clerk
-- must look at it (no dates, dates in another style, not a request at all); the message's text is kept in Body for
-- that. State: 0 new, 1 accepted (BookingID the booking made from it), 2 declined, 3 expired (its hold ran out).
-- Sizes are whole centimetres, dates ISO days. A hold is a BerthBlock carrying the request (RequestID) and the time
-- it runs out (HoldUntil); the gateway desk releases it then, and the booking made from the request lifts it.
CREATE TABLE IF NOT EXISTS BookingRequest (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    MessageID TEXT NOT NULL,
    Received TEXT NOT NULL,
    Name TEXT NOT NULL DEFAULT '',
    Email TEXT NOT NULL DEFAULT '',
    Phone TEXT NOT NULL DEFAULT '',
    Arrive TEXT,
    Depart TEXT,
    BoatLength INTEGER,
    BoatBeam INTEGER,
    BoatDraft INTEGER,
    BerthType TEXT NOT NULL DEFAULT '',
    Language TEXT NOT NULL DEFAULT '',
    Comments TEXT NOT NULL DEFAULT '',
    CheckReason TEXT NOT NULL DEFAULT '',
    Body TEXT NOT NULL DEFAULT '',
    State INTEGER NOT NULL DEFAULT 0,
    BookingID INTEGER,
    DecidedBy TEXT,
    DecidedAt TEXT
);
CREATE UNIQUE INDEX IF NOT EXISTS IX_BookingRequest_Message ON BookingRequest (MessageID);
CREATE INDEX IF NOT EXISTS IX_BookingRequest_State ON BookingRequest (State, Received);
ALTER TABLE BerthBlock ADD COLUMN RequestID INTEGER;
ALTER TABLE BerthBlock ADD COLUMN HoldUntil TEXT;
CREATE INDEX IF NOT EXISTS IX_BerthBlock_Request ON BerthBlock (RequestID) WHERE RequestID IS NOT NULL;
-- requests: end

-- languages: begin
-- Each customer's language for what the office writes to them (a code: "de"); Null writes in the office's, which is
-- Company.DocumentLanguage (Null: English). Kept in the database, not at a desk, so every desk writes a customer
-- the same way. The office's own wording of an e-mail in a language other than its own is a MailTemplateText row;
-- MailTemplate keeps the wording in the office's language, as it did before there were languages.
ALTER TABLE Customer ADD COLUMN Language TEXT;
ALTER TABLE Company ADD COLUMN DocumentLanguage TEXT;
CREATE TABLE IF NOT EXISTS MailTemplateText (
    Kind TEXT NOT NULL,
    Language TEXT NOT NULL,
    Subject TEXT NOT NULL,
    Body TEXT NOT NULL,
    PRIMARY KEY (Kind, Language)
);
-- languages: end

-- letter runs: begin
-- A renewal run's letters are kept as one PDF (ContractLetterRun), its fonts and logo once for all; each contract's
-- letter is a ContractLetter row naming its run (RunID), its pages in the run's PDF (FirstPage from 0, PageCount)
-- and its title, with an empty Pdf. A letter kept alone has its bytes in Pdf and no RunID.
CREATE TABLE IF NOT EXISTS ContractLetterRun (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Created TEXT NOT NULL,
    Desk TEXT,
    Pdf BLOB NOT NULL
);
ALTER TABLE ContractLetter ADD COLUMN RunID INTEGER;
ALTER TABLE ContractLetter ADD COLUMN FirstPage INTEGER;
ALTER TABLE ContractLetter ADD COLUMN PageCount INTEGER;
ALTER TABLE ContractLetter ADD COLUMN Title TEXT;
CREATE INDEX IF NOT EXISTS IX_ContractLetter_Run ON ContractLetter (RunID) WHERE RunID IS NOT NULL;
-- letter runs: end

-- feed edits: begin
-- What each calendar feed gave for each of its events at its last read: the event's UID and period. The reader moves
-- or adds a feed's block only when its event changed since, so a block a clerk moved, changed or removed stays as
-- they left it until the other site changes that event; an event gone from the feed takes its row with it. The
-- blocks already made from feeds are taken as what their feeds last gave.
CREATE TABLE IF NOT EXISTS FeedEvent (
    FeedID INTEGER NOT NULL,
    Uid TEXT NOT NULL,
    FromDate TEXT NOT NULL,
    ToDate TEXT NOT NULL,
    PRIMARY KEY (FeedID, Uid)
) WITHOUT ROWID;
INSERT OR IGNORE INTO FeedEvent (FeedID, Uid, FromDate, ToDate)
    SELECT FeedID, FeedUid, FromDate, ToDate FROM BerthBlock WHERE FeedID IS NOT NULL AND FeedUid IS NOT NULL;
CREATE TRIGGER IF NOT EXISTS CalendarFeed_Delete_Events AFTER DELETE ON CalendarFeed
BEGIN
    DELETE FROM FeedEvent WHERE FeedID = OLD.ID;
END;
-- feed edits: end

PRAGMA user_version = 33;
