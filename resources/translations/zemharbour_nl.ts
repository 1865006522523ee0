<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Version: 1.0.1</source>
        <translation>Versie: 1.0.1</translation>
    </message>
    <message>
        <source>Bookings, berths, customers and calendars for marinas, harbours and caravan and camping parks.</source>
        <translation>Boekingen, ligplaatsen, klanten en kalenders voor jachthavens, havens en caravan- en campingparken.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info ...</source>
        <translation>&amp;Systeeminfo ...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>ActorSession</name>
    <message>
        <source>The SQLite driver gives no handle to name who acts.</source>
        <translation>Het SQLite-stuurprogramma geeft geen handle om te benoemen wie handelt.</translation>
    </message>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>De SQLite-verbinding is niet geopend.</translation>
    </message>
</context>
<context>
    <name>AdvancedCalendarWindow</name>
    <message>
        <source>Advanced Calendar</source>
        <translation>Uitgebreide kalender</translation>
    </message>
    <message>
        <source>One slot earlier</source>
        <translation>Eén tijdvak eerder</translation>
    </message>
    <message>
        <source>One slot later</source>
        <translation>Eén tijdvak later</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Half Hourly</source>
        <translation>Per half uur</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagelijks</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Geboekt</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactief</translation>
    </message>
    <message>
        <source>Double click on booking to view details and financial information</source>
        <translation>Dubbelklik op een boeking voor details en financiële gegevens</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>De boekingen konden niet worden gelezen.
%1</translation>
    </message>
</context>
<context>
    <name>AwayDialog</name>
    <message>
        <source>Away: %1</source>
        <translation>Afwezig: %1</translation>
    </message>
    <message>
        <source>Away from</source>
        <translation>Afwezig vanaf</translation>
    </message>
    <message>
        <source>Back on</source>
        <translation>Terug op</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Nachten</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Away &amp;from:</source>
        <translation>Afwezig v&amp;anaf:</translation>
    </message>
    <message>
        <source>&amp;Back on:</source>
        <translation>&amp;Terug op:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otitie:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Toe&amp;voegen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Verwij&amp;deren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Awa&amp;y...</source>
        <translation>Af&amp;wezig...</translation>
    </message>
    <message>
        <source>Choose the absence to change.</source>
        <translation>Kies de afwezigheid die u wilt wijzigen.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3</source>
        <translation>Contract %1: afwezig vanaf %2, terug op %3</translation>
    </message>
    <message>
        <source>Choose the absence to remove.</source>
        <translation>Kies de afwezigheid die u wilt verwijderen.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3, removed</source>
        <translation>Contract %1: afwezig vanaf %2, terug op %3, verwijderd</translation>
    </message>
</context>
<context>
    <name>AwayPeriods</name>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Een andere werkplek heeft dit contract intussen verwijderd.</translation>
    </message>
    <message>
        <source>Enter the first day away and the day back.</source>
        <translation>Vul de eerste dag van afwezigheid en de dag van terugkomst in.</translation>
    </message>
    <message>
        <source>The day back must come after the first day away.</source>
        <translation>De dag van terugkomst moet na de eerste dag van afwezigheid liggen.</translation>
    </message>
    <message>
        <source>The absence must lie within the contract&apos;s term, %1 to %2.</source>
        <translation>De afwezigheid moet binnen de looptijd van het contract liggen, %1 tot %2.</translation>
    </message>
    <message>
        <source>The note is longer than %1 characters.</source>
        <translation>De notitie is langer dan %1 tekens.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its berths are no longer held.</source>
        <translation>Het contract is geannuleerd: de ligplaatsen zijn niet meer bezet.</translation>
    </message>
    <message>
        <source>The holder is already away from %1 to %2: change that absence instead.</source>
        <translation>De houder is al afwezig van %1 tot %2: wijzig in plaats daarvan die afwezigheid.</translation>
    </message>
    <message>
        <source>Another desk removed this absence meanwhile.</source>
        <translation>Een andere werkplek heeft deze afwezigheid intussen verwijderd.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: move it before shortening the absence.</source>
        <translation>Boeking %1 (%2, %3 tot %4) blijft op de ligplaats zolang de houder afwezig is: verplaats deze voordat u de afwezigheid inkort.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was not changed.</source>
        <translation>Intussen is er een gast op de ligplaats geboekt: de afwezigheid is niet gewijzigd.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: the absence cannot be removed.</source>
        <translation>Boeking %1 (%2, %3 tot %4) blijft op de ligplaats zolang de houder afwezig is: de afwezigheid kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was kept.</source>
        <translation>Intussen is er een gast op de ligplaats geboekt: de afwezigheid is behouden.</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Can&apos;t add </source>
        <translation>Fout bij toevoegen van </translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>het is geen back-uparchief van Zem Harbour.</translation>
    </message>
    <message>
        <source>it is damaged at byte %1.</source>
        <translation>het is beschadigd bij byte %1.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it: it needs %1, and %2 is free.</source>
        <translation>er is niet genoeg vrije schijfruimte om het uit te pakken: er is %1 nodig en %2 is vrij.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it (%1 free).</source>
        <translation>er is niet genoeg vrije schijfruimte om het uit te pakken (%1 vrij).</translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation>het kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>there is not enough memory to unpack it.</source>
        <translation>er is niet genoeg geheugen om het uit te pakken.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Other desks are connected to the database. Close Zem Harbour at the other desks, then restore again.</source>
        <translation>Andere werkplekken zijn met de database verbonden. Sluit Zem Harbour op de andere werkplekken en zet daarna opnieuw terug.</translation>
    </message>
    <message>
        <source>Can&apos;t continue if file exist!</source>
        <translation>Kan niet doorgaan als het bestand bestaat!</translation>
    </message>
    <message>
        <source>Can&apos;t create SPA file<byte value="xd"/>
Error:%1</source>
        <translation>Kan SPA-bestand niet maken<byte value="xd"/>
Fout:%1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 is beschadigd: %2</translation>
    </message>
    <message>
        <source>%1 has %2 free pages as soon as it is written.</source>
        <translation>%1 heeft %2 vrije pagina&apos;s zodra het is geschreven.</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 is geen Zem Harbour-database.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it has %2, which this program does not make.</source>
        <translation>%1 is niet precies die van Zem Harbour: het bevat %2, wat dit programma niet aanmaakt.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it lacks %2, which this program makes.</source>
        <translation>%1 is niet precies die van Zem Harbour: het mist %2, wat dit programma wel aanmaakt.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>Kan %1 niet verwijderen.</translation>
    </message>
    <message>
        <source>the database in it</source>
        <translation>de database erin</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 bestaat niet.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Kan %1 niet schrijven.</translation>
    </message>
</context>
<context>
    <name>BackupWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Database backup...</source>
        <translation>Databaseback-up...</translation>
    </message>
    <message>
        <source>Do you really want to cancel current operation</source>
        <translation>Wilt u de huidige bewerking echt annuleren</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
</context>
<context>
    <name>BerthBlocks</name>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Een andere werkplek heeft deze blokkering intussen gewijzigd.</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Een andere werkplek heeft deze blokkering intussen verwijderd.</translation>
    </message>
    <message>
        <source>A contract holds this berth over the period: change or cancel the contract in Contracts.</source>
        <translation>Een contract bezet deze ligplaats in deze periode: wijzig of annuleer het contract in Contracten.</translation>
    </message>
    <message>
        <source>Please choose the berth to block.</source>
        <translation>Kies de ligplaats die u wilt blokkeren.</translation>
    </message>
    <message>
        <source>The block must end after it starts.</source>
        <translation>De blokkering moet eindigen na het begin.</translation>
    </message>
    <message>
        <source>A block must lie between %1 and %2.</source>
        <translation>Een blokkering moet tussen %1 en %2 liggen.</translation>
    </message>
    <message>
        <source>Please give the reason for the block.</source>
        <translation>Geef de reden voor de blokkering op.</translation>
    </message>
    <message>
        <source>The reason may be at most %1 characters long.</source>
        <translation>De reden mag hoogstens %1 tekens lang zijn.</translation>
    </message>
    <message>
        <source>The berth is no longer in the register.</source>
        <translation>De ligplaats staat niet meer in het register.</translation>
    </message>
    <message>
        <source>%1 is already blocked from %2 to %3: %4</source>
        <translation>%1 is al geblokkeerd van %2 tot %3: %4</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) holds %5 over the period: the block was not saved.</source>
        <translation>Boeking %1 (%2, %3 tot %4) bezet %5 in deze periode: de blokkering is niet opgeslagen.</translation>
    </message>
    <message>
        <source>%1 was booked over the period meanwhile: the block was not saved.</source>
        <translation>%1 is intussen voor deze periode geboekt: de blokkering is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Ligplaats:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Tot:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Reden:</translation>
    </message>
    <message>
        <source>%1 blocked from %2 to %3: %4</source>
        <translation>%1 geblokkeerd van %2 tot %3: %4</translation>
    </message>
</context>
<context>
    <name>BerthChangeSet</name>
    <message>
        <source> (booked)</source>
        <translation> (geboekt)</translation>
    </message>
    <message>
        <source> - Active </source>
        <translation> - Actief </translation>
    </message>
    <message>
        <source> - Inactive</source>
        <translation> - Inactief</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been deleted at another desk meanwhile. Nothing was saved, and the changes to it are dropped: press OK to save the other changes.</source>
        <translation>Ligplaats &apos;%1&apos; is intussen op een andere werkplek verwijderd. Er is niets opgeslagen en de wijzigingen eraan vervallen: druk op OK om de overige wijzigingen op te slaan.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (1 new booking). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>Ligplaats &apos;%1&apos; is op een andere werkplek geboekt sinds u deze verwijderde (1 nieuwe boeking). Er is niets opgeslagen en de ligplaats staat weer in de lijst: verwijder deze opnieuw om haar met haar boekingen te wissen, of klik op OK om de andere wijzigingen op te slaan.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (%2 new bookings). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>Ligplaats &apos;%1&apos; is op een andere werkplek geboekt sinds u deze verwijderde (%2 nieuwe boekingen). Er is niets opgeslagen en de ligplaats staat weer in de lijst: verwijder deze opnieuw om haar met haar boekingen te wissen, of klik op OK om de andere wijzigingen op te slaan.</translation>
    </message>
</context>
<context>
    <name>BerthEntry</name>
    <message>
        <source>Takes &amp;multihulls</source>
        <translation>Geschikt voor &amp;meerrompers</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Eigenaar:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Stroom:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Toevoe&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Ligplaats:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lengte:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>Max. draft:</source>
        <translation>Max. diepgang:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Hire charges</source>
        <translation>Huurprijzen</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>Per dag:</translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation>Per week:</translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation>Per maand:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Beschikbare ligplaatsen:</translation>
    </message>
    <message>
        <source>The berths could not be read.</source>
        <translation>De ligplaatsen konden niet worden gelezen.</translation>
    </message>
    <message>
        <source>The berths could not be read again.</source>
        <translation>De ligplaatsen konden niet opnieuw worden gelezen.</translation>
    </message>
    <message>
        <source>The berth&apos;s bookings could not be counted.</source>
        <translation>De boekingen van de ligplaats konden niet worden geteld.</translation>
    </message>
</context>
<context>
    <name>BerthFit</name>
    <message>
        <source>length</source>
        <translation>lengte</translation>
    </message>
    <message>
        <source>beam</source>
        <translation>breedte</translation>
    </message>
    <message>
        <source>draft</source>
        <translation>diepgang</translation>
    </message>
    <message>
        <source>multihull</source>
        <translation>meerromper</translation>
    </message>
</context>
<context>
    <name>BerthGridModel</name>
    <message>
        <source>%1 (holder&apos;s, back %2)</source>
        <translation>%1 (van de houder, terug %2)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>A holder&apos;s berth: %1 is away from %2 and back on %3; a stay here must leave by noon that day.</source>
        <translation>Ligplaats van een houder: %1 is afwezig vanaf %2 en terug op %3; een verblijf hier moet die dag om 12 uur eindigen.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>HasPower</source>
        <translation>Stroom</translation>
    </message>
    <message>
        <source>DailyHireCharge</source>
        <translation>Dagprijs</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Past</translation>
    </message>
</context>
<context>
    <name>BerthInput</name>
    <message>
        <source>No berth name has been entered. Please enter a berth name (or number) to continue.</source>
        <translation>Er is geen naam voor de ligplaats ingevuld. Vul een naam (of nummer) voor de ligplaats in om verder te gaan.</translation>
    </message>
    <message>
        <source>Please select owner from the list</source>
        <translation>Kies een eigenaar uit de lijst</translation>
    </message>
    <message>
        <source>Please select berth type from the list</source>
        <translation>Kies een ligplaatstype uit de lijst</translation>
    </message>
</context>
<context>
    <name>BerthNotes</name>
    <message>
        <source>Berth &apos;%1&apos; was deleted at another desk meanwhile, so nothing was saved.</source>
        <translation>Ligplaats &apos;%1&apos; is intussen op een andere werkplek verwijderd, dus er is niets opgeslagen.</translation>
    </message>
</context>
<context>
    <name>BerthNotesDialog</name>
    <message>
        <source>Berth  Notes</source>
        <translation>Notities bij ligplaatsen</translation>
    </message>
    <message>
        <source>Add notes to berths.</source>
        <translation>Notities aan ligplaatsen toevoegen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Beschikbare ligplaatsen:</translation>
    </message>
    <message>
        <source>The berths could not be read.

%1</source>
        <translation>De ligplaatsen konden niet worden gelezen.

%1</translation>
    </message>
    <message>
        <source>berth&apos;s notes</source>
        <translation>notities van de ligplaats</translation>
    </message>
    <message>
        <source>The notes could not be saved; nothing was changed.

%1</source>
        <translation>De notities konden niet worden opgeslagen; er is niets gewijzigd.

%1</translation>
    </message>
</context>
<context>
    <name>BerthRegister</name>
    <message>
        <source>Configure Berths </source>
        <translation>Ligplaatsen instellen </translation>
    </message>
    <message>
        <source>Configure the berths that should be available for booking</source>
        <translation>Stel de ligplaatsen in die geboekt kunnen worden</translation>
    </message>
    <message>
        <source>Ac&amp;tivate</source>
        <translation>&amp;Activeren</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>Ligplaats &amp;blokkeren...</translation>
    </message>
    <message>
        <source>&amp;Edit Berths</source>
        <translation>Ligplaatsen be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Inac&amp;tivate</source>
        <translation>&amp;Deactiveren</translation>
    </message>
    <message>
        <source>The changes to the berths could not be saved; nothing was changed. Press OK to try again or Cancel to drop the changes.</source>
        <translation>De wijzigingen aan de ligplaatsen konden niet worden opgeslagen; er is niets gewijzigd. Druk op OK om het opnieuw te proberen of op Annuleren om de wijzigingen te laten vervallen.</translation>
    </message>
</context>
<context>
    <name>BerthRemoval</name>
    <message>
        <source>Deleting this customer will also remove any reservations that have been made with it. Are you sure you want to delete the berth?</source>
        <translation>Als u deze klant verwijdert, worden ook alle reserveringen verwijderd die ermee zijn gemaakt. Weet u zeker dat u de ligplaats wilt verwijderen?</translation>
    </message>
    <message>
        <source>1 berth was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Sinds de vraag is er op een andere werkplek 1 ligplaats aangemaakt. Er is niets verwijderd.</translation>
    </message>
    <message>
        <source>%1 berths were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Sinds de vraag zijn er op een andere werkplek %1 ligplaatsen aangemaakt. Er is niets verwijderd.</translation>
    </message>
</context>
<context>
    <name>BerthRowCheck</name>
    <message>
        <source>This berth was deleted at another desk while you were editing it. Nothing was saved.</source>
        <translation>Deze ligplaats is op een andere werkplek verwijderd terwijl u hem bewerkte. Er is niets opgeslagen.</translation>
    </message>
