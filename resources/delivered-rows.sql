-- The rows every new database starts with, on either engine (run after its schema).

INSERT INTO Settings (WebBookingEmail, WebBookingProviderIndex, WebBookingProviderCustom) VALUES ('', 0, '');

INSERT INTO Company (CompanyID, "Company Name", "Trading Name", Street, Area, Town, County, Postcode,
                     "Telephone No", "VAT No", "Receipt Footer", TermsandConditions)
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

INSERT INTO Tax (ID, Name, Rate, FromDate) VALUES (1, 'VAT', 1750, '2000-01-01');
