-- Zem Harbour database, schema version 1.
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
    Type TEXT
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
    Active INTEGER NOT NULL DEFAULT 1
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
    ClubMember INTEGER NOT NULL DEFAULT 0
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
    TermsandConditions TEXT
);

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

-- The periods of the bookings in an integer R*Tree (minutes since 1970), kept by triggers: finding the
-- bookings that overlap a period then costs the same whatever the length of the history.
CREATE VIRTUAL TABLE BookingPeriod USING rtree_i32 (ID, FromMinute, ToMinute);

CREATE TRIGGER Booking_Period_Insert AFTER INSERT ON Booking
BEGIN
    INSERT INTO BookingPeriod (ID, FromMinute, ToMinute) VALUES (
        NEW.ID,
        min(coalesce(CAST(strftime('%s', NEW.FromDate) AS INTEGER) / 60, 0), coalesce(CAST(strftime('%s', NEW.ToDate) AS INTEGER) / 60, 0)),
        max(coalesce(CAST(strftime('%s', NEW.FromDate) AS INTEGER) / 60, 0), coalesce(CAST(strftime('%s', NEW.ToDate) AS INTEGER) / 60, 0)));
END;

CREATE TRIGGER Booking_Period_Update AFTER UPDATE OF ID, FromDate, ToDate ON Booking
BEGIN
    DELETE FROM BookingPeriod WHERE ID = OLD.ID;
    INSERT INTO BookingPeriod (ID, FromMinute, ToMinute) VALUES (
        NEW.ID,
        min(coalesce(CAST(strftime('%s', NEW.FromDate) AS INTEGER) / 60, 0), coalesce(CAST(strftime('%s', NEW.ToDate) AS INTEGER) / 60, 0)),
        max(coalesce(CAST(strftime('%s', NEW.FromDate) AS INTEGER) / 60, 0), coalesce(CAST(strftime('%s', NEW.ToDate) AS INTEGER) / 60, 0)));
END;

-- A booking's berth rows go with it, so a cancelled booking leaves nothing behind.
CREATE TRIGGER Booking_Delete AFTER DELETE ON Booking
BEGIN
    DELETE FROM BookingPeriod WHERE ID = OLD.ID;
    DELETE FROM BookingBerth WHERE BookingID = OLD.ID;
END;

INSERT INTO Settings (WebBookingEmail, WebBookingProviderIndex, WebBookingProviderCustom) VALUES ('', 0, '');

INSERT INTO Company (CompanyID, [Company Name], [Trading Name], Street, Area, Town, County, Postcode,
                     [Telephone No], [VAT No], [Receipt Footer], TermsandConditions)
VALUES (1, '', '', '', '', '', '', '', '', '', 'Thank you for your custom.', '');

INSERT INTO BerthType (ID, Type) VALUES
    (1, 'Slip'),
    (2, 'Pontoon berth'),
    (3, 'Swing mooring'),
    (4, 'Dry stack'),
    (5, 'Hard standing'),
    (6, 'Caravan plot'),
    (7, 'Motorhome pitch'),
    (8, 'Tent pitch'),
    (9, 'Chalet');

INSERT INTO PaymentMethod (ID, Name) VALUES
    (1, 'Cash'),
    (2, 'Cheque'),
    (3, 'Debit card'),
    (4, 'Credit card'),
    (5, 'Bank transfer');

PRAGMA user_version = 1;