</context>
<context>
    <name>BerthSetupWizard</name>
    <message>
        <source>Post Code</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>ZIP-code</translation>
    </message>
    <message>
        <source>Configuration Wizard</source>
        <translation>Configuratiewizard</translation>
    </message>
    <message>
        <source>Enter Your Regional Information</source>
        <translation>Vul uw regionale gegevens in</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Vul uw plaatsgegevens in</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your reservation information.</source>
        <translation>Met deze wizard kunt u uw reserveringsgegevens instellen.</translation>
    </message>
    <message>
        <source>Enter your regional information</source>
        <translation>Vul uw regionale gegevens in</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>Postcode / ZIP-code:</translation>
    </message>
    <message>
        <source>Enter your Berth information. For each berth / slip enter it`s details and then click Add.</source>
        <translation>Vul uw ligplaatsgegevens in. Vul voor elke ligplaats de details in en klik dan op Toevoegen.</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Klik op Voltooien om de configuratie af te ronden</translation>
    </message>
    <message>
        <source>Please select Post Code or Zip Code</source>
        <translation>Kies Postcode of ZIP-code</translation>
    </message>
    <message>
        <source>The berths could not be saved; nothing was changed. Press Finish to try again or Cancel to drop the changes.</source>
        <translation>De ligplaatsen konden niet worden opgeslagen; er is niets gewijzigd. Druk op Voltooien om het opnieuw te proberen of op Annuleren om de wijzigingen te laten vervallen.</translation>
    </message>
</context>
<context>
    <name>BerthTableEditor</name>
    <message>
        <source>Edit Berths</source>
        <translation>Ligplaatsen bewerken</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lengte:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>DailyHireCharge:</source>
        <translation>Dagprijs:</translation>
    </message>
    <message>
        <source>MonthlyHireCharge:</source>
        <translation>Maandprijs:</translation>
    </message>
    <message>
        <source>WeeklyHireCharge:</source>
        <translation>Weekprijs:</translation>
    </message>
    <message>
        <source>Maximum draft (m):</source>
        <translation>Maximale diepgang (m):</translation>
    </message>
    <message>
        <source>HasPower:</source>
        <translation>Stroom:</translation>
    </message>
    <message>
        <source>Active:</source>
        <translation>Actief:</translation>
    </message>
    <message>
        <source>Multihulls:</source>
        <translation>Meerrompers:</translation>
    </message>
    <message>
        <source>TypeID:</source>
        <translation>Type-ID:</translation>
    </message>
    <message>
        <source>OwnerID:</source>
        <translation>Eigenaar-ID:</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Bijwerken</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>Record: </translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Gegevensfout opgetreden, fout:%1</translation>
    </message>
    <message>
        <source>berth</source>
        <translation>ligplaats</translation>
    </message>
</context>
<context>
    <name>BerthTitles</name>
    <message>
        <source>Add berth</source>
        <translation>Ligplaats toevoegen</translation>
    </message>
    <message>
        <source>Berth length</source>
        <translation>Lengte van de ligplaats</translation>
    </message>
    <message>
        <source>Berth width</source>
        <translation>Breedte van de ligplaats</translation>
    </message>
    <message>
        <source>Daily Hire Charge</source>
        <translation>Dagprijs</translation>
    </message>
    <message>
        <source>Weekly Hire Charge</source>
        <translation>Weekprijs</translation>
    </message>
    <message>
        <source>Monthly Hire Charge</source>
        <translation>Maandprijs</translation>
    </message>
    <message>
        <source>Maximum draft</source>
        <translation>Maximale diepgang</translation>
    </message>
</context>
<context>
    <name>BlockBerthDialog</name>
    <message>
        <source>Block Berth</source>
        <translation>Ligplaats blokkeren</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Ligplaats:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To (the last day blocked):</source>
        <translation>&amp;Tot (laatste geblokkeerde dag):</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Reden:</translation>
    </message>
    <message>
        <source>Re&amp;move Block</source>
        <translation>Blokkering &amp;opheffen</translation>
    </message>
    <message>
        <source>The berths cannot be read.
%1</source>
        <translation>De ligplaatsen kunnen niet worden gelezen.
%1</translation>
    </message>
    <message>
        <source>Booking %1: %2, %3 to %4</source>
        <translation>Boeking %1: %2, %3 tot %4</translation>
    </message>
    <message>
        <source>These bookings hold %1 over the period:
%2

Block the berth all the same? The bookings keep it and are marked on the booking chart to be moved.</source>
        <translation>Deze boekingen bezetten %1 in de periode:
%2

De ligplaats toch blokkeren? De boekingen houden hem en worden op het bezettingsoverzicht gemarkeerd om te verplaatsen.</translation>
    </message>
    <message>
        <source>block</source>
        <translation>blokkering</translation>
    </message>
    <message>
        <source>The block was not saved.
%1</source>
        <translation>De blokkering is niet opgeslagen.
%1</translation>
    </message>
    <message>
        <source>Remove the block of %1?</source>
        <translation>De blokkering van %1 opheffen?</translation>
    </message>
    <message>
        <source>The block was not removed.
%1</source>
        <translation>De blokkering is niet opgeheven.
%1</translation>
    </message>
</context>
<context>
    <name>BoatDialog</name>
    <message>
        <source>Edit Boat or Vehicle</source>
        <translation>Boot of voertuig bewerken</translation>
    </message>
    <message>
        <source>Add Boat or Vehicle</source>
        <translation>Boot of voertuig toevoegen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>&amp;Length overall (ft):</source>
        <translation>&amp;Lengte over alles (ft):</translation>
    </message>
    <message>
        <source>&amp;Length overall (m):</source>
        <translation>&amp;Lengte over alles (m):</translation>
    </message>
    <message>
        <source>&amp;Beam (ft):</source>
        <translation>&amp;Breedte (ft):</translation>
    </message>
    <message>
        <source>&amp;Beam (m):</source>
        <translation>&amp;Breedte (m):</translation>
    </message>
    <message>
        <source>&amp;Draft (ft):</source>
        <translation>&amp;Diepgang (ft):</translation>
    </message>
    <message>
        <source>&amp;Draft (m):</source>
        <translation>&amp;Diepgang (m):</translation>
    </message>
    <message>
        <source>&amp;Height (ft):</source>
        <translation>&amp;Hoogte (ft):</translation>
    </message>
    <message>
        <source>&amp;Height (m):</source>
        <translation>&amp;Hoogte (m):</translation>
    </message>
    <message>
        <source>&amp;Registration or sail number:</source>
        <translation>&amp;Registratie- of zeilnummer:</translation>
    </message>
    <message>
        <source>&amp;Insurance company:</source>
        <translation>&amp;Verzekeraar:</translation>
    </message>
    <message>
        <source>&amp;Policy number:</source>
        <translation>&amp;Polisnummer:</translation>
    </message>
    <message>
        <source>Insurance &amp;expires:</source>
        <translation>Verzekerd &amp;tot:</translation>
    </message>
    <message>
        <source>No&amp;tes:</source>
        <translation>Notiti&amp;es:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Type a size in feet, more than 0 and at most 656.</source>
        <translation>Typ een maat in voet, groter dan 0 en hoogstens 656.</translation>
    </message>
    <message>
        <source>Type a size in metres, more than 0 and at most 200.</source>
        <translation>Typ een maat in meters, groter dan 0 en hoogstens 200.</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>boot</translation>
    </message>
</context>
<context>
    <name>BoatFitting</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>Nee: %1</translation>
    </message>
    <message>
        <source>%1 does not fit %2. Book it there all the same?</source>
        <translation>%1 past niet op %2. Daar toch boeken?</translation>
    </message>
    <message>
        <source>The insurance of %1 runs out on %2, before the departure.</source>
        <translation>De verzekering van %1 verloopt op %2, vóór het vertrek.</translation>
    </message>
</context>
<context>
    <name>Boats</name>
    <message>
        <source>The boat &quot;%1&quot; was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>De boot &quot;%1&quot; is intussen op een andere werkplek verwijderd, dus er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; was changed at another desk meanwhile, so nothing was saved. Open it again to see the change.</source>
        <translation>De boot &quot;%1&quot; is intussen op een andere werkplek gewijzigd, dus er is niets opgeslagen. Open hem opnieuw om de wijziging te zien.</translation>
    </message>
    <message>
        <source>Sail monohull</source>
        <translation>Zeilboot (eenromp)</translation>
    </message>
    <message>
        <source>Sail multihull</source>
        <translation>Zeilboot (meerromp)</translation>
    </message>
    <message>
        <source>Motor boat</source>
        <translation>Motorboot</translation>
    </message>
    <message>
        <source>Other boat</source>
        <translation>Andere boot</translation>
    </message>
    <message>
        <source>Caravan</source>
        <translation>Caravan</translation>
    </message>
    <message>
        <source>Motorhome</source>
        <translation>Camper</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tent</translation>
    </message>
    <message>
        <source>Other vehicle</source>
        <translation>Ander voertuig</translation>
    </message>
    <message>
        <source>A boat or vehicle needs a name.</source>
        <translation>Een boot of voertuig heeft een naam nodig.</translation>
    </message>
    <message>
        <source>A name may have 100 characters at the most.</source>
        <translation>Een naam mag hoogstens 100 tekens hebben.</translation>
    </message>
    <message>
        <source>A size must be more than 0 and at most 200 m.</source>
        <translation>Een maat moet groter dan 0 en hoogstens 200 m zijn.</translation>
    </message>
    <message>
        <source>The boat no longer exists.</source>
        <translation>De boot bestaat niet meer.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Soort:</translation>
    </message>
    <message>
        <source>Length overall:</source>
        <translation>Lengte over alles:</translation>
    </message>
    <message>
        <source>Beam:</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>Draft:</source>
        <translation>Diepgang:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hoogte:</translation>
    </message>
    <message>
        <source>Registration or sail number:</source>
        <translation>Registratie- of zeilnummer:</translation>
    </message>
    <message>
        <source>Insurance company:</source>
        <translation>Verzekeraar:</translation>
    </message>
    <message>
        <source>Policy number:</source>
        <translation>Polisnummer:</translation>
    </message>
    <message>
        <source>Insurance expires:</source>
        <translation>Verzekering verloopt:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Klant:</translation>
    </message>
</context>
<context>
    <name>BookingBerthsPage</name>
    <message>
        <source>Berth / slips  available:</source>
        <translation>Beschikbare ligplaatsen:</translation>
    </message>
    <message>
        <source>Select the Berth to use. (Items selected will appear in blue)</source>
        <translation>Kies de ligplaats. (Gekozen items worden blauw)</translation>
    </message>
    <message>
        <source>New Boa&amp;t...</source>
        <translation>Nieu&amp;we boot...</translation>
    </message>
    <message>
        <source>&amp;Only berths that fit</source>
        <translation>Alleen &amp;passende ligplaatsen</translation>
    </message>
    <message>
        <source>Bo&amp;at:</source>
        <translation>Bo&amp;ot:</translation>
    </message>
    <message>
        <source>Select the unit for this booking. (Items highlighted in blue have been booked)</source>
        <translation>Kies de plaats voor deze boeking. (Blauw gemarkeerde items zijn geboekt)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(geen boot)</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (nieuw)</translation>
    </message>
    <message>
        <source>Please select one or more units</source>
        <translation>Kies een of meer plaatsen</translation>
    </message>
</context>
<context>
    <name>BookingChargesPage</name>
    <message>
        <source>No Adults</source>
        <translation>Volwassenen</translation>
    </message>
    <message>
        <source>No Kids</source>
        <translation>Kinderen</translation>
    </message>
    <message>
        <source>Berth Confirmation No.</source>
        <translation>Bevestigingsnr. ligplaats</translation>
    </message>
    <message>
        <source>Cost of Hire</source>
        <translation>Huurprijs</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Overige kosten</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>Btw</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Te betalen</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Betaald</translation>
    </message>
    <message>
        <source>Enter your customer&apos;s details.</source>
        <translation>Vul de gegevens van uw klant in.</translation>
    </message>
    <message>
        <source>No Adults:</source>
        <translation>Volwassenen:</translation>
    </message>
    <message>
        <source>No Kids:</source>
        <translation>Kinderen:</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clublid</translation>
    </message>
    <message>
        <source>Power requirements:</source>
        <translation>Stroombehoefte:</translation>
    </message>
    <message>
        <source>Confirmation No.:</source>
        <translation>Bevestigingsnr.:</translation>
    </message>
    <message>
        <source>Guest Confirmation No.:</source>
        <translation>Bevestigingsnr. gast:</translation>
    </message>
    <message>
        <source>Berth Hire:</source>
        <translation>Ligplaatshuur:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Overige kosten:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>Btw:</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Te betalen:</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Betaald:</translation>
    </message>
    <message>
        <source>The rates could not be read, so the hire cannot be worked out.
%1</source>
        <translation>De tarieven konden niet worden gelezen, dus de huur kan niet worden berekend.
%1</translation>
    </message>
    <message>
        <source>The period or the berths changed, so the hire has been worked out again.</source>
        <translation>De periode of de ligplaatsen zijn gewijzigd, dus de huur is opnieuw berekend.</translation>
    </message>
    <message>
        <source>The period or the berths of this booking have changed.
Agreed price: hire %1, total payable %2.
With today&apos;s rates: hire %3, total payable %4.

Keep the agreed price?</source>
        <translation>De periode of de ligplaatsen van deze boeking zijn gewijzigd.
Afgesproken prijs: huur %1, te betalen %2.
Met de tarieven van vandaag: huur %3, te betalen %4.

De afgesproken prijs houden?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>%1 &amp;houden</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Opnieuw berekenen: %1</translation>
    </message>
    <message>
        <source>The agreed price is kept.</source>
        <translation>De afgesproken prijs blijft staan.</translation>
    </message>
</context>
<context>
    <name>BookingChart</name>
    <message>
        <source>No berth type</source>
        <translation>Geen ligplaatstype</translation>
    </message>
    <message>
        <source>Contract %1: %2 holds %3 from %4 to %5</source>
        <translation>Contract %1: %2 houdt %3 van %4 tot %5</translation>
    </message>
    <message>
        <source>Booking %1: %2
%3 to %4
Total %5, paid %6</source>
        <translation>Boeking %1: %2
%3 tot %4
Totaal %5, betaald %6</translation>
    </message>
    <message>
        <source>
To be moved: the berth is blocked.</source>
        <translation>
Te verplaatsen: de ligplaats is geblokkeerd.</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>Geen ligplaats.</translation>
    </message>
    <message>
        <source>%1 is not in use.</source>
        <translation>%1 is niet in gebruik.</translation>
    </message>
    <message>
        <source>%1 is blocked.</source>
        <translation>%1 is geblokkeerd.</translation>
    </message>
    <message>
        <source>%1 is blocked: %2.</source>
        <translation>%1 is geblokkeerd: %2.</translation>
    </message>
    <message>
        <source>%1 is taken by booking %2.</source>
        <translation>%1 is bezet door boeking %2.</translation>
    </message>
    <message>
        <source>%1 is taken by %2.</source>
        <translation>%1 is bezet door %2.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>Het vertrek moet na de aankomst liggen.</translation>
    </message>
    <message>
        <source>The booking already holds %1.</source>
        <translation>De boeking houdt %1 al.</translation>
    </message>
    <message>
        <source>%1 away, back %2</source>
        <translation>%1 afwezig, terug %2</translation>
    </message>
    <message>
        <source>Contract %1: %2 is away from %3 and back on %4. Free to let to visitors until noon that day; the berth stays the holder&apos;s.</source>
        <translation>Contract %1: %2 is afwezig vanaf %3 en terug op %4. Tot 12 uur die dag vrij te verhuren aan passanten; de ligplaats blijft van de houder.</translation>
    </message>
</context>
<context>
    <name>BookingChartPrint</name>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p van %P</translation>
    </message>
</context>
<context>
    <name>BookingChartView</name>
    <message>
        <source>Taken of %1</source>
        <translation>Bezet van %1</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>No berth above this one is free for these days.</source>
        <translation>Geen ligplaats boven deze is vrij op deze dagen.</translation>
    </message>
    <message>
        <source>No berth below this one is free for these days.</source>
        <translation>Geen ligplaats onder deze is vrij op deze dagen.</translation>
    </message>
    <message>
        <source>Drop it on a berth and days of the chart.</source>
        <translation>Zet hem neer op een ligplaats en dagen van het overzicht.</translation>
    </message>
</context>
<context>
    <name>BookingChartWindow</name>
    <message>
        <source>Booking Chart</source>
        <translation>Bezettingsoverzicht</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dagen</translation>
    </message>
    <message>
        <source>T&amp;oday</source>
        <translation>&amp;Vandaag</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>Ligplaats &amp;blokkeren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <source>&amp;Guest</source>
        <translation>&amp;Gast</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>Aan&amp;komst</translation>
    </message>
    <message>
        <source>&amp;Depart...</source>
        <translation>V&amp;ertrek...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>In- of uitchecken &amp;ongedaan maken...</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>Va&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Tonen:</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>Ligplaatst&amp;ype:</translation>
    </message>
    <message>
        <source>The booking was not moved.
%1</source>
        <translation>De boeking is niet verplaatst.
%1</translation>
    </message>
    <message>
        <source>All berth types</source>
        <translation>Alle ligplaatstypen</translation>
    </message>
    <message>
        <source>Choose a booking&apos;s bar first: its guest is the one checked in or out.</source>
        <translation>Kies eerst de balk van een boeking: die gast wordt in- of uitgecheckt.</translation>
    </message>
    <message>
        <source>The booking could not be moved. Nothing was changed.
%1</source>
        <translation>De boeking kon niet worden verplaatst. Er is niets gewijzigd.
%1</translation>
    </message>
    <message>
        <source>Agreed price: total payable %1.
With today&apos;s rates for the new days and berths: total payable %2.

Keep the agreed price?</source>
        <translation>Afgesproken prijs: te betalen %1.
Met de tarieven van vandaag voor de nieuwe dagen en ligplaatsen: te betalen %2.

De afgesproken prijs houden?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>%1 &amp;houden</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Opnieuw berekenen: %1</translation>
    </message>
    <message>
        <source>No booking can be made there.
%1</source>
        <translation>Daar kan geen boeking worden gemaakt.
%1</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile.</source>
        <translation>De boeking is intussen op een andere werkplek gewijzigd.</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Boeking annuleren</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Een andere werkplek heeft deze blokkering intussen verwijderd.</translation>
    </message>
    <message>
        <source>The block was not moved. Nothing was changed.
%1</source>
        <translation>De blokkering is niet verplaatst. Er is niets gewijzigd.
%1</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>Geen ligplaats.</translation>
    </message>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Een andere werkplek heeft deze blokkering intussen gewijzigd.</translation>
    </message>
</context>
<context>
    <name>BookingConfirmationPage</name>
    <message>
        <source>Booking confirmation details:</source>
        <translation>Gegevens van de boekingsbevestiging:</translation>
    </message>
    <message>
        <source>ph:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>Show the booking con&amp;firmation when saved</source>
        <translation>Boekingsbevestiging to&amp;nen na opslaan</translation>
    </message>
    <message>
        <source>Send confirmation by e-ma&amp;il</source>
        <translation>Bevestiging per e-ma&amp;il versturen</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Boot: %1</translation>
    </message>
    <message>
        <source>Confirmation number %1 was given to a booking made at another desk meanwhile. This booking has been saved with number %2.</source>
        <translation>Bevestigingsnummer %1 is intussen gegeven aan een boeking op een andere werkplek. Deze boeking is opgeslagen met nummer %2.</translation>
    </message>
    <message>
        <source>The booking has been saved with confirmation number %1.</source>
        <translation>De boeking is opgeslagen met bevestigingsnummer %1.</translation>
    </message>
    <message>
        <source>The booking has been saved.</source>
        <translation>De boeking is opgeslagen.</translation>
    </message>
    <message>
        <source>Show its summary?</source>
        <translation>Het overzicht ervan tonen?</translation>
    </message>
</context>
<context>
    <name>BookingCustomerPanel</name>
    <message>
        <source>Ne&amp;w...</source>
        <translation>Nie&amp;uw...</translation>
    </message>
    <message>
        <source>Select customer:</source>
        <translation>Kies klant:</translation>
    </message>
    <message>
        <source>Please select customer</source>
        <translation>Kies een klant</translation>
    </message>
    <message>
        <source>%1 is not a boat of %2. Choose its owner as the customer, or no boat on the berths page.</source>
        <translation>%1 is geen boot van %2. Kies de eigenaar ervan als klant, of geen boot op de pagina met ligplaatsen.</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (nieuw)</translation>
    </message>
</context>
<context>
    <name>BookingDatesPage</name>
    <message>
        <source>Set Arrival date and Arrival time, then set Departure date and Departure time</source>
        <translation>Stel aankomstdatum en -tijd in, daarna vertrekdatum en -tijd</translation>
    </message>
    <message>
        <source>Arrival Date:</source>
        <translation>Aankomstdatum:</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Vertrekdatum:</translation>
    </message>
    <message>
        <source>Booked by (your name):</source>
        <translation>Geboekt door (uw naam):</translation>
    </message>
    <message>
        <source>Departure date must be after the Arrival date. Please change the Departure date and try again.</source>
        <translation>De vertrekdatum moet na de aankomstdatum liggen. Wijzig de vertrekdatum en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Booking interval is invalid</source>
        <translation>De boekingsperiode is ongeldig</translation>
    </message>
</context>
<context>
    <name>BookingDeposit</name>
    <message>
        <source>A deposit cannot be less than %1.</source>
        <translation>Een aanbetaling kan niet lager zijn dan %1.</translation>
    </message>
    <message>
        <source>The deposit cannot be more than the total payable, %1.</source>
        <translation>De aanbetaling kan niet hoger zijn dan het totaal te betalen bedrag, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due before the day the booking was made, %1.</source>
        <translation>De aanbetaling kan niet vervallen vóór de dag waarop de boeking is gemaakt, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due after the balance, %1.</source>
        <translation>De aanbetaling kan niet na het restbedrag vervallen, %1.</translation>
    </message>
    <message>
        <source>The balance cannot fall due after the arrival, %1.</source>
        <translation>Het restbedrag kan niet na de aankomst vervallen, %1.</translation>
    </message>
</context>
<context>
    <name>BookingDepositPanel</name>
    <message>
        <source>Deposit</source>
        <translation>Aanbetaling</translation>
    </message>
    <message>
        <source>&amp;Deposit:</source>
        <translation>&amp;Aanbetaling:</translation>
    </message>
    <message>
        <source>Deposit d&amp;ue by:</source>
        <translation>Aanbetaling vervalt &amp;op:</translation>
    </message>
    <message>
        <source>Balanc&amp;e due by:</source>
        <translation>&amp;Restbedrag vervalt op:</translation>
    </message>
    <message>
        <source>The deposit typed was more than the total payable, so it is now %1.</source>
        <translation>De ingevulde aanbetaling was hoger dan het totaal te betalen bedrag, dus die is nu %1.</translation>
    </message>
    <message>
        <source>Total payable %1 due by %2</source>
        <translation>Te betalen %1 vóór %2</translation>
    </message>
    <message>
        <source>Deposit %1 due by %2, balance %3 due by %4</source>
        <translation>Aanbetaling %1 vóór %2, restbedrag %3 vóór %4</translation>
    </message>
</context>
<context>
    <name>BookingDetailsPanel</name>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Adults and</source>
        <translation>Volwassenen en</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinderen</translation>
    </message>
    <message>
        <source>Booking from</source>
        <translation>Boeking vanaf</translation>
    </message>
</context>
<context>
    <name>BookingDocuments</name>
    <message>
        <source>Telephone No:</source>
        <translation>Telefoonnr.:</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>Btw-nr.:</translation>
    </message>
    <message>
        <source>There is no booking to print.</source>
        <translation>Er is geen boeking om af te drukken.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>De boeking bestaat niet meer.</translation>
    </message>
    <message>
        <source>Signature: %1 Date: %2</source>
        <translation>Handtekening: %1 Datum: %2</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>FACTUUR</translation>
    </message>
    <message>
        <source>Invoice Number:</source>
        <translation>Factuurnummer:</translation>
    </message>
    <message>
        <source>Booking Date:</source>
        <translation>Boekingsdatum:</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Vertrekdatum:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Ligplaats(en):</translation>
    </message>
    <message>
        <source>Booked By:</source>
        <translation>Geboekt door:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>Booking charges,</source>
        <translation>Boekingskosten,</translation>
    </message>
    <message>
        <source>Cost Of Hire:</source>
        <translation>Huurprijs:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Overige kosten:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>Btw:</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Te betalen:</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Betaald:</translation>
    </message>
    <message>
        <source>In Credit:</source>
        <translation>Tegoed:</translation>
    </message>
    <message>
        <source>Balance Due:</source>
        <translation>Openstaand saldo:</translation>
    </message>
    <message>
        <source>Credit notes,</source>
        <translation>Creditnota&apos;s,</translation>
    </message>
    <message>
        <source>    Credit note %1  %2</source>
        <translation>    Creditnota %1  %2</translation>
    </message>
    <message>
        <source>Net after credit notes:</source>
        <translation>Netto na creditnota&apos;s:</translation>
    </message>
    <message>
        <source>Berth Confirmation Number:</source>
        <translation>Bevestigingsnummer ligplaats:</translation>
    </message>
    <message>
        <source>Guest Confirmation Number:</source>
        <translation>Bevestigingsnummer gast:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>Reservation Form</source>
        <translation>Reserveringsformulier</translation>
    </message>
    <message>
        <source>Reservation Number:</source>
        <translation>Reserveringsnummer:</translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation>Vanaf:</translation>
    </message>
    <message>
        <source>To Date:</source>
        <translation>Tot:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>HouseName:</source>
        <translation>Huisnaam:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straat:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Wijk:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Plaats:</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>Postcode:</translation>
    </message>
    <message>
        <source>TelNo:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>MobileNo:</source>
        <translation>Mobiel:</translation>
    </message>
    <message>
        <source>EmailAddress:</source>
        <translation>E-mailadres:</translation>
    </message>
    <message>
        <source>Client Notes:</source>
        <translation>Klantnotities:</translation>
    </message>
    <message>
        <source>ClubMember:</source>
        <translation>Clublid:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>MembershipNo:</source>
        <translation>Lidnummer:</translation>
    </message>
    <message>
        <source>Reservation Notes:</source>
        <translation>Reserveringsnotities:</translation>
    </message>
    <message>
        <source>Reservation Terms and Conditions:</source>
        <translation>Reserveringsvoorwaarden:</translation>
    </message>
    <message>
        <source>BOOKING CONFIRMATION</source>
        <translation>BOEKINGSBEVESTIGING</translation>
    </message>
    <message>
        <source>Booking Number:</source>
        <translation>Boekingsnummer:</translation>
    </message>
    <message>
        <source>Confirmation Number:</source>
        <translation>Bevestigingsnummer:</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Aankomst:</translation>
    </message>
    <message>
        <source>Departure:</source>
        <translation>Vertrek:</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Paid to date:</source>
        <translation>Tot nu toe betaald:</translation>
    </message>
    <message>
        <source>Deposit due:</source>
        <translation>Aanbetaling verschuldigd:</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>vóór %1</translation>
    </message>
    <message>
        <source>deposit of %1 paid</source>
        <translation>aanbetaling van %1 betaald</translation>
    </message>
    <message>
        <source>Balance due:</source>
        <translation>Restbedrag verschuldigd:</translation>
    </message>
    <message>
        <source>paid in full</source>
        <translation>volledig betaald</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Algemene voorwaarden:</translation>
    </message>
    <message>
        <source>CREDIT NOTE</source>
        <translation>CREDITNOTA</translation>
    </message>
    <message>
        <source>Credit Note Number:</source>
        <translation>Creditnotanummer:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Against Invoice Number:</source>
        <translation>Bij factuurnummer:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periode:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Amount Credited:</source>
        <translation>Gecrediteerd bedrag:</translation>
    </message>
</context>
<context>
    <name>BookingHistory</name>
    <message>
        <source>Customer number</source>
        <translation>Klantnummer</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Aankomst</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Vertrek</translation>
    </message>
    <message>
        <source>Booked by</source>
        <translation>Geboekt door</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Volwassenen</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinderen</translation>
    </message>
    <message>
        <source>Cost of hire</source>
        <translation>Huurprijs</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Overige kosten</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>Btw</translation>
    </message>
    <message>
        <source>Total payable</source>
        <translation>Te betalen</translation>
    </message>
    <message>
        <source>Payment method number</source>
        <translation>Nummer betaalwijze</translation>
    </message>
    <message>
        <source>Card type</source>
        <translation>Kaarttype</translation>
    </message>
    <message>
        <source>Confirmation number</source>
        <translation>Bevestigingsnummer</translation>
    </message>
    <message>
        <source>Guest&apos;s confirmation number</source>
        <translation>Bevestigingsnummer van de gast</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Stroom</translation>
    </message>
    <message>
        <source>Club member</source>
        <translation>Clublid</translation>
    </message>
    <message>
        <source>Tax rate (hundredths of a per cent)</source>
        <translation>Btw-tarief (honderdsten van een procent)</translation>
    </message>
    <message>
        <source>Boat number</source>
        <translation>Bootnummer</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Berths when cancelled</source>
        <translation>Ligplaatsen bij annulering</translation>
    </message>
    <message>
        <source>Invoice number</source>
        <translation>Factuurnummer</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Verblijf</translation>
    </message>
    <message>
        <source>Checked in</source>
        <translation>Ingecheckt</translation>
    </message>
    <message>
        <source>Checked in at</source>
        <translation>Ingecheckt om</translation>
    </message>
    <message>
        <source>Checked out</source>
        <translation>Uitgecheckt</translation>
    </message>
    <message>
        <source>Checked out at</source>
        <translation>Uitgecheckt om</translation>
    </message>
    <message>
        <source>Deposit agreed</source>
        <translation>Afgesproken aanbetaling</translation>
    </message>
    <message>
        <source>Deposit due by</source>
        <translation>Aanbetaling vervalt op</translation>
    </message>
    <message>
        <source>Balance due by</source>
        <translation>Restbedrag vervalt op</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>daily charge</source>
        <translation>dagprijs</translation>
    </message>
    <message>
        <source>%1, %2: %3 x %4 = %5</source>
        <translation>%1, %2: %3 x %4 = %5</translation>
    </message>
    <message>
        <source>Booking made</source>
        <translation>Boeking gemaakt</translation>
    </message>
    <message>
        <source>Booking deleted</source>
        <translation>Boeking verwijderd</translation>
    </message>
    <message>
        <source>Berth added</source>
        <translation>Ligplaats toegevoegd</translation>
    </message>
    <message>
        <source>Berth removed</source>
        <translation>Ligplaats verwijderd</translation>
    </message>
    <message>
        <source>Berth changed</source>
        <translation>Ligplaats gewijzigd</translation>
    </message>
    <message>
        <source>Charge line added</source>
        <translation>Kostenregel toegevoegd</translation>
    </message>
    <message>
        <source>Charge line removed</source>
        <translation>Kostenregel verwijderd</translation>
    </message>
    <message>
        <source>Ledger line</source>
        <translation>Journaalregel</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wie</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Werkplek</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p van %P</translation>
    </message>
    <message>
        <source>No changes are recorded for this booking.</source>
        <translation>Voor deze boeking zijn geen wijzigingen vastgelegd.</translation>
    </message>
</context>
<context>
    <name>BookingHistoryDialog</name>
    <message>
        <source>Booking history</source>
        <translation>Boekingsgeschiedenis</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wie</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Werkplek</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Opslaan als &amp;PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Booking %1 history.pdf</source>
        <translation>Geschiedenis boeking %1.pdf</translation>
    </message>
    <message>
        <source>The booking&apos;s history could not be read: %1</source>
        <translation>De geschiedenis van de boeking kon niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>BookingImport</name>
    <message>
        <source>booking %1</source>
        <translation>boeking %1</translation>
    </message>
</context>
<context>
    <name>BookingMail</name>
    <message>
        <source>The booking has been cancelled: no message is sent about it.</source>
        <translation>De boeking is geannuleerd: er wordt geen bericht over verstuurd.</translation>
    </message>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 heeft geen bruikbaar e-mailadres: %2</translation>
    </message>
    <message>
        <source>Reminder days must be from 0 to %1.</source>
        <translation>Herinneringsdagen moeten van 0 tot %1 zijn.</translation>
    </message>
    <message>
        <source>Booking %1 no longer exists.</source>
        <translation>Boeking %1 bestaat niet meer.</translation>
    </message>
</context>
<context>
    <name>BookingMailMenu</name>
    <message>
        <source>Send confirmation</source>
        <translation>Bevestiging versturen</translation>
    </message>
    <message>
        <source>The confirmation was not queued: %1</source>
        <translation>De bevestiging is niet in de wachtrij gezet: %1</translation>
    </message>
    <message>
        <source>Confirmation of booking %1</source>
        <translation>Bevestiging van boeking %1</translation>
    </message>
    <message>
        <source>E-mail invoice</source>
        <translation>Factuur e-mailen</translation>
    </message>
    <message>
        <source>The invoice was not queued: %1</source>
        <translation>De factuur is niet in de wachtrij gezet: %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Factuur %1 voor boeking %2</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2 by e-mail</source>
        <translation>Factuur %1 voor boeking %2 per e-mail</translation>
    </message>
    <message>
        <source>Invoice %1 is in the outbox and goes out in the background.</source>
        <translation>Factuur %1 staat in het postvak uit en wordt op de achtergrond verstuurd.</translation>
    </message>
    <message>
        <source>E-mail Invoice</source>
        <translation>Factuur e-mailen</translation>
    </message>
</context>
<context>
    <name>BookingMessagesPanel</name>
    <message>
        <source>Messages</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In wachtrij</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Onderwerp</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Pogingen</translation>
    </message>
    <message>
        <source>Server&apos;s answer</source>
        <translation>Antwoord van de server</translation>
    </message>
    <message>
        <source>Re&amp;send now</source>
        <translation>Nu opnieuw &amp;verzenden</translation>
    </message>
    <message>
        <source>Edit messa&amp;ge...</source>
        <translation>Be&amp;richt bewerken...</translation>
    </message>
    <message>
        <source>E-mail sent about this booking:</source>
        <translation>E-mail verstuurd over deze boeking:</translation>
    </message>
    <message>
        <source>The messages could not be read: %1</source>
        <translation>De berichten konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Verstuurd %1</translation>
    </message>
    <message>
        <source>Edit Message</source>
        <translation>Bericht bewerken</translation>
    </message>
    <message>
        <source>&amp;Queue again</source>
        <translation>Opnieuw in &amp;wachtrij</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Aan:</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Onderwerp:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Bericht:</translation>
    </message>
</context>
<context>
    <name>BookingMove</name>
    <message>
        <source>The booking stays where it was.</source>
        <translation>De boeking blijft waar ze was.</translation>
    </message>
    <message>
        <source>The booking was cancelled at another desk meanwhile. Nothing was moved.</source>
        <translation>De boeking is intussen op een andere werkplek geannuleerd. Er is niets verplaatst.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile. Nothing was moved; the chart shows it as it is now.</source>
        <translation>De boeking is intussen op een andere werkplek gewijzigd. Er is niets verplaatst; het overzicht toont haar zoals ze nu is.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>Het vertrek moet na de aankomst liggen.</translation>
    </message>
    <message>
        <source>Bookings can only be made from %1 to %2.</source>
        <translation>Boekingen kunnen alleen van %1 tot %2 worden gemaakt.</translation>
    </message>
    <message>
        <source>The booking already holds that berth.</source>
        <translation>De boeking houdt die ligplaats al.</translation>
    </message>
    <message>
        <source>That berth is not in use: a booking cannot be moved onto it.</source>
        <translation>Die ligplaats is niet in gebruik: een boeking kan er niet naartoe worden verplaatst.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk since it was moved. Nothing was undone.</source>
        <translation>De boeking is op een andere werkplek gewijzigd sinds ze werd verplaatst. Er is niets ongedaan gemaakt.</translation>
    </message>
</context>
<context>
    <name>BookingPaymentPanel</name>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>Betaling vast&amp;leggen...</translation>
    </message>
    <message>
        <source>Payment Method:</source>
        <translation>Betaalwijze:</translation>
    </message>
    <message>
        <source>Credit Card No.:</source>
        <translation>Creditcardnr.:</translation>
    </message>
    <message>
        <source>Credit Card Expiry:</source>
        <translation>Creditcard geldig tot:</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Type creditcard:</translation>
    </message>
</context>
<context>
    <name>BookingPricing</name>
    <message>
        <source>daily charge</source>
        <translation>dagprijs</translation>
    </message>
    <message>
        <source>%1, %2: %3 at %4</source>
        <translation>%1, %2: %3 à %4</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>No rate prices %1: counted at %2.</source>
        <translation>Geen tarief voor %1: gerekend tegen %2.</translation>
    </message>
</context>
<context>
    <name>BookingReports</name>
    <message>
        <source>From: %1 to: %2</source>
        <translation>Van: %1 tot: %2</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Van: %1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>Tot: %1</translation>
    </message>
</context>
<context>
    <name>BookingRules</name>
    <message>
        <source>Berth(s): %1</source>
        <translation>Ligplaats(en): %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
</context>
<context>
    <name>BookingStore</name>
    <message>
        <source>Bookings can be made from %1 to %2.</source>
        <translation>Boekingen kunnen van %1 tot %2 worden gemaakt.</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Een bedrag ligt boven %1.</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to the total payable, %2.</source>
        <translation>Een aanbetaling loopt van %1 tot het totaal te betalen bedrag, %2.</translation>
    </message>
    <message>
        <source>The tax rate runs from 0 to 100 %.</source>
        <translation>Het btw-tarief loopt van 0 tot 100 %.</translation>
    </message>
    <message>
        <source>The numbers of adults and children run from 0 to %1.</source>
        <translation>De aantallen volwassenen en kinderen lopen van 0 tot %1.</translation>
    </message>
    <message>
        <source>arrival</source>
        <translation>aankomst</translation>
    </message>
    <message>
        <source>departure</source>
        <translation>vertrek</translation>
    </message>
    <message>
        <source>booked by</source>
        <translation>geboekt door</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>klant</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notities</translation>
    </message>
    <message>
        <source>adults</source>
        <translation>volwassenen</translation>
    </message>
    <message>
        <source>children</source>
        <translation>kinderen</translation>
    </message>
    <message>
        <source>other charges</source>
        <translation>overige kosten</translation>
    </message>
    <message>
        <source>tax</source>
        <translation>btw</translation>
    </message>
    <message>
        <source>total payable</source>
        <translation>te betalen</translation>
    </message>
    <message>
        <source>payment method</source>
        <translation>betaalwijze</translation>
    </message>
    <message>
        <source>card number</source>
        <translation>kaartnummer</translation>
    </message>
    <message>
        <source>card expiry</source>
        <translation>vervaldatum kaart</translation>
    </message>
    <message>
        <source>card type</source>
        <translation>kaarttype</translation>
    </message>
    <message>
        <source>security code</source>
        <translation>beveiligingscode</translation>
    </message>
    <message>
        <source>cost of hire</source>
        <translation>huurprijs</translation>
    </message>
    <message>
        <source>confirmation number</source>
        <translation>bevestigingsnummer</translation>
    </message>
    <message>
        <source>guest confirmation number</source>
        <translation>bevestigingsnummer gast</translation>
    </message>
    <message>
        <source>power requirements</source>
        <translation>stroombehoefte</translation>
    </message>
    <message>
        <source>club member</source>
        <translation>clublid</translation>
    </message>
    <message>
        <source>tax rate</source>
        <translation>btw-tarief</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>boot</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>aanbetaling</translation>
    </message>
    <message>
        <source>deposit due by</source>
        <translation>aanbetaling vervalt op</translation>
    </message>
    <message>
        <source>balance due by</source>
        <translation>restbedrag vervalt op</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>geannuleerd</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>ligplaatsen</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>De boeking bestaat niet meer.</translation>
    </message>
    <message>
        <source>%1 has been blocked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 is voor deze periode geblokkeerd sinds de lijst werd getoond. Er is niets opgeslagen: kies de plaatsen opnieuw.</translation>
    </message>
    <message>
        <source>%1 has been booked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 is voor deze periode geboekt sinds de lijst werd getoond. Er is niets opgeslagen: kies de plaatsen opnieuw.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it (changed: %1). Nothing was saved: cancel and open it again to see the changes.</source>
        <translation>Deze boeking is op een andere werkplek gewijzigd of geannuleerd sinds u haar opende (gewijzigd: %1). Er is niets opgeslagen: annuleer en open haar opnieuw om de wijzigingen te zien.</translation>
    </message>
    <message>
        <source>The boat has been removed or given to another customer since the list was shown. Nothing was saved: please choose the boat again.</source>
        <translation>De boot is verwijderd of aan een andere klant gegeven sinds de lijst werd getoond. Er is niets opgeslagen: kies de boot opnieuw.</translation>
    </message>
    <message>
        <source>The customer has been deleted since the list was shown. Nothing was saved.</source>
        <translation>De klant is verwijderd sinds de lijst werd getoond. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>A cancelled booking cannot be changed.</source>
        <translation>Een geannuleerde boeking kan niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was deleted: close it and open it again to see the changes.</source>
        <translation>Deze boeking is op een andere werkplek gewijzigd of geannuleerd sinds u haar opende. Er is niets verwijderd: sluit haar en open haar opnieuw om de wijzigingen te zien.</translation>
    </message>
    <message>
        <source>Money has been taken on this booking: it is cancelled from its summary, which keeps its payments.</source>
        <translation>Op deze boeking is geld ontvangen: ze wordt geannuleerd vanuit haar overzicht, dat de betalingen bewaart.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was cancelled: close it and open it again to see the changes.</source>
        <translation>Deze boeking is op een andere werkplek gewijzigd of geannuleerd sinds u haar opende. Er is niets geannuleerd: sluit haar en open haar opnieuw om de wijzigingen te zien.</translation>
    </message>
    <message>
        <source>The booking has already been cancelled.</source>
        <translation>De boeking is al geannuleerd.</translation>
    </message>
    <message>
        <source>Booking cancelled</source>
        <translation>Boeking geannuleerd</translation>
    </message>
</context>
<context>
    <name>BookingSummaryData</name>
    <message>
        <source>The booking no longer exists.</source>
        <translation>De boeking bestaat niet meer.</translation>
    </message>
</context>
<context>
    <name>BookingSummaryWindow</name>
    <message>
        <source>Reservation summary</source>
        <translation>Reserveringsoverzicht</translation>
    </message>
    <message>
        <source>Ph:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>Berth  Charges</source>
        <translation>Ligplaatskosten</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Overige kosten</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>Btw</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Te betalen</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Betaald</translation>
    </message>
    <message>
        <source>Reservation notes:</source>
        <translation>Reserveringsnotities:</translation>
    </message>
    <message>
        <source>Customer Notes</source>
        <translation>Klantnotities</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Betaalwijze</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referentie</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Werkplek</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>&amp;Betaling vastleggen...</translation>
    </message>
    <message>
        <source>Re&amp;fund...</source>
        <translation>&amp;Terugbetalen...</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Aankomst</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>V&amp;ertrek...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>In- of uitchecken &amp;ongedaan maken...</translation>
    </message>
    <message>
        <source>To amend financial details press the Edit Booking Button</source>
        <translation>Druk op de knop Boeking bewerken om financiële gegevens te wijzigen</translation>
    </message>
    <message>
        <source>&amp;Edit booking</source>
        <translation>Boeking be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Cancel booking</source>
        <translation>Boeking a&amp;nnuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Print Receipt</source>
        <translation>Kwitantie af&amp;drukken</translation>
    </message>
    <message>
        <source>&amp;Booking Form</source>
        <translation>Boekings&amp;formulier</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Opslaan als &amp;PDF...</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Kwitantie</translation>
    </message>
    <message>
        <source>Booking Form</source>
        <translation>Boekingsformulier</translation>
    </message>
    <message>
        <source>Confir&amp;mation</source>
        <translation>Beve&amp;stiging</translation>
    </message>
    <message>
        <source>Credit N&amp;otes</source>
        <translation>&amp;Creditnota&apos;s</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Geschiedenis...</translation>
    </message>
    <message>
        <source>Booking %1: history</source>
        <translation>Boeking %1: geschiedenis</translation>
    </message>
    <message>
        <source>The booking could not be shown: %1</source>
        <translation>De boeking kon niet worden getoond: %1</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Boot: %1</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Geannuleerd. %1</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be read: %1</source>
        <translation>Het verblijf van de gast kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Arrived %1 at %2</source>
        <translation>Aangekomen %1 om %2</translation>
    </message>
    <message>
        <source>Departed %1 at %2</source>
        <translation>Vertrokken %1 om %2</translation>
    </message>
    <message>
        <source>Guest: %1</source>
        <translation>Gast: %1</translation>
    </message>
    <message>
        <source>The payments could not be read: %1</source>
        <translation>De betalingen konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Cancelled: paid %1</source>
        <translation>Geannuleerd: betaald %1</translation>
    </message>
    <message>
        <source>Paid %1 of %2: in credit %3</source>
        <translation>Betaald %1 van %2: tegoed %3</translation>
    </message>
    <message>
        <source>Paid %1 of %2: balance due %3</source>
        <translation>Betaald %1 van %2: openstaand %3</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>De klant heeft %1 tegoed.</translation>
    </message>
    <message>
        <source>Credit note %1: %2</source>
        <translation>Creditnota %1: %2</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Boeking annuleren</translation>
    </message>
    <message>
        <source>The invoice could not be numbered: %1</source>
        <translation>De factuur kon niet worden genummerd: %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Factuur %1 voor boeking %2</translation>
    </message>
    <message>
        <source>The booking shown could not be printed: %1</source>
        <translation>De getoonde boeking kon niet worden afgedrukt: %1</translation>
    </message>
    <message>
        <source>The document could not be read: %1</source>
        <translation>Het document kon niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>BookingWizard</name>
    <message>
        <source>Berth / Caravan Reservation</source>
        <translation>Reservering ligplaats / caravan</translation>
    </message>
    <message>
        <source>Booking Progress</source>
        <translation>Voortgang boeking</translation>
    </message>
    <message>
        <source>Step 1 - Dates</source>
        <translation>Stap 1 - Data</translation>
    </message>
    <message>
        <source>Step 2 - Select Berth</source>
        <translation>Stap 2 - Ligplaats kiezen</translation>
    </message>
    <message>
        <source>Step 3 - Customer</source>
        <translation>Stap 3 - Klant</translation>
    </message>
    <message>
        <source>Step 4 - Confirmation</source>
        <translation>Stap 4 - Bevestiging</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>Cancel Booking</source>
        <translation>Boeking annuleren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Booking Notes</source>
        <translation>Boekingsnotities</translation>
    </message>
    <message>
        <source>The booking wizard holds a booking that has not been saved. Confirm or cancel it first.</source>
        <translation>De boekingswizard bevat een boeking die niet is opgeslagen. Bevestig of annuleer die eerst.</translation>
    </message>
    <message>
        <source>The booking has not been saved. Close the wizard and lose it?</source>
        <translation>De boeking is niet opgeslagen. De wizard sluiten en de boeking kwijtraken?</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Bevestigen</translation>
    </message>
    <message>
        <source>The customer %1 has been deleted since the list was shown. Nothing was saved: please choose the customer again.</source>
        <translation>De klant %1 is verwijderd sinds de lijst werd getoond. Er is niets opgeslagen: kies de klant opnieuw.</translation>
    </message>
    <message>
        <source>The booking could not be saved. Nothing was changed.
%1</source>
        <translation>De boeking kon niet worden opgeslagen. Er is niets gewijzigd.
%1</translation>
    </message>
    <message>
        <source>Do you want to delete existing reservation?</source>
        <translation>Wilt u de bestaande reservering verwijderen?</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Boeking</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <source>Not available</source>
        <translation>Niet beschikbaar</translation>
    </message>
    <message>
        <source>The address did not give a calendar (no BEGIN:VCALENDAR at its start).</source>
        <translation>Het adres gaf geen kalender (geen BEGIN:VCALENDAR aan het begin).</translation>
    </message>
    <message>
        <source>The address gave text that could not be read as a calendar.</source>
        <translation>Het adres gaf tekst die niet als kalender kon worden gelezen.</translation>
    </message>
    <message>
        <source>The calendar has more than %1 events to come: it was not read.</source>
        <translation>De kalender bevat meer dan %1 komende afspraken: hij is niet gelezen.</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>Simple Calendar</source>
        <translation>Eenvoudige kalender</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Reservering toevoegen</translation>
    </message>
    <message>
        <source>Edit Reservation</source>
        <translation>Reservering bewerken</translation>
    </message>
    <message>
        <source>Show Summary</source>
        <translation>Overzicht tonen</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Reservering annuleren</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>De boekingen konden niet worden gelezen.
%1</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Boeking annuleren</translation>
    </message>
</context>
<context>
    <name>CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Kalenders</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Laatst gelezen</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Afspraken</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Probleem</translation>
    </message>
    <message>
        <source>https://... or webcal://... (the other site&apos;s calendar of this berth)</source>
        <translation>https://... of webcal://... (de kalender van de andere site voor deze ligplaats)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Read &amp;now</source>
        <translation>&amp;Nu lezen</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Ligplaats:</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;Feeds</source>
        <translation>&amp;Feeds</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Boeking</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Stays here that another site&apos;s calendar also holds: move each stay to another berth, or ask the other site to free its dates.</source>
        <translation>Verblijven hier die ook in de kalender van een andere site staan: verplaats elk verblijf naar een andere ligplaats, of vraag de andere site de data vrij te geven.</translation>
    </message>
    <message>
        <source>C&amp;onflicts</source>
        <translation>&amp;Conflicten</translation>
    </message>
    <message>
        <source>empty: this desk publishes no calendars</source>
        <translation>leeg: deze werkplek publiceert geen kalenders</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>This desk is the &amp;gateway: it reads the feeds of other sites</source>
        <translation>Deze werkplek is de &amp;gateway: hij leest de feeds van andere sites</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Publish calendars into:</source>
        <translation>Kalenders &amp;publiceren in:</translation>
    </message>
    <message>
        <source>Each berth&apos;s calendar is berth-&lt;number&gt;.ics and each berth type&apos;s type-&lt;number&gt;.ics in that folder; put the folder on the office&apos;s web site.</source>
        <translation>De kalender van elke ligplaats is berth-&lt;number&gt;.ics en die van elk ligplaatstype type-&lt;number&gt;.ics in die map; zet de map op de website van het kantoor.</translation>
    </message>
    <message>
        <source>This &amp;desk</source>
        <translation>Deze &amp;werkplek</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Only the gateway desk reads the feeds: set it on the &quot;This desk&quot; page.</source>
        <translation>Alleen de gateway-werkplek leest de feeds: stel dat in op de pagina &quot;Deze werkplek&quot;.</translation>
    </message>
    <message>
        <source>Publish calendars into</source>
        <translation>Kalenders publiceren in</translation>
    </message>
    <message>
        <source>Calendars (*.ics)</source>
        <translation>Kalenders (*.ics)</translation>
    </message>
    <message>
        <source>The calendars could not be read: %1</source>
        <translation>De kalenders konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>nog niet</translation>
    </message>
    <message>
        <source>Stop reading %1? The berth&apos;s blocks from this calendar are released.</source>
        <translation>Stoppen met het lezen van %1? De blokkeringen van de ligplaats uit deze kalender vervallen.</translation>
    </message>
    <message>
        <source>The feed was not removed: %1</source>
        <translation>De feed is niet verwijderd: %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>De map %1 kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>Calendars: publish folder &quot;%1&quot;, gateway %2</source>
        <translation>Kalenders: publicatiemap &quot;%1&quot;, gateway %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
</context>
<context>
    <name>CancelPaidDialog</name>
    <message>
        <source>Cancel booking</source>
        <translation>Boeking annuleren</translation>
    </message>
    <message>
        <source>%1 has been paid on this booking. Cancel it and:</source>
        <translation>Op deze boeking is %1 betaald. Annuleren en:</translation>
    </message>
    <message>
        <source>This booking has payments on record. Cancel it and keep them?</source>
        <translation>Op deze boeking zijn betalingen vastgelegd. Annuleren en die houden?</translation>
    </message>
    <message>
        <source>&amp;Refund what was paid</source>
        <translation>Het betaalde &amp;terugbetalen</translation>
    </message>
    <message>
        <source>&amp;Keep it as a cancellation fee</source>
        <translation>&amp;Houden als annuleringskosten</translation>
    </message>
    <message>
        <source>Keep it as the customer&apos;s c&amp;redit</source>
        <translation>Houden als tegoed van de &amp;klant</translation>
    </message>
    <message>
        <source>Cancel &amp;Booking</source>
        <translation>Boeking &amp;annuleren</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Ga terug</translation>
    </message>
    <message>
        <source>The booking could not be cancelled: %1</source>
        <translation>De boeking kon niet worden geannuleerd: %1</translation>
    </message>
</context>
<context>
    <name>CashUpReport</name>
    <message>
        <source>Lines</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Ontvangen</translation>
    </message>
    <message>
        <source>Refunded</source>
        <translation>Terugbetaald</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Correcties</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Tegoed</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Cash-up</source>
        <translation>Kasafsluiting</translation>
    </message>
    <message>
        <source>Cash-up: page %p of %P</source>
        <translation>Kasafsluiting: pagina %p van %P</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Payments, refunds and corrections recorded in the period; printed %1.</source>
        <translation>Betalingen, terugbetalingen en correcties vastgelegd in de periode; afgedrukt %1.</translation>
    </message>
    <message>
        <source>Nothing was recorded in this period.</source>
        <translation>In deze periode is niets vastgelegd.</translation>
    </message>
    <message>
        <source>By method</source>
        <translation>Per betaalwijze</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Betaalwijze</translation>
    </message>
    <message>
        <source>By desk</source>
        <translation>Per werkplek</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Werkplek</translation>
    </message>
</context>
<context>
    <name>CheckIn</name>
    <message>
        <source>The booking has been cancelled: its guest cannot be checked in or out.</source>
        <translation>De boeking is geannuleerd: de gast kan niet in- of uitgecheckt worden.</translation>
    </message>
    <message>
        <source>The guest was already checked in at %1 on %2.</source>
        <translation>De gast is al ingecheckt om %1 op %2.</translation>
    </message>
    <message>
        <source>The guest has already left (checked out at %1 on %2).</source>
        <translation>De gast is al vertrokken (uitgecheckt om %1 op %2).</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile.</source>
        <translation>Een andere werkplek heeft het verblijf van de gast intussen gewijzigd.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Verwacht</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Aangekomen</translation>
    </message>
    <message>
        <source>Departed</source>
        <translation>Vertrokken</translation>
    </message>
    <message>
        <source>No-show</source>
        <translation>Niet verschenen</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>De boeking bestaat niet meer.</translation>
    </message>
    <message>
        <source>The stay ended on %1: change the booking&apos;s dates before checking the guest in.</source>
        <translation>Het verblijf eindigde op %1: wijzig de data van de boeking voordat u de gast incheckt.</translation>
    </message>
    <message>
        <source>%1 is booked to arrive on %2, later than today.
Check the guest in early? The booking&apos;s dates stay as they are.</source>
        <translation>%1 is geboekt om aan te komen op %2, later dan vandaag.
De gast eerder inchecken? De data van de boeking blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>%1 was booked to arrive on %2, earlier than today.
Check the guest in late? The booking&apos;s dates stay as they are.</source>
        <translation>%1 was geboekt om aan te komen op %2, eerder dan vandaag.
De gast te laat inchecken? De data van de boeking blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>
The guest was not checked in: confirm the other day first.</source>
        <translation>
De gast is niet ingecheckt: bevestig eerst de andere dag.</translation>
    </message>
    <message>
        <source>The guest was already checked out at %1 on %2.</source>
        <translation>De gast is al uitgecheckt om %1 op %2.</translation>
    </message>
    <message>
        <source>The guest has not been checked in: check the guest in before checking out.</source>
        <translation>De gast is niet ingecheckt: check de gast in voordat u uitcheckt.</translation>
    </message>
    <message>
        <source>Only a guest still expected can be marked as a no-show; this one is %1.</source>
        <translation>Alleen een gast die nog verwacht wordt, kan als niet verschenen worden gemarkeerd; deze is %1.</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile: it is now %1.</source>
        <translation>Een andere werkplek heeft het verblijf van de gast intussen gewijzigd: het is nu %1.</translation>
    </message>
    <message>
        <source>The guest is expected: there is nothing to put back.</source>
        <translation>De gast wordt verwacht: er is niets terug te zetten.</translation>
    </message>
</context>
<context>
    <name>CheckInMenu</name>
    <message>
        <source>Check-in and check-out</source>
        <translation>Inchecken en uitchecken</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be changed: %1</source>
        <translation>Het verblijf van de gast kon niet worden gewijzigd: %1</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest in:</source>
        <translation>Lees de meters van de ligplaatsen van %1 af voordat u de gast incheckt:</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest out:</source>
        <translation>Lees de meters van de ligplaatsen van %1 af voordat u de gast uitcheckt:</translation>
    </message>
    <message>
        <source>%1 still owes %2 (paid %3 of %4).

Yes takes the payment now, No checks the guest out with the balance owing, Cancel goes back without checking out.</source>
        <translation>%1 is nog %2 schuldig (betaald %3 van %4).

Ja neemt de betaling nu aan, Nee checkt de gast uit met het openstaande saldo, Annuleren gaat terug zonder uit te checken.</translation>
    </message>
    <message>
        <source>The meters&apos; use, %1 before tax, was added to the booking&apos;s other charges. The balance is now %2.</source>
        <translation>Het meterverbruik, %1 exclusief btw, is bij de overige kosten van de boeking opgeteld. Het saldo is nu %2.</translation>
    </message>
    <message>
        <source>%1 is expected: there is no arrival, departure or no-show to undo.</source>
        <translation>%1 wordt verwacht: er is geen aankomst, vertrek of no-show om ongedaan te maken.</translation>
    </message>
    <message>
        <source>%1 is %2. Put the stay back to %3?</source>
        <translation>%1 is %2. Het verblijf terugzetten naar %3?</translation>
    </message>
    <message>
        <source>Every guest due today has been checked in or marked.</source>
        <translation>Elke gast die vandaag verwacht werd, is ingecheckt of gemarkeerd.</translation>
    </message>
    <message>
        <source>Some were not marked:
%1</source>
        <translation>Sommigen zijn niet gemarkeerd:
%1</translation>
    </message>
</context>
<context>
    <name>ClosedBookings</name>
    <message>
        <source>%1 is closed: its ledger takes no more lines. Date the correction today.</source>
        <translation>%1 is afgesloten: het journaal neemt geen regels meer aan. Dateer de correctie op vandaag.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriodDialog</name>
    <message>
        <source>Closed Months</source>
        <translation>Afgesloten maanden</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Maand:</translation>
    </message>
    <message>
        <source>Close the mon&amp;th</source>
        <translation>Maand &amp;afsluiten</translation>
    </message>
    <message>
        <source>&amp;Reopen the month</source>
        <translation>Maand &amp;heropenen</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gedaan</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wie</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Werkplek</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>A closed month&apos;s bookings (by their departure) and ledger lines can no longer be changed: they are put right by lines dated today.</source>
        <translation>De boekingen (naar vertrek) en journaalregels van een afgesloten maand kunnen niet meer worden gewijzigd: ze worden rechtgezet met regels van vandaag.</translation>
    </message>
    <message>
        <source>The closed months could not be read: %1</source>
        <translation>De afgesloten maanden konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Afgesloten</translation>
    </message>
    <message>
        <source>Reopened</source>
        <translation>Heropend</translation>
    </message>
    <message>
        <source>Close %1? Its bookings and ledger lines can then only be put right by lines dated today.</source>
        <translation>%1 afsluiten? De boekingen en journaalregels ervan kunnen dan alleen nog worden rechtgezet met regels van vandaag.</translation>
    </message>
    <message>
        <source>Reopen %1? Its bookings and ledger lines can then be changed again.</source>
        <translation>%1 heropenen? De boekingen en journaalregels ervan kunnen dan weer worden gewijzigd.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriods</name>
    <message>
        <source>%1 is already closed.</source>
        <translation>%1 is al afgesloten.</translation>
    </message>
    <message>
        <source>%1 is not closed.</source>
        <translation>%1 is niet afgesloten.</translation>
    </message>
    <message>
        <source>Only a manager may close a month.</source>
        <translation>Alleen een manager mag een maand afsluiten.</translation>
    </message>
    <message>
        <source>Only an administrator may reopen a month.</source>
        <translation>Alleen een beheerder mag een maand heropenen.</translation>
    </message>
    <message>
        <source>Choose a month from 2000 to 2100.</source>
        <translation>Kies een maand van 2000 tot 2100.</translation>
    </message>
    <message>
        <source>%1 is not over yet: a month is closed once it has ended.</source>
        <translation>%1 is nog niet voorbij: een maand wordt afgesloten als ze geëindigd is.</translation>
    </message>
    <message>
        <source>Choose a month to reopen.</source>
        <translation>Kies een maand om te heropenen.</translation>
    </message>
    <message>
        <source>%1 is closed: its bookings and ledger lines are kept as they are. Put it right with a correction dated today.</source>
        <translation>%1 is afgesloten: de boekingen en journaalregels ervan blijven zoals ze zijn. Zet het recht met een correctie van vandaag.</translation>
    </message>
</context>
<context>
    <name>CompactWindow</name>
    <message>
        <source>Operation in progress</source>
        <translation>Bewerking bezig</translation>
    </message>
    <message>
        <source>Compacting &amp; repairing database ...</source>
        <translation>Database comprimeren &amp; herstellen ...</translation>
    </message>
</context>
<context>
    <name>CompanyDialog</name>
    <message>
        <source>Setup Company Information</source>
        <translation>Bedrijfsgegevens instellen</translation>
    </message>
    <message>
        <source>Copy  and paste or type your reservation terms and conditions below. These will appear on the booking form.</source>
        <translation>Kopieer en plak of typ hieronder uw reserveringsvoorwaarden. Ze verschijnen op het boekingsformulier.</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Belastingen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Rate %</source>
        <translation>Tarief %</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Vanaf</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Verwij&amp;deren</translation>
    </message>
    <message>
        <source>Deposits and due dates</source>
        <translation>Aanbetalingen en vervaldata</translation>
    </message>
    <message>
        <source>No deposit</source>
        <translation>Geen aanbetaling</translation>
    </message>
    <message>
        <source>A fixed amount</source>
        <translation>Een vast bedrag</translation>
    </message>
    <message>
        <source>A percentage of the total</source>
        <translation>Een percentage van het totaal</translation>
    </message>
    <message>
        <source>D&amp;eposit at booking:</source>
        <translation>&amp;Aanbetaling bij boeking:</translation>
    </message>
    <message>
        <source>Fixed a&amp;mount:</source>
        <translation>Vast &amp;bedrag:</translation>
    </message>
    <message>
        <source>Percen&amp;tage (%):</source>
        <translation>&amp;Percentage (%):</translation>
    </message>
    <message>
        <source>Mi&amp;nimum deposit:</source>
        <translation>&amp;Minimale aanbetaling:</translation>
    </message>
    <message>
        <source>Balance due (days &amp;before arrival):</source>
        <translation>Restbedrag vervalt (dagen vóór aan&amp;komst):</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>B&amp;ijwerken</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>E-ma&amp;il server...</source>
        <translation>&amp;E-mailserver...</translation>
    </message>
    <message>
        <source>company information</source>
        <translation>bedrijfsgegevens</translation>
    </message>
    <message>
        <source>Type the deposit as an amount, for example %1.</source>
        <translation>Typ de aanbetaling als bedrag, bijvoorbeeld %1.</translation>
    </message>
    <message>
        <source>Type the minimum deposit as an amount, for example %1.</source>
        <translation>Typ de minimale aanbetaling als bedrag, bijvoorbeeld %1.</translation>
    </message>
    <message>
        <source>Type the deposit&apos;s percentage, for example 25.</source>
        <translation>Typ het percentage van de aanbetaling, bijvoorbeeld 25.</translation>
    </message>
    <message>
        <source>Type the number of days before arrival the balance falls due.</source>
        <translation>Typ het aantal dagen vóór aankomst waarop het restbedrag vervalt.</translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Gegevensfout opgetreden, fout:%1</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Bedrijfsnaam:</translation>
    </message>
    <message>
        <source>Trading Name:</source>
        <translation>Handelsnaam:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straat:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Wijk:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Plaats:</translation>
    </message>
    <message>
        <source>County:</source>
        <translation>Provincie:</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>Postcode:</translation>
    </message>
    <message>
        <source>Telephone No:</source>
        <translation>Telefoonnr.:</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>Btw-nr.:</translation>
    </message>
    <message>
        <source>Receipt Footer:</source>
        <translation>Voettekst kwitantie:</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Algemene voorwaarden:</translation>
    </message>
</context>
<context>
    <name>CompanyMailPanel</name>
    <message>
        <source>smtp.example.com; empty: no mail is sent from here</source>
        <translation>smtp.example.com; leeg: vanaf hier wordt geen e-mail verstuurd</translation>
    </message>
    <message>
        <source>None (a server inside the office only)</source>
        <translation>Geen (alleen een server binnen het kantoor)</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587)</source>
        <translation>STARTTLS (meestal poort 587)</translation>
    </message>
    <message>
        <source>TLS (usually port 465)</source>
        <translation>TLS (meestal poort 465)</translation>
    </message>
    <message>
        <source>empty: the certificates this computer trusts</source>
        <translation>leeg: de certificaten die deze computer vertrouwt</translation>
    </message>
    <message>
        <source>&amp;Accept the server&apos;s own certificate without a check</source>
        <translation>Eigen certificaat van de server zonder controle &amp;accepteren</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Poort:</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Be&amp;veiliging:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Gebruiker:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Sender &amp;name:</source>
        <translation>&amp;Naam afzender:</translation>
    </message>
    <message>
        <source>Sender a&amp;ddress:</source>
        <translation>A&amp;dres afzender:</translation>
    </message>
    <message>
        <source>CA certificate &amp;file:</source>
        <translation>CA-certificaat&amp;bestand:</translation>
    </message>
    <message>
        <source>(unchanged unless typed here)</source>
        <translation>(ongewijzigd tenzij hier getypt)</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>De poort moet een getal van 1 tot 65535 zijn.</translation>
    </message>
    <message>
        <source>E-mail Server</source>
        <translation>E-mailserver</translation>
    </message>
    <message>
        <source>Messages wait in the outbox and go in the background. The password is kept in this computer&apos;s secret store, or else in a file only you can read; never in the database.</source>
        <translation>Berichten wachten in het postvak uit en gaan op de achtergrond weg. Het wachtwoord wordt bewaard in de geheime opslag van deze computer, of anders in een bestand dat alleen u kunt lezen; nooit in de database.</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Opslaan</translation>
    </message>
</context>
<context>
    <name>CompanyStore</name>
    <message>
        <source>%1 %2 % from %3</source>
        <translation>%1 %2 % vanaf %3</translation>
    </message>
    <message>
        <source>Deposit at booking:</source>
        <translation>Aanbetaling bij boeking:</translation>
    </message>
    <message>
        <source>Fixed amount:</source>
        <translation>Vast bedrag:</translation>
    </message>
    <message>
        <source>Percentage (%):</source>
        <translation>Percentage (%):</translation>
    </message>
    <message>
        <source>Minimum deposit:</source>
        <translation>Minimale aanbetaling:</translation>
    </message>
    <message>
        <source>Balance due (days before arrival):</source>
        <translation>Restbedrag vervalt (dagen vóór aankomst):</translation>
    </message>
    <message>
        <source>These company details were deleted at another desk meanwhile, so nothing was saved. Refresh shows what is left; what you typed is still in the boxes.</source>
        <translation>Deze bedrijfsgegevens zijn intussen op een andere werkplek verwijderd, dus er is niets opgeslagen. Vernieuwen toont wat er over is; wat u typte, staat nog in de velden.</translation>
    </message>
    <message>
        <source>Taxes:</source>
        <translation>Belastingen:</translation>
    </message>
</context>
<context>
    <name>ContractActionsPanel</name>
    <message>
        <source>E&amp;dit...</source>
        <translation>B&amp;ewerken...</translation>
    </message>
    <message>
        <source>Print contr&amp;act...</source>
        <translation>Contract af&amp;drukken...</translation>
    </message>
    <message>
        <source>In&amp;voice...</source>
        <translation>&amp;Factuur...</translation>
    </message>
    <message>
        <source>Rene&amp;w contracts...</source>
        <translation>Contracten &amp;verlengen...</translation>
    </message>
    <message>
        <source>Li&amp;sts...</source>
        <translation>&amp;Lijsten...</translation>
    </message>
    <message>
        <source>Contract %1 ended on %2 unrenewed</source>
        <translation>Contract %1 is op %2 geëindigd zonder verlenging</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Contracten</translation>
    </message>
    <message>
        <source>Contract %1.pdf</source>
        <translation>Contract %1.pdf</translation>
    </message>
    <message>
        <source>No instalment of this contract has been invoiced yet: use Invoice next instalment first.</source>
        <translation>Er is nog geen termijn van dit contract gefactureerd: gebruik eerst Volgende termijn factureren.</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Factuur %1.pdf</translation>
    </message>
</context>
<context>
    <name>ContractBatch</name>
    <message>
        <source>%1 is held over the contract&apos;s days: the contract was not saved.</source>
        <translation>%1 is bezet op de dagen van het contract: het contract is niet opgeslagen.</translation>
    </message>
    <message>
        <source>%1 would be held twice from %2 to %3 by contracts of this run: nothing was saved.</source>
        <translation>%1 zou van %2 tot %3 dubbel bezet zijn door contracten van deze reeks: er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>The renewal letters were not laid out.</source>
        <translation>De verlengingsbrieven zijn niet opgemaakt.</translation>
    </message>
</context>
<context>
    <name>ContractDialog</name>
    <message>
        <source>New Contract</source>
        <translation>Nieuw contract</translation>
    </message>
    <message>
        <source>In full</source>
        <translation>In één keer</translation>
    </message>
    <message>
        <source>Two instalments</source>
        <translation>Twee termijnen</translation>
    </message>
    <message>
        <source>Four instalments</source>
        <translation>Vier termijnen</translation>
    </message>
    <message>
        <source>Twelve instalments</source>
        <translation>Twaalf termijnen</translation>
    </message>
    <message>
        <source>Dates and amounts as typed</source>
        <translation>Data en bedragen zoals getypt</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Vervalt</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>P&amp;ropose price</source>
        <translation>Prijs &amp;voorstellen</translation>
    </message>
    <message>
        <source>Add a ro&amp;w</source>
        <translation>&amp;Regel toevoegen</translation>
    </message>
    <message>
        <source>&amp;Holder:</source>
        <translation>&amp;Houder:</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Boot:</translation>
    </message>
    <message>
        <source>B&amp;erth:</source>
        <translation>&amp;Ligplaats:</translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation>Loop&amp;tijd:</translation>
    </message>
    <message>
        <source>&amp;First day:</source>
        <translation>&amp;Eerste dag:</translation>
    </message>
    <message>
        <source>&amp;Last day:</source>
        <translation>La&amp;atste dag:</translation>
    </message>
    <message>
        <source>Pr&amp;ice before tax:</source>
        <translation>Pr&amp;ijs vóór btw:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>Betalings&amp;plan:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notities:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>(the days as typed)</source>
        <translation>(de dagen zoals getypt)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(geen boot)</translation>
    </message>
    <message>
        <source>The holder&apos;s boats could not be read: %1</source>
        <translation>De boten van de houder konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>The terms could not be read: %1</source>
        <translation>De looptijden konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>No term prices some of these days: type the price.</source>
        <translation>Voor sommige van deze dagen is er geen looptijdprijs: typ de prijs.</translation>
    </message>
    <message>
        <source>Type the price as an amount, such as 1200.00.</source>
        <translation>Typ de prijs als bedrag, zoals 1200.00.</translation>
    </message>
    <message>
        <source>Tax %1, total %2</source>
        <translation>Btw %1, totaal %2</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Kies de houder.</translation>
    </message>
    <message>
        <source>Instalment %1: %2</source>
        <translation>Termijn %1: %2</translation>
    </message>
    <message>
        <source>Instalment %1: type the amount, such as 300.00.</source>
        <translation>Termijn %1: typ het bedrag, zoals 300.00.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>Het contract is geannuleerd: het kan niet meer worden gewijzigd.</translation>
    </message>
    <message>
        <source>Contract %1</source>
        <translation>Contract %1</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. vervalt %2: %3, factuur %4</translation>
    </message>
    <message>
        <source>Invoiced, and kept as they are:
%1</source>
        <translation>Gefactureerd, en ongewijzigd gelaten:
%1</translation>
    </message>
    <message>
        <source>contract</source>
        <translation>contract</translation>
    </message>
</context>
<context>
    <name>ContractDocuments</name>
    <message>
        <source>Contract No:</source>
        <translation>Contractnr.:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Ligplaats(en):</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Looptijd:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Eerste dag:</translation>
    </message>
    <message>
        <source>Last day:</source>
        <translation>Laatste dag:</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Prijs exclusief btw:</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>Btw:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totaal:</translation>
    </message>
    <message>
        <source>Payable in instalments</source>
        <translation>Te betalen in termijnen</translation>
    </message>
    <message>
        <source>%1. due %2</source>
        <translation>%1. vervalt op %2</translation>
    </message>
    <message>
        <source>invoice %1</source>
        <translation>factuur %1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>CONTRACT</source>
        <translation>CONTRACT</translation>
    </message>
    <message>
        <source>%1 lets to %2 the berth(s) below for the days below, on the office&apos;s terms that follow.</source>
        <translation>%1 verhuurt aan %2 de hieronder genoemde ligplaats(en) voor de hieronder genoemde dagen, onder de volgende voorwaarden van het kantoor.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Voorwaarden</translation>
    </message>
    <message>
        <source>For the holder</source>
        <translation>Voor de houder</translation>
    </message>
    <message>
        <source>For %1</source>
        <translation>Voor %1</translation>
    </message>
    <message>
        <source>CONTRACT RENEWAL</source>
        <translation>CONTRACTVERLENGING</translation>
    </message>
    <message>
        <source>Dear %1,</source>
        <translation>Geachte %1,</translation>
    </message>
    <message>
        <source>Your contract %1 for %2 comes to its end. We are pleased to renew it from %3 to %4 at %5, payable as below.</source>
        <translation>Uw contract %1 voor %2 loopt af. Graag verlengen wij het van %3 tot %4 voor %5, te betalen zoals hieronder vermeld.</translation>
    </message>
    <message>
        <source>Yours sincerely,</source>
        <translation>Met vriendelijke groet,</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>FACTUUR</translation>
    </message>
    <message>
        <source>Invoice No:</source>
        <translation>Factuurnr.:</translation>
    </message>
    <message>
        <source>not issued</source>
        <translation>niet uitgegeven</translation>
    </message>
    <message>
        <source>Instalment:</source>
        <translation>Termijn:</translation>
    </message>
    <message>
        <source>%1 of %2, due %3</source>
        <translation>%1 van %2, vervalt op %3</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>This instalment:</source>
        <translation>Deze termijn:</translation>
    </message>
    <message>
        <source>Contract total:</source>
        <translation>Contracttotaal:</translation>
    </message>
    <message>
        <source>Paid so far:</source>
        <translation>Tot nu toe betaald:</translation>
    </message>
    <message>
        <source>Balance of the contract:</source>
        <translation>Saldo van het contract:</translation>
    </message>
    <message>
        <source>The contract terms run to at most %1 characters.</source>
        <translation>De contractvoorwaarden zijn hoogstens %1 tekens lang.</translation>
    </message>
    <message>
        <source>Contract terms:</source>
        <translation>Contractvoorwaarden:</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meters</translation>
    </message>
    <message>
        <source>Before tax:</source>
        <translation>Excl. btw:</translation>
    </message>
    <message>
        <source>The renewal letter of contract %1 is no longer kept.</source>
        <translation>De verlengingsbrief van contract %1 wordt niet meer bewaard.</translation>
    </message>
</context>
<context>
    <name>ContractEdit</name>
    <message>
        <source>Boat:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Berths:</source>
        <translation>Ligplaatsen:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Dagen:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Looptijd:</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Prijs exclusief btw:</translation>
    </message>
    <message>
        <source>Plan:</source>
        <translation>Schema:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>Het contract is geannuleerd: het kan niet meer worden gewijzigd.</translation>
    </message>
    <message>
        <source>An instalment of this contract has been invoiced, so its days stay as they are: cancel it and make a new one to change them.</source>
        <translation>Een termijn van dit contract is al gefactureerd, dus de dagen blijven zoals ze zijn: annuleer het en maak een nieuw contract om ze te wijzigen.</translation>
    </message>
</context>
<context>
    <name>ContractImport</name>
    <message>
        <source>contract %1</source>
        <translation>contract %1</translation>
    </message>
</context>
<context>
    <name>ContractLists</name>
    <message>
        <source>Contracts by berth type</source>
        <translation>Contracten per ligplaatstype</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Ligplaatstype</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Houder</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Ligplaatsen</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Looptijd</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Renewals due from %1 to %2</source>
        <translation>Te verlengen van %1 tot %2</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Eindigt</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Deze looptijd</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Volgende looptijd</translation>
    </message>
    <message>
        <source>Instalments due to %1</source>
        <translation>Termijnen die vervallen tot %1</translation>
    </message>
    <message>
        <source>Instalment</source>
        <translation>Termijn</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Vervalt</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Factuur</translation>
    </message>
    <message>
        <source>Owing</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Achterstallig</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p van %P</translation>
    </message>
    <message>
        <source>Nothing to list.</source>
        <translation>Niets te tonen.</translation>
    </message>
</context>
<context>
    <name>ContractListsWindow</name>
    <message>
        <source>Contract lists</source>
        <translation>Contractlijsten</translation>
    </message>
    <message>
        <source>Contracts by berth type</source>
        <translation>Contracten per ligplaatstype</translation>
    </message>
    <message>
        <source>Renewals due</source>
        <translation>Te verlengen</translation>
    </message>
    <message>
        <source>Instalments due and overdue</source>
        <translation>Te betalen en achterstallige termijnen</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lijst:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To (renewals and instalments):</source>
        <translation>T&amp;ot (verlengingen en termijnen):</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exporteren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>ContractMeters</name>
    <message>
        <source>Billed already up to the reading of %1.</source>
        <translation>Al gefactureerd tot de stand van %1.</translation>
    </message>
    <message>
        <source>Not read twice in the period.</source>
        <translation>In de periode niet twee keer afgelezen.</translation>
    </message>
    <message>
        <source>No %1 tariff is in force on %2.</source>
        <translation>Er geldt op %2 geen tarief voor %1.</translation>
    </message>
    <message>
        <source>Nothing used in the period.</source>
        <translation>Niets verbruikt in de periode.</translation>
    </message>
    <message>
        <source>Contract %1 was cancelled meanwhile.</source>
        <translation>Contract %1 is intussen geannuleerd.</translation>
    </message>
    <message>
        <source>Choose the first and the last day of the period to bill.</source>
        <translation>Kies de eerste en de laatste dag van de te factureren periode.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>De periode eindigt voordat ze begint.</translation>
    </message>
    <message>
        <source>A period billed at once is at most %1 days.</source>
        <translation>Een periode die in één keer wordt gefactureerd, is hoogstens %1 dagen.</translation>
    </message>
</context>
<context>
    <name>ContractMetersDialog</name>
    <message>
        <source>Bill contracts&apos; meters</source>
        <translation>Meters van contracten afrekenen</translation>
    </message>
    <message>
        <source>&amp;Dry run</source>
        <translation>&amp;Proefrun</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Houder</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verbruik</translation>
    </message>
    <message>
        <source>Before tax</source>
        <translation>Excl. btw</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Run the period dry first: nothing is billed until you choose Bill.</source>
        <translation>Draai de periode eerst als proefrun: er wordt niets afgerekend tot u Afrekenen kiest.</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>&amp;Bill...</source>
        <translation>&amp;Afrekenen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Bill meters...</source>
        <translation>&amp;Meters afrekenen...</translation>
    </message>
    <message numerus="yes">
        <source>Bill the meters of %n contract(s) from %1 to %2, %3 with tax? Each contract gets an invoice of its own.</source>
        <translation>
            <numerusform>De meters van %n contract afrekenen van %1 tot %2, %3 inclusief btw? Elk contract krijgt een eigen factuur.</numerusform>
            <numerusform>De meters van %n contracten afrekenen van %1 tot %2, %3 inclusief btw? Elk contract krijgt een eigen factuur.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go back without billing</source>
        <translation>&amp;Terug zonder afrekenen</translation>
    </message>
    <message>
        <source>&amp;Bill %1</source>
        <translation>%1 &amp;afrekenen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>Billed: %n invoice(s) (%1), %2 before tax, %3 with tax.</source>
        <translation>
            <numerusform>Afgerekend: %n factuur (%1), %2 exclusief btw, %3 inclusief btw.</numerusform>
            <numerusform>Afgerekend: %n facturen (%1), %2 exclusief btw, %3 inclusief btw.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dry run, nothing billed: %n invoice(s) would be issued, %1 before tax, %2 with tax.</source>
        <translation>
            <numerusform>Proefrun, niets afgerekend: %n factuur zou worden uitgereikt, %1 exclusief btw, %2 inclusief btw.</numerusform>
            <numerusform>Proefrun, niets afgerekend: %n facturen zouden worden uitgereikt, %1 exclusief btw, %2 inclusief btw.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContractPaymentDialog</name>
    <message>
        <source>Contract %1: %2</source>
        <translation>Contract %1: %2</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Betaling</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Terugbetaling</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correctie</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Bedrag:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>Betaal&amp;wijze:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Referentie:</translation>
    </message>
    <message>
        <source>Recor&amp;d</source>
        <translation>&amp;Vastleggen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Type the amount, such as 300.00.</source>
        <translation>Typ het bedrag, zoals 300.00.</translation>
    </message>
</context>
<context>
    <name>ContractPlan</name>
    <message>
        <source>A plan needs at least one instalment.</source>
        <translation>Een schema heeft minstens één termijn nodig.</translation>
    </message>
    <message>
        <source>A plan has at most %1 instalments.</source>
        <translation>Een schema heeft hoogstens %1 termijnen.</translation>
    </message>
    <message>
        <source>Instalment %1 needs the date it falls due.</source>
        <translation>Termijn %1 heeft een vervaldatum nodig.</translation>
    </message>
    <message>
        <source>Instalment %1 falls due after the contract ends, on %2.</source>
        <translation>Termijn %1 vervalt na het einde van het contract, op %2.</translation>
    </message>
    <message>
        <source>Instalment %1 must be an amount of whole pence, not below %2.</source>
        <translation>Termijn %1 moet een bedrag in hele centen zijn, niet lager dan %2.</translation>
    </message>
    <message>
        <source>The instalments add up to %1, not the contract&apos;s %2: %3 %4.</source>
        <translation>De termijnen komen samen op %1, niet op de %2 van het contract: %3 %4.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>erbij</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>eraf</translation>
    </message>
    <message>
        <source>Invoices of %1 were issued on this contract already: its total cannot go below them (%2). Record a refund or a correction instead.</source>
        <translation>Op dit contract zijn al facturen voor %1 uitgegeven: het totaal kan daar niet onder komen (%2). Boek in plaats daarvan een terugbetaling of een correctie.</translation>
    </message>
</context>
<context>
    <name>ContractRenewals</name>
    <message>
        <source>No term price covers %1 from %2 to %3: type the price, or add it in Terms and prices.</source>
        <translation>Geen looptijdprijs geldt voor %1 van %2 tot %3: typ de prijs, of voeg hem toe in Looptijden en prijzen.</translation>
    </message>
    <message>
        <source>The renewal price of contract %1 (%2) must be from %3 to %4 in whole pence: nothing was renewed.</source>
        <translation>De verlengingsprijs van contract %1 (%2) moet tussen %3 en %4 in hele centen liggen: er is niets verlengd.</translation>
    </message>
    <message>
        <source>Contract %1 (%2): %3</source>
        <translation>Contract %1 (%2): %3</translation>
    </message>
    <message>
        <source>Contract %1 (%2) was renewed, cancelled or changed at another desk meanwhile: nothing was renewed. Read the list again.</source>
        <translation>Contract %1 (%2) is intussen op een andere werkplek verlengd, geannuleerd of gewijzigd: er is niets verlengd. Lees de lijst opnieuw in.</translation>
    </message>
    <message>
        <source>Contract %1 (%2) could not be renewed, so nothing was: %3</source>
        <translation>Contract %1 (%2) kon niet worden verlengd, dus er is niets verlengd: %3</translation>
    </message>
</context>
<context>
    <name>ContractStore</name>
    <message>
        <source>The holder is no longer in the customer list.</source>
        <translation>De houder staat niet meer in de klantenlijst.</translation>
    </message>
    <message>
        <source>A berth of the contract is no longer in the register.</source>
        <translation>Een ligplaats van het contract staat niet meer in het register.</translation>
    </message>
    <message>
        <source>%1 is not in use: make it active in the berth register first.</source>
        <translation>%1 is niet in gebruik: maak deze eerst actief in het ligplaatsregister.</translation>
    </message>
    <message>
        <source>%1 is booked from %2 to %3 (booking %4, %5): the contract was not saved.</source>
        <translation>%1 is geboekt van %2 tot %3 (boeking %4, %5): het contract is niet opgeslagen.</translation>
    </message>
    <message>
        <source>%1 is blocked from %2 to %3 (%4): the contract was not saved.</source>
        <translation>%1 is geblokkeerd van %2 tot %3 (%4): het contract is niet opgeslagen.</translation>
    </message>
    <message>
        <source>%1 is held by contract %2 (%3) from %4 to %5: the contract was not saved.</source>
        <translation>%1 is bezet door contract %2 (%3) van %4 tot %5: het contract is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Een andere werkplek heeft dit contract intussen verwijderd.</translation>
    </message>
    <message>
        <source>The contract has no instalment %1.</source>
        <translation>Het contract heeft geen termijn %1.</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Kies de houder.</translation>
    </message>
    <message>
        <source>Please choose the berth the contract holds.</source>
        <translation>Kies de ligplaats van het contract.</translation>
    </message>
    <message>
        <source>A berth is chosen twice.</source>
        <translation>Een ligplaats is twee keer gekozen.</translation>
    </message>
    <message>
        <source>Please give the contract&apos;s first and last days.</source>
        <translation>Geef de eerste en de laatste dag van het contract op.</translation>
    </message>
    <message>
        <source>The contract ends before it starts.</source>
        <translation>Het contract eindigt voordat het begint.</translation>
    </message>
    <message>
        <source>A contract must lie between %1 and %2.</source>
        <translation>Een contract moet tussen %1 en %2 liggen.</translation>
    </message>
    <message>
        <source>A contract runs for at most %1 days: make a new one for what follows.</source>
        <translation>Een contract loopt hoogstens %1 dagen: maak een nieuw contract voor wat volgt.</translation>
    </message>
    <message>
        <source>The price must be from %1 to %2 in whole pence.</source>
        <translation>De prijs moet tussen %1 en %2 in hele centen liggen.</translation>
    </message>
    <message>
        <source>The notes run to at most %1 characters.</source>
        <translation>De notities zijn hoogstens %1 tekens lang.</translation>
    </message>
    <message>
        <source>%1 was booked over the contract&apos;s days meanwhile: the contract was not saved.</source>
        <translation>%1 is intussen geboekt op dagen van het contract: het contract is niet opgeslagen.</translation>
    </message>
    <message>
        <source>The contract has already been cancelled.</source>
        <translation>Het contract is al geannuleerd.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its instalments are not invoiced.</source>
        <translation>Het contract is geannuleerd: de termijnen worden niet gefactureerd.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: only a refund or a correction can be recorded.</source>
        <translation>Het contract is geannuleerd: alleen een terugbetaling of een correctie kan worden geboekt.</translation>
    </message>
    <message>
        <source>This customer holds a contract, kept for the accounts even once cancelled, so the customer cannot be deleted.</source>
        <translation>Deze klant heeft een contract dat ook na annulering voor de boekhouding bewaard blijft, dus de klant kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>This berth is let under a contract, kept for the accounts even once cancelled or ended, so the berth cannot be deleted. Make it inactive instead.</source>
        <translation>Deze ligplaats wordt verhuurd onder een contract dat ook na annulering of afloop voor de boekhouding bewaard blijft, dus de ligplaats kan niet worden verwijderd. Maak haar in plaats daarvan inactief.</translation>
    </message>
    <message>
        <source>A berth of this owner is let under a contract, kept for the accounts even once cancelled or ended, so the owner cannot be deleted.</source>
        <translation>Een ligplaats van deze eigenaar wordt verhuurd onder een contract dat ook na annulering of afloop voor de boekhouding bewaard blijft, dus de eigenaar kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Contract %1: %2, %3 from %4 to %5, %6</source>
        <translation>Contract %1: %2, %3 van %4 tot %5, %6</translation>
    </message>
</context>
<context>
    <name>ContractTermsPanel</name>
    <message>
        <source>Contract &amp;terms, printed on every contract above the signatures:</source>
        <translation>&amp;Contractvoorwaarden, afgedrukt op elk contract boven de handtekeningen:</translation>
    </message>
    <message>
        <source>Contract terms</source>
        <translation>Contractvoorwaarden</translation>
    </message>
    <message>
        <source>contract terms</source>
        <translation>contractvoorwaarden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>C&amp;ontract terms...</source>
        <translation>C&amp;ontractvoorwaarden...</translation>
    </message>
</context>
<context>
    <name>ContractsWindow</name>
    <message>
        <source>Contracts</source>
        <translation>Contracten</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled contracts</source>
        <translation>Geannuleerde contracten &amp;tonen</translation>
    </message>
    <message>
        <source>N&amp;ew contract...</source>
        <translation>&amp;Nieuw contract...</translation>
    </message>
    <message>
        <source>&amp;Payment...</source>
        <translation>&amp;Betaling...</translation>
    </message>
    <message>
        <source>&amp;Invoice next instalment</source>
        <translation>Volgende termijn fact&amp;ureren</translation>
    </message>
    <message>
        <source>Cance&amp;l contract...</source>
        <translation>Contract &amp;annuleren...</translation>
    </message>
    <message>
        <source>&amp;Terms and prices...</source>
        <translation>Looptijden en &amp;prijzen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Contract %1, instalment %2 of %3: invoice %4</source>
        <translation>Contract %1, termijn %2 van %3: factuur %4</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Ligplaatstype</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Houder</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Looptijd</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>%1 (cancelled)</source>
        <translation>%1 (geannuleerd)</translation>
    </message>
    <message>
        <source>No contract chosen.</source>
        <translation>Geen contract gekozen.</translation>
    </message>
    <message>
        <source>Contract %1 of %2, boat %3: %4 before tax, tax %5, paid %6</source>
        <translation>Contract %1 van %2, boot %3: %4 exclusief btw, btw %5, betaald %6</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. vervalt %2: %3, factuur %4</translation>
    </message>
    <message>
        <source>%1. due %2: %3</source>
        <translation>%1. vervalt %2: %3</translation>
    </message>
    <message>
        <source>Contract %1: %2 %3, paid now %4</source>
        <translation>Contract %1: %2 %3, nu betaald %4</translation>
    </message>
    <message>
        <source>Every instalment of this contract has its invoice.</source>
        <translation>Elke termijn van dit contract heeft zijn factuur.</translation>
    </message>
    <message>
        <source>Cancel contract %1 of %2?

Yes frees %3 from %4 to %5; the %6 paid stays on the contract&apos;s ledger, to be refunded with Payment if it is due back.
No keeps the contract.</source>
        <translation>Contract %1 van %2 annuleren?

Ja maakt %3 vrij van %4 tot %5; de betaalde %6 blijft in het journaal van het contract, terug te betalen met Betaling als het terug moet.
Nee houdt het contract.</translation>
    </message>
</context>
<context>
    <name>CreditNotes</name>
    <message>
        <source>Enter the company&apos;s details before issuing a credit note.</source>
        <translation>Vul de bedrijfsgegevens in voordat u een creditnota uitreikt.</translation>
    </message>
    <message>
        <source>Credit note %1 of %2 against invoice %3 for booking %4</source>
        <translation>Creditnota %1 van %2 bij factuur %3 voor boeking %4</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>There is no data to export</source>
        <translation>Er zijn geen gegevens om te exporteren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>Export Customers</source>
        <translation>Klanten exporteren</translation>
    </message>
    <message>
        <source>Export Reservations</source>
        <translation>Reserveringen exporteren</translation>
    </message>
    <message>
        <source>Export Payments</source>
        <translation>Betalingen exporteren</translation>
    </message>
    <message>
        <source>Export Today&apos;s Reservations</source>
        <translation>Reserveringen van vandaag exporteren</translation>
    </message>
</context>
<context>
    <name>CsvRead</name>
    <message>
        <source>line %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>The file has a field longer than a million characters (%1): it does not look like a list of records.</source>
        <translation>Het bestand heeft een veld van meer dan een miljoen tekens (%1): het lijkt niet op een lijst met records.</translation>
    </message>
    <message>
        <source>The file holds binary data (a NUL byte near %1): it is not a CSV file.</source>
        <translation>Het bestand bevat binaire gegevens (een NUL-byte bij %1): het is geen CSV-bestand.</translation>
    </message>
</context>
<context>
    <name>CustomerDialog</name>
    <message>
        <source>, %1 m</source>
        <translation>, %1 m</translation>
    </message>
    <message>
        <source>Add customer</source>
        <translation>Klant toevoegen</translation>
    </message>
    <message>
        <source>Edit Customer</source>
        <translation>Klant bewerken</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clublid</translation>
    </message>
    <message>
        <source>Boats and vehicles</source>
        <translation>Boten en voertuigen</translation>
    </message>
    <message>
        <source>Add &amp;Boat...</source>
        <translation>&amp;Boot toevoegen...</translation>
    </message>
    <message>
        <source>Edi&amp;t Boat...</source>
        <translation>Boot be&amp;werken...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Boat</source>
        <translation>Boot &amp;verwijderen</translation>
    </message>
    <message>
        <source>Save the customer first, then open it again to add boats.</source>
        <translation>Sla de klant eerst op en open hem dan opnieuw om boten toe te voegen.</translation>
    </message>
    <message>
        <source>Remove the boat &quot;%1&quot; from this customer?</source>
        <translation>De boot &quot;%1&quot; bij deze klant verwijderen?</translation>
    </message>
    <message>
        <source>Document lan&amp;guage:</source>
        <translation>Document&amp;taal:</translation>
    </message>
</context>
<context>
    <name>CustomerListWindow</name>
    <message>
        <source>Customers</source>
        <translation>Klanten</translation>
    </message>
    <message>
        <source>&amp;Add Customer</source>
        <translation>Klant &amp;toevoegen</translation>
    </message>
    <message>
        <source>View/&amp;Edit Customer</source>
        <translation>Klant bekijken/&amp;bewerken</translation>
    </message>
    <message>
        <source>&amp;Delete Customer</source>
        <translation>Klant &amp;verwijderen</translation>
    </message>
</context>
<context>
    <name>CustomerSearchModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Huisnaam</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Wijk</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Tel. No.</source>
        <translation>Telefoonnr.</translation>
    </message>
    <message>
        <source>Mobile No.</source>
        <translation>Mobiel nr.</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clublid</translation>
    </message>
    <message>
        <source>Membership No.</source>
        <translation>Lidnummer</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
</context>
<context>
    <name>CustomerStore</name>
    <message>
        <source>Deleting this customer will also remove all past reservations. This would affect historic reports. Are you sure you want to delete this customer?</source>
        <translation>Als u deze klant verwijdert, worden ook alle eerdere reserveringen verwijderd. Dat zou historische rapporten beïnvloeden. Weet u zeker dat u deze klant wilt verwijderen?</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The database is not open.</source>
        <translation>De database is niet geopend.</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Record: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The schema is missing from the program.</source>
        <translation>Het schema ontbreekt in het programma.</translation>
    </message>
    <message>
        <source>The tables cannot be read.</source>
        <translation>De tabellen kunnen niet worden gelezen.</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>tabel %1</translation>
    </message>
    <message>
        <source>column %1.%2</source>
        <translation>kolom %1.%2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>ontbreekt: %1</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql).</source>
        <translation>Het PostgreSQL-stuurprogramma van Qt is niet geïnstalleerd (Debian: libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 is geen Zem Harbour-database.</translation>
    </message>
    <message>
        <source>%1 was written by a newer release.</source>
        <translation>%1 is geschreven door een nieuwere versie.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded from version %2: %3</source>
        <translation>%1 kon niet worden bijgewerkt vanaf versie %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database: %2.</source>
        <translation>%1 is geen Zem Harbour-database: %2.</translation>
    </message>
    <message>
        <source>The database %1 already holds tables; it was left as it is.</source>
        <translation>De database %1 bevat al tabellen; ze is gelaten zoals ze was.</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 bestaat al; het is gelaten zoals het was.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Kan %1 niet schrijven.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 bestaat niet.</translation>
    </message>
</context>
<context>
    <name>DateBox</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>De datum moet tussen %1 en %2 liggen.</translation>
    </message>
</context>
<context>
    <name>DateTimes</name>
    <message>
        <source>&quot;%1&quot; is not a date. %2</source>
        <translation>&quot;%1&quot; is geen datum. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not written as dates are written here (%2). %3</source>
        <translation>&quot;%1&quot; is niet geschreven zoals data hier worden geschreven (%2). %3</translation>
    </message>
    <message>
        <source>There is no %1: %2 %3 has %4 days.</source>
        <translation>%1 bestaat niet: %2 %3 heeft %4 dagen.</translation>
    </message>
    <message>
        <source>Type a date as %1, for example %2 or %3</source>
        <translation>Typ een datum als %1, bijvoorbeeld %2 of %3</translation>
    </message>
</context>
<context>
    <name>DayList</name>
    <message>
        <source>n/a</source>
        <translation>n.v.t.</translation>
    </message>
</context>
<context>
    <name>DayListModel</name>
    <message>
        <source>No reservations exist for this date</source>
        <translation>Er zijn geen reserveringen voor deze datum</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Betaald</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Berth(s)</source>
        <translation>Ligplaats(en)</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Aankomst</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Vertrek</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
</context>
<context>
    <name>DependentBookings</name>
    <message>
        <source>Payments have been recorded on this customer&apos;s bookings. They are kept for the accounts, so the customer cannot be deleted.</source>
        <translation>Op de boekingen van deze klant zijn betalingen vastgelegd. Die worden bewaard voor de boekhouding, dus de klant kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Payments have been recorded on bookings of this berth. They are kept for the accounts: cancel those bookings first.</source>
        <translation>Op boekingen van deze ligplaats zijn betalingen vastgelegd. Die worden bewaard voor de boekhouding: annuleer eerst die boekingen.</translation>
    </message>
    <message>
        <source>1 booking was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Sinds de vraag is er op een andere werkplek 1 boeking gemaakt. Er is niets verwijderd.</translation>
    </message>
    <message>
        <source>%1 bookings were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Sinds de vraag zijn er op een andere werkplek %1 boekingen gemaakt. Er is niets verwijderd.</translation>
    </message>
</context>
<context>
    <name>Dialect</name>
    <message>
        <source>No schema version.</source>
        <translation>Geen schemaversie.</translation>
    </message>
</context>
<context>
    <name>DocumentLanguage</name>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>Er is geen taal met de code &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The office&apos;s language</source>
        <translation>De taal van het kantoor</translation>
    </message>
</context>
<context>
    <name>DocumentLanguageDialog</name>
    <message>
        <source>Document language</source>
        <translation>Documenttaal</translation>
    </message>
    <message>
        <source>Confirmations, invoices, reminders and e-mails go out in this language to customers who have none of their own.</source>
        <translation>Bevestigingen, facturen, herinneringen en e-mails gaan in deze taal naar klanten die zelf geen taal hebben.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Document lan&amp;guage...</source>
        <translation>Doc&amp;umenttaal...</translation>
    </message>
    <message>
        <source>Document language: %1</source>
        <translation>Documenttaal: %1</translation>
    </message>
</context>
<context>
    <name>DocumentRenderer</name>
    <message>
        <source>The document could not be laid out.</source>
        <translation>Het document kon niet worden opgemaakt.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Print on the default printer (%1)</source>
        <translation>Afdrukken op de standaardprinter (%1)</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Opslaan als PDF…</translation>
    </message>
    <message>
        <source>Save as a PDF file (%1)</source>
        <translation>Opslaan als PDF-bestand (%1)</translation>
    </message>
    <message>
        <source>The document could not be printed: %1</source>
        <translation>Het document kon niet worden afgedrukt: %1</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save the document as a PDF file instead?</source>
        <translation>Er is geen printer geïnstalleerd. Wilt u het document in plaats daarvan als PDF-bestand opslaan?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Het PDF-bestand %1 kon niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>DocumentsMenu</name>
    <message>
        <source>The booking could not be read: %1</source>
        <translation>De boeking kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Booking Confirmation</source>
        <translation>Boekingsbevestiging</translation>
    </message>
    <message>
        <source>The booking has been cancelled: it cannot be confirmed.</source>
        <translation>De boeking is geannuleerd: ze kan niet worden bevestigd.</translation>
    </message>
    <message>
        <source>Credit Note</source>
        <translation>Creditnota</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Voorbeeld...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Opslaan als &amp;PDF...</translation>
    </message>
    <message>
        <source>Choose a booking in one of the lists first.</source>
        <translation>Kies eerst een boeking in een van de lijsten.</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Do you want to delete traces older than 7 days?</source>
        <translation>Wilt u traces die ouder zijn dan 7 dagen verwijderen?</translation>
    </message>
    <message>
        <source>End of workday</source>
        <translation>Einde werkdag</translation>
    </message>
    <message>
        <source>These trace folders could not be deleted:
%1</source>
        <translation>Deze tracemappen konden niet worden verwijderd:
%1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
</context>
<context>
    <name>EventLogViewer</name>
    <message>
        <source>View Event Log File</source>
        <translation>Logbestand bekijken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file is too large to show whole: only its beginning is shown.</source>
        <translation>Het bestand is te groot om helemaal te tonen: alleen het begin wordt getoond.</translation>
    </message>
    <message>
        <source>Open Trace Log File</source>
        <translation>Tracelogbestand openen</translation>
    </message>
    <message>
        <source>All Files (*);;Log Files (*.log *.Log)</source>
        <translation>Alle bestanden (*);;Logbestanden (*.log *.Log)</translation>
    </message>
    <message>
        <source>Log Files (*.log *.Log)</source>
        <translation>Logbestanden (*.log *.Log)</translation>
    </message>
</context>
<context>
    <name>ExportMenu</name>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
</context>
<context>
    <name>FeedFetch</name>
    <message>
        <source>&quot;%1&quot; is not a calendar address: it should start with https://, http:// or webcal://.</source>
        <translation>&quot;%1&quot; is geen kalenderadres: het moet beginnen met https://, http:// of webcal://.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: the transfer library did not start.</source>
        <translation>De kalender kon niet worden opgehaald: de overdrachtsbibliotheek is niet gestart.</translation>
    </message>
    <message>
        <source>The calendar is larger than %1 kB: it was not read.</source>
        <translation>De kalender is groter dan %1 kB: hij is niet gelezen.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times: it was not read.</source>
        <translation>Het adres stuurt meer dan %1 keer door: het is niet gelezen.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>De server antwoordde niet binnen %1 seconden.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: %1</source>
        <translation>De kalender kon niet worden opgehaald: %1</translation>
    </message>
    <message>
        <source>The server answered %1 instead of the calendar.</source>
        <translation>De server antwoordde %1 in plaats van de kalender.</translation>
    </message>
</context>
<context>
    <name>FeedPublisher</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>De map %1 kon niet worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>The calendar was read but its blocks could not be saved: %1</source>
        <translation>De kalender is gelezen, maar de blokkeringen konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1: %2 blocks added, %3 moved, %4 released</source>
        <translation>%1: %2 blokkeringen toegevoegd, %3 verplaatst, %4 vrijgegeven</translation>
    </message>
    <message>
        <source>; over booking %1 (%2) from %3 to %4</source>
        <translation>; over boeking %1 (%2) van %3 tot %4</translation>
    </message>
</context>
<context>
    <name>FeedStore</name>
    <message>
        <source>The address may be at most %1 characters long.</source>
        <translation>Het adres mag hoogstens %1 tekens lang zijn.</translation>
    </message>
    <message>
        <source>Please choose the berth whose calendar this is.</source>
        <translation>Kies de ligplaats waarvan dit de kalender is.</translation>
    </message>
    <message>
        <source>%1 already reads this calendar.</source>
        <translation>%1 leest deze kalender al.</translation>
    </message>
    <message>
        <source>Booked elsewhere (%1)</source>
        <translation>Elders geboekt (%1)</translation>
    </message>
</context>
<context>
    <name>FieldChanges</name>
    <message>
        <source>Another desk changed the same fields while you were editing, so nothing was saved.</source>
        <translation>Een andere werkplek heeft dezelfde velden gewijzigd terwijl u bewerkte, dus er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leeg)</translation>
    </message>
    <message>
        <source>%1 theirs %2, yours %3</source>
        <translation>%1 van hen %2, van u %3</translation>
    </message>
    <message>
        <source>Another desk changed this %1 while you were editing it:

%2

Yes keeps theirs, No saves yours over theirs, Cancel goes back to editing. Your other changes are saved either way.</source>
        <translation>Een andere werkplek heeft dit record (%1) gewijzigd terwijl u het bewerkte:

%2

Ja houdt die van hen, Nee slaat die van u eroverheen op, Annuleren gaat terug naar bewerken. Uw overige wijzigingen worden hoe dan ook opgeslagen.</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Afdruk&amp;voorbeeld...</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Opslaan als &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exporteren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>%1 exporteren</translation>
    </message>
</context>
<context>
    <name>FileConnection</name>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>De SQLite-verbinding is niet geopend.</translation>
    </message>
</context>
<context>
    <name>FileSecurity</name>
    <message>
        <source>Cannot restrict %1 to its owner: %2</source>
        <translation>Kan %1 niet tot de eigenaar beperken: %2</translation>
    </message>
</context>
<context>
    <name>FindBookingModel</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Arriving on</source>
        <translation>Aankomst op</translation>
    </message>
    <message>
        <source>Depating on</source>
        <translation>Vertrek op</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Betaald</translation>
    </message>
</context>
<context>
    <name>FindBookingWindow</name>
    <message>
        <source>Find Booking</source>
        <translation>Boeking zoeken</translation>
    </message>
    <message>
        <source>Arriving on:</source>
        <translation>Aankomst op:</translation>
    </message>
    <message>
        <source>Departing on:</source>
        <translation>Vertrek op:</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled bookings</source>
        <translation>Geannuleerde boekingen &amp;tonen</translation>
    </message>
    <message>
        <source>Part of the customer&apos;s name</source>
        <translation>Deel van de naam van de klant</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Na&amp;am:</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>Zoeken &amp;starten</translation>
    </message>
    <message>
        <source>&amp;View/Edit Booking</source>
        <translation>Boeking &amp;bekijken/bewerken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Total matches:</source>
        <translation>Totaal gevonden:</translation>
    </message>
    <message>
        <source>The bookings could not be searched: %1</source>
        <translation>De boekingen konden niet worden doorzocht: %1</translation>
    </message>
</context>
<context>
    <name>FindCustomerDialog</name>
    <message>
        <source>Find Customer</source>
        <translation>Klant zoeken</translation>
    </message>
    <message>
        <source>any part of the name, house name, town, post code, phone or e-mail</source>
        <translation>een deel van de naam, huisnaam, plaats, postcode, telefoon of e-mail</translation>
    </message>
    <message>
        <source>&amp;Any part:</source>
        <translation>&amp;Willekeurig deel:</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clublid</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>Zoeken &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Add Customer</source>
        <translation>Klant toevoegen</translation>
    </message>
    <message>
        <source>View/Edit Customer</source>
        <translation>Klant bekijken/bewerken</translation>
    </message>
    <message>
        <source>Delete Customer</source>
        <translation>Klant verwijderen</translation>
    </message>
    <message>
        <source>Total customer matches:</source>
        <translation>Totaal gevonden klanten:</translation>
    </message>
    <message>
        <source>The customer could not be deleted: %1</source>
        <translation>De klant kon niet worden verwijderd: %1</translation>
    </message>
</context>
<context>
    <name>HarbourFigures</name>
    <message>
        <source>no berths</source>
        <translation>geen ligplaatsen</translation>
    </message>
    <message>
        <source>by day</source>
        <translation>per dag</translation>
    </message>
    <message>
        <source>by week</source>
        <translation>per week</translation>
    </message>
    <message>
        <source>by month</source>
        <translation>per maand</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>by month read</source>
        <translation>per maand van aflezing</translation>
    </message>
    <message>
        <source>by month of arrival</source>
        <translation>per maand van aankomst</translation>
    </message>
    <message>
        <source>No type</source>
        <translation>Geen type</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Bezetting</translation>
    </message>
    <message>
        <source>Nights sold on the berths active now, of the nights they had; %1 berths active.</source>
        <translation>Verkochte nachten op de nu actieve ligplaatsen, van de nachten die ze hadden; %1 ligplaatsen actief.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Verkochte nachten</translation>
    </message>
    <message>
        <source>Nights available</source>
        <translation>Beschikbare nachten</translation>
    </message>
    <message>
        <source>All berths</source>
        <translation>Alle ligplaatsen</translation>
    </message>
    <message>
        <source>No berths are active, so there is no occupancy to show (no berths).</source>
        <translation>Er zijn geen ligplaatsen actief, dus er is geen bezetting te tonen (geen ligplaatsen).</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Omzet per maand</translation>
    </message>
    <message>
        <source>The agreed prices of the bookings, cancelled ones left out.</source>
        <translation>De afgesproken prijzen van de boekingen, zonder geannuleerde.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Boekingen</translation>
    </message>
    <message>
        <source>Hire</source>
        <translation>Huur</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Overige kosten</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Btw</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>No booking arrives in this period.</source>
        <translation>In deze periode komt geen boeking aan.</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Meterverbruik per maand</translation>
    </message>
    <message>
        <source>units</source>
        <translation>eenheden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No meter counted any use in this period.</source>
        <translation>Geen meter heeft in deze periode verbruik geteld.</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Verblijfsduur en boekingstermijn</translation>
    </message>
    <message>
        <source>Lead time: the days from taking the booking to the arrival.</source>
        <translation>Boekingstermijn: de dagen van het aannemen van de boeking tot de aankomst.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dagen</translation>
    </message>
    <message>
        <source>Average stay (nights)</source>
        <translation>Gemiddeld verblijf (nachten)</translation>
    </message>
    <message>
        <source>Average lead time (days)</source>
        <translation>Gemiddelde boekingstermijn (dagen)</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>De drukste ligplaatsen</translation>
    </message>
    <message>
        <source>The %1 berths with the most nights sold.</source>
        <translation>De %1 ligplaatsen met de meeste verkochte nachten.</translation>
    </message>
    <message>
        <source>nights</source>
        <translation>nachten</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>No night is sold in this period.</source>
        <translation>In deze periode is geen nacht verkocht.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Vul de eerste en de laatste dag van de periode in.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>De periode eindigt voordat ze begint.</translation>
    </message>
    <message>
        <source>A period of more than %1 years cannot be shown.</source>
        <translation>Een periode van meer dan %1 jaar kan niet worden getoond.</translation>
    </message>
    <message>
        <source>The chart would have %1 bars, more than %2: choose weeks or months for a period this long.</source>
        <translation>De grafiek zou %1 staven hebben, meer dan %2: kies weken of maanden voor zo&apos;n lange periode.</translation>
    </message>
    <message>
        <source>No such figure.</source>
        <translation>Geen dergelijk cijfer.</translation>
    </message>
    <message>
        <source>The next 14 nights</source>
        <translation>De komende 14 nachten</translation>
    </message>
    <message>
        <source>Berths taken for the night, of %1 active</source>
        <translation>Bezette ligplaatsen per nacht, van %1 actief</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>ligplaatsen</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Berths taken</source>
        <translation>Bezette ligplaatsen</translation>
    </message>
    <message>
        <source>No berths are active (no berths).</source>
        <translation>Er zijn geen ligplaatsen actief (geen ligplaatsen).</translation>
    </message>
    <message>
        <source>%1: page %p of %P</source>
        <translation>%1: pagina %p van %P</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>The help page %1 cannot be found.</source>
        <translation>De helppagina %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no web browser answered.</source>
        <translation>De helppagina %1 kon niet worden geopend: er reageerde geen webbrowser.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser answered. Type the address into a browser.</source>
        <translation>%1 kon niet worden geopend: er reageerde geen webbrowser. Typ het adres in een browser.</translation>
    </message>
</context>
<context>
    <name>HolderCredits</name>
    <message>
        <source>The holder&apos;s share is a percentage from 0 to %1.</source>
        <translation>Het aandeel van de houder is een percentage van 0 tot %1.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before setting the holder&apos;s share.</source>
        <translation>Vul de bedrijfsgegevens in voordat u het aandeel van de houder instelt.</translation>
    </message>
    <message>
        <source>Share of the hire of booking %1 while away</source>
        <translation>Aandeel in de huur van boeking %1 tijdens afwezigheid</translation>
    </message>
    <message>
        <source>Enter a period that ends on or after its first day.</source>
        <translation>Vul een periode in die op of na de eerste dag eindigt.</translation>
    </message>
</context>
<context>
    <name>HolderCreditsDialog</name>
    <message>
        <source>Credits earned by holders away</source>
        <translation>Tegoeden van afwezige houders</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Houder</translation>
    </message>
    <message>
        <source>Visitor&apos;s booking</source>
        <translation>Boeking van de passant</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Tegoed</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>T&amp;ot:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>C&amp;redits...</source>
        <translation>Te&amp;goeden...</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n credit(s), %1 in all</source>
        <translation>
            <numerusform>%n tegoed, in totaal %1</numerusform>
            <numerusform>%n tegoeden, in totaal %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HolderShareDialog</name>
    <message>
        <source>Holders&apos; share</source>
        <translation>Aandeel van de houders</translation>
    </message>
    <message>
        <source>A holder away is credited this share of the hire a visitor pays for the berth.</source>
        <translation>Een afwezige houder krijgt dit aandeel van de huur die een passant voor de ligplaats betaalt als tegoed.</translation>
    </message>
    <message>
        <source>&amp;Share of the visitor&apos;s hire:</source>
        <translation>&amp;Aandeel in de huur van de passant:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;leren</translation>
    </message>
    <message>
        <source>&amp;Holders&apos; share...</source>
        <translation>Aandeel &amp;houders...</translation>
    </message>
    <message>
        <source>%1 % of a visitor&apos;s hire</source>
        <translation>%1 % van de huur van een passant</translation>
    </message>
</context>
<context>
    <name>ImapMailbox</name>
    <message>
        <source>The folder name &quot;%1&quot; may hold letters, digits, spaces and . _ / - only.</source>
        <translation>De mapnaam &quot;%1&quot; mag alleen letters, cijfers, spaties en . _ / - bevatten.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: the transfer library did not start.</source>
        <translation>Het postvak kon niet worden gelezen: de overdrachtsbibliotheek is niet gestart.</translation>
    </message>
    <message>
        <source>The message is larger than %1 KB.</source>
        <translation>Het bericht is groter dan %1 KB.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>De mailserver %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>De mailserver %1 antwoordde niet op poort %2.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>De mailserver weigerde de gebruikersnaam of het wachtwoord: %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>De mailserver biedt geen beveiligde verbinding (STARTTLS): %1</translation>
    </message>
    <message>
        <source>The mail server did not answer within %1 seconds.</source>
        <translation>De mailserver antwoordde niet binnen %1 seconden.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: %1</source>
        <translation>Het postvak kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>The mail server did not give the size of message %1.</source>
        <translation>De mailserver gaf de grootte van bericht %1 niet op.</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Berths and berth types</source>
        <translation>Ligplaatsen en ligplaatstypen</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Boekingen</translation>
    </message>
    <message>
        <source>Opening balances</source>
        <translation>Beginsaldi</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Contracten</translation>
    </message>
    <message>
        <source>Customers with boats</source>
        <translation>Klanten met boten</translation>
    </message>
    <message>
        <source>Old reference</source>
        <translation>Oude referentie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>House name</source>
        <translation>Huisnaam</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Wijk</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobiel</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Boat reference</source>
        <translation>Bootreferentie</translation>
    </message>
    <message>
        <source>Boat name</source>
        <translation>Bootnaam</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registratie</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Lengte (m)</translation>
    </message>
    <message>
        <source>Beam (m)</source>
        <translation>Breedte (m)</translation>
    </message>
    <message>
        <source>Draft (m)</source>
        <translation>Diepgang (m)</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Ligplaatstype</translation>
    </message>
    <message>
        <source>Width (m)</source>
        <translation>Breedte (m)</translation>
    </message>
    <message>
        <source>Maximum draft (m)</source>
        <translation>Maximale diepgang (m)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Stroom</translation>
    </message>
    <message>
        <source>Daily charge</source>
        <translation>Dagprijs</translation>
    </message>
    <message>
        <source>Customer reference</source>
        <translation>Klantreferentie</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Aankomst</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Vertrek</translation>
    </message>
    <message>
        <source>Boat registration</source>
        <translation>Bootregistratie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Volwassenen</translation>
    </message>
    <message>
        <source>Booking reference</source>
        <translation>Boekingsreferentie</translation>
    </message>
    <message>
        <source>Amount paid</source>
        <translation>Betaald bedrag</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Looptijd</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Eerste dag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Laatste dag</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Instalments</source>
        <translation>Termijnen</translation>
    </message>
    <message>
        <source>The date is missing.</source>
        <translation>De datum ontbreekt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money (written as %2).</source>
        <translation>&quot;%1&quot; is geen geldbedrag (geschreven als %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size in metres above 0 and up to %2 m.</source>
        <translation>&quot;%1&quot; is geen maat in meters boven 0 en tot %2 m.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>&quot;%1&quot; is geen getal van 0 tot %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither yes nor no.</source>
        <translation>&quot;%1&quot; is ja noch nee.</translation>
    </message>
    <message>
        <source>Please give the mapping a name.</source>
        <translation>Geef de koppeling een naam.</translation>
    </message>
    <message>
        <source>There is no mapping called %1.</source>
        <translation>Er is geen koppeling met de naam %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
</context>
<context>
    <name>ImportRun</name>
    <message>
        <source>No customer has the reference &quot;%1&quot;.</source>
        <translation>Geen klant heeft de referentie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The berth &quot;%1&quot; is unknown.</source>
        <translation>De ligplaats &quot;%1&quot; is onbekend.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>Het vertrek ligt niet na de aankomst.</translation>
    </message>
    <message>
        <source>No boat has the registration &quot;%1&quot;.</source>
        <translation>Geen boot heeft de registratie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; is another customer&apos;s.</source>
        <translation>De boot &quot;%1&quot; is van een andere klant.</translation>
    </message>
    <message>
        <source>The boat is too big for berth %1 (%2).</source>
        <translation>De boot is te groot voor ligplaats %1 (%2).</translation>
    </message>
    <message>
        <source>old reference</source>
        <translation>oude referentie</translation>
    </message>
    <message>
        <source>On record (same old reference): skipped.</source>
        <translation>Al aanwezig (zelfde oude referentie): overgeslagen.</translation>
    </message>
    <message>
        <source>Berth %1 is blocked over these dates.</source>
        <translation>Ligplaats %1 is op deze data geblokkeerd.</translation>
    </message>
    <message>
        <source>Berth %1 is booked over these dates.</source>
        <translation>Ligplaats %1 is op deze data geboekt.</translation>
    </message>
    <message>
        <source>Another row of the file books berth %1 over these dates.</source>
        <translation>Een andere regel van het bestand boekt ligplaats %1 op deze data.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>On record (same old reference): updated.</source>
        <translation>Al aanwezig (zelfde oude referentie): bijgewerkt.</translation>
    </message>
    <message>
        <source>The booking on record is cancelled.</source>
        <translation>De aanwezige boeking is geannuleerd.</translation>
    </message>
    <message>
        <source>No term is called &quot;%1&quot;.</source>
        <translation>Geen looptijd heet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The row needs its first and last days, or a term.</source>
        <translation>De regel heeft een eerste en laatste dag nodig, of een looptijd.</translation>
    </message>
    <message>
        <source>The row has no price and the rates do not price berth %1 over its days.</source>
        <translation>De regel heeft geen prijs en de tarieven geven voor ligplaats %1 over die dagen geen prijs.</translation>
    </message>
    <message>
        <source>Another row of the file holds berth %1 on these days.</source>
        <translation>Een andere regel van het bestand houdt ligplaats %1 op deze dagen.</translation>
    </message>
    <message>
        <source>The contract on record is cancelled.</source>
        <translation>Het aanwezige contract is geannuleerd.</translation>
    </message>
    <message>
        <source>The row has %1 columns where the headings have %2.</source>
        <translation>De regel heeft %1 kolommen, de kopjes hebben er %2.</translation>
    </message>
    <message>
        <source>Line %1 of the file has the same %2.</source>
        <translation>Regel %1 van het bestand heeft dezelfde waarde: %2.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>De naam is leeg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>&quot;%1&quot; is geen e-mailadres.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 is langer dan %2 tekens.</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>e-mailadres</translation>
    </message>
    <message>
        <source>boat registration</source>
        <translation>bootregistratie</translation>
    </message>
    <message>
        <source>On record (same %1): updated.</source>
        <translation>Al aanwezig (zelfde waarde: %1): bijgewerkt.</translation>
    </message>
    <message>
        <source>On record (same %1): skipped.</source>
        <translation>Al aanwezig (zelfde waarde: %1): overgeslagen.</translation>
    </message>
    <message>
        <source>The berth&apos;s name is empty.</source>
        <translation>De naam van de ligplaats is leeg.</translation>
    </message>
    <message>
        <source>berth name</source>
        <translation>naam van de ligplaats</translation>
    </message>
    <message>
        <source>On record: updated.</source>
        <translation>Al aanwezig: bijgewerkt.</translation>
    </message>
    <message>
        <source>On record: skipped.</source>
        <translation>Al aanwezig: overgeslagen.</translation>
    </message>
    <message>
        <source>No booking has the reference &quot;%1&quot;.</source>
        <translation>Geen boeking heeft de referentie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Import %1</translation>
    </message>
    <message>
        <source>The amount is nothing.</source>
        <translation>Het bedrag is nul.</translation>
    </message>
    <message>
        <source>booking reference</source>
        <translation>boekingsreferentie</translation>
    </message>
    <message>
        <source>The booking has its opening balance already: skipped (a ledger line is put right with a correction).</source>
        <translation>De boeking heeft al een beginsaldo: overgeslagen (een journaalregel wordt met een correctie rechtgezet).</translation>
    </message>
    <message>
        <source>The booking is cancelled.</source>
        <translation>De boeking is geannuleerd.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Every required field needs a column: %1 has none.</source>
        <translation>Elk verplicht veld heeft een kolom nodig: %1 heeft er geen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Het bestand is leeg.</translation>
    </message>
    <message>
        <source>The file holds its headings and no row.</source>
        <translation>Het bestand bevat alleen de kopjes en geen rij.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dubbel</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Geweigerd</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Geaccepteerd</translation>
    </message>
    <message>
        <source>Another desk booked a berth over a booking of this file while it was imported. Nothing was imported: run the dry run and the import again.</source>
        <translation>Een andere werkplek heeft tijdens het importeren een ligplaats geboekt over een boeking uit dit bestand. Er is niets geïmporteerd: voer de proefrun en de import opnieuw uit.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Uitkomst</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Rij</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>This import is no longer on record.</source>
        <translation>Deze import is niet meer vastgelegd.</translation>
    </message>
    <message>
        <source>This import has been undone already.</source>
        <translation>Deze import is al ongedaan gemaakt.</translation>
    </message>
    <message>
        <source>Opening balances are ledger lines, which are never removed: put a balance right with a correction on its booking.</source>
        <translation>Beginsaldi zijn journaalregels, die nooit worden verwijderd: zet een saldo recht met een correctie op de boeking.</translation>
    </message>
    <message>
        <source>customer %1</source>
        <translation>klant %1</translation>
    </message>
    <message>
        <source>boat %1</source>
        <translation>boot %1</translation>
    </message>
    <message>
        <source>berth %1</source>
        <translation>ligplaats %1</translation>
    </message>
    <message>
        <source>booking %1</source>
        <translation>boeking %1</translation>
    </message>
    <message>
        <source>contract %1</source>
        <translation>contract %1</translation>
    </message>
    <message>
        <source>boat %1 (added since)</source>
        <translation>boot %1 (sindsdien toegevoegd)</translation>
    </message>
    <message>
        <source>booking %1 (made or paid since)</source>
        <translation>boeking %1 (sindsdien gemaakt of betaald)</translation>
    </message>
    <message>
        <source>%1 (invoiced or paid since)</source>
        <translation>%1 (sindsdien gefactureerd of betaald)</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> en nog %1</translation>
    </message>
    <message>
        <source>This import cannot be undone: what it brought in has been changed since (%1). Nothing was removed.</source>
        <translation>Deze import kan niet ongedaan worden gemaakt: wat hij binnenbracht, is sindsdien gewijzigd (%1). Er is niets verwijderd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language documents are written in.</source>
        <translation>&quot;%1&quot; is geen taal waarin documenten worden geschreven.</translation>
    </message>
</context>
<context>
    <name>ImportWizard</name>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (West-Europees)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Puntkomma (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>The first row holds &amp;headings</source>
        <translation>Eerste rij bevat &amp;kopjes</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Geïmporteerd</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Toegevoegd</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Geweigerd</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Door</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Ongedaan gemaakt</translation>
    </message>
    <message>
        <source>&amp;Undo this import</source>
        <translation>Deze import &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Kind of records:</source>
        <translation>&amp;Soort records:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>Bestan&amp;d:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codering:</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>Sc&amp;heidingsteken:</translation>
    </message>
    <message>
        <source>&amp;Past imports:</source>
        <translation>&amp;Eerdere imports:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Kolom van het bestand</translation>
    </message>
    <message>
        <source>&amp;Skip rows already on record</source>
        <translation>Rijen die al bestaan &amp;overslaan</translation>
    </message>
    <message>
        <source>&amp;Update rows already on record from the file</source>
        <translation>Rijen die al bestaan bij&amp;werken vanuit het bestand</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Saved &amp;mappings:</source>
        <translation>Opgeslagen &amp;koppelingen:</translation>
    </message>
    <message>
        <source>&amp;Dates written as:</source>
        <translation>&amp;Data geschreven als:</translation>
    </message>
    <message>
        <source>&amp;Amounts written as:</source>
        <translation>&amp;Bedragen geschreven als:</translation>
    </message>
    <message>
        <source>Rows already on record:</source>
        <translation>Rijen die al bestaan:</translation>
    </message>
    <message>
        <source>&amp;Columns (fields marked * are needed):</source>
        <translation>Kolo&amp;mmen (velden met * zijn nodig):</translation>
    </message>
    <message>
        <source>&amp;Save list...</source>
        <translation>Lijst op&amp;slaan...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Sto&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Verdicts (nothing has been written yet):</source>
        <translation>&amp;Uitkomsten (er is nog niets geschreven):</translation>
    </message>
    <message>
        <source>Import: the file</source>
        <translation>Importeren: het bestand</translation>
    </message>
    <message>
        <source>Import: the columns</source>
        <translation>Importeren: de kolommen</translation>
    </message>
    <message>
        <source>Import: the dry run</source>
        <translation>Importeren: de proefrun</translation>
    </message>
    <message>
        <source>Please choose the file to import.</source>
        <translation>Kies het bestand dat u wilt importeren.</translation>
    </message>
    <message>
        <source>Please choose a column for: %1.</source>
        <translation>Kies een kolom voor: %1.</translation>
    </message>
    <message>
        <source>Choose the file to import</source>
        <translation>Kies het bestand om te importeren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>CSV-bestanden (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Bestand wordt gelezen...</translation>
    </message>
    <message>
        <source>The dry run was stopped.</source>
        <translation>De proefrun is gestopt.</translation>
    </message>
    <message>
        <source>%1 rows to add, %2 already on record, %3 refused.</source>
        <translation>%1 rijen toe te voegen, %2 al aanwezig, %3 geweigerd.</translation>
    </message>
    <message>
        <source>The backup before the import failed, so nothing was imported.

%1</source>
        <translation>De back-up vóór het importeren is mislukt, dus er is niets geïmporteerd.

%1</translation>
    </message>
    <message>
        <source>The import was stopped: nothing was imported.</source>
        <translation>Het importeren is gestopt: er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 rows added, %2 already on record, %3 refused.</source>
        <translation>%1 rijen toegevoegd, %2 al aanwezig, %3 geweigerd.</translation>
    </message>
    <message>
        <source>The file has been imported: %1

A backup of the database as it was is in %2.</source>
        <translation>Het bestand is geïmporteerd: %1

Een back-up van de database zoals ze was, staat in %2.</translation>
    </message>
    <message>
        <source>Save the dry run&apos;s list</source>
        <translation>De lijst van de proefrun opslaan</translation>
    </message>
    <message>
        <source> - dry run.csv</source>
        <translation> - proefrun.csv</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Remove everything the import of %1 added?</source>
        <translation>Alles verwijderen wat de import van %1 heeft toegevoegd?</translation>
    </message>
    <message>
        <source>Undo this import</source>
        <translation>Deze import ongedaan maken</translation>
    </message>
    <message>
        <source>The import of %1 has been undone.</source>
        <translation>De import van %1 is ongedaan gemaakt.</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>Please enter a valid number to continue</source>
        <translation>Vul een geldig getal in om verder te gaan</translation>
    </message>
    <message>
        <source>Amounts are in pounds and pence: type at most two decimals, for example %1.</source>
        <translation>Bedragen hebben hoogstens twee decimalen: typ hoogstens twee cijfers achter de komma, bijvoorbeeld %1.</translation>
    </message>
    <message>
        <source>An amount cannot be more than %1.</source>
        <translation>Een bedrag kan niet meer zijn dan %1.</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>Deposit</source>
        <translation>Aanbetaling</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Betaling</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Terugbetaling</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correctie</translation>
    </message>
    <message>
        <source>Kept as credit</source>
        <translation>Gehouden als tegoed</translation>
    </message>
    <message>
        <source>Credit used</source>
        <translation>Tegoed gebruikt</translation>
    </message>
    <message>
        <source>A contract is paid, refunded or corrected.</source>
        <translation>Een contract wordt betaald, terugbetaald of gecorrigeerd.</translation>
    </message>
    <message>
        <source>The refund is more than the %1 paid.</source>
        <translation>De terugbetaling is meer dan de betaalde %1.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>De boeking bestaat niet meer.</translation>
    </message>
    <message>
        <source>Enter an amount other than %1.</source>
        <translation>Vul een ander bedrag dan %1 in.</translation>
    </message>
    <message>
        <source>Enter the amount without a minus sign: money given back is recorded as a refund, a mistake as a correction.</source>
        <translation>Vul het bedrag in zonder minteken: teruggegeven geld wordt als terugbetaling vastgelegd, een vergissing als correctie.</translation>
    </message>
    <message>
        <source>The reference runs to 100 characters and the note to 250.</source>
        <translation>De referentie mag tot 100 tekens hebben en de notitie tot 250.</translation>
    </message>
    <message>
        <source>The booking has been cancelled: no payment can be recorded on it.</source>
        <translation>De boeking is geannuleerd: er kan geen betaling op worden vastgelegd.</translation>
    </message>
    <message>
        <source>A refund cannot be more than what was paid (%1).</source>
        <translation>Een terugbetaling kan niet meer zijn dan wat betaald is (%1).</translation>
    </message>
    <message>
        <source>A correction cannot take what was paid below %1 (%2 was paid).</source>
        <translation>Een correctie kan het betaalde niet onder %1 brengen (er is %2 betaald).</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Een bedrag ligt boven %1.</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>De klant heeft %1 tegoed.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before issuing an invoice.</source>
        <translation>Vul de bedrijfsgegevens in voordat u een factuur uitreikt.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Vul de eerste en de laatste dag van de periode in.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>De periode eindigt voordat ze begint.</translation>
    </message>
    <message>
        <source>No method</source>
        <translation>Geen betaalwijze</translation>
    </message>
    <message>
        <source>Method %1 (removed)</source>
        <translation>Betaalwijze %1 (verwijderd)</translation>
    </message>
    <message>
        <source>No desk</source>
        <translation>Geen werkplek</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
</context>
<context>
    <name>Lengths</name>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
</context>
<context>
    <name>LockDialog</name>
    <message>
        <source>Locked</source>
        <translation>Vergrendeld</translation>
    </message>
    <message>
        <source>This desk is locked. %1, type your PIN or password to go on.</source>
        <translation>Deze werkplek is vergrendeld. %1, typ uw pincode of wachtwoord om verder te gaan.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>&amp;Pincode of wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Ontgrendelen</translation>
    </message>
    <message>
        <source>S&amp;witch User...</source>
        <translation>Gebruiker &amp;wisselen...</translation>
    </message>
</context>
<context>
    <name>MailMessage</name>
    <message>
        <source>There is no e-mail address to send to.</source>
        <translation>Er is geen e-mailadres om naar te versturen.</translation>
    </message>
    <message>
        <source>The e-mail address %1 holds a line break.</source>
        <translation>Het e-mailadres %1 bevat een regeleinde.</translation>
    </message>
    <message>
        <source>%1 is not an e-mail address (name@example.com).</source>
        <translation>%1 is geen e-mailadres (naam@example.com).</translation>
    </message>
    <message>
        <source>The sender&apos;s name</source>
        <translation>De naam van de afzender</translation>
    </message>
    <message>
        <source>The recipient&apos;s name</source>
        <translation>De naam van de ontvanger</translation>
    </message>
    <message>
        <source>The subject</source>
        <translation>Het onderwerp</translation>
    </message>
    <message>
        <source>The attachment&apos;s name</source>
        <translation>De naam van de bijlage</translation>
    </message>
    <message>
        <source>%1 holds a line break, which an e-mail header may not: %2</source>
        <translation>%1 bevat een regeleinde, wat een e-mailheader niet mag bevatten: %2</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <source>The sender&apos;s address: %1</source>
        <translation>Het adres van de afzender: %1</translation>
    </message>
    <message>
        <source>The sender&apos;s name must be one line.</source>
        <translation>De naam van de afzender moet op één regel staan.</translation>
    </message>
    <message>
        <source>The certificate file %1 cannot be read.</source>
        <translation>Het certificaatbestand %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information first.</source>
        <translation>Er is geen mailserver ingesteld: vul die eerst in bij Bedrijfsgegevens instellen.</translation>
    </message>
    <message>
        <source>The password file %1 could not be removed.</source>
        <translation>Het wachtwoordbestand %1 kon niet worden verwijderd.</translation>
    </message>
</context>
<context>
    <name>MailTemplates</name>
    <message>
        <source>Booking confirmation</source>
        <translation>Boekingsbevestiging</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Factuur</translation>
    </message>
    <message>
        <source>Deposit reminder</source>
        <translation>Herinnering aanbetaling</translation>
    </message>
    <message>
        <source>Balance reminder</source>
        <translation>Herinnering restbedrag</translation>
    </message>
    <message>
        <source>Waiting-list offer</source>
        <translation>Aanbod van de wachtlijst</translation>
    </message>
    <message>
        <source>Contract renewal letter</source>
        <translation>Brief over verlenging van het contract</translation>
    </message>
    <message>
        <source>Your booking {ConfirmationNo} at {Company}</source>
        <translation>Uw boeking {ConfirmationNo} bij {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for booking with us. We look forward to welcoming you from {Arrival} to {Departure} on berth {Berths}.

Your booking confirmation is attached. The total is {Total}; {DepositDue} is due by {DueBy}.

If anything is not as you expected, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Beste {CustomerName},

Hartelijk dank voor uw boeking. We verwelkomen u graag van {Arrival} tot {Departure} op ligplaats {Berths}.

Uw boekingsbevestiging vindt u in de bijlage. Het totaal is {Total}; {DepositDue} moet betaald zijn vóór {DueBy}.

Als iets niet is zoals u verwachtte, beantwoord dan gewoon dit bericht of bel ons op {CompanyPhone}.

Met vriendelijke groet,
{Company}</translation>
    </message>
    <message>
        <source>Your invoice from {Company}</source>
        <translation>Uw factuur van {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Please find attached the invoice for your stay from {Arrival} to {Departure} (booking {ConfirmationNo}). The total is {Total}, of which {Paid} has been paid; {Balance} remains.

Kind regards,
{Company}</source>
        <translation>Beste {CustomerName},

In de bijlage vindt u de factuur voor uw verblijf van {Arrival} tot {Departure} (boeking {ConfirmationNo}). Het totaal is {Total}, waarvan {Paid} is betaald; er staat nog {Balance} open.

Met vriendelijke groet,
{Company}</translation>
    </message>
    <message>
        <source>Deposit for your booking {ConfirmationNo}</source>
        <translation>Aanbetaling voor uw boeking {ConfirmationNo}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

A friendly reminder that the deposit of {AmountDue} for your stay from {Arrival} to {Departure} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Beste {CustomerName},

Een vriendelijke herinnering dat de aanbetaling van {AmountDue} voor uw verblijf van {Arrival} tot {Departure} vóór {DueBy} betaald moet zijn. Hebt u al betaald, dan danken wij u en kunt u dit bericht negeren.

Met vriendelijke groet,
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>Balance for your stay from {Arrival}</source>
        <translation>Restbedrag voor uw verblijf vanaf {Arrival}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your stay with us from {Arrival} to {Departure} is coming up. The balance of {AmountDue} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

We look forward to seeing you.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Beste {CustomerName},

Uw verblijf bij ons van {Arrival} tot {Departure} komt eraan. Het restbedrag van {AmountDue} moet vóór {DueBy} betaald zijn. Hebt u al betaald, dan danken wij u en kunt u dit bericht negeren.

We kijken ernaar uit u te zien.

Met vriendelijke groet,
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>A berth has come free at {Company}</source>
        <translation>Er is een ligplaats vrijgekomen bij {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Good news: a berth has come free for the dates you asked about, {Arrival} to {Departure}. Please call us on {CompanyPhone} or reply to this message soon if you would like it; we offer it to the next on our list otherwise.

Kind regards,
{Company}</source>
        <translation>Beste {CustomerName},

Goed nieuws: er is een ligplaats vrijgekomen voor de data waarnaar u vroeg, {Arrival} tot {Departure}. Bel ons op {CompanyPhone} of beantwoord dit bericht spoedig als u hem wilt; anders bieden we hem aan de volgende op onze lijst aan.

Met vriendelijke groet,
{Company}</translation>
    </message>
    <message>
        <source>Renewal of your contract for {Berths}</source>
        <translation>Verlenging van uw contract voor {Berths}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your contract for berth {Berths} is renewed from {Arrival} to {Departure} at {Total}. The letter attached gives the details and the instalments.

If you have any questions, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Beste {CustomerName},

Uw contract voor ligplaats {Berths} is verlengd van {Arrival} tot {Departure} voor {Total}. De bijgevoegde brief geeft de details en de termijnen.

Als u vragen hebt, beantwoord dan gewoon dit bericht of bel ons op {CompanyPhone}.

Met vriendelijke groet,
{Company}</translation>
    </message>
    <message>
        <source>There is no kind of message called %1.</source>
        <translation>Er is geen soort bericht met de naam %1.</translation>
    </message>
    <message>
        <source>The subject may not be empty.</source>
        <translation>Het onderwerp mag niet leeg zijn.</translation>
    </message>
    <message>
        <source>The subject must be one line.</source>
        <translation>Het onderwerp moet op één regel staan.</translation>
    </message>
    <message>
        <source>The template holds what is not a placeholder: %1.
The placeholders are: %2</source>
        <translation>Het sjabloon bevat iets wat geen plaatshouder is: %1.
De plaatshouders zijn: %2</translation>
    </message>
    <message>
        <source>Booking request declined</source>
        <translation>Boekingsaanvraag afgewezen</translation>
    </message>
    <message>
        <source>Your booking request at {Company}</source>
        <translation>Uw boekingsaanvraag bij {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for your request for {Arrival} to {Departure}. We are sorry that we have no berth for you on those dates.

If other dates would suit you, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Geachte {CustomerName},

Hartelijk dank voor uw aanvraag voor {Arrival} tot {Departure}. Helaas hebben wij op die data geen ligplaats voor u vrij.

Als andere data u schikken, beantwoord dan gewoon dit bericht of bel ons op {CompanyPhone}.

Met vriendelijke groet,
{Company}</translation>
    </message>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>Er is geen taal met de code &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>MailTemplatesDialog</name>
    <message>
        <source>E-mail Templates</source>
        <translation>E-mailsjablonen</translation>
    </message>
    <message>
        <source>Placeholders: %1</source>
        <translation>Plaatshouders: %1</translation>
    </message>
    <message>
        <source>Reminders proposed each morning (0: none)</source>
        <translation>Herinneringen die elke ochtend worden voorgesteld (0: geen)</translation>
    </message>
    <message>
        <source>&amp;Deposit reminder, days before it falls due:</source>
        <translation>&amp;Herinnering aanbetaling, dagen voor de vervaldatum:</translation>
    </message>
    <message>
        <source>&amp;Balance reminder, days before it falls due:</source>
        <translation>Herinnering &amp;restbedrag, dagen voor de vervaldatum:</translation>
    </message>
    <message>
        <source>&amp;Overdue reminder, days after it fell due:</source>
        <translation>&amp;Aanmaning, dagen na de vervaldatum:</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Reset to the program&apos;s wording</source>
        <translation>&amp;Terugzetten naar de tekst van het programma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Bericht:</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>Onder&amp;werp:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>Te&amp;kst:</translation>
    </message>
    <message>
        <source>The template could not be read: %1</source>
        <translation>Het sjabloon kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>De wijzigingen in &quot;%1&quot; opslaan?</translation>
    </message>
    <message>
        <source>The template was not saved: %1</source>
        <translation>Het sjabloon is niet opgeslagen: %1</translation>
    </message>
    <message>
        <source>E-mail template: %1</source>
        <translation>E-mailsjabloon: %1</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Taa&amp;l:</translation>
    </message>
</context>
<context>
    <name>MailingListWizard</name>
    <message>
        <source>Mailing list</source>
        <translation>Mailinglijst</translation>
    </message>
    <message>
        <source>Email Mailing List Wizard</source>
        <translation>Wizard e-mailmailinglijst</translation>
    </message>
    <message>
        <source>Enter the Mailing List filename</source>
        <translation>Vul de bestandsnaam van de mailinglijst in</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Using this wizard you can create a mailing list of your customers.</source>
        <translation>Met deze wizard kunt u een mailinglijst van uw klanten maken.</translation>
    </message>
    <message>
        <source>Enter the filename you would like to populate with your email list.</source>
        <translation>Vul de bestandsnaam in waarin u uw e-maillijst wilt zetten.</translation>
    </message>
    <message>
        <source>Mailing list filename:</source>
        <translation>Bestandsnaam mailinglijst:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Klik op Voltooien om de configuratie af te ronden</translation>
    </message>
    <message>
        <source>Please enter a file name</source>
        <translation>Vul een bestandsnaam in</translation>
    </message>
    <message>
        <source>Mailing list file</source>
        <translation>Mailinglijstbestand</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The customers&apos; email addresses could not be read; no file was written.

%1</source>
        <translation>De e-mailadressen van de klanten konden niet worden gelezen; er is geen bestand geschreven.

%1</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ongeldige bestandsnaam</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Export C&amp;ustomers...</source>
        <translation>&amp;Klanten exporteren...</translation>
    </message>
    <message>
        <source>Export Reser&amp;vations</source>
        <translation>&amp;Reserveringen exporteren</translation>
    </message>
    <message>
        <source>Export T&amp;oday&apos;s Reservations</source>
        <translation>Reserveringen van &amp;vandaag exporteren</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importeren...</translation>
    </message>
    <message>
        <source>&amp;Compact &amp;&amp; repair database</source>
        <translation>Database &amp;comprimeren &amp;&amp; herstellen</translation>
    </message>
    <message>
        <source>&amp;Backup database ...</source>
        <translation>Database &amp;back-uppen ...</translation>
    </message>
    <message>
        <source>&amp;Restore database ...</source>
        <translation>Database &amp;terugzetten ...</translation>
    </message>
    <message>
        <source>End of &amp;workday</source>
        <translation>Einde &amp;werkdag</translation>
    </message>
    <message>
        <source>View &amp;trace log</source>
        <translation>Trace&amp;log bekijken</translation>
    </message>
    <message>
        <source>&amp;Switch User...</source>
        <translation>Gebruiker wi&amp;sselen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>&amp;Web Bookings</source>
        <translation>W&amp;ebboekingen</translation>
    </message>
    <message>
        <source>&amp;Configure Web Bookings...</source>
        <translation>Webboekingen &amp;instellen...</translation>
    </message>
    <message>
        <source>C&amp;reate Web Booking Page...</source>
        <translation>Webboekings&amp;pagina maken...</translation>
    </message>
    <message>
        <source>&amp;Bookings</source>
        <translation>B&amp;oekingen</translation>
    </message>
    <message>
        <source>&amp;Add Booking</source>
        <translation>Boeking &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Find Booking...</source>
        <translation>Boeking &amp;zoeken...</translation>
    </message>
    <message>
        <source>View &amp;Reports</source>
        <translation>&amp;Rapporten bekijken</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Vandaag</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;cash-up...</source>
        <translation>&amp;Kasafsluiting vandaag...</translation>
    </message>
    <message>
        <source>C&amp;ontracts...</source>
        <translation>&amp;Contracten...</translation>
    </message>
    <message>
        <source>Rene&amp;w Contracts...</source>
        <translation>Contracten ver&amp;lengen...</translation>
    </message>
    <message>
        <source>Contract L&amp;ists...</source>
        <translation>Contractl&amp;ijsten...</translation>
    </message>
    <message>
        <source>Re&amp;minders...</source>
        <translation>&amp;Herinneringen...</translation>
    </message>
    <message>
        <source>Close&amp;d Months...</source>
        <translation>Afgesloten &amp;maanden...</translation>
    </message>
    <message>
        <source>View Ad&amp;vanced Calendar</source>
        <translation>&amp;Uitgebreide kalender bekijken</translation>
    </message>
    <message>
        <source>View &amp;Simple Calendar</source>
        <translation>&amp;Eenvoudige kalender bekijken</translation>
    </message>
    <message>
        <source>Booking C&amp;hart</source>
        <translation>&amp;Bezettingsoverzicht</translation>
    </message>
    <message>
        <source>Berth / Rentals  &amp;Notes...</source>
        <translation>Ligplaats-/huur&amp;notities...</translation>
    </message>
    <message>
        <source>&amp;Customers</source>
        <translation>&amp;Klanten</translation>
    </message>
    <message>
        <source>&amp;View Customers</source>
        <translation>Klanten &amp;bekijken</translation>
    </message>
    <message>
        <source>&amp;Find Customer...</source>
        <translation>Klant &amp;zoeken...</translation>
    </message>
    <message>
        <source>&amp;Waiting List...</source>
        <translation>&amp;Wachtlijst...</translation>
    </message>
    <message>
        <source>&amp;Email Mailing List Wizard...</source>
        <translation>Wizard &amp;e-mailmailinglijst...</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>Configuration &amp;Wizard...</source>
        <translation>Configuratie&amp;wizard...</translation>
    </message>
    <message>
        <source>&amp;Company...</source>
        <translation>&amp;Bedrijf...</translation>
    </message>
    <message>
        <source>Re&amp;gional Settings...</source>
        <translation>&amp;Regionale instellingen...</translation>
    </message>
    <message>
        <source>&amp;Berths...</source>
        <translation>&amp;Ligplaatsen...</translation>
    </message>
    <message>
        <source>Berth &amp;Owners...</source>
        <translation>Ligplaats&amp;eigenaren...</translation>
    </message>
    <message>
        <source>&amp;Rates...</source>
        <translation>&amp;Tarieven...</translation>
    </message>
    <message>
        <source>&amp;Meters...</source>
        <translation>&amp;Meters...</translation>
    </message>
    <message>
        <source>Ca&amp;lendars...</source>
        <translation>&amp;Kalenders...</translation>
    </message>
    <message>
        <source>E-mail &amp;Templates...</source>
        <translation>E-mail&amp;sjablonen...</translation>
    </message>
    <message>
        <source>&amp;Users...</source>
        <translation>&amp;Gebruikers...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhoud...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>In&amp;dex...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day...</source>
        <translation>&amp;Tip van de dag...</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>Online &amp;ondersteuning</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O&amp;ver...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Reservering toevoegen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Advanced Calendar</source>
        <translation>Uitgebreide kalender</translation>
    </message>
    <message>
        <source>View Customers</source>
        <translation>Klanten bekijken</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapporten</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Booking Chart</source>
        <translation>Bezettingsoverzicht</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Reservering</translation>
    </message>
    <message>
        <source>Web Bookings</source>
        <translation>Webboekingen</translation>
    </message>
    <message>
        <source>Zem Harbour and Campsite Reservation</source>
        <translation>Zem Harbour – reserveringen voor havens en campings</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>&amp;Aanvragen...</translation>
    </message>
</context>
<context>
    <name>MaintenanceMenu</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fout!</translation>
    </message>
    <message>
        <source>Backup archives (*.SPA)</source>
        <translation>Back-uparchieven (*.SPA)</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Het bestand %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Ongeldige bestandsnaam</translation>
    </message>
    <message>
        <source>Select your database backup file ...</source>
        <translation>Kies uw databaseback-upbestand ...</translation>
    </message>
    <message>
        <source>Error detected when make database backup!</source>
        <translation>Fout opgetreden bij het maken van de databaseback-up!</translation>
    </message>
    <message>
        <source>Database backuped</source>
        <translation>Database geback-upt</translation>
    </message>
    <message>
        <source>Select your backuped database ...</source>
        <translation>Kies uw geback-upte database ...</translation>
    </message>
    <message>
        <source>Replace the database with the backup %1 of %2 (%3)?

The database as it is now is kept as %4, and can be restored from there.</source>
        <translation>De database vervangen door de back-up %1 van %2 (%3)?

De database zoals ze nu is, wordt bewaard als %4 en kan van daaruit worden teruggezet.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>Error detected when restoring database backup!</source>
        <translation>Fout opgetreden bij het terugzetten van de databaseback-up!</translation>
    </message>
    <message>
        <source>Database restored</source>
        <translation>Database teruggezet</translation>
    </message>
    <message>
        <source>Database compacted</source>
        <translation>Database gecomprimeerd</translation>
    </message>
</context>
<context>
    <name>MeterImport</name>
    <message>
        <source>accepted</source>
        <translation>geaccepteerd</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>rondgedraaid</translation>
    </message>
    <message>
        <source>unknown meter</source>
        <translation>onbekende meter</translation>
    </message>
    <message>
        <source>earlier than the last</source>
        <translation>eerder dan de laatste</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>geweigerd</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time.</source>
        <translation>&quot;%1&quot; is geen datum en tijd.</translation>
    </message>
    <message>
        <source>Meter %1 was last read on %2.</source>
        <translation>Meter %1 is het laatst afgelezen op %2.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
</context>
<context>
    <name>MeterInvoice</name>
    <message>
        <source>%1, berth %2</source>
        <translation>%1, ligplaats %2</translation>
    </message>
    <message>
        <source>By the meter</source>
        <translation>Volgens meter</translation>
    </message>
</context>
<context>
    <name>MeterLists</name>
    <message numerus="yes">
        <source>Meters not read for more than %n day(s), on %1</source>
        <translation>
            <numerusform>Meters die meer dan %n dag niet zijn afgelezen, op %1</numerusform>
            <numerusform>Meters die meer dan %n dagen niet zijn afgelezen, op %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 use by berth and month, %2 to %3</source>
        <translation>%1-verbruik per ligplaats en maand, %2 tot %3</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Use (%1)</source>
        <translation>Verbruik (%1)</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Laatst afgelezen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>never read</source>
        <translation>nooit afgelezen</translation>
    </message>
    <message>
        <source>Readings flagged, %1 to %2</source>
        <translation>Gemarkeerde standen, %1 tot %2</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Afgelezen op</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>over three times the usual</source>
        <translation>meer dan drie keer het gebruikelijke</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>rondgedraaid</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>gecorrigeerd, was %1</translation>
    </message>
</context>
<context>
    <name>MeterListsWindow</name>
    <message>
        <source>Meter lists</source>
        <translation>Meterlijsten</translation>
    </message>
    <message>
        <source>Use by berth and month</source>
        <translation>Verbruik per ligplaats en maand</translation>
    </message>
    <message>
        <source>Meters not read</source>
        <translation>Niet afgelezen meters</translation>
    </message>
    <message>
        <source>Readings flagged</source>
        <translation>Gemarkeerde standen</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lijst:</translation>
    </message>
    <message>
        <source>&amp;Kind (use):</source>
        <translation>&amp;Soort (verbruik):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>T&amp;ot:</translation>
    </message>
    <message>
        <source>Not read for more than (&amp;days):</source>
        <translation>Niet afgelezen sinds meer dan (&amp;dagen):</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>De periode eindigt voordat ze begint.</translation>
    </message>
</context>
<context>
    <name>MeterStore</name>
    <message>
        <source>Contract %1 has been billed for this meter&apos;s period already.</source>
        <translation>Contract %1 is al afgerekend voor de periode van deze meter.</translation>
    </message>
    <message>
        <source>Another meter has the serial number %1.</source>
        <translation>Een andere meter heeft serienummer %1.</translation>
    </message>
    <message>
        <source>Berth %1 already has %2 meter %3: swap it, or remove it first.</source>
        <translation>Ligplaats %1 heeft al %2-meter %3: wissel hem of verwijder hem eerst.</translation>
    </message>
    <message>
        <source>The meter no longer exists.</source>
        <translation>De meter bestaat niet meer.</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3): if the meter rolled over, say so; otherwise type the reading again.</source>
        <translation>%1 ligt onder de laatste stand van meter %2 (%3): is de meter rondgedraaid, geef dat dan aan; typ anders de stand opnieuw.</translation>
    </message>
    <message>
        <source>The reading no longer exists.</source>
        <translation>De stand bestaat niet meer.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>De stand heeft meer cijfers dan de meter (%1).</translation>
    </message>
    <message>
        <source>%1 is below the reading before it (%2): if the meter rolled over, say so.</source>
        <translation>%1 ligt onder de stand ervoor (%2): is de meter rondgedraaid, geef dat dan aan.</translation>
    </message>
    <message>
        <source>%1 is above the reading after it (%2).</source>
        <translation>%1 ligt boven de stand erna (%2).</translation>
    </message>
    <message>
        <source>Meter %1 was already removed on %2.</source>
        <translation>Meter %1 is al verwijderd op %2.</translation>
    </message>
</context>
<context>
    <name>MeterWalk</name>
    <message>
        <source>Meter Walk</source>
        <translation>Meterronde</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Afgedrukt %1</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Laatste stand</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Afgelezen op</translation>
    </message>
    <message>
        <source>New reading</source>
        <translation>Nieuwe stand</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p van %P</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>(no berth)</source>
        <translation>(geen ligplaats)</translation>
    </message>
    <message>
        <source>No meters are in service.</source>
        <translation>Er zijn geen meters in gebruik.</translation>
    </message>
</context>
<context>
    <name>Meters</name>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Elektriciteit</translation>
    </message>
    <message>
        <source>Type the meter&apos;s serial number.</source>
        <translation>Typ het serienummer van de meter.</translation>
    </message>
    <message>
        <source>A serial number has at most 40 characters.</source>
        <translation>Een serienummer heeft hoogstens 40 tekens.</translation>
    </message>
    <message>
        <source>Type the unit the meter counts in (kWh, m³).</source>
        <translation>Typ de eenheid waarin de meter telt (kWh, m³).</translation>
    </message>
    <message>
        <source>A meter&apos;s counter has from %1 to %2 whole digits.</source>
        <translation>Het telwerk van een meter heeft %1 tot %2 hele cijfers.</translation>
    </message>
    <message>
        <source>Type the day the meter was fitted.</source>
        <translation>Typ de dag waarop de meter is geplaatst.</translation>
    </message>
    <message>
        <source>The meter cannot be removed before it was fitted.</source>
        <translation>De meter kan niet worden verwijderd voordat hij is geplaatst.</translation>
    </message>
    <message>
        <source>Type the reading.</source>
        <translation>Typ de stand.</translation>
    </message>
    <message>
        <source>A reading is never below zero: &quot;%1&quot;.</source>
        <translation>Een stand is nooit lager dan nul: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reading: type the digits the meter shows.</source>
        <translation>&quot;%1&quot; is geen stand: typ de cijfers die de meter toont.</translation>
    </message>
    <message>
        <source>A reading has at most three decimals: &quot;%1&quot;.</source>
        <translation>Een stand heeft hoogstens drie decimalen: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more digits than the meter&apos;s %2.</source>
        <translation>&quot;%1&quot; heeft meer cijfers dan de meter (%2).</translation>
    </message>
    <message>
        <source>Type the day and time of the reading.</source>
        <translation>Typ de dag en tijd van de aflezing.</translation>
    </message>
    <message>
        <source>A reading cannot be dated in the future (%1).</source>
        <translation>Een stand kan niet in de toekomst gedateerd zijn (%1).</translation>
    </message>
    <message>
        <source>Meter %1 was fitted on %2: a reading cannot be dated before that.</source>
        <translation>Meter %1 is geplaatst op %2: een stand kan niet eerder gedateerd zijn.</translation>
    </message>
    <message>
        <source>Meter %1 was removed on %2: a reading cannot be dated after that.</source>
        <translation>Meter %1 is verwijderd op %2: een stand kan niet later gedateerd zijn.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>De stand heeft meer cijfers dan de meter (%1).</translation>
    </message>
    <message>
        <source>The last reading of meter %1 was taken on %2: a new one cannot be dated before it.</source>
        <translation>De laatste stand van meter %1 is opgenomen op %2: een nieuwe kan niet eerder gedateerd zijn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a band: type the units, &quot;at&quot; and the price, as &quot;10 at 0.10&quot;.</source>
        <translation>&quot;%1&quot; is geen schijf: typ de eenheden, &quot;at&quot; en de prijs, zoals &quot;10 at 0.10&quot;.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Type the day the tariff takes effect.</source>
        <translation>Typ de dag waarop het tarief ingaat.</translation>
    </message>
    <message>
        <source>A price per unit or per day is from %1 to %2.</source>
        <translation>Een prijs per eenheid of per dag ligt tussen %1 en %2.</translation>
    </message>
    <message>
        <source>Band %1: a price is from %2 to %3.</source>
        <translation>Schijf %1: een prijs ligt tussen %2 en %3.</translation>
    </message>
    <message>
        <source>Band %1 must end above %2 units: the bands run upwards in order.</source>
        <translation>Schijf %1 moet boven %2 eenheden eindigen: de schijven lopen in volgorde op.</translation>
    </message>
    <message>
        <source>Two %1 tariffs take effect on %2: keep one.</source>
        <translation>Twee %1-tarieven gaan in op %2: houd er één.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>1 day at %1 a day, %2: %3</source>
        <translation>1 dag à %1 per dag, %2: %3</translation>
    </message>
    <message>
        <source>%1 days at %2 a day, %3: %4</source>
        <translation>%1 dagen à %2 per dag, %3: %4</translation>
    </message>
    <message>
        <source>%1 %2 at %3, %4: %5</source>
        <translation>%1 %2 à %3, %4: %5</translation>
    </message>
    <message>
        <source>Meter %1: %2 %3 on %4 to %5 %3 on %6, %7 %3 used</source>
        <translation>Meter %1: %2 %3 op %4 tot %5 %3 op %6, %7 %3 verbruikt</translation>
    </message>
</context>
<context>
    <name>MetersDialog</name>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Cijfers</translation>
    </message>
    <message>
        <source>Fitted</source>
        <translation>Geplaatst</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Afgelezen op</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verbruik</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markeringen</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meters</translation>
    </message>
    <message>
        <source>&amp;Meters:</source>
        <translation>&amp;Meters:</translation>
    </message>
    <message>
        <source>R&amp;eadings of the chosen meter:</source>
        <translation>&amp;Standen van de gekozen meter:</translation>
    </message>
    <message>
        <source>&amp;Add Meter...</source>
        <translation>Meter &amp;toevoegen...</translation>
    </message>
    <message>
        <source>E&amp;dit Meter...</source>
        <translation>Meter &amp;bewerken...</translation>
    </message>
    <message>
        <source>S&amp;wap Meter...</source>
        <translation>Meter &amp;wisselen...</translation>
    </message>
    <message>
        <source>Add &amp;Reading...</source>
        <translation>Stand &amp;invoeren...</translation>
    </message>
    <message>
        <source>C&amp;orrect Reading...</source>
        <translation>Stand &amp;corrigeren...</translation>
    </message>
    <message>
        <source>&amp;Tariffs...</source>
        <translation>Ta&amp;rieven...</translation>
    </message>
    <message>
        <source>&amp;Print Walk List...</source>
        <translation>&amp;Afleeslijst afdrukken...</translation>
    </message>
    <message>
        <source>&amp;Import Readings...</source>
        <translation>Standen im&amp;porteren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>rondgedraaid</translation>
    </message>
    <message>
        <source>over three times usual</source>
        <translation>meer dan drie keer het gebruikelijke</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>gecorrigeerd, was %1</translation>
    </message>
    <message>
        <source>Add Meter</source>
        <translation>Meter toevoegen</translation>
    </message>
    <message>
        <source>Edit Meter</source>
        <translation>Meter bewerken</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>&amp;Serienummer:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>S&amp;oort:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Eenheid:</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Cijfers:</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Ligplaats:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>&amp;Fitted:</source>
        <translation>&amp;Geplaatst:</translation>
    </message>
    <message>
        <source>&amp;Removed:</source>
        <translation>Ve&amp;rwijderd:</translation>
    </message>
    <message>
        <source>Removed &amp;on:</source>
        <translation>Verwijderd o&amp;p:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notities:</translation>
    </message>
    <message>
        <source>Swap Meter %1</source>
        <translation>Meter %1 wisselen</translation>
    </message>
    <message>
        <source>&amp;Swapped at:</source>
        <translation>Ge&amp;wisseld op:</translation>
    </message>
    <message>
        <source>&amp;Closing reading of %1:</source>
        <translation>&amp;Eindstand van %1:</translation>
    </message>
    <message>
        <source>&amp;New meter&apos;s serial:</source>
        <translation>Serienummer &amp;nieuwe meter:</translation>
    </message>
    <message>
        <source>&amp;Opening reading:</source>
        <translation>&amp;Beginstand:</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Stand van %1</translation>
    </message>
    <message>
        <source>&amp;Read at:</source>
        <translation>&amp;Afgelezen op:</translation>
    </message>
    <message>
        <source>R&amp;eading (%1):</source>
        <translation>&amp;Stand (%1):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notitie:</translation>
    </message>
    <message>
        <source>%1 is below the last reading (%2).

Yes: the meter rolled over and started again from zero. No: go back and correct the reading.</source>
        <translation>%1 ligt onder de laatste stand (%2).

Ja: de meter is rondgedraaid en opnieuw bij nul begonnen. Nee: terug om de stand te corrigeren.</translation>
    </message>
    <message>
        <source>The use since the last reading is more than three times the berth&apos;s usual: the reading is kept and marked.</source>
        <translation>Het verbruik sinds de laatste stand is meer dan drie keer het gebruikelijke van de ligplaats: de stand wordt bewaard en gemarkeerd.</translation>
    </message>
    <message>
        <source>Correct the reading of %1</source>
        <translation>De stand van %1 corrigeren</translation>
    </message>
    <message>
        <source>&amp;Reading (%1):</source>
        <translation>&amp;Stand (%1):</translation>
    </message>
    <message>
        <source>Rolled &amp;over:</source>
        <translation>&amp;Rondgedraaid:</translation>
    </message>
    <message>
        <source>&amp;Why:</source>
        <translation>&amp;Waarom:</translation>
    </message>
    <message>
        <source>Meter Tariffs</source>
        <translation>Metertarieven</translation>
    </message>
    <message>
        <source>One tariff a line, in force from its date until the next of its kind. Bands: &quot;10 at 0.10; 30 at 0.20&quot;, the first units of a bill at those prices.</source>
        <translation>Eén tarief per regel, geldig vanaf de datum tot het volgende van dezelfde soort. Schijven: &quot;10 at 0.10; 30 at 0.20&quot;, de eerste eenheden van een afrekening tegen die prijzen.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Vanaf</translation>
    </message>
    <message>
        <source>Per unit</source>
        <translation>Per eenheid</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Per dag</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Schijven</translation>
    </message>
    <message>
        <source>&amp;Add a Line</source>
        <translation>Regel &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove the Line</source>
        <translation>Regel &amp;verwijderen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>type a price in pounds and pence, as 0.32.</source>
        <translation>typ een prijs met twee decimalen, zoals 0.32.</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Standen importeren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>CSV-bestanden (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 %4: %5%6</source>
        <translation>Regel %1: %2 %3 %4: %5%6</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
    <message>
        <source>No reading in the file can be added:
%1</source>
        <translation>Geen stand uit het bestand kan worden toegevoegd:
%1</translation>
    </message>
    <message>
        <source>%1 of %2 readings can be added:
%3

Yes adds those %1 now; No adds nothing.</source>
        <translation>%1 van %2 standen kunnen worden toegevoegd:
%3

Ja voegt die %1 nu toe; Nee voegt niets toe.</translation>
    </message>
</context>
<context>
    <name>NamePicker</name>
    <message>
        <source>Type part of a name</source>
        <translation>Typ een deel van een naam</translation>
    </message>
</context>
<context>
    <name>NoShowDialog</name>
    <message>
        <source>No-shows</source>
        <translation>No-shows</translation>
    </message>
    <message>
        <source>These guests were due today and have not been checked in.
Tick those who will not come, then mark them:</source>
        <translation>Deze gasten werden vandaag verwacht en zijn niet ingecheckt.
Vink aan wie niet komt en markeer hen daarna:</translation>
    </message>
    <message>
        <source>%1  %2  (booking %3)</source>
        <translation>%1  %2  (boeking %3)</translation>
    </message>
    <message>
        <source>Tick &amp;all</source>
        <translation>&amp;Alles aanvinken</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Niets aanvinken</translation>
    </message>
    <message>
        <source>&amp;Mark as no-shows</source>
        <translation>Als no-show &amp;markeren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;leren</translation>
    </message>
</context>
<context>
    <name>OccupancyModel</name>
    <message>
        <source>%1
%2 to %3</source>
        <translation>%1
%2 tot %3</translation>
    </message>
</context>
<context>
    <name>OffersDialog</name>
    <message>
        <source>Berths came free</source>
        <translation>Ligplaatsen vrijgekomen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Berths that fit</source>
        <translation>Passende ligplaatsen</translation>
    </message>
    <message>
        <source>A booking was cancelled or changed. These entries on the waiting list can take the berths that came free:</source>
        <translation>Een boeking is geannuleerd of gewijzigd. Deze vermeldingen op de wachtlijst kunnen de vrijgekomen ligplaatsen nemen:</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>&amp;Boeken...</translation>
    </message>
    <message>
        <source>&amp;E-mail Offer</source>
        <translation>Aanbod &amp;e-mailen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The offer was not queued: %1</source>
        <translation>Het aanbod is niet in de wachtrij gezet: %1</translation>
    </message>
    <message>
        <source>Waiting-list offer to %1</source>
        <translation>Aanbod van de wachtlijst aan %1</translation>
    </message>
    <message>
        <source>The offer to %1 is in the outbox and goes out in the background; the entry is marked offered.</source>
        <translation>Het aanbod aan %1 staat in het postvak uit en gaat op de achtergrond weg; de vermelding is gemarkeerd als aangeboden.</translation>
    </message>
</context>
<context>
    <name>OldReference</name>
    <message>
        <source>Old reference:</source>
        <translation>Oude referentie:</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>A name or subject holds a line break, which an e-mail header may not: %1</source>
        <translation>Een naam of onderwerp bevat een regeleinde, wat een e-mailheader niet mag bevatten: %1</translation>
    </message>
    <message>
        <source>The message has no subject.</source>
        <translation>Het bericht heeft geen onderwerp.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Verstuurd</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In wachtrij</translation>
    </message>
    <message>
        <source>The database did not add every message.</source>
        <translation>De database heeft niet elk bericht toegevoegd.</translation>
    </message>
    <message>
        <source>The message is no longer in the outbox.</source>
        <translation>Het bericht staat niet meer in het postvak uit.</translation>
    </message>
    <message>
        <source>The message has been sent meanwhile.</source>
        <translation>Het bericht is intussen verstuurd.</translation>
    </message>
    <message>
        <source>The message is being sent right now; try again in a moment.</source>
        <translation>Het bericht wordt op dit moment verstuurd; probeer het zo opnieuw.</translation>
    </message>
</context>
<context>
    <name>OwnerDialog</name>
    <message>
        <source>Add Owner</source>
        <translation>Eigenaar toevoegen</translation>
    </message>
    <message>
        <source>Edit Owner</source>
        <translation>Eigenaar bewerken</translation>
    </message>
</context>
<context>
    <name>OwnerListWindow</name>
    <message>
        <source>Owners</source>
        <translation>Eigenaren</translation>
    </message>
    <message>
        <source>&amp;Add Owner</source>
        <translation>Eigenaar &amp;toevoegen</translation>
    </message>
    <message>
        <source>View/&amp;Edit Owner</source>
        <translation>Eigenaar bekijken/&amp;bewerken</translation>
    </message>
    <message>
        <source>&amp;Delete Owner</source>
        <translation>Eigenaar &amp;verwijderen</translation>
    </message>
</context>
<context>
    <name>OwnerStore</name>
    <message>
        <source>Deleting this owner will also remove all owners berth. This would affect historic reports. Are you sure you want to delete this owner?</source>
        <translation>Als u deze eigenaar verwijdert, worden ook alle ligplaatsen van de eigenaar verwijderd. Dat zou historische rapporten beïnvloeden. Weet u zeker dat u deze eigenaar wilt verwijderen?</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>A password needs at least %1 characters.</source>
        <translation>Een wachtwoord heeft minstens %1 tekens nodig.</translation>
    </message>
    <message>
        <source>A password may have at most %1 characters.</source>
        <translation>Een wachtwoord mag hoogstens %1 tekens hebben.</translation>
    </message>
    <message>
        <source>A PIN is %1 to %2 digits.</source>
        <translation>Een pincode heeft %1 tot %2 cijfers.</translation>
    </message>
    <message>
        <source>The password library could not start.</source>
        <translation>De wachtwoordbibliotheek kon niet starten.</translation>
    </message>
    <message>
        <source>There is not enough memory to protect the password.</source>
        <translation>Er is niet genoeg geheugen om het wachtwoord te beschermen.</translation>
    </message>
</context>
<context>
    <name>PaymentDialog</name>
    <message>
        <source>Refund</source>
        <translation>Terugbetaling</translation>
    </message>
    <message>
        <source>Record Payment</source>
        <translation>Betaling vastleggen</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Betaalwijze:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>Be&amp;drag:</translation>
    </message>
    <message>
        <source>&amp;Reference (card slip, transfer):</source>
        <translation>&amp;Referentie (kaartbon, overboeking):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notitie:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Total payable: %1    Paid so far: %2</source>
        <translation>Te betalen: %1    Tot nu toe betaald: %2</translation>
    </message>
    <message>
        <source>Type the amount, for example %1.</source>
        <translation>Typ het bedrag, bijvoorbeeld %1.</translation>
    </message>
    <message>
        <source>The payment could not be saved: %1</source>
        <translation>De betaling kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1 of %2 on booking %3</source>
        <translation>%1 van %2 op boeking %3</translation>
    </message>
    <message>
        <source>%1 was issued. It prints from the booking&apos;s summary, under Credit Notes.</source>
        <translation>%1 is uitgereikt. Ze wordt afgedrukt vanuit het overzicht van de boeking, onder Creditnota&apos;s.</translation>
    </message>
    <message>
        <source>No credit note was issued: the refund gives back money paid beyond what invoice %1 still asks after its credit notes.</source>
        <translation>Er is geen creditnota uitgereikt: de terugbetaling geeft geld terug dat meer betaald is dan factuur %1 na haar creditnota&apos;s nog vraagt.</translation>
    </message>
</context>
<context>
    <name>PaymentTerms</name>
    <message>
        <source>Deposit %1 due by %2</source>
        <translation>Aanbetaling %1 vóór %2</translation>
    </message>
    <message>
        <source>%1 still owed, all due by %2</source>
        <translation>%1 nog verschuldigd, alles vóór %2</translation>
    </message>
    <message>
        <source>%1 overdue</source>
        <translation>%1 achterstallig</translation>
    </message>
    <message>
        <source>%1 overdue since %2</source>
        <translation>%1 achterstallig sinds %2</translation>
    </message>
    <message>
        <source>%1 due by %2</source>
        <translation>%1 vóór %2</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to %2.</source>
        <translation>Een aanbetaling loopt van %1 tot %2.</translation>
    </message>
    <message>
        <source>A deposit&apos;s percentage runs from 0 to 100 %.</source>
        <translation>Het percentage van een aanbetaling loopt van 0 tot 100 %.</translation>
    </message>
    <message>
        <source>The balance falls due from 0 to %1 days before arrival.</source>
        <translation>Het restbedrag vervalt 0 tot %1 dagen vóór aankomst.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s amount, or choose no deposit.</source>
        <translation>Vul het bedrag van de aanbetaling in, of kies geen aanbetaling.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s percentage, or choose no deposit.</source>
        <translation>Vul het percentage van de aanbetaling in, of kies geen aanbetaling.</translation>
    </message>
    <message>
        <source>The deposit and due dates have been changed at another desk since you opened this window. Nothing was saved: press Refresh to see them.</source>
        <translation>De aanbetaling en vervaldata zijn op een andere werkplek gewijzigd sinds u dit venster opende. Er is niets opgeslagen: druk op Vernieuwen om ze te zien.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>The PDF could not be divided into letters: it is not laid out as expected.</source>
        <translation>De pdf kon niet in brieven worden verdeeld: hij is niet opgemaakt zoals verwacht.</translation>
    </message>
    <message>
        <source>Pages %1 to %2 are not in the PDF of %3 pages.</source>
        <translation>Pagina&apos;s %1 tot %2 staan niet in de pdf van %3 pagina&apos;s.</translation>
    </message>
</context>
<context>
    <name>PeopleFields</name>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>House Name:</source>
        <translation>Huisnaam:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straat:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Wijk:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Plaats:</translation>
    </message>
    <message>
        <source>Post Code:</source>
        <translation>Postcode:</translation>
    </message>
    <message>
        <source>Mobile Phone:</source>
        <translation>Mobiele telefoon:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>E-mailadres:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefoon:</translation>
    </message>
    <message>
        <source>Membership No:</source>
        <translation>Lidnummer:</translation>
    </message>
</context>
<context>
    <name>PeopleListModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>PeopleListWindow</name>
    <message>
        <source>The record could not be deleted: %1</source>
        <translation>Het record kon niet worden verwijderd: %1</translation>
    </message>
</context>
<context>
    <name>PeopleLists</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Huisnaam</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Wijk</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Tel No</source>
        <translation>Telefoonnr.</translation>
    </message>
    <message>
        <source>Mobile No</source>
        <translation>Mobiel nr.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clublid</translation>
    </message>
    <message>
        <source>Membership No</source>
        <translation>Lidnummer</translation>
    </message>
    <message>
        <source>Boats</source>
        <translation>Boten</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-mailadres</translation>
    </message>
</context>
<context>
    <name>PeopleRecords</name>
    <message>
        <source>There is no record with the ID %1.</source>
        <translation>Er is geen record met ID %1.</translation>
    </message>
    <message>
        <source>It was deleted at another desk while you were editing it. What you typed is still in the boxes; nothing was saved.</source>
        <translation>Het is op een andere werkplek verwijderd terwijl u het bewerkte. Wat u typte, staat nog in de velden; er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>The record with the ID %1 no longer exists.</source>
        <translation>Het record met ID %1 bestaat niet meer.</translation>
    </message>
    <message>
        <source>Club member:</source>
        <translation>Clublid:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>Document language:</source>
        <translation>Documenttaal:</translation>
    </message>
</context>
<context>
    <name>PeopleWidgets</name>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>&amp;Ask a manager...</source>
        <translation>Een &amp;manager vragen...</translation>
    </message>
</context>
<context>
    <name>Permissions</name>
    <message>
        <source>An administrator always manages users and permissions, so they can be given back.</source>
        <translation>Een beheerder beheert altijd gebruikers en rechten, zodat ze teruggegeven kunnen worden.</translation>
    </message>
    <message>
        <source>No role may %1 at present; an administrator can allow it in Users.</source>
        <translation>Geen enkele rol mag op dit moment %1; een beheerder kan het toestaan in Gebruikers.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Only %1 may %2.</source>
        <translation>Alleen %1 mag %2.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it at another desk. Please sign in again as another user (File, Switch User).</source>
        <translation>De server laat uw gebruiker niet meer toe: een beheerder heeft die op een andere werkplek verwijderd of gedeactiveerd. Meld u opnieuw aan als een andere gebruiker (Bestand, Gebruiker wisselen).</translation>
    </message>
    <message>
        <source>Nobody has signed in at this desk.</source>
        <translation>Niemand heeft zich op deze werkplek aangemeld.</translation>
    </message>
    <message>
        <source>Your user has been removed by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Uw gebruiker is door een beheerder verwijderd: meld u opnieuw aan als een andere gebruiker (Bestand, Gebruiker wisselen).</translation>
    </message>
    <message>
        <source>Your user has been deactivated by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Uw gebruiker is door een beheerder gedeactiveerd: meld u opnieuw aan als een andere gebruiker (Bestand, Gebruiker wisselen).</translation>
    </message>
    <message>
        <source>The server did not accept the approval: the PIN or password is wrong, or %1 is locked or no longer active.</source>
        <translation>De server heeft de goedkeuring niet aanvaard: de pincode of het wachtwoord is fout, of %1 is vergrendeld of niet meer actief.</translation>
    </message>
    <message>
        <source>The server does not let %1 approve this.</source>
        <translation>De server staat %1 niet toe dit goed te keuren.</translation>
    </message>
    <message>
        <source>%1 may not approve this. %2</source>
        <translation>%1 mag dit niet goedkeuren. %2</translation>
    </message>
</context>
<context>
    <name>PersonDialog</name>
    <message>
        <source>customer</source>
        <translation>klant</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>eigenaar</translation>
    </message>
    <message>
        <source>What you typed has not been saved. Close and lose it?</source>
        <translation>Wat u typte, is niet opgeslagen. Sluiten en kwijtraken?</translation>
    </message>
</context>
<context>
    <name>Pricing</name>
    <message>
        <source>%1 night</source>
        <translation>%1 nacht</translation>
    </message>
    <message>
        <source>%1 nights</source>
        <translation>%1 nachten</translation>
    </message>
    <message>
        <source>%1 weekend night</source>
        <translation>%1 weekendnacht</translation>
    </message>
    <message>
        <source>%1 weekend nights</source>
        <translation>%1 weekendnachten</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 week</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 weken</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 maand</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 maanden</translation>
    </message>
    <message>
        <source>A season needs a name.</source>
        <translation>Een seizoen heeft een naam nodig.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; needs its first and last nights.</source>
        <translation>Het seizoen &quot;%1&quot; heeft een eerste en laatste nacht nodig.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; ends before it starts.</source>
        <translation>Het seizoen &quot;%1&quot; eindigt voordat het begint.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>Het seizoen &quot;%1&quot; komt elk jaar terug, dus het kan niet langer dan een jaar zijn.</translation>
    </message>
    <message>
        <source>The priority of the season &quot;%1&quot; must be from 0 to 999.</source>
        <translation>De prioriteit van het seizoen &quot;%1&quot; moet van 0 tot 999 zijn.</translation>
    </message>
    <message>
        <source>A rate must be from %1 to %2.</source>
        <translation>Een tarief moet van %1 tot %2 zijn.</translation>
    </message>
    <message>
        <source>The seasons &quot;%1&quot; and &quot;%2&quot; have the same priority and share the night of %3: give one of them a higher priority.</source>
        <translation>De seizoenen &quot;%1&quot; en &quot;%2&quot; hebben dezelfde prioriteit en delen de nacht van %3: geef een van beide een hogere prioriteit.</translation>
    </message>
    <message>
        <source>A tax needs a name.</source>
        <translation>Een belasting heeft een naam nodig.</translation>
    </message>
    <message>
        <source>A tax rate must be from 0 % to 100 %.</source>
        <translation>Een btw-tarief moet van 0 % tot 100 % zijn.</translation>
    </message>
    <message>
        <source>A tax rate needs the date it takes effect.</source>
        <translation>Een btw-tarief heeft de datum nodig waarop het ingaat.</translation>
    </message>
    <message>
        <source>Tax row %1: %2</source>
        <translation>Belastingregel %1: %2</translation>
    </message>
    <message>
        <source>type the rate as a percent with at most two decimals, as 17.5.</source>
        <translation>typ het tarief als percentage met hoogstens twee decimalen, zoals 17.5.</translation>
    </message>
    <message>
        <source>it takes effect on %1, as row %2 does: keep one.</source>
        <translation>het gaat in op %1, net als regel %2: houd er één.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Illegal property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>No default printer is installed.</source>
        <translation>Er is geen standaardprinter geïnstalleerd.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the document.</source>
        <translation>De printer %1 heeft het document niet aanvaard.</translation>
    </message>
</context>
<context>
    <name>QuickSearch</name>
    <message>
        <source>Booking %1</source>
        <translation>Boeking %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>(cancelled)</source>
        <translation>(geannuleerd)</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Klant: %1</translation>
    </message>
</context>
<context>
    <name>QuickSearchBox</name>
    <message>
        <source>Search (Ctrl+K)</source>
        <translation>Zoeken (Ctrl+K)</translation>
    </message>
    <message>
        <source>Part of a name, a confirmation number, a boat&apos;s name or a berth: finds bookings and customers. Enter opens the booking&apos;s summary or the customer.</source>
        <translation>Een deel van een naam, een bevestigingsnummer, een bootnaam of een ligplaats: vindt boekingen en klanten. Enter opent het overzicht van de boeking of de klant.</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Niets gevonden</translation>
    </message>
</context>
<context>
    <name>RateStore</name>
    <message>
        <source>A minimum length must be from 0 to 1,000 metres.</source>
        <translation>Een minimumlengte moet van 0 tot 1.000 meter zijn.</translation>
    </message>
    <message>
        <source>A rate belongs to a season that is not in the table.</source>
        <translation>Een tarief hoort bij een seizoen dat niet in de tabel staat.</translation>
    </message>
    <message>
        <source>A rate is either a berth type&apos;s or one berth&apos;s.</source>
        <translation>Een tarief hoort bij een ligplaatstype of bij één ligplaats.</translation>
    </message>
    <message>
        <source>A season has two rates for the same berth or berth type.</source>
        <translation>Een seizoen heeft twee tarieven voor dezelfde ligplaats of hetzelfde ligplaatstype.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>%1 to %2, priority %3%4</source>
        <translation>%1 tot %2, prioriteit %3%4</translation>
    </message>
    <message>
        <source>, every year</source>
        <translation>, elk jaar</translation>
    </message>
    <message>
        <source>nightly %1</source>
        <translation>per nacht %1</translation>
    </message>
    <message>
        <source>weekend night %1</source>
        <translation>weekendnacht %1</translation>
    </message>
    <message>
        <source>weekly %1</source>
        <translation>per week %1</translation>
    </message>
    <message>
        <source>monthly %1</source>
        <translation>per maand %1</translation>
    </message>
    <message>
        <source>per metre</source>
        <translation>per meter</translation>
    </message>
    <message>
        <source>Season %1:</source>
        <translation>Seizoen %1:</translation>
    </message>
    <message>
        <source>Rate of %1 in %2:</source>
        <translation>Tarief van %1 in %2:</translation>
    </message>
    <message>
        <source>Least length of %1:</source>
        <translation>Minimumlengte van %1:</translation>
    </message>
    <message>
        <source>Two tax rates take effect on %1: keep one.</source>
        <translation>Twee btw-tarieven gaan in op %1: houd er één.</translation>
    </message>
    <message>
        <source>Another desk changed the tax rates since this window read them, so nothing was saved. Close the window and open it again to see their changes.</source>
        <translation>Een andere werkplek heeft de btw-tarieven gewijzigd sinds dit venster ze las, dus er is niets opgeslagen. Sluit het venster en open het opnieuw om de wijzigingen te zien.</translation>
    </message>
</context>
<context>
    <name>RatesDialog</name>
    <message>
        <source>Rates</source>
        <translation>Tarieven</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Seizoen</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Eerste nacht</translation>
    </message>
    <message>
        <source>Last night</source>
        <translation>Laatste nacht</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Elk jaar</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioriteit</translation>
    </message>
    <message>
        <source>Berth type or berth</source>
        <translation>Ligplaatstype of ligplaats</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Per meter</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Per nacht</translation>
    </message>
    <message>
        <source>Weekend night</source>
        <translation>Weekendnacht</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Per week</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Per maand</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Ligplaatstype</translation>
    </message>
    <message>
        <source>Minimum length (m)</source>
        <translation>Minimumlengte (m)</translation>
    </message>
    <message>
        <source>&amp;Seasons (a night takes the highest priority that covers it; nights outside every season take the berth&apos;s daily charge):</source>
        <translation>&amp;Seizoenen (een nacht krijgt de hoogste prioriteit die hem dekt; nachten buiten elk seizoen krijgen de dagprijs van de ligplaats):</translation>
    </message>
    <message>
        <source>Ra&amp;tes in the chosen season (leave Nightly empty for no rate):</source>
        <translation>&amp;Tarieven in het gekozen seizoen (laat Per nacht leeg voor geen tarief):</translation>
    </message>
    <message>
        <source>Per-metre rates count at &amp;least:</source>
        <translation>Tarieven per meter rekenen &amp;minstens:</translation>
    </message>
    <message>
        <source>&amp;Add Season</source>
        <translation>Seizoen toe&amp;voegen</translation>
    </message>
    <message>
        <source>&amp;Remove Season</source>
        <translation>Seizoen verwij&amp;deren</translation>
    </message>
    <message>
        <source>Add &amp;Berth&apos;s Own Rate</source>
        <translation>Eigen tarief &amp;ligplaats toevoegen</translation>
    </message>
    <message>
        <source>Remove Berth&apos;s O&amp;wn Rate</source>
        <translation>Eigen tarief ligplaats ver&amp;wijderen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Berth %1</source>
        <translation>Ligplaats %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>&quot;%1&quot; is geen bedrag.</translation>
    </message>
    <message>
        <source>Give %1 a nightly rate, or leave its other rates empty.</source>
        <translation>Geef %1 een tarief per nacht, of laat de andere tarieven leeg.</translation>
    </message>
    <message>
        <source>The priority is a whole number from 0 to 999.</source>
        <translation>De prioriteit is een heel getal van 0 tot 999.</translation>
    </message>
    <message>
        <source>The minimum length is a number of metres from 0 to 1,000.</source>
        <translation>De minimumlengte is een aantal meters van 0 tot 1.000.</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Nieuw seizoen</translation>
    </message>
    <message>
        <source>The berth register holds weekly or monthly charges for %1 berth(s). Make them those berths&apos; own rates in the new season?</source>
        <translation>Het ligplaatsregister bevat week- of maandprijzen voor %1 ligplaats(en). Die in het nieuwe seizoen de eigen tarieven van die ligplaatsen maken?</translation>
    </message>
    <message>
        <source>Berth %1 has its own rate in this season already.</source>
        <translation>Ligplaats %1 heeft in dit seizoen al een eigen tarief.</translation>
    </message>
    <message>
        <source>rate table</source>
        <translation>tarieventabel</translation>
    </message>
    <message>
        <source>Close without saving the changes to the rates?</source>
        <translation>Sluiten zonder de wijzigingen in de tarieven op te slaan?</translation>
    </message>
</context>
<context>
    <name>ReadErrorLine</name>
    <message>
        <source>The rows could not be read: %1</source>
        <translation>De rijen konden niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>RegionalSettingsDialog</name>
    <message>
        <source>Regional Settings</source>
        <translation>Regionale instellingen</translation>
    </message>
    <message>
        <source>Configure the system to show your regional settings and preferences</source>
        <translation>Stel het systeem in op uw regionale instellingen en voorkeuren</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>ZIP-code</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Meters</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Voet</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>dag/maand/jaar</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>maand/dag/jaar</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>dag.maand.jaar</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>jaar-maand-dag</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Adults and No Kids</source>
        <translation>Aantal volwassenen en kinderen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>Postcode / ZIP-code:</translation>
    </message>
    <message>
        <source>Currency Symbol:</source>
        <translation>Valutasymbool:</translation>
    </message>
    <message>
        <source>Check-in time:</source>
        <translation>Inchecktijd:</translation>
    </message>
    <message>
        <source>Check out time:</source>
        <translation>Uitchecktijd:</translation>
    </message>
    <message>
        <source>Office closing &amp;time:</source>
        <translation>Sluitings&amp;tijd kantoor:</translation>
    </message>
    <message>
        <source>Boat sizes in:</source>
        <translation>Bootmaten in:</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>The language is applied at the next start.</source>
        <translation>De taal wordt bij de volgende start toegepast.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Taa&amp;l:</translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Herinneringen</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Boeking</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Herinnering</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Due by</source>
        <translation>Vóór</translation>
    </message>
    <message>
        <source>&amp;Send the ticked reminders</source>
        <translation>De aangevinkte herinneringen &amp;versturen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The reminders could not be read: %1</source>
        <translation>De herinneringen konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>%1 (overdue)</source>
        <translation>%1 (achterstallig)</translation>
    </message>
    <message>
        <source>(no address)</source>
        <translation>(geen adres)</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) due today; untick any that should not go.</source>
        <translation>
            <numerusform>%n herinnering vandaag te versturen; vink uit wat niet weg moet.</numerusform>
            <numerusform>%n herinneringen vandaag te versturen; vink uit wat niet weg moet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bookings chosen owe nothing that has not been reminded already.</source>
        <translation>De gekozen boekingen zijn niets verschuldigd waaraan nog niet herinnerd is.</translation>
    </message>
    <message>
        <source>No reminders are due today.</source>
        <translation>Er zijn vandaag geen herinneringen te versturen.</translation>
    </message>
    <message>
        <source>No reminder was queued: %1</source>
        <translation>Er is geen herinnering in de wachtrij gezet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s)</source>
        <translation>
            <numerusform>%n herinnering</numerusform>
            <numerusform>%n herinneringen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) are in the outbox and go out in the background.</source>
        <translation>
            <numerusform>%n herinnering staat in het postvak uit en gaat op de achtergrond weg.</numerusform>
            <numerusform>%n herinneringen staan in het postvak uit en gaan op de achtergrond weg.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Removal</name>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Weet u zeker dat u dit item wilt verwijderen?</translation>
    </message>
</context>
<context>
    <name>RenewalsDialog</name>
    <message>
        <source>Renew contracts</source>
        <translation>Contracten verlengen</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lijst</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Verlengen</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Houder</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Ligplaatsen</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Eindigt</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Deze looptijd</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Volgende looptijd</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Renewal price</source>
        <translation>Verlengingsprijs</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>Re&amp;new chosen</source>
        <translation>Gekozen &amp;verlengen</translation>
    </message>
    <message>
        <source>&amp;Send renewal letters</source>
        <translation>Verlengingsbrieven ver&amp;sturen</translation>
    </message>
    <message>
        <source>&amp;Print renewal letters</source>
        <translation>Verlengingsbrieven af&amp;drukken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Ending &amp;from:</source>
        <translation>Eindigend va&amp;naf:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;tot:</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>De periode eindigt voordat ze begint.</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>geen tarief</translation>
    </message>
    <message>
        <source>No contract in force ends in this period unrenewed.</source>
        <translation>Geen lopend contract eindigt in deze periode zonder verlenging.</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) have no rate for next term: type their price.</source>
        <translation>
            <numerusform>%n contract heeft geen tarief voor de volgende looptijd: typ de prijs.</numerusform>
            <numerusform>%n contracten hebben geen tarief voor de volgende looptijd: typ hun prijzen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1: type the renewal price as an amount, such as 1200.00.</source>
        <translation>Contract %1: typ de verlengingsprijs als bedrag, zoals 1200.00.</translation>
    </message>
    <message>
        <source>Tick the contracts to renew first, or Select all.</source>
        <translation>Vink eerst de te verlengen contracten aan, of Alles selecteren.</translation>
    </message>
    <message numerus="yes">
        <source>Renew %n contract(s) at %1 before tax in all?

Yes makes each renewal a new contract with its plan and keeps its renewal letter; nothing is renewed if one cannot be.
No goes back to the list.</source>
        <translation>
            <numerusform>%n contract verlengen voor in totaal %1 exclusief btw?

Ja maakt van elke verlenging een nieuw contract met een betalingsplan en bewaart de verlengingsbrief; er wordt niets verlengd als er één niet kan.
Nee gaat terug naar de lijst.</numerusform>
            <numerusform>%n contracten verlengen voor in totaal %1 exclusief btw?

Ja maakt van elke verlenging een nieuw contract met een betalingsplan en bewaart de verlengingsbrief; er wordt niets verlengd als er één niet kan.
Nee gaat terug naar de lijst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1 renewed as contract %2, %3</source>
        <translation>Contract %1 verlengd als contract %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Send renewal letters queues their letters by e-mail.</source>
        <translation>
            <numerusform>%n contract verlengd. Verlengingsbrieven versturen zet de brief per e-mail in de wachtrij.</numerusform>
            <numerusform>%n contracten verlengd. Verlengingsbrieven versturen zet hun brieven per e-mail in de wachtrij.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Print renewal letters prints their letters.</source>
        <translation>
            <numerusform>%n contract verlengd. Verlengingsbrieven afdrukken drukt de brief af.</numerusform>
            <numerusform>%n contracten verlengd. Verlengingsbrieven afdrukken drukt hun brieven af.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s)</source>
        <translation>
            <numerusform>%n verlengingsbrief</numerusform>
            <numerusform>%n verlengingsbrieven</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued.</source>
        <translation>
            <numerusform>%n verlengingsbrief in de wachtrij gezet.</numerusform>
            <numerusform>%n verlengingsbrieven in de wachtrij gezet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued. These contracts&apos; holders have no e-mail address, so their letters are to be printed: %1.</source>
        <translation>
            <numerusform>%n verlengingsbrief in de wachtrij gezet. De houders van deze contracten hebben geen e-mailadres, dus hun brieven moeten worden afgedrukt: %1.</numerusform>
            <numerusform>%n verlengingsbrieven in de wachtrij gezet. De houders van deze contracten hebben geen e-mailadres, dus hun brieven moeten worden afgedrukt: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract Renewal %1.pdf</source>
        <translation>Contractverlenging %1.pdf</translation>
    </message>
</context>
<context>
    <name>ReportLayouts</name>
    <message>
        <source>Booking added:</source>
        <translation>Boeking toegevoegd:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Tot:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Klant:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Ligplaats(en):</translation>
    </message>
    <message>
        <source>Report of Booking</source>
        <translation>Boekingsrapport</translation>
    </message>
    <message>
        <source>List of all up comming bookings</source>
        <translation>Lijst van alle komende boekingen</translation>
    </message>
    <message>
        <source>List of today bookings</source>
        <translation>Lijst van de boekingen van vandaag</translation>
    </message>
    <message>
        <source>List of todays checkouts left to be completed</source>
        <translation>Lijst van vandaag nog af te ronden check-outs</translation>
    </message>
    <message>
        <source>Arrivals today</source>
        <translation>Aankomsten vandaag</translation>
    </message>
    <message>
        <source>Departures today</source>
        <translation>Vertrekken vandaag</translation>
    </message>
    <message>
        <source>Period Sales</source>
        <translation>Omzet over de periode</translation>
    </message>
    <message>
        <source>List: %p of %P</source>
        <translation>Lijst: %p van %P</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Klant:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Hire </source>
        <translation>Huur </translation>
    </message>
    <message>
        <source>Other </source>
        <translation>Overig </translation>
    </message>
    <message>
        <source>VAT </source>
        <translation>Btw </translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Totaal </translation>
    </message>
    <message>
        <source>Reservations With Balance Due</source>
        <translation>Reserveringen met openstaand saldo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Reservation:</source>
        <translation>Reservering:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Overige kosten:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>Btw:</translation>
    </message>
    <message>
        <source>Payable:</source>
        <translation>Te betalen:</translation>
    </message>
    <message>
        <source>Payed:</source>
        <translation>Betaald:</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Verschuldigde betalingen</translation>
    </message>
    <message>
        <source>Conf. No:</source>
        <translation>Bev.-nr.:</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Aankomst:</translation>
    </message>
    <message>
        <source>Due by:</source>
        <translation>Vóór:</translation>
    </message>
    <message>
        <source>Paid:</source>
        <translation>Betaald:</translation>
    </message>
    <message>
        <source>Owed:</source>
        <translation>Verschuldigd:</translation>
    </message>
    <message>
        <source>Due now:</source>
        <translation>Nu te betalen:</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Achterstallig</translation>
    </message>
    <message>
        <source>Due within 7 days</source>
        <translation>Binnen 7 dagen te betalen</translation>
    </message>
    <message>
        <source>Due later</source>
        <translation>Later te betalen</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totaal %1</translation>
    </message>
</context>
<context>
    <name>ReportManager</name>
    <message>
        <source>From:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Tot:</translation>
    </message>
    <message>
        <source>Report Manager</source>
        <translation>Rapporten</translation>
    </message>
    <message>
        <source>&amp;List of all up comming bookings</source>
        <translation>&amp;Lijst van alle komende boekingen</translation>
    </message>
    <message>
        <source>List of bookings &amp;taken today</source>
        <translation>Lijst van &amp;vandaag aangenomen boekingen</translation>
    </message>
    <message>
        <source>List of todays &amp;checkouts left to be completed</source>
        <translation>Lijst van vandaag nog af te ronden &amp;check-outs</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Aankomsten vandaag</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>V&amp;ertrekken vandaag</translation>
    </message>
    <message>
        <source>Outstanding &amp;Balance A/Cs</source>
        <translation>Openstaande &amp;saldi</translation>
    </message>
    <message>
        <source>&amp;Payments due</source>
        <translation>Verschuldigde &amp;betalingen</translation>
    </message>
    <message>
        <source>Send reminders for pa&amp;yments due...</source>
        <translation>Betalings&amp;herinneringen versturen...</translation>
    </message>
    <message>
        <source>Period sales summa&amp;ry</source>
        <translation>Omzetoverzicht &amp;periode</translation>
    </message>
    <message>
        <source>Takings</source>
        <translation>Ontvangsten</translation>
    </message>
    <message>
        <source>Cash-&amp;up...</source>
        <translation>&amp;Kasafsluiting...</translation>
    </message>
    <message>
        <source>E&amp;xport cash-up (CSV)...</source>
        <translation>Kasafsluiting e&amp;xporteren (CSV)...</translation>
    </message>
    <message>
        <source>Export payme&amp;nts (CSV)...</source>
        <translation>Betalingen exporte&amp;ren (CSV)...</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Cijfers</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Bezetting</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Omzet per maand</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Verblijfsduur en boekingstermijn</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>De drukste ligplaatsen</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Meterverbruik per maand</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Show fi&amp;gure</source>
        <translation>Grafiek &amp;tonen</translation>
    </message>
    <message>
        <source>F&amp;igure:</source>
        <translation>&amp;Grafiek:</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>Va&amp;n:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>T&amp;ot:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Interval:</translation>
    </message>
    <message>
        <source>** If you have the need for a specific report, please contact our support team and we will endevour to create the report that you are looking for **</source>
        <translation>** Hebt u een specifiek rapport nodig, neem dan contact op met ons supportteam; we zullen ons best doen om het rapport te maken dat u zoekt **</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>&amp;View meter lists...</source>
        <translation>&amp;Meterlijsten bekijken...</translation>
    </message>
    <message>
        <source>The list could not be read: %1</source>
        <translation>De lijst kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Nothing to print!</source>
        <translation>Niets om af te drukken!</translation>
    </message>
    <message>
        <source>No booking has money owing.</source>
        <translation>Geen enkele boeking heeft een openstaand bedrag.</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Verschuldigde betalingen</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>De periode eindigt voordat ze begint.</translation>
    </message>
    <message>
        <source>The cash-up could not be read: %1</source>
        <translation>De kasafsluiting kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Export Cash-up</source>
        <translation>Kasafsluiting exporteren</translation>
    </message>
    <message>
        <source>The figures could not be read: %1</source>
        <translation>De cijfers konden niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>RequestActions</name>
    <message>
        <source>length %1</source>
        <translation>lengte %1</translation>
    </message>
    <message>
        <source>beam %1</source>
        <translation>breedte %1</translation>
    </message>
    <message>
        <source>draft %1</source>
        <translation>diepgang %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>van %1 tot %2</translation>
    </message>
    <message>
        <source>No free berth fits a boat of %1 %2.</source>
        <translation>Geen vrije ligplaats past bij een boot van %1 %2.</translation>
    </message>
    <message>
        <source>No berth is free %1.</source>
        <translation>Er is geen ligplaats vrij %1.</translation>
    </message>
    <message>
        <source>From the booking request received %1.</source>
        <translation>Uit de boekingsaanvraag ontvangen op %1.</translation>
    </message>
    <message>
        <source>Boat of %1</source>
        <translation>Boot van %1</translation>
    </message>
    <message>
        <source>The request has no e-mail address to answer: %1</source>
        <translation>De aanvraag heeft geen e-mailadres om te beantwoorden: %1</translation>
    </message>
    <message>
        <source>Another desk booked one of these berths meanwhile. Nothing was saved: choose again.</source>
        <translation>Een andere werkplek heeft intussen een van deze ligplaatsen geboekt. Er is niets opgeslagen: kies opnieuw.</translation>
    </message>
</context>
<context>
    <name>RequestMailboxPanel</name>
    <message>
        <source>empty: no requests are read</source>
        <translation>leeg: er worden geen aanvragen gelezen</translation>
    </message>
    <message>
        <source>None (inside the office only)</source>
        <translation>Geen (alleen binnen het kantoor)</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>TLS (imaps)</source>
        <translation>TLS (imaps)</translation>
    </message>
    <message>
        <source>Take the server&apos;s own &amp;certificate unchecked</source>
        <translation>Eigen cer&amp;tificaat van de server ongecontroleerd aannemen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Mail ser&amp;ver:</source>
        <translation>&amp;Mailserver:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>P&amp;oort:</translation>
    </message>
    <message>
        <source>Securit&amp;y:</source>
        <translation>Bev&amp;eiliging:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>Gebr&amp;uiker:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;IMAP-map:</translation>
    </message>
    <message>
        <source>Read every (&amp;minutes):</source>
        <translation>Ophalen elke (mi&amp;nuten):</translation>
    </message>
    <message>
        <source>A hold las&amp;ts (hours):</source>
        <translation>Vasthouden duurt (u&amp;ren):</translation>
    </message>
    <message>
        <source>The mailbox settings were not saved.
%1</source>
        <translation>De postvakinstellingen zijn niet opgeslagen.
%1</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Aanvragen</translation>
    </message>
</context>
<context>
    <name>RequestMessage</name>
    <message>
        <source>This message is not a booking request from the web page.</source>
        <translation>Dit bericht is geen boekingsaanvraag van de webpagina.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>Het vertrek ligt niet na de aankomst.</translation>
    </message>
    <message>
        <source>The dates cannot be read as days, months and years: enter them from the message.</source>
        <translation>De data kunnen niet als dagen, maanden en jaren worden gelezen: neem ze over uit het bericht.</translation>
    </message>
    <message>
        <source>The dates are written in another style: enter them from the message.</source>
        <translation>De data zijn in een andere notatie geschreven: neem ze over uit het bericht.</translation>
    </message>
    <message>
        <source>The request gives no dates.</source>
        <translation>De aanvraag bevat geen data.</translation>
    </message>
    <message>
        <source>The request gives no name.</source>
        <translation>De aanvraag bevat geen naam.</translation>
    </message>
    <message>
        <source>The request gives no e-mail address.</source>
        <translation>De aanvraag bevat geen e-mailadres.</translation>
    </message>
    <message>
        <source>The e-mail address &quot;%1&quot; cannot be written to.</source>
        <translation>Naar het e-mailadres &quot;%1&quot; kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot;</source>
        <translation>de lengte &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the beam &quot;%1&quot;</source>
        <translation>de breedte &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the draft &quot;%1&quot;</source>
        <translation>de diepgang &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The boat&apos;s size cannot be read (%1).</source>
        <translation>De afmetingen van de boot kunnen niet worden gelezen (%1).</translation>
    </message>
    <message>
        <source>The message is %1 KB, too large to read here: read it in the mailbox.</source>
        <translation>Het bericht is %1 KB, te groot om hier te lezen: lees het in het postvak.</translation>
    </message>
</context>
<context>
    <name>RequestSettings</name>
    <message>
        <source>The mailbox is read every 1 to %1 minutes.</source>
        <translation>Het postvak wordt elke 1 tot %1 minuten gelezen.</translation>
    </message>
    <message>
        <source>A hold lasts 1 to %1 hours.</source>
        <translation>Vasthouden duurt 1 tot %1 uur.</translation>
    </message>
    <message>
        <source>The user name must be one line of at most 200 characters.</source>
        <translation>De gebruikersnaam moet één regel van hoogstens 200 tekens zijn.</translation>
    </message>
</context>
<context>
    <name>RequestStore</name>
    <message>
        <source>%1 declined this request at %2.</source>
        <translation>%1 heeft deze aanvraag op %2 afgewezen.</translation>
    </message>
    <message>
        <source>This request was booked by %1 at %2 (booking %3).</source>
        <translation>Deze aanvraag is geboekt door %1 op %2 (boeking %3).</translation>
    </message>
    <message>
        <source>%1 accepted this request at %2 and is booking it.</source>
        <translation>%1 heeft deze aanvraag op %2 geaccepteerd en boekt haar.</translation>
    </message>
    <message>
        <source>The request changed meanwhile: look at it again.</source>
        <translation>De aanvraag is intussen gewijzigd: bekijk haar opnieuw.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>To check</source>
        <translation>Te controleren</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Geboekt</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Vastgehouden</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Geaccepteerd</translation>
    </message>
    <message>
        <source>Declined</source>
        <translation>Afgewezen</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Verlopen</translation>
    </message>
    <message>
        <source>The request is no longer there.</source>
        <translation>De aanvraag is er niet meer.</translation>
    </message>
    <message>
        <source>The request has no dates to hold a berth for: book it through the wizard instead.</source>
        <translation>De aanvraag heeft geen data om een ligplaats voor vast te houden: boek haar in plaats daarvan via de wizard.</translation>
    </message>
    <message>
        <source>The request holds %1 already.</source>
        <translation>De aanvraag houdt %1 al vast.</translation>
    </message>
    <message>
        <source>A hold must end after now.</source>
        <translation>Vasthouden moet na nu eindigen.</translation>
    </message>
    <message>
        <source>Held for %1 until %2</source>
        <translation>Vastgehouden voor %1 tot %2</translation>
    </message>
    <message>
        <source>Request from %1 (%2)</source>
        <translation>Aanvraag van %1 (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
</context>
<context>
    <name>RequestsWindow</name>
    <message>
        <source>Received</source>
        <translation>Ontvangen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Aankomst</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Vertrek</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Show answ&amp;ered requests too</source>
        <translation>Ook &amp;beantwoorde aanvragen tonen</translation>
    </message>
    <message>
        <source>&amp;Accept...</source>
        <translation>A&amp;ccepteren...</translation>
    </message>
    <message>
        <source>&amp;Hold...</source>
        <translation>&amp;Vasthouden...</translation>
    </message>
    <message>
        <source>&amp;Decline...</source>
        <translation>A&amp;fwijzen...</translation>
    </message>
    <message>
        <source>&amp;Read now</source>
        <translation>Nu op&amp;halen</translation>
    </message>
    <message>
        <source>Re&amp;quests</source>
        <translation>&amp;Aanvragen</translation>
    </message>
    <message>
        <source>Mai&amp;lbox</source>
        <translation>&amp;Postvak</translation>
    </message>
    <message>
        <source>Booking Requests</source>
        <translation>Boekingsaanvragen</translation>
    </message>
    <message>
        <source>The requests could not be read: %1</source>
        <translation>De aanvragen konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>To check: %1</source>
        <translation>Te controleren: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Naam: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Telefoon: %1</translation>
    </message>
    <message>
        <source>Dates: %1 to %2</source>
        <translation>Data: %1 tot %2</translation>
    </message>
    <message>
        <source>Boat (length × beam × draft): %1</source>
        <translation>Boot (lengte × breedte × diepgang): %1</translation>
    </message>
    <message>
        <source>Berth type: %1</source>
        <translation>Ligplaatstype: %1</translation>
    </message>
    <message>
        <source>Comments: %1</source>
        <translation>Opmerkingen: %1</translation>
    </message>
    <message>
        <source>Holds %1 until %2</source>
        <translation>Houdt %1 vast tot %2</translation>
    </message>
    <message>
        <source>%1 by %2 at %3</source>
        <translation>%1 door %2 op %3</translation>
    </message>
    <message>
        <source>The message:</source>
        <translation>Het bericht:</translation>
    </message>
    <message>
        <source>%1
Open the booking wizard all the same?</source>
        <translation>%1
De boekingswizard toch openen?</translation>
    </message>
    <message>
        <source>Accepted by %1: %2</source>
        <translation>Geaccepteerd door %1: %2</translation>
    </message>
    <message>
        <source>No free berth fits this request over its dates: there is nothing to hold.</source>
        <translation>Geen vrije ligplaats past bij deze aanvraag op haar data: er is niets vast te houden.</translation>
    </message>
    <message>
        <source>Hold which berth for %1 hours?</source>
        <translation>Welke ligplaats %1 uur vasthouden?</translation>
    </message>
    <message>
        <source>%1 held for %2 hours: %3</source>
        <translation>%1 vastgehouden voor %2 uur: %3</translation>
    </message>
    <message>
        <source>Decline the request</source>
        <translation>De aanvraag afwijzen</translation>
    </message>
    <message>
        <source>&amp;Decline and send the reply</source>
        <translation>&amp;Afwijzen en het antwoord versturen</translation>
    </message>
    <message>
        <source>&amp;Keep the request</source>
        <translation>De aanvraag &amp;houden</translation>
    </message>
    <message>
        <source>To %1 &lt;%2&gt;</source>
        <translation>Aan %1 &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Declined by %1: %2</source>
        <translation>Afgewezen door %1: %2</translation>
    </message>
</context>
<context>
    <name>RestoreScript</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>a table %1</source>
        <translation>een tabel %1</translation>
    </message>
    <message>
        <source>the rows of a table %1</source>
        <translation>de rijen van een tabel %1</translation>
    </message>
    <message>
        <source>a function %1</source>
        <translation>een functie %1</translation>
    </message>
    <message>
        <source>a procedure %1</source>
        <translation>een procedure %1</translation>
    </message>
    <message>
        <source>a trigger %1</source>
        <translation>een trigger %1</translation>
    </message>
    <message>
        <source>an index %1</source>
        <translation>een index %1</translation>
    </message>
    <message>
        <source>a view %1</source>
        <translation>een view %1</translation>
    </message>
    <message>
        <source>a rule %1</source>
        <translation>een regel %1</translation>
    </message>
    <message>
        <source>a policy %1</source>
        <translation>een policy %1</translation>
    </message>
    <message>
        <source>a sequence %1</source>
        <translation>een sequence %1</translation>
    </message>
    <message>
        <source>a column default %1</source>
        <translation>een kolomstandaard %1</translation>
    </message>
    <message>
        <source>a constraint %1</source>
        <translation>een constraint %1</translation>
    </message>
    <message>
        <source>a %1 %2</source>
        <translation>een %1 %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>nog %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>a statement &quot;%1&quot;</source>
        <translation>een statement &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it holds %1 that is not part of a harbour database.</source>
        <translation>ze bevat %1 dat geen deel is van een havendatabase.</translation>
    </message>
    <message>
        <source>it holds %1 that are not part of a harbour database.</source>
        <translation>ze bevat %1 die geen deel zijn van een havendatabase.</translation>
    </message>
    <message>
        <source>it holds %1 with a definition that is not ours.</source>
        <translation>ze bevat %1 met een definitie die niet van ons is.</translation>
    </message>
    <message>
        <source>it holds %1 with definitions that are not ours.</source>
        <translation>ze bevat %1 met definities die niet van ons zijn.</translation>
    </message>
    <message>
        <source>it lacks %1 of a harbour database.</source>
        <translation>ze mist %1 van een havendatabase.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Refunds and corrections</source>
        <translation>Terugbetalingen en correcties</translation>
    </message>
    <message>
        <source>give refunds or corrections</source>
        <translation>terugbetalingen of correcties doen</translation>
    </message>
    <message>
        <source>Prices typed over the rates</source>
        <translation>Prijzen afwijkend van de tarieven</translation>
    </message>
    <message>
        <source>type a price over the rates or keep it after a change</source>
        <translation>een prijs afwijkend van de tarieven typen of die na een wijziging houden</translation>
    </message>
    <message>
        <source>Cancelling a paid booking</source>
        <translation>Een betaalde boeking annuleren</translation>
    </message>
    <message>
        <source>cancel a paid booking</source>
        <translation>een betaalde boeking annuleren</translation>
    </message>
    <message>
        <source>Deleting customers, berths and owners</source>
        <translation>Klanten, ligplaatsen en eigenaren verwijderen</translation>
    </message>
    <message>
        <source>delete customers, berths or owners</source>
        <translation>klanten, ligplaatsen of eigenaren verwijderen</translation>
    </message>
    <message>
        <source>Rates and taxes</source>
        <translation>Tarieven en belastingen</translation>
    </message>
    <message>
        <source>change rates and taxes</source>
        <translation>tarieven en belastingen wijzigen</translation>
    </message>
    <message>
        <source>Company details</source>
        <translation>Bedrijfsgegevens</translation>
    </message>
    <message>
        <source>change the company&apos;s details</source>
        <translation>de bedrijfsgegevens wijzigen</translation>
    </message>
    <message>
        <source>Restoring and compacting the database</source>
        <translation>De database terugzetten en comprimeren</translation>
    </message>
    <message>
        <source>restore or compact the database</source>
        <translation>de database terugzetten of comprimeren</translation>
    </message>
    <message>
        <source>Exports of personal data</source>
        <translation>Exports van persoonsgegevens</translation>
    </message>
    <message>
        <source>export personal data</source>
        <translation>persoonsgegevens exporteren</translation>
    </message>
    <message>
        <source>Users and permissions</source>
        <translation>Gebruikers en rechten</translation>
    </message>
    <message>
        <source>manage users and permissions</source>
        <translation>gebruikers en rechten beheren</translation>
    </message>
    <message>
        <source>Clerk</source>
        <translation>Medewerker</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Beheerder</translation>
    </message>
    <message>
        <source>a clerk</source>
        <translation>een medewerker</translation>
    </message>
    <message>
        <source>a manager</source>
        <translation>een manager</translation>
    </message>
    <message>
        <source>an administrator</source>
        <translation>een beheerder</translation>
    </message>
</context>
<context>
    <name>SafeFiles</name>
    <message>
        <source>Cannot rename %1 to %2.</source>
        <translation>Kan %1 niet hernoemen naar %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Cannot link %1 to %2.</source>
        <translation>Kan %1 niet koppelen aan %2.</translation>
    </message>
</context>
<context>
    <name>SendEmail</name>
    <message>
        <source>No e-mail program could be started for this address.</source>
        <translation>Er kon geen e-mailprogramma worden gestart voor dit adres.</translation>
    </message>
</context>
<context>
    <name>ServerArchive</name>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 kon niet worden gestart: %2</translation>
    </message>
    <message>
        <source>%1 did not finish: %2</source>
        <translation>%1 is niet voltooid: %2</translation>
    </message>
    <message>
        <source>%1 is not installed (Debian: postgresql-client).</source>
        <translation>%1 is niet geïnstalleerd (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>pg_dump is not installed (Debian: postgresql-client).</source>
        <translation>pg_dump is niet geïnstalleerd (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Kan %1 niet schrijven.</translation>
    </message>
    <message>
        <source>pg_restore is not installed (Debian: postgresql-client).</source>
        <translation>pg_restore is niet geïnstalleerd (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>it is the backup of a database file, and this desk works on a server; it restores at a desk that works on a file.</source>
        <translation>het is de back-up van een databasebestand, en deze werkplek werkt op een server; het wordt teruggezet op een werkplek die op een bestand werkt.</translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>het is geen back-uparchief van Zem Harbour.</translation>
    </message>
    <message>
        <source>it holds no table %1: it is not a backup of a harbour database.</source>
        <translation>het bevat geen tabel %1: het is geen back-up van een havendatabase.</translation>
    </message>
    <message>
        <source>it holds schema version %1; this program understands 1 to %2.</source>
        <translation>het bevat schemaversie %1; dit programma begrijpt 1 tot %2.</translation>
    </message>
    <message>
        <source>Only the database&apos;s owner, the office&apos;s role, may restore or compact it on a server, and this desk&apos;s address signs in as %1. Please do it at a desk whose address (and password file) name the office&apos;s role.</source>
        <translation>Alleen de eigenaar van de database, de rol van het kantoor, mag haar op een server herstellen of comprimeren, en het adres van deze werkplek meldt zich aan als %1. Doe het op een werkplek waarvan het adres (en wachtwoordbestand) de rol van het kantoor noemt.</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>the login was removed or deactivated, or its password changed, at another desk (%1)</source>
        <translation>de login is op een andere werkplek verwijderd of gedeactiveerd, of het wachtwoord is gewijzigd (%1)</translation>
    </message>
    <message>
        <source>the server cannot be reached (%1)</source>
        <translation>de server is niet bereikbaar (%1)</translation>
    </message>
    <message>
        <source>The server did not let %1 in, so this desk stays connected as before: %2</source>
        <translation>De server liet %1 niet toe, dus deze werkplek blijft verbonden zoals voorheen: %2</translation>
    </message>
    <message>
        <source>The server did not let your user do this: your role may not (a manager may approve it at this desk), or an administrator has changed or removed your user at another desk. Nothing was changed.</source>
        <translation>De server stond uw gebruiker dit niet toe: uw rol mag het niet (een manager kan het op deze werkplek goedkeuren), of een beheerder heeft uw gebruiker op een andere werkplek gewijzigd of verwijderd. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it, or given it a new password, at another desk. Please sign in again (File, Switch User).</source>
        <translation>De server laat uw gebruiker niet meer binnen: een beheerder heeft hem op een andere werkplek verwijderd, gedeactiveerd of een nieuw wachtwoord gegeven. Meld u opnieuw aan (Bestand, Gebruiker wisselen).</translation>
    </message>
    <message>
        <source>The server said: %1</source>
        <translation>De server meldde: %1</translation>
    </message>
</context>
<context>
    <name>ServerRoles</name>
    <message>
        <source>Logins are kept by a database server; a file has none.</source>
        <translation>Logins worden door een databaseserver bijgehouden; een bestand heeft er geen.</translation>
    </message>
    <message>
        <source>A login is 1 to 63 lower-case letters, digits and _, starting with a letter, and not one the server or the program keeps for itself.</source>
        <translation>Een login bestaat uit 1 tot 63 kleine letters, cijfers en _, begint met een letter en is er geen die de server of het programma voor zichzelf houdt.</translation>
    </message>
    <message>
        <source>A login needs a password.</source>
        <translation>Een login heeft een wachtwoord nodig.</translation>
    </message>
    <message>
        <source>A password is at most %1 characters.</source>
        <translation>Een wachtwoord heeft hoogstens %1 tekens.</translation>
    </message>
    <message>
        <source>%1 is not a login of Zem Harbour&apos;s roles.</source>
        <translation>%1 is geen login van de rollen van Zem Harbour.</translation>
    </message>
    <message>
        <source>The login %1 exists already.</source>
        <translation>De login %1 bestaat al.</translation>
    </message>
    <message>
        <source>This server has no sign-in role: the office&apos;s role could not make roles when the database was made.</source>
        <translation>Deze server heeft geen aanmeldrol: de rol van het kantoor kon geen rollen maken toen de database werd gemaakt.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Please sign in with your sign-in name and password.</source>
        <translation>Meld u aan met uw aanmeldnaam en wachtwoord.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Gebruiker wisselen</translation>
    </message>
    <message>
        <source>Type the sign-in name and password of the user who takes over this desk.</source>
        <translation>Typ de aanmeldnaam en het wachtwoord van de gebruiker die deze werkplek overneemt.</translation>
    </message>
    <message>
        <source>Type the sign-in name and PIN of the user who takes over this desk.</source>
        <translation>Typ de aanmeldnaam en de pincode van de gebruiker die deze werkplek overneemt.</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>&amp;Pincode:</translation>
    </message>
    <message>
        <source>Ask a Manager</source>
        <translation>Een manager vragen</translation>
    </message>
    <message>
        <source>A manager or an administrator approves this once: to %1.
Type your sign-in name and PIN or password.</source>
        <translation>Een manager of beheerder keurt dit eenmalig goed: %1.
Typ uw aanmeldnaam en pincode of wachtwoord.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>&amp;Pincode of wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>&amp;Aanmeldnaam:</translation>
    </message>
    <message>
        <source>(not a user&apos;s sign-in name)</source>
        <translation>(geen aanmeldnaam van een gebruiker)</translation>
    </message>
    <message>
        <source>%1 approved for %2: %3</source>
        <translation>%1 goedgekeurd voor %2: %3</translation>
    </message>
</context>
<context>
    <name>SmtpSender</name>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information.</source>
        <translation>Er is geen mailserver ingesteld: vul die in bij Bedrijfsgegevens instellen.</translation>
    </message>
    <message>
        <source>%1 is not a server name.</source>
        <translation>%1 is geen servernaam.</translation>
    </message>
    <message>
        <source>The mail server&apos;s port must be from 1 to 65535.</source>
        <translation>De poort van de mailserver moet van 1 tot 65535 zijn.</translation>
    </message>
    <message>
        <source>The mail library could not start.</source>
        <translation>De mailbibliotheek kon niet starten.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>De mailserver %1 is niet gevonden.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>De mailserver %1 antwoordde niet op poort %2.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>De mailserver weigerde de gebruikersnaam of het wachtwoord: %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>De mailserver biedt geen beveiligde verbinding (STARTTLS): %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Harbour, marina and campsite reservations</source>
        <translation>Reserveringen voor havens, jachthavens en campings</translation>
    </message>
    <message>
        <source>Version:  1.0.1</source>
        <translation>Versie:  1.0.1</translation>
    </message>
</context>
<context>
    <name>Sql</name>
    <message>
        <source>The database has been restored or compacted at another desk since this desk opened it. Nothing was read or saved from the old copy: the program works on the new one from your next action. Enter again what you were saving.</source>
        <translation>De database is op een andere werkplek teruggezet of gecomprimeerd sinds deze werkplek haar opende. Er is niets gelezen of opgeslagen uit de oude kopie: het programma werkt vanaf uw volgende handeling met de nieuwe. Voer opnieuw in wat u aan het opslaan was.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost. What you were saving may not have been saved: look it up before you enter it again. The program connects again with your next action.</source>
        <translation>De verbinding met de databaseserver is verbroken. Wat u aan het opslaan was, is misschien niet opgeslagen: controleer het voordat u het opnieuw invoert. Het programma maakt bij uw volgende handeling opnieuw verbinding.</translation>
    </message>
    <message>
        <source>The statement returned no row.</source>
        <translation>Het statement gaf geen rij terug.</translation>
    </message>
    <message>
        <source>The database gave the new record no ID.</source>
        <translation>De database gaf het nieuwe record geen ID.</translation>
    </message>
    <message>
        <source>No transaction is open.</source>
        <translation>Er is geen transactie open.</translation>
    </message>
</context>
<context>
    <name>StaffStore</name>
    <message>
        <source>This user has been removed at another desk.</source>
        <translation>Deze gebruiker is op een andere werkplek verwijderd.</translation>
    </message>
    <message>
        <source>%1 is the last active administrator: someone must be able to manage the users, so this user cannot be removed, deactivated or given another role.</source>
        <translation>%1 is de laatste actieve beheerder: iemand moet de gebruikers kunnen beheren, dus deze gebruiker kan niet worden verwijderd, gedeactiveerd of een andere rol krijgen.</translation>
    </message>
    <message>
        <source>The sign-in name &quot;%1&quot; is already in use.</source>
        <translation>De aanmeldnaam &quot;%1&quot; is al in gebruik.</translation>
    </message>
    <message>
        <source>The sign-in name or the password is wrong.</source>
        <translation>De aanmeldnaam of het wachtwoord is fout.</translation>
    </message>
    <message>
        <source>The sign-in name or the PIN is wrong.</source>
        <translation>De aanmeldnaam of de pincode is fout.</translation>
    </message>
    <message>
        <source>The sign-in name, or the PIN or password, is wrong.</source>
        <translation>De aanmeldnaam, of de pincode of het wachtwoord, is fout.</translation>
    </message>
    <message>
        <source>%1 is locked after %2 wrong tries in a row; try again after %3.</source>
        <translation>%1 is vergrendeld na %2 foute pogingen op rij; probeer het opnieuw na %3.</translation>
    </message>
    <message>
        <source>%1 is no longer an active user; an administrator can make the user active again.</source>
        <translation>%1 is geen actieve gebruiker meer; een beheerder kan de gebruiker weer actief maken.</translation>
    </message>
    <message>
        <source>This user has been removed by an administrator.</source>
        <translation>Deze gebruiker is door een beheerder verwijderd.</translation>
    </message>
    <message>
        <source>Please type the user&apos;s name.</source>
        <translation>Typ de naam van de gebruiker.</translation>
    </message>
    <message>
        <source>Please type a sign-in name.</source>
        <translation>Typ een aanmeldnaam.</translation>
    </message>
    <message>
        <source>A name or sign-in name may have at most %1 characters.</source>
        <translation>Een naam of aanmeldnaam mag hoogstens %1 tekens hebben.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Aanmeldnaam</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>That is longer than any password may be.</source>
        <translation>Dat is langer dan een wachtwoord mag zijn.</translation>
    </message>
    <message>
        <source>Please type your PIN or password.</source>
        <translation>Typ uw pincode of wachtwoord.</translation>
    </message>
</context>
<context>
    <name>StaffWidgets</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>DB Connection Error</source>
        <translation>Fout in databaseverbinding</translation>
    </message>
    <message>
        <source>Database opened read-only: changes cannot be saved.

%1</source>
        <translation>Database alleen-lezen geopend: wijzigingen kunnen niet worden opgeslagen.

%1</translation>
    </message>
</context>
<context>
    <name>StayMeters</name>
    <message>
        <source>Meter %1 of berth %2 has not been read.</source>
        <translation>Meter %1 van ligplaats %2 is niet afgelezen.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>De boeking bestaat niet meer.</translation>
    </message>
    <message>
        <source>The booking&apos;s total would pass %1.</source>
        <translation>Het totaal van de boeking zou boven %1 uitkomen.</translation>
    </message>
</context>
<context>
    <name>StayReadingsDialog</name>
    <message>
        <source>Meter readings</source>
        <translation>Meterstanden</translation>
    </message>
    <message>
        <source>Berth and meter</source>
        <translation>Ligplaats en meter</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Laatste stand</translation>
    </message>
    <message>
        <source>Reading now</source>
        <translation>Stand nu</translation>
    </message>
    <message>
        <source>%1  %2 %3 (%4)</source>
        <translation>%1  %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nog geen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3).

Yes: the meter rolled over past %4 and started again from zero. No: the reading was mistyped, go back to correct it.</source>
        <translation>%1 ligt onder de laatste stand van meter %2 (%3).

Ja: de meter is voorbij %4 rondgedraaid en opnieuw bij nul begonnen. Nee: de stand is verkeerd getypt, ga terug om hem te corrigeren.</translation>
    </message>
</context>
<context>
    <name>StepWizard</name>
    <message>
        <source>Welcome to the %1</source>
        <translation>Welkom bij de %1</translation>
    </message>
    <message>
        <source>To contionue, click Next.</source>
        <translation>Klik op Volgende om verder te gaan.</translation>
    </message>
    <message>
        <source>Display this welcome screen at startup</source>
        <translation>Dit welkomstscherm bij het opstarten tonen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>V&amp;oltooien</translation>
    </message>
</context>
<context>
    <name>TermPricing</name>
    <message>
        <source>A term needs a name.</source>
        <translation>Een looptijd heeft een naam nodig.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; needs its first and last days.</source>
        <translation>De looptijd &quot;%1&quot; heeft een eerste en een laatste dag nodig.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; ends before it starts.</source>
        <translation>De looptijd &quot;%1&quot; eindigt voordat hij begint.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>De looptijd &quot;%1&quot; komt elk jaar terug en kan dus niet langer dan een jaar zijn.</translation>
    </message>
    <message>
        <source>A term&apos;s price is for a berth type or for one berth.</source>
        <translation>Een looptijdprijs geldt voor een ligplaatstype of voor één ligplaats.</translation>
    </message>
    <message>
        <source>A term&apos;s price must be from %1 to %2.</source>
        <translation>Een looptijdprijs moet tussen %1 en %2 liggen.</translation>
    </message>
    <message>
        <source>A term&apos;s price needs the date it takes effect.</source>
        <translation>Een looptijdprijs heeft de datum nodig waarop hij ingaat.</translation>
    </message>
</context>
<context>
    <name>TermRates</name>
    <message>
        <source>A price names a term that is not in the list.</source>
        <translation>Een prijs noemt een looptijd die niet in de lijst staat.</translation>
    </message>
    <message>
        <source>Another desk changed the terms meanwhile: close the list and open it again.</source>
        <translation>Een andere werkplek heeft de looptijden intussen gewijzigd: sluit de lijst en open haar opnieuw.</translation>
    </message>
</context>
<context>
    <name>TermsDialog</name>
    <message>
        <source>Terms and prices</source>
        <translation>Looptijden en prijzen</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Looptijd</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Eerste dag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Laatste dag</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Elk jaar</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Ligplaatstype</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Vanaf</translation>
    </message>
    <message>
        <source>T&amp;erms:</source>
        <translation>&amp;Looptijden:</translation>
    </message>
    <message>
        <source>&amp;Prices:</source>
        <translation>&amp;Prijzen:</translation>
    </message>
    <message>
        <source>&amp;Add term</source>
        <translation>Looptijd &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove term</source>
        <translation>Looptijd &amp;verwijderen</translation>
    </message>
    <message>
        <source>A&amp;dd price</source>
        <translation>Prijs t&amp;oevoegen</translation>
    </message>
    <message>
        <source>Re&amp;move price</source>
        <translation>Prijs verwij&amp;deren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Per berth</source>
        <translation>Per ligplaats</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Per meter</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rij %1: %2</translation>
    </message>
    <message>
        <source>type the name of a term in the list above.</source>
        <translation>typ de naam van een looptijd uit de lijst hierboven.</translation>
    </message>
    <message>
        <source>type the term&apos;s price, such as 1200.00.</source>
        <translation>typ de prijs van de looptijd, zoals 1200.00.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Zem Harbour</source>
        <translation>Zem Harbour</translation>
    </message>
    <message>
        <source>v %1.%2.%3</source>
        <translation>v %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>TipOfTheDayDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tip van de dag</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Wist u dat ...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>Tips &amp;tonen bij opstarten</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Volgende tip</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TodayWindow</name>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Ligplaats</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>%1, arrived %2</source>
        <translation>%1, aangekomen %2</translation>
    </message>
    <message>
        <source>%1, left %2</source>
        <translation>%1, vertrokken %2</translation>
    </message>
    <message>
        <source>%1, no-show</source>
        <translation>%1, no-show</translation>
    </message>
    <message>
        <source>Arrives</source>
        <translation>Komt aan</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Vertrekt</translation>
    </message>
    <message>
        <source>&amp;Show this window when the program starts</source>
        <translation>Dit venster &amp;tonen bij het starten van het programma</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Te betalen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Con&amp;firmation</source>
        <translation>&amp;Bevestiging</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Aankomsten vandaag</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>V&amp;ertrekken vandaag</translation>
    </message>
    <message>
        <source>&amp;In the harbour now</source>
        <translation>&amp;In de haven</translation>
    </message>
    <message>
        <source>&amp;Money owing, arriving within 7 days</source>
        <translation>&amp;Openstaand, aankomst binnen 7 dagen</translation>
    </message>
    <message>
        <source>R&amp;eminders...</source>
        <translation>&amp;Herinneringen...</translation>
    </message>
    <message>
        <source>Arri&amp;ve</source>
        <translation>Aan&amp;komst</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>Ve&amp;rtrek...</translation>
    </message>
    <message>
        <source>&amp;No-shows...</source>
        <translation>&amp;No-shows...</translation>
    </message>
    <message>
        <source>Today&apos;s bookings could not be read: %1</source>
        <translation>De boekingen van vandaag konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Choose the arrival to check in.</source>
        <translation>Kies de aankomst die u wilt inchecken.</translation>
    </message>
    <message>
        <source>Choose the guest to check out.</source>
        <translation>Kies de gast die u wilt uitchecken.</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>Aanvra&amp;gen...</translation>
    </message>
    <message>
        <source>The booking requests could not be read: %1</source>
        <translation>De boekingsaanvragen konden niet worden gelezen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n booking request(s) waiting for an answer</source>
        <translation>
            <numerusform>%n boekingsaanvraag wacht op antwoord</numerusform>
            <numerusform>%n boekingsaanvragen wachten op antwoord</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hold(s) for a request ending today</source>
        <translation>
            <numerusform>%n optie voor een aanvraag loopt vandaag af</numerusform>
            <numerusform>%n opties voor aanvragen lopen vandaag af</numerusform>
        </translation>
    </message>
    <message>
        <source>No booking requests waiting</source>
        <translation>Geen boekingsaanvragen in afwachting</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>&amp;Aanmeldnaam:</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rol:</translation>
    </message>
    <message>
        <source>&amp;Active (may sign in)</source>
        <translation>A&amp;ctief (mag zich aanmelden)</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Password a&amp;gain:</source>
        <translation>Wachtwoord &amp;herhalen:</translation>
    </message>
    <message>
        <source>P&amp;IN (4 to 8 digits):</source>
        <translation>&amp;Pincode (4 tot 8 cijfers):</translation>
    </message>
    <message>
        <source>PIN a&amp;gain:</source>
        <translation>Pincode &amp;herhalen:</translation>
    </message>
    <message>
        <source>First Administrator</source>
        <translation>Eerste beheerder</translation>
    </message>
    <message>
        <source>Nobody has been signed up yet. Please make the first administrator: the one who adds the other users and says what each role may do. There is no default password.</source>
        <translation>Er is nog niemand aangemeld. Maak de eerste beheerder aan: degene die de andere gebruikers toevoegt en bepaalt wat elke rol mag. Er is geen standaardwachtwoord.</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Nieuwe gebruiker</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nieuw wachtwoord</translation>
    </message>
    <message>
        <source>A new password for %1.</source>
        <translation>Een nieuw wachtwoord voor %1.</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nieuwe pincode</translation>
    </message>
    <message>
        <source>A new PIN for %1.</source>
        <translation>Een nieuwe pincode voor %1.</translation>
    </message>
    <message>
        <source>The two passwords differ: please type the same password twice.</source>
        <translation>De twee wachtwoorden verschillen: typ twee keer hetzelfde wachtwoord.</translation>
    </message>
    <message>
        <source>The two PINs differ: please type the same PIN twice.</source>
        <translation>De twee pincodes verschillen: typ twee keer dezelfde pincode.</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>deze gebruiker</translation>
    </message>
    <message>
        <source>%1: new password</source>
        <translation>%1: nieuw wachtwoord</translation>
    </message>
    <message>
        <source>%1: new PIN</source>
        <translation>%1: nieuwe pincode</translation>
    </message>
    <message>
        <source>Sign-in Role</source>
        <translation>Aanmeldrol</translation>
    </message>
    <message>
        <source>Desks may start as the server&apos;s sign-in role, zem_signin, instead of the office&apos;s role: it reads only what a sign-in needs, and each user then works as their own login. Type its new password, and put it in each desk&apos;s password file (.pgpass) in place of the office&apos;s. Leave both boxes empty to stop desks from starting that way.</source>
        <translation>Werkplekken kunnen starten met de aanmeldrol van de server, zem_signin, in plaats van met de rol van het kantoor: die leest alleen wat een aanmelding nodig heeft, en elke gebruiker werkt daarna met een eigen login. Typ het nieuwe wachtwoord en zet het in het wachtwoordbestand (.pgpass) van elke werkplek in plaats van dat van het kantoor. Laat beide vakken leeg om werkplekken niet meer zo te laten starten.</translation>
    </message>
    <message>
        <source>zem_signin: desks may no longer start with it</source>
        <translation>zem_signin: werkplekken kunnen er niet meer mee starten</translation>
    </message>
    <message>
        <source>zem_signin: new password</source>
        <translation>zem_signin: nieuw wachtwoord</translation>
    </message>
</context>
<context>
    <name>UsersWindow</name>
    <message>
        <source>Users</source>
        <translation>Gebruikers</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Aanmeldnaam</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>U&amp;sers:</source>
        <translation>&amp;Gebruikers:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Toevoegen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bewerken...</translation>
    </message>
    <message>
        <source>New &amp;Password...</source>
        <translation>Nieuw &amp;wachtwoord...</translation>
    </message>
    <message>
        <source>New P&amp;IN...</source>
        <translation>Nieuwe &amp;pincode...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>What each role ma&amp;y do:</source>
        <translation>Wat elke rol &amp;mag:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nooit</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minuten</translation>
    </message>
    <message>
        <source>&amp;Lock after idle:</source>
        <translation>Vergrende&amp;len na inactiviteit:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>allowed</source>
        <translation>toegestaan</translation>
    </message>
    <message>
        <source>not allowed</source>
        <translation>niet toegestaan</translation>
    </message>
    <message>
        <source>Remove %1? The user can no longer sign in; what the user did keeps their name.</source>
        <translation>%1 verwijderen? De gebruiker kan zich niet meer aanmelden; wat de gebruiker deed, houdt diens naam.</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 verwijderd</translation>
    </message>
    <message>
        <source>Si&amp;gn-in Role...</source>
        <translation>Aanmeld&amp;rol...</translation>
    </message>
</context>
<context>
    <name>WaitingEntryDialog</name>
    <message>
        <source>Edit Waiting Entry</source>
        <translation>Vermelding op wachtlijst bewerken</translation>
    </message>
    <message>
        <source>Add Waiting Entry</source>
        <translation>Vermelding op wachtlijst toevoegen</translation>
    </message>
    <message>
        <source>&amp;Any length of stay</source>
        <translation>&amp;Elke verblijfsduur</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>&amp;Klant:</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Boot:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>Ligplaatst&amp;ype:</translation>
    </message>
    <message>
        <source>&amp;Minimum length (ft):</source>
        <translation>&amp;Minimumlengte (ft):</translation>
    </message>
    <message>
        <source>&amp;Minimum length (m):</source>
        <translation>&amp;Minimumlengte (m):</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notities:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Any type</source>
        <translation>Elk type</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(geen boot)</translation>
    </message>
    <message>
        <source>The customer&apos;s boats could not be read: %1</source>
        <translation>De boten van de klant konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Type the minimum length in feet, such as 38.</source>
        <translation>Typ de minimumlengte in voet, zoals 38.</translation>
    </message>
    <message>
        <source>Type the minimum length in metres, such as 11.5.</source>
        <translation>Typ de minimumlengte in meters, zoals 11.5.</translation>
    </message>
    <message>
        <source>waiting entry</source>
        <translation>vermelding op de wachtlijst</translation>
    </message>
</context>
<context>
    <name>WaitingList</name>
    <message>
        <source>Waiting</source>
        <translation>Wachtend</translation>
    </message>
    <message>
        <source>Offered</source>
        <translation>Aangeboden</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Geboekt</translation>
    </message>
    <message>
        <source>Withdrawn</source>
        <translation>Ingetrokken</translation>
    </message>
    <message>
        <source>Choose the customer who is waiting.</source>
        <translation>Kies de klant die wacht.</translation>
    </message>
    <message>
        <source>Give the first night wanted.</source>
        <translation>Geef de eerste gewenste nacht op.</translation>
    </message>
    <message>
        <source>The period wanted has started already: a waiting entry is for nights to come.</source>
        <translation>De gewenste periode is al begonnen: een vermelding op de wachtlijst is voor komende nachten.</translation>
    </message>
    <message>
        <source>The period wanted ends before it starts.</source>
        <translation>De gewenste periode eindigt voordat ze begint.</translation>
    </message>
    <message>
        <source>A period wanted may last five years at the most.</source>
        <translation>Een gewenste periode mag hoogstens vijf jaar duren.</translation>
    </message>
    <message>
        <source>A minimum length must be more than 0 and at most 200 m.</source>
        <translation>Een minimumlengte moet groter dan 0 en hoogstens 200 m zijn.</translation>
    </message>
    <message>
        <source>The entry was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>De vermelding is intussen op een andere werkplek verwijderd, dus er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Klant:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Tot:</translation>
    </message>
    <message>
        <source>Berth type:</source>
        <translation>Ligplaatstype:</translation>
    </message>
    <message>
        <source>Minimum length:</source>
        <translation>Minimumlengte:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
</context>
<context>
    <name>WaitingListRows</name>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Ligplaatstype</translation>
    </message>
    <message>
        <source>Minimum length</source>
        <translation>Minimumlengte</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Toegevoegd</translation>
    </message>
    <message>
        <source>Offered on</source>
        <translation>Aangeboden op</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>any length</source>
        <translation>elke lengte</translation>
    </message>
    <message>
        <source>Waiting List</source>
        <translation>Wachtlijst</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Afgedrukt %1</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p van %P</translation>
    </message>
    <message>
        <source>No entries.</source>
        <translation>Geen vermeldingen.</translation>
    </message>
</context>
<context>
    <name>WaitingListWindow</name>
    <message>
        <source>Waiting List</source>
        <translation>Wachtlijst</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>&amp;Status:</source>
        <translation>&amp;Status:</translation>
    </message>
    <message>
        <source>Berth &amp;type:</source>
        <translation>Ligplaats&amp;type:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Toe&amp;voegen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bewerken...</translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation>&amp;Intrekken</translation>
    </message>
    <message>
        <source>Mark &amp;Offered</source>
        <translation>Als &amp;aangeboden markeren</translation>
    </message>
    <message>
        <source>Mark Boo&amp;ked</source>
        <translation>Als &amp;geboekt markeren</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>B&amp;oeken...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>The waiting list could not be read for the berths that came free: %1</source>
        <translation>De wachtlijst kon niet worden gelezen voor de vrijgekomen ligplaatsen: %1</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle typen</translation>
    </message>
    <message>
        <source>The lists for the entry could not be read: %1</source>
        <translation>De lijsten voor de vermelding konden niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>WaitingOfferMail</name>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 heeft geen bruikbaar e-mailadres: %2</translation>
    </message>
</context>
<context>
    <name>WebBookMenu</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>WebBookPage</name>
    <message>
        <source>Invalid HTML resource</source>
        <translation>Ongeldige HTML-bron</translation>
    </message>
    <message>
        <source>Can&apos;t generate Webbook:<byte value="xd"/>
%1</source>
        <translation>Kan webboekingspagina niet maken:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The booking form would be sent to &quot;%1&quot;, which is not a web address. Enter one that starts with http:// or https:// in the web booking settings.</source>
        <translation>Het boekingsformulier zou naar &quot;%1&quot; worden gestuurd, wat geen webadres is. Vul in de instellingen voor webboekingen een adres in dat begint met http:// of https://.</translation>
    </message>
    <message>
        <source>No value is stored for %1. Configure the web bookings first.</source>
        <translation>Er is geen waarde opgeslagen voor %1. Stel eerst de webboekingen in.</translation>
    </message>
    <message>
        <source>Save Web Book as...</source>
        <translation>Webboekingspagina opslaan als...</translation>
    </message>
    <message>
        <source>HTML files (*.HTML)</source>
        <translation>HTML-bestanden (*.HTML)</translation>
    </message>
    <message>
        <source>Can&apos;t save HTML file:<byte value="xd"/>
%1</source>
        <translation>Kan HTML-bestand niet opslaan:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Online Booking Form</source>
        <translation>Online boekingsformulier</translation>
    </message>
    <message>
        <source>Thank you for your booking</source>
        <translation>Hartelijk dank voor uw boeking</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Please complete the form below to make an online booking.</source>
        <translation>Vul het onderstaande formulier in om online te boeken.</translation>
    </message>
    <message>
        <source>Arrival date:</source>
        <translation>Aankomstdatum:</translation>
    </message>
    <message>
        <source>Arrival day</source>
        <translation>Aankomstdag</translation>
    </message>
    <message>
        <source>Arrival month</source>
        <translation>Aankomstmaand</translation>
    </message>
    <message>
        <source>Arrival year</source>
        <translation>Aankomstjaar</translation>
    </message>
    <message>
        <source>Departure date:</source>
        <translation>Vertrekdatum:</translation>
    </message>
    <message>
        <source>Departure day</source>
        <translation>Vertrekdag</translation>
    </message>
    <message>
        <source>Departure month</source>
        <translation>Vertrekmaand</translation>
    </message>
    <message>
        <source>Departure year</source>
        <translation>Vertrekjaar</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Uw naam:</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Uw e-mailadres:</translation>
    </message>
    <message>
        <source>Any comments?</source>
        <translation>Opmerkingen?</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>What is free</source>
        <translation>Wat vrij is</translation>
    </message>
    <message>
        <source>Choose your dates above and give your boat&apos;s size to see which kinds of berth are free.</source>
        <translation>Kies hierboven uw data en geef de afmetingen van uw boot op om te zien welke ligplaatstypen vrij zijn.</translation>
    </message>
    <message>
        <source>Length (m):</source>
        <translation>Lengte (m):</translation>
    </message>
    <message>
        <source>Beam (m):</source>
        <translation>Breedte (m):</translation>
    </message>
    <message>
        <source>Draft (m):</source>
        <translation>Diepgang (m):</translation>
    </message>
    <message>
        <source>Choose an arrival before the departure.</source>
        <translation>Kies een aankomst vóór het vertrek.</translation>
    </message>
    <message>
        <source>We show what is free up to </source>
        <translation>We tonen wat vrij is tot </translation>
    </message>
    <message>
        <source>: send the form and we will look.</source>
        <translation>: verstuur het formulier en wij kijken het na.</translation>
    </message>
    <message>
        <source>Free for those nights: </source>
        <translation>Vrij voor die nachten: </translation>
    </message>
    <message>
        <source>. Send the form to ask for it.</source>
        <translation>. Verstuur het formulier om ernaar te vragen.</translation>
    </message>
    <message>
        <source>Nothing free fits those nights and that boat: send the form and we will look.</source>
        <translation>Niets vrij past bij die nachten en die boot: verstuur het formulier en wij kijken het na.</translation>
    </message>
</context>
<context>
    <name>WebBookSettings</name>
    <message>
        <source>Response-o-Matic (default)</source>
        <translation>Response-o-Matic (standaard)</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Aangepast...</translation>
    </message>
</context>
<context>
    <name>WebBookStore</name>
    <message>
        <source>The web booking settings have been created.</source>
        <translation>De instellingen voor webboekingen zijn aangemaakt.</translation>
    </message>
    <message>
        <source>The web booking settings have been removed.</source>
        <translation>De instellingen voor webboekingen zijn verwijderd.</translation>
    </message>
    <message>
        <source>Booking email address: now %1, was %2</source>
        <translation>E-mailadres voor boekingen: nu %1, was %2</translation>
    </message>
    <message>
        <source>Email provider: now %1, was %2</source>
        <translation>E-mailprovider: nu %1, was %2</translation>
    </message>
    <message>
        <source>Custom provider: now %1, was %2</source>
        <translation>Aangepaste provider: nu %1, was %2</translation>
    </message>
</context>
<context>
    <name>WebBookWizard</name>
    <message>
        <source>Web Booking Configuration Wizard</source>
        <translation>Configuratiewizard webboekingen</translation>
    </message>
    <message>
        <source>Enter your email booking address</source>
        <translation>Vul uw e-mailadres voor boekingen in</translation>
    </message>
    <message>
        <source>Choose your email provider</source>
        <translation>Kies uw e-mailprovider</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Vul uw plaatsgegevens in</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your website to accept online bookings.</source>
        <translation>Met deze wizard kunt u uw website instellen om online boekingen aan te nemen.</translation>
    </message>
    <message>
        <source>Enter the email address that should receive the bookings made from the website.</source>
        <translation>Vul het e-mailadres in dat de boekingen van de website moet ontvangen.</translation>
    </message>
    <message>
        <source>Booking email address:</source>
        <translation>E-mailadres voor boekingen:</translation>
    </message>
    <message>
        <source>Select the email provider to use to send your email confirmations. If you are not sure, then leave the default setting.</source>
        <translation>Kies de e-mailprovider waarmee uw bevestigingen worden verstuurd. Weet u het niet zeker, laat dan de standaardinstelling staan.</translation>
    </message>
    <message>
        <source>Email provider:</source>
        <translation>E-mailprovider:</translation>
    </message>
    <message>
        <source>Custom provider:</source>
        <translation>Aangepaste provider:</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Klik op Voltooien om de configuratie af te ronden</translation>
    </message>
    <message>
        <source>The web booking settings could not be read.

%1</source>
        <translation>De instellingen voor webboekingen konden niet worden gelezen.

%1</translation>
    </message>
    <message>
        <source>The web booking settings were changed elsewhere while this wizard was open:

%1

Nothing was saved. Click Finish again to store your entries instead, or Cancel to keep the stored ones.</source>
        <translation>De instellingen voor webboekingen zijn elders gewijzigd terwijl deze wizard open was:

%1

Er is niets opgeslagen. Klik opnieuw op Voltooien om in plaats daarvan uw invoer op te slaan, of op Annuleren om de opgeslagen instellingen te houden.</translation>
    </message>
    <message>
        <source>The web booking settings could not be saved; nothing was changed.

%1</source>
        <translation>De instellingen voor webboekingen konden niet worden opgeslagen; er is niets gewijzigd.

%1</translation>
    </message>
    <message>
        <source>Would you like to create a booking web page now?</source>
        <translation>Wilt u nu een webboekingspagina maken?</translation>
    </message>
</context>
<context>
    <name>ttsgz</name>
    <message>
        <source>No error</source>
        <translation>Geen fout</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Ongeldige bestandsnaam</translation>
    </message>
    <message>
        <source>User abort</source>
        <translation>Afgebroken door gebruiker</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Leesfout</translation>
    </message>
    <message>
        <source>Write error</source>
        <translation>Schrijffout</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
</TS>
