<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version: 1.0.1</source>
        <translation>Version: 1.0.1</translation>
    </message>
    <message>
        <source>Bookings, berths, customers and calendars for marinas, harbours and caravan and camping parks.</source>
        <translation>Buchungen, Liegeplätze, Kunden und Kalender für Marinas, Häfen sowie Caravan- und Campingplätze.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info ...</source>
        <translation>&amp;Systeminfo ...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>ActorSession</name>
    <message>
        <source>The SQLite driver gives no handle to name who acts.</source>
        <translation>Der SQLite-Treiber liefert kein Handle, um den Handelnden zu benennen.</translation>
    </message>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>Die SQLite-Verbindung ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>AdvancedCalendarWindow</name>
    <message>
        <source>Advanced Calendar</source>
        <translation>Erweiterter Kalender</translation>
    </message>
    <message>
        <source>One slot earlier</source>
        <translation>Einen Abschnitt früher</translation>
    </message>
    <message>
        <source>One slot later</source>
        <translation>Einen Abschnitt später</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Half Hourly</source>
        <translation>Halbstündlich</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Double click on booking to view details and financial information</source>
        <translation>Doppelklicken Sie auf eine Buchung, um Details und Finanzangaben zu sehen</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>Die Buchungen konnten nicht gelesen werden.
%1</translation>
    </message>
</context>
<context>
    <name>AwayDialog</name>
    <message>
        <source>Away: %1</source>
        <translation>Abwesend: %1</translation>
    </message>
    <message>
        <source>Away from</source>
        <translation>Abwesend ab</translation>
    </message>
    <message>
        <source>Back on</source>
        <translation>Zurück am</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Nächte</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Away &amp;from:</source>
        <translation>Abwesend &amp;ab:</translation>
    </message>
    <message>
        <source>&amp;Back on:</source>
        <translation>&amp;Zurück am:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;otiz:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Awa&amp;y...</source>
        <translation>Ab&amp;wesend...</translation>
    </message>
    <message>
        <source>Choose the absence to change.</source>
        <translation>Wählen Sie die Abwesenheit, die geändert werden soll.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3</source>
        <translation>Vertrag %1: abwesend ab %2, zurück am %3</translation>
    </message>
    <message>
        <source>Choose the absence to remove.</source>
        <translation>Wählen Sie die Abwesenheit, die entfernt werden soll.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3, removed</source>
        <translation>Vertrag %1: abwesend ab %2, zurück am %3, entfernt</translation>
    </message>
</context>
<context>
    <name>AwayPeriods</name>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Ein anderer Arbeitsplatz hat diesen Vertrag inzwischen entfernt.</translation>
    </message>
    <message>
        <source>Enter the first day away and the day back.</source>
        <translation>Geben Sie den ersten Tag der Abwesenheit und den Tag der Rückkehr ein.</translation>
    </message>
    <message>
        <source>The day back must come after the first day away.</source>
        <translation>Der Tag der Rückkehr muss nach dem ersten Tag der Abwesenheit liegen.</translation>
    </message>
    <message>
        <source>The absence must lie within the contract&apos;s term, %1 to %2.</source>
        <translation>Die Abwesenheit muss innerhalb der Vertragslaufzeit liegen, %1 bis %2.</translation>
    </message>
    <message>
        <source>The note is longer than %1 characters.</source>
        <translation>Die Notiz ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its berths are no longer held.</source>
        <translation>Der Vertrag wurde storniert: seine Liegeplätze sind nicht mehr belegt.</translation>
    </message>
    <message>
        <source>The holder is already away from %1 to %2: change that absence instead.</source>
        <translation>Der Inhaber ist bereits von %1 bis %2 abwesend: ändern Sie stattdessen diese Abwesenheit.</translation>
    </message>
    <message>
        <source>Another desk removed this absence meanwhile.</source>
        <translation>Ein anderer Arbeitsplatz hat diese Abwesenheit inzwischen entfernt.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: move it before shortening the absence.</source>
        <translation>Buchung %1 (%2, %3 bis %4) bleibt auf dem Liegeplatz, solange der Inhaber abwesend ist: verlegen Sie sie, bevor Sie die Abwesenheit verkürzen.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was not changed.</source>
        <translation>Inzwischen wurde ein Gast auf den Liegeplatz gebucht: die Abwesenheit wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: the absence cannot be removed.</source>
        <translation>Buchung %1 (%2, %3 bis %4) bleibt auf dem Liegeplatz, solange der Inhaber abwesend ist: die Abwesenheit kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was kept.</source>
        <translation>Inzwischen wurde ein Gast auf den Liegeplatz gebucht: die Abwesenheit wurde beibehalten.</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Can&apos;t add </source>
        <translation>Fehler beim Hinzufügen von </translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>es ist kein Sicherungsarchiv von Zem Harbour.</translation>
    </message>
    <message>
        <source>it is damaged at byte %1.</source>
        <translation>es ist bei Byte %1 beschädigt.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it: it needs %1, and %2 is free.</source>
        <translation>es ist nicht genug freier Speicherplatz zum Entpacken vorhanden: benötigt werden %1, frei sind %2.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it (%1 free).</source>
        <translation>es ist nicht genug freier Speicherplatz zum Entpacken vorhanden (%1 frei).</translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation>es kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>there is not enough memory to unpack it.</source>
        <translation>es ist nicht genug Arbeitsspeicher zum Entpacken vorhanden.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Other desks are connected to the database. Close Zem Harbour at the other desks, then restore again.</source>
        <translation>Andere Arbeitsplätze sind mit der Datenbank verbunden. Schließen Sie Zem Harbour an den anderen Arbeitsplätzen und stellen Sie dann erneut wieder her.</translation>
    </message>
    <message>
        <source>Can&apos;t continue if file exist!</source>
        <translation>Fortsetzen nicht möglich, wenn die Datei existiert!</translation>
    </message>
    <message>
        <source>Can&apos;t create SPA file<byte value="xd"/>
Error:%1</source>
        <translation>SPA-Datei kann nicht erstellt werden<byte value="xd"/>
Fehler:%1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 has %2 free pages as soon as it is written.</source>
        <translation>%1 hat %2 freie Seiten, sobald sie geschrieben ist.</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 ist keine Zem-Harbour-Datenbank.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it has %2, which this program does not make.</source>
        <translation>%1 stammt nicht genau von Zem Harbour: sie enthält %2, was dieses Programm nicht anlegt.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it lacks %2, which this program makes.</source>
        <translation>%1 stammt nicht genau von Zem Harbour: ihr fehlt %2, was dieses Programm anlegt.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>%1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>the database in it</source>
        <translation>die darin enthaltene Datenbank</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>BackupWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Database backup...</source>
        <translation>Datenbanksicherung...</translation>
    </message>
    <message>
        <source>Do you really want to cancel current operation</source>
        <translation>Möchten Sie den laufenden Vorgang wirklich abbrechen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>BerthBlocks</name>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Ein anderer Arbeitsplatz hat diese Sperre inzwischen geändert.</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Ein anderer Arbeitsplatz hat diese Sperre inzwischen entfernt.</translation>
    </message>
    <message>
        <source>A contract holds this berth over the period: change or cancel the contract in Contracts.</source>
        <translation>Ein Vertrag belegt diesen Liegeplatz in diesem Zeitraum: ändern oder stornieren Sie den Vertrag unter Verträge.</translation>
    </message>
    <message>
        <source>Please choose the berth to block.</source>
        <translation>Bitte wählen Sie den zu sperrenden Liegeplatz.</translation>
    </message>
    <message>
        <source>The block must end after it starts.</source>
        <translation>Die Sperre muss nach ihrem Beginn enden.</translation>
    </message>
    <message>
        <source>A block must lie between %1 and %2.</source>
        <translation>Eine Sperre muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Please give the reason for the block.</source>
        <translation>Bitte geben Sie den Grund für die Sperre an.</translation>
    </message>
    <message>
        <source>The reason may be at most %1 characters long.</source>
        <translation>Der Grund darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The berth is no longer in the register.</source>
        <translation>Der Liegeplatz ist nicht mehr im Verzeichnis.</translation>
    </message>
    <message>
        <source>%1 is already blocked from %2 to %3: %4</source>
        <translation>%1 ist bereits von %2 bis %3 gesperrt: %4</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) holds %5 over the period: the block was not saved.</source>
        <translation>Buchung %1 (%2, %3 bis %4) belegt %5 in diesem Zeitraum: die Sperre wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 was booked over the period meanwhile: the block was not saved.</source>
        <translation>%1 wurde inzwischen für diesen Zeitraum gebucht: die Sperre wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Liegeplatz:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Grund:</translation>
    </message>
    <message>
        <source>%1 blocked from %2 to %3: %4</source>
        <translation>%1 gesperrt von %2 bis %3: %4</translation>
    </message>
</context>
<context>
    <name>BerthChangeSet</name>
    <message>
        <source> (booked)</source>
        <translation> (gebucht)</translation>
    </message>
    <message>
        <source> - Active </source>
        <translation> - Aktiv </translation>
    </message>
    <message>
        <source> - Inactive</source>
        <translation> - Inaktiv</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been deleted at another desk meanwhile. Nothing was saved, and the changes to it are dropped: press OK to save the other changes.</source>
        <translation>Liegeplatz „%1“ wurde inzwischen an einem anderen Arbeitsplatz gelöscht. Es wurde nichts gespeichert, und die Änderungen daran werden verworfen: Klicken Sie auf OK, um die übrigen Änderungen zu speichern.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (1 new booking). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>Liegeplatz „%1“ wurde an einem anderen Arbeitsplatz gebucht, seit Sie ihn entfernt haben (1 neue Buchung). Es wurde nichts gespeichert, und der Liegeplatz wird wieder angezeigt: entfernen Sie ihn erneut, um ihn mit seinen Buchungen zu löschen, oder klicken Sie auf OK, um die übrigen Änderungen zu speichern.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (%2 new bookings). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>Liegeplatz „%1“ wurde an einem anderen Arbeitsplatz gebucht, seit Sie ihn entfernt haben (%2 neue Buchungen). Es wurde nichts gespeichert, und der Liegeplatz wird wieder angezeigt: entfernen Sie ihn erneut, um ihn mit seinen Buchungen zu löschen, oder klicken Sie auf OK, um die übrigen Änderungen zu speichern.</translation>
    </message>
</context>
<context>
    <name>BerthEntry</name>
    <message>
        <source>Takes &amp;multihulls</source>
        <translation>Nimmt &amp;Mehrrumpfboote</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Eigentümer:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Strom:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Liegeplatz:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Max. draft:</source>
        <translation>Max. Tiefgang:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Hire charges</source>
        <translation>Mietpreise</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>Täglich:</translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation>Wöchentlich:</translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation>Monatlich:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Verfügbare Liegeplätze:</translation>
    </message>
    <message>
        <source>The berths could not be read.</source>
        <translation>Die Liegeplätze konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The berths could not be read again.</source>
        <translation>Die Liegeplätze konnten nicht erneut gelesen werden.</translation>
    </message>
    <message>
        <source>The berth&apos;s bookings could not be counted.</source>
        <translation>Die Buchungen des Liegeplatzes konnten nicht gezählt werden.</translation>
    </message>
</context>
<context>
    <name>BerthFit</name>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>beam</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>draft</source>
        <translation>Tiefgang</translation>
    </message>
    <message>
        <source>multihull</source>
        <translation>Mehrrumpfboot</translation>
    </message>
</context>
<context>
    <name>BerthGridModel</name>
    <message>
        <source>%1 (holder&apos;s, back %2)</source>
        <translation>%1 (des Inhabers, zurück %2)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>A holder&apos;s berth: %1 is away from %2 and back on %3; a stay here must leave by noon that day.</source>
        <translation>Liegeplatz eines Inhabers: %1 ist abwesend ab %2 und zurück am %3; ein Aufenthalt hier muss an diesem Tag bis 12 Uhr enden.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>HasPower</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>DailyHireCharge</source>
        <translation>Tagesmiete</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Passt</translation>
    </message>
</context>
<context>
    <name>BerthInput</name>
    <message>
        <source>No berth name has been entered. Please enter a berth name (or number) to continue.</source>
        <translation>Es wurde kein Liegeplatzname eingegeben. Bitte geben Sie einen Namen (oder eine Nummer) für den Liegeplatz ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>Please select owner from the list</source>
        <translation>Bitte wählen Sie einen Eigentümer aus der Liste</translation>
    </message>
    <message>
        <source>Please select berth type from the list</source>
        <translation>Bitte wählen Sie einen Liegeplatztyp aus der Liste</translation>
    </message>
</context>
<context>
    <name>BerthNotes</name>
    <message>
        <source>Berth &apos;%1&apos; was deleted at another desk meanwhile, so nothing was saved.</source>
        <translation>Liegeplatz „%1“ wurde inzwischen an einem anderen Arbeitsplatz gelöscht, daher wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>BerthNotesDialog</name>
    <message>
        <source>Berth  Notes</source>
        <translation>Liegeplatz-Notizen</translation>
    </message>
    <message>
        <source>Add notes to berths.</source>
        <translation>Notizen zu Liegeplätzen hinzufügen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Verfügbare Liegeplätze:</translation>
    </message>
    <message>
        <source>The berths could not be read.

%1</source>
        <translation>Die Liegeplätze konnten nicht gelesen werden.

%1</translation>
    </message>
    <message>
        <source>berth&apos;s notes</source>
        <translation>Notizen des Liegeplatzes</translation>
    </message>
    <message>
        <source>The notes could not be saved; nothing was changed.

%1</source>
        <translation>Die Notizen konnten nicht gespeichert werden; es wurde nichts geändert.

%1</translation>
    </message>
</context>
<context>
    <name>BerthRegister</name>
    <message>
        <source>Configure Berths </source>
        <translation>Liegeplätze einrichten </translation>
    </message>
    <message>
        <source>Configure the berths that should be available for booking</source>
        <translation>Richten Sie die Liegeplätze ein, die gebucht werden können</translation>
    </message>
    <message>
        <source>Ac&amp;tivate</source>
        <translation>Ak&amp;tivieren</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>Liegeplatz &amp;sperren...</translation>
    </message>
    <message>
        <source>&amp;Edit Berths</source>
        <translation>Liegeplätze &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Inac&amp;tivate</source>
        <translation>&amp;Deaktivieren</translation>
    </message>
    <message>
        <source>The changes to the berths could not be saved; nothing was changed. Press OK to try again or Cancel to drop the changes.</source>
        <translation>Die Änderungen an den Liegeplätzen konnten nicht gespeichert werden; es wurde nichts geändert. Klicken Sie auf OK, um es erneut zu versuchen, oder auf Abbrechen, um die Änderungen zu verwerfen.</translation>
    </message>
</context>
<context>
    <name>BerthRemoval</name>
    <message>
        <source>Deleting this customer will also remove any reservations that have been made with it. Are you sure you want to delete the berth?</source>
        <translation>Beim Löschen dieses Kunden werden auch alle damit vorgenommenen Reservierungen entfernt. Möchten Sie den Liegeplatz wirklich löschen?</translation>
    </message>
    <message>
        <source>1 berth was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Seit der Rückfrage wurde an einem anderen Arbeitsplatz 1 Liegeplatz angelegt. Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>%1 berths were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Seit der Rückfrage wurden an einem anderen Arbeitsplatz %1 Liegeplätze angelegt. Es wurde nichts gelöscht.</translation>
    </message>
</context>
<context>
    <name>BerthRowCheck</name>
    <message>
        <source>This berth was deleted at another desk while you were editing it. Nothing was saved.</source>
        <translation>Dieser Liegeplatz wurde an einem anderen Arbeitsplatz gelöscht, während Sie ihn bearbeitet haben. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>BerthSetupWizard</name>
    <message>
        <source>Post Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>ZIP-Code</translation>
    </message>
    <message>
        <source>Configuration Wizard</source>
        <translation>Einrichtungsassistent</translation>
    </message>
    <message>
        <source>Enter Your Regional Information</source>
        <translation>Geben Sie Ihre regionalen Angaben ein</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Geben Sie Ihre Platzangaben ein</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your reservation information.</source>
        <translation>Mit diesem Assistenten können Sie Ihre Reservierungsangaben einrichten.</translation>
    </message>
    <message>
        <source>Enter your regional information</source>
        <translation>Geben Sie Ihre regionalen Angaben ein</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>Postleitzahl / ZIP-Code:</translation>
    </message>
    <message>
        <source>Enter your Berth information. For each berth / slip enter it`s details and then click Add.</source>
        <translation>Geben Sie Ihre Liegeplatzangaben ein. Geben Sie für jeden Liegeplatz die Details ein und klicken Sie dann auf Hinzufügen.</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Klicken Sie auf Fertigstellen, um die Einrichtung abzuschließen</translation>
    </message>
    <message>
        <source>Please select Post Code or Zip Code</source>
        <translation>Bitte wählen Sie Postleitzahl oder ZIP-Code</translation>
    </message>
    <message>
        <source>The berths could not be saved; nothing was changed. Press Finish to try again or Cancel to drop the changes.</source>
        <translation>Die Liegeplätze konnten nicht gespeichert werden; es wurde nichts geändert. Klicken Sie auf Fertigstellen, um es erneut zu versuchen, oder auf Abbrechen, um die Änderungen zu verwerfen.</translation>
    </message>
</context>
<context>
    <name>BerthTableEditor</name>
    <message>
        <source>Edit Berths</source>
        <translation>Liegeplätze bearbeiten</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>DailyHireCharge:</source>
        <translation>Tagesmiete:</translation>
    </message>
    <message>
        <source>MonthlyHireCharge:</source>
        <translation>Monatsmiete:</translation>
    </message>
    <message>
        <source>WeeklyHireCharge:</source>
        <translation>Wochenmiete:</translation>
    </message>
    <message>
        <source>Maximum draft (m):</source>
        <translation>Maximaler Tiefgang (m):</translation>
    </message>
    <message>
        <source>HasPower:</source>
        <translation>Strom:</translation>
    </message>
    <message>
        <source>Active:</source>
        <translation>Aktiv:</translation>
    </message>
    <message>
        <source>Multihulls:</source>
        <translation>Mehrrumpfboote:</translation>
    </message>
    <message>
        <source>TypeID:</source>
        <translation>Typ-ID:</translation>
    </message>
    <message>
        <source>OwnerID:</source>
        <translation>Eigentümer-ID:</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>Datensatz: </translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Datenfehler aufgetreten, Fehler:%1</translation>
    </message>
    <message>
        <source>berth</source>
        <translation>Liegeplatz</translation>
    </message>
</context>
<context>
    <name>BerthTitles</name>
    <message>
        <source>Add berth</source>
        <translation>Liegeplatz hinzufügen</translation>
    </message>
    <message>
        <source>Berth length</source>
        <translation>Länge des Liegeplatzes</translation>
    </message>
    <message>
        <source>Berth width</source>
        <translation>Breite des Liegeplatzes</translation>
    </message>
    <message>
        <source>Daily Hire Charge</source>
        <translation>Tagesmiete</translation>
    </message>
    <message>
        <source>Weekly Hire Charge</source>
        <translation>Wochenmiete</translation>
    </message>
    <message>
        <source>Monthly Hire Charge</source>
        <translation>Monatsmiete</translation>
    </message>
    <message>
        <source>Maximum draft</source>
        <translation>Maximaler Tiefgang</translation>
    </message>
</context>
<context>
    <name>BlockBerthDialog</name>
    <message>
        <source>Block Berth</source>
        <translation>Liegeplatz sperren</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Liegeplatz:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To (the last day blocked):</source>
        <translation>&amp;Bis (letzter gesperrter Tag):</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Grund:</translation>
    </message>
    <message>
        <source>Re&amp;move Block</source>
        <translation>Sperre &amp;aufheben</translation>
    </message>
    <message>
        <source>The berths cannot be read.
%1</source>
        <translation>Die Liegeplätze können nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <source>Booking %1: %2, %3 to %4</source>
        <translation>Buchung %1: %2, %3 bis %4</translation>
    </message>
    <message>
        <source>These bookings hold %1 over the period:
%2

Block the berth all the same? The bookings keep it and are marked on the booking chart to be moved.</source>
        <translation>Diese Buchungen belegen %1 im Zeitraum:
%2

Den Liegeplatz trotzdem sperren? Die Buchungen behalten ihn und werden im Belegungsplan zum Umbuchen markiert.</translation>
    </message>
    <message>
        <source>block</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>The block was not saved.
%1</source>
        <translation>Die Sperre wurde nicht gespeichert.
%1</translation>
    </message>
    <message>
        <source>Remove the block of %1?</source>
        <translation>Die Sperre von %1 aufheben?</translation>
    </message>
    <message>
        <source>The block was not removed.
%1</source>
        <translation>Die Sperre wurde nicht aufgehoben.
%1</translation>
    </message>
</context>
<context>
    <name>BoatDialog</name>
    <message>
        <source>Edit Boat or Vehicle</source>
        <translation>Boot oder Fahrzeug bearbeiten</translation>
    </message>
    <message>
        <source>Add Boat or Vehicle</source>
        <translation>Boot oder Fahrzeug hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>A&amp;rt:</translation>
    </message>
    <message>
        <source>&amp;Length overall (ft):</source>
        <translation>&amp;Länge über alles (ft):</translation>
    </message>
    <message>
        <source>&amp;Length overall (m):</source>
        <translation>&amp;Länge über alles (m):</translation>
    </message>
    <message>
        <source>&amp;Beam (ft):</source>
        <translation>&amp;Breite (ft):</translation>
    </message>
    <message>
        <source>&amp;Beam (m):</source>
        <translation>&amp;Breite (m):</translation>
    </message>
    <message>
        <source>&amp;Draft (ft):</source>
        <translation>&amp;Tiefgang (ft):</translation>
    </message>
    <message>
        <source>&amp;Draft (m):</source>
        <translation>&amp;Tiefgang (m):</translation>
    </message>
    <message>
        <source>&amp;Height (ft):</source>
        <translation>&amp;Höhe (ft):</translation>
    </message>
    <message>
        <source>&amp;Height (m):</source>
        <translation>&amp;Höhe (m):</translation>
    </message>
    <message>
        <source>&amp;Registration or sail number:</source>
        <translation>&amp;Kennzeichen oder Segelnummer:</translation>
    </message>
    <message>
        <source>&amp;Insurance company:</source>
        <translation>&amp;Versicherung:</translation>
    </message>
    <message>
        <source>&amp;Policy number:</source>
        <translation>&amp;Policennummer:</translation>
    </message>
    <message>
        <source>Insurance &amp;expires:</source>
        <translation>Versicherung &amp;endet:</translation>
    </message>
    <message>
        <source>No&amp;tes:</source>
        <translation>Noti&amp;zen:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Type a size in feet, more than 0 and at most 656.</source>
        <translation>Geben Sie eine Größe in Fuß ein, größer als 0 und höchstens 656.</translation>
    </message>
    <message>
        <source>Type a size in metres, more than 0 and at most 200.</source>
        <translation>Geben Sie eine Größe in Metern ein, größer als 0 und höchstens 200.</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>Boot</translation>
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
        <translation>Nein: %1</translation>
    </message>
    <message>
        <source>%1 does not fit %2. Book it there all the same?</source>
        <translation>%1 passt nicht auf %2. Trotzdem dort buchen?</translation>
    </message>
    <message>
        <source>The insurance of %1 runs out on %2, before the departure.</source>
        <translation>Die Versicherung von %1 läuft am %2 ab, vor der Abreise.</translation>
    </message>
</context>
<context>
    <name>Boats</name>
    <message>
        <source>The boat &quot;%1&quot; was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>Das Boot „%1“ wurde inzwischen an einem anderen Arbeitsplatz entfernt, daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; was changed at another desk meanwhile, so nothing was saved. Open it again to see the change.</source>
        <translation>Das Boot „%1“ wurde inzwischen an einem anderen Arbeitsplatz geändert, daher wurde nichts gespeichert. Öffnen Sie es erneut, um die Änderung zu sehen.</translation>
    </message>
    <message>
        <source>Sail monohull</source>
        <translation>Segelboot (Einrumpf)</translation>
    </message>
    <message>
        <source>Sail multihull</source>
        <translation>Segelboot (Mehrrumpf)</translation>
    </message>
    <message>
        <source>Motor boat</source>
        <translation>Motorboot</translation>
    </message>
    <message>
        <source>Other boat</source>
        <translation>Anderes Boot</translation>
    </message>
    <message>
        <source>Caravan</source>
        <translation>Wohnwagen</translation>
    </message>
    <message>
        <source>Motorhome</source>
        <translation>Wohnmobil</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Zelt</translation>
    </message>
    <message>
        <source>Other vehicle</source>
        <translation>Anderes Fahrzeug</translation>
    </message>
    <message>
        <source>A boat or vehicle needs a name.</source>
        <translation>Ein Boot oder Fahrzeug braucht einen Namen.</translation>
    </message>
    <message>
        <source>A name may have 100 characters at the most.</source>
        <translation>Ein Name darf höchstens 100 Zeichen haben.</translation>
    </message>
    <message>
        <source>A size must be more than 0 and at most 200 m.</source>
        <translation>Eine Größe muss größer als 0 und höchstens 200 m sein.</translation>
    </message>
    <message>
        <source>The boat no longer exists.</source>
        <translation>Das Boot existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Length overall:</source>
        <translation>Länge über alles:</translation>
    </message>
    <message>
        <source>Beam:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Draft:</source>
        <translation>Tiefgang:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Registration or sail number:</source>
        <translation>Kennzeichen oder Segelnummer:</translation>
    </message>
    <message>
        <source>Insurance company:</source>
        <translation>Versicherung:</translation>
    </message>
    <message>
        <source>Policy number:</source>
        <translation>Policennummer:</translation>
    </message>
    <message>
        <source>Insurance expires:</source>
        <translation>Versicherung läuft ab:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Kunde:</translation>
    </message>
</context>
<context>
    <name>BookingBerthsPage</name>
    <message>
        <source>Berth / slips  available:</source>
        <translation>Verfügbare Liegeplätze:</translation>
    </message>
    <message>
        <source>Select the Berth to use. (Items selected will appear in blue)</source>
        <translation>Wählen Sie den Liegeplatz. (Ausgewählte Einträge erscheinen blau)</translation>
    </message>
    <message>
        <source>New Boa&amp;t...</source>
        <translation>Neues Boo&amp;t...</translation>
    </message>
    <message>
        <source>&amp;Only berths that fit</source>
        <translation>Nur &amp;passende Liegeplätze</translation>
    </message>
    <message>
        <source>Bo&amp;at:</source>
        <translation>Bo&amp;ot:</translation>
    </message>
    <message>
        <source>Select the unit for this booking. (Items highlighted in blue have been booked)</source>
        <translation>Wählen Sie den Platz für diese Buchung. (Blau markierte Einträge sind gebucht)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(kein Boot)</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (neu)</translation>
    </message>
    <message>
        <source>Please select one or more units</source>
        <translation>Bitte wählen Sie einen oder mehrere Plätze</translation>
    </message>
</context>
<context>
    <name>BookingChargesPage</name>
    <message>
        <source>No Adults</source>
        <translation>Erwachsene</translation>
    </message>
    <message>
        <source>No Kids</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Berth Confirmation No.</source>
        <translation>Liegeplatz-Bestätigungsnr.</translation>
    </message>
    <message>
        <source>Cost of Hire</source>
        <translation>Mietpreis</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Sonstige Kosten</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Zu zahlen</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Enter your customer&apos;s details.</source>
        <translation>Geben Sie die Angaben Ihres Kunden ein.</translation>
    </message>
    <message>
        <source>No Adults:</source>
        <translation>Erwachsene:</translation>
    </message>
    <message>
        <source>No Kids:</source>
        <translation>Kinder:</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clubmitglied</translation>
    </message>
    <message>
        <source>Power requirements:</source>
        <translation>Strombedarf:</translation>
    </message>
    <message>
        <source>Confirmation No.:</source>
        <translation>Bestätigungsnr.:</translation>
    </message>
    <message>
        <source>Guest Confirmation No.:</source>
        <translation>Gast-Bestätigungsnr.:</translation>
    </message>
    <message>
        <source>Berth Hire:</source>
        <translation>Liegeplatzmiete:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Sonstige Kosten:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>MwSt.:</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Zu zahlen:</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <source>The rates could not be read, so the hire cannot be worked out.
%1</source>
        <translation>Die Tarife konnten nicht gelesen werden, daher kann die Miete nicht berechnet werden.
%1</translation>
    </message>
    <message>
        <source>The period or the berths changed, so the hire has been worked out again.</source>
        <translation>Der Zeitraum oder die Liegeplätze haben sich geändert, daher wurde die Miete neu berechnet.</translation>
    </message>
    <message>
        <source>The period or the berths of this booking have changed.
Agreed price: hire %1, total payable %2.
With today&apos;s rates: hire %3, total payable %4.

Keep the agreed price?</source>
        <translation>Der Zeitraum oder die Liegeplätze dieser Buchung haben sich geändert.
Vereinbarter Preis: Miete %1, zu zahlen %2.
Mit den heutigen Tarifen: Miete %3, zu zahlen %4.

Den vereinbarten Preis beibehalten?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>%1 &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Neu berechnen: %1</translation>
    </message>
    <message>
        <source>The agreed price is kept.</source>
        <translation>Der vereinbarte Preis wird beibehalten.</translation>
    </message>
</context>
<context>
    <name>BookingChart</name>
    <message>
        <source>No berth type</source>
        <translation>Kein Liegeplatztyp</translation>
    </message>
    <message>
        <source>Contract %1: %2 holds %3 from %4 to %5</source>
        <translation>Vertrag %1: %2 belegt %3 vom %4 bis %5</translation>
    </message>
    <message>
        <source>Booking %1: %2
%3 to %4
Total %5, paid %6</source>
        <translation>Buchung %1: %2
%3 bis %4
Gesamt %5, bezahlt %6</translation>
    </message>
    <message>
        <source>
To be moved: the berth is blocked.</source>
        <translation>
Umbuchen: der Liegeplatz ist gesperrt.</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>Kein Liegeplatz.</translation>
    </message>
    <message>
        <source>%1 is not in use.</source>
        <translation>%1 ist nicht in Betrieb.</translation>
    </message>
    <message>
        <source>%1 is blocked.</source>
        <translation>%1 ist gesperrt.</translation>
    </message>
    <message>
        <source>%1 is blocked: %2.</source>
        <translation>%1 ist gesperrt: %2.</translation>
    </message>
    <message>
        <source>%1 is taken by booking %2.</source>
        <translation>%1 ist durch Buchung %2 belegt.</translation>
    </message>
    <message>
        <source>%1 is taken by %2.</source>
        <translation>%1 ist durch %2 belegt.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>Die Abreise muss nach der Ankunft liegen.</translation>
    </message>
    <message>
        <source>The booking already holds %1.</source>
        <translation>Die Buchung belegt %1 bereits.</translation>
    </message>
    <message>
        <source>%1 away, back %2</source>
        <translation>%1 abwesend, zurück %2</translation>
    </message>
    <message>
        <source>Contract %1: %2 is away from %3 and back on %4. Free to let to visitors until noon that day; the berth stays the holder&apos;s.</source>
        <translation>Vertrag %1: %2 ist abwesend ab %3 und zurück am %4. Bis 12 Uhr an diesem Tag frei an Gäste zu vermieten; der Liegeplatz bleibt der des Inhabers.</translation>
    </message>
</context>
<context>
    <name>BookingChartPrint</name>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Seite %p von %P</translation>
    </message>
</context>
<context>
    <name>BookingChartView</name>
    <message>
        <source>Taken of %1</source>
        <translation>Belegt von %1</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>No berth above this one is free for these days.</source>
        <translation>Kein Liegeplatz oberhalb dieses ist an diesen Tagen frei.</translation>
    </message>
    <message>
        <source>No berth below this one is free for these days.</source>
        <translation>Kein Liegeplatz unterhalb dieses ist an diesen Tagen frei.</translation>
    </message>
    <message>
        <source>Drop it on a berth and days of the chart.</source>
        <translation>Legen Sie sie auf einem Liegeplatz und Tagen des Plans ab.</translation>
    </message>
</context>
<context>
    <name>BookingChartWindow</name>
    <message>
        <source>Booking Chart</source>
        <translation>Belegungsplan</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>T&amp;oday</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>Liegeplatz &amp;sperren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Guest</source>
        <translation>&amp;Gast</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Ankunft</translation>
    </message>
    <message>
        <source>&amp;Depart...</source>
        <translation>Ab&amp;reise...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>Ein-/Auschecken zurückneh&amp;men...</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>Liegeplatz&amp;typ:</translation>
    </message>
    <message>
        <source>The booking was not moved.
%1</source>
        <translation>Die Buchung wurde nicht verschoben.
%1</translation>
    </message>
    <message>
        <source>All berth types</source>
        <translation>Alle Liegeplatztypen</translation>
    </message>
    <message>
        <source>Choose a booking&apos;s bar first: its guest is the one checked in or out.</source>
        <translation>Wählen Sie zuerst den Balken einer Buchung: deren Gast wird ein- oder ausgecheckt.</translation>
    </message>
    <message>
        <source>The booking could not be moved. Nothing was changed.
%1</source>
        <translation>Die Buchung konnte nicht verschoben werden. Es wurde nichts geändert.
%1</translation>
    </message>
    <message>
        <source>Agreed price: total payable %1.
With today&apos;s rates for the new days and berths: total payable %2.

Keep the agreed price?</source>
        <translation>Vereinbarter Preis: zu zahlen %1.
Mit den heutigen Tarifen für die neuen Tage und Liegeplätze: zu zahlen %2.

Den vereinbarten Preis beibehalten?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>%1 &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Neu berechnen: %1</translation>
    </message>
    <message>
        <source>No booking can be made there.
%1</source>
        <translation>Dort kann keine Buchung angelegt werden.
%1</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile.</source>
        <translation>Die Buchung wurde inzwischen an einem anderen Arbeitsplatz geändert.</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Buchung stornieren</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Ein anderer Arbeitsplatz hat diese Sperre inzwischen aufgehoben.</translation>
    </message>
    <message>
        <source>The block was not moved. Nothing was changed.
%1</source>
        <translation>Die Sperre wurde nicht verschoben. Es wurde nichts geändert.
%1</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>Kein Liegeplatz.</translation>
    </message>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Ein anderer Arbeitsplatz hat diese Sperre inzwischen geändert.</translation>
    </message>
</context>
<context>
    <name>BookingConfirmationPage</name>
    <message>
        <source>Booking confirmation details:</source>
        <translation>Angaben zur Buchungsbestätigung:</translation>
    </message>
    <message>
        <source>ph:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>Show the booking con&amp;firmation when saved</source>
        <translation>Buchungsbestätigung nach dem Speichern zei&amp;gen</translation>
    </message>
    <message>
        <source>Send confirmation by e-ma&amp;il</source>
        <translation>Bestätigung per E-Ma&amp;il senden</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Boot: %1</translation>
    </message>
    <message>
        <source>Confirmation number %1 was given to a booking made at another desk meanwhile. This booking has been saved with number %2.</source>
        <translation>Die Bestätigungsnummer %1 wurde inzwischen an eine Buchung eines anderen Arbeitsplatzes vergeben. Diese Buchung wurde mit der Nummer %2 gespeichert.</translation>
    </message>
    <message>
        <source>The booking has been saved with confirmation number %1.</source>
        <translation>Die Buchung wurde mit der Bestätigungsnummer %1 gespeichert.</translation>
    </message>
    <message>
        <source>The booking has been saved.</source>
        <translation>Die Buchung wurde gespeichert.</translation>
    </message>
    <message>
        <source>Show its summary?</source>
        <translation>Die Übersicht der Buchung zeigen?</translation>
    </message>
</context>
<context>
    <name>BookingCustomerPanel</name>
    <message>
        <source>Ne&amp;w...</source>
        <translation>Ne&amp;u...</translation>
    </message>
    <message>
        <source>Select customer:</source>
        <translation>Kunde auswählen:</translation>
    </message>
    <message>
        <source>Please select customer</source>
        <translation>Bitte wählen Sie einen Kunden</translation>
    </message>
    <message>
        <source>%1 is not a boat of %2. Choose its owner as the customer, or no boat on the berths page.</source>
        <translation>%1 ist kein Boot von %2. Wählen Sie seinen Eigentümer als Kunden oder auf der Seite Liegeplätze kein Boot.</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (neu)</translation>
    </message>
</context>
<context>
    <name>BookingDatesPage</name>
    <message>
        <source>Set Arrival date and Arrival time, then set Departure date and Departure time</source>
        <translation>Legen Sie Ankunftsdatum und -uhrzeit fest, dann Abreisedatum und -uhrzeit</translation>
    </message>
    <message>
        <source>Arrival Date:</source>
        <translation>Ankunftsdatum:</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Abreisedatum:</translation>
    </message>
    <message>
        <source>Booked by (your name):</source>
        <translation>Gebucht von (Ihr Name):</translation>
    </message>
    <message>
        <source>Departure date must be after the Arrival date. Please change the Departure date and try again.</source>
        <translation>Das Abreisedatum muss nach dem Ankunftsdatum liegen. Bitte ändern Sie das Abreisedatum und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Booking interval is invalid</source>
        <translation>Der Buchungszeitraum ist ungültig</translation>
    </message>
</context>
<context>
    <name>BookingDeposit</name>
    <message>
        <source>A deposit cannot be less than %1.</source>
        <translation>Eine Anzahlung darf nicht unter %1 liegen.</translation>
    </message>
    <message>
        <source>The deposit cannot be more than the total payable, %1.</source>
        <translation>Die Anzahlung darf nicht höher sein als der Gesamtbetrag, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due before the day the booking was made, %1.</source>
        <translation>Die Anzahlung kann nicht vor dem Buchungstag fällig werden, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due after the balance, %1.</source>
        <translation>Die Anzahlung kann nicht nach dem Restbetrag fällig werden, %1.</translation>
    </message>
    <message>
        <source>The balance cannot fall due after the arrival, %1.</source>
        <translation>Der Restbetrag kann nicht nach der Ankunft fällig werden, %1.</translation>
    </message>
</context>
<context>
    <name>BookingDepositPanel</name>
    <message>
        <source>Deposit</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>&amp;Deposit:</source>
        <translation>&amp;Anzahlung:</translation>
    </message>
    <message>
        <source>Deposit d&amp;ue by:</source>
        <translation>Anzahlung &amp;fällig bis:</translation>
    </message>
    <message>
        <source>Balanc&amp;e due by:</source>
        <translation>&amp;Restbetrag fällig bis:</translation>
    </message>
    <message>
        <source>The deposit typed was more than the total payable, so it is now %1.</source>
        <translation>Die eingegebene Anzahlung war höher als der zu zahlende Gesamtbetrag, daher beträgt sie jetzt %1.</translation>
    </message>
    <message>
        <source>Total payable %1 due by %2</source>
        <translation>Zu zahlen %1, fällig bis %2</translation>
    </message>
    <message>
        <source>Deposit %1 due by %2, balance %3 due by %4</source>
        <translation>Anzahlung %1 fällig bis %2, Restbetrag %3 fällig bis %4</translation>
    </message>
</context>
<context>
    <name>BookingDetailsPanel</name>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Adults and</source>
        <translation>Erwachsene und</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Booking from</source>
        <translation>Buchung ab</translation>
    </message>
</context>
<context>
    <name>BookingDocuments</name>
    <message>
        <source>Telephone No:</source>
        <translation>Telefonnr.:</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>USt-IdNr.:</translation>
    </message>
    <message>
        <source>There is no booking to print.</source>
        <translation>Es gibt keine Buchung zum Drucken.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>Die Buchung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Signature: %1 Date: %2</source>
        <translation>Unterschrift: %1 Datum: %2</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>RECHNUNG</translation>
    </message>
    <message>
        <source>Invoice Number:</source>
        <translation>Rechnungsnummer:</translation>
    </message>
    <message>
        <source>Booking Date:</source>
        <translation>Buchungsdatum:</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Abreisedatum:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Liegeplatz/-plätze:</translation>
    </message>
    <message>
        <source>Booked By:</source>
        <translation>Gebucht von:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>Booking charges,</source>
        <translation>Buchungskosten,</translation>
    </message>
    <message>
        <source>Cost Of Hire:</source>
        <translation>Mietpreis:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Sonstige Kosten:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>MwSt.:</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Zu zahlen:</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <source>In Credit:</source>
        <translation>Guthaben:</translation>
    </message>
    <message>
        <source>Balance Due:</source>
        <translation>Offener Betrag:</translation>
    </message>
    <message>
        <source>Credit notes,</source>
        <translation>Gutschriften,</translation>
    </message>
    <message>
        <source>    Credit note %1  %2</source>
        <translation>    Gutschrift %1  %2</translation>
    </message>
    <message>
        <source>Net after credit notes:</source>
        <translation>Netto nach Gutschriften:</translation>
    </message>
    <message>
        <source>Berth Confirmation Number:</source>
        <translation>Liegeplatz-Bestätigungsnummer:</translation>
    </message>
    <message>
        <source>Guest Confirmation Number:</source>
        <translation>Gast-Bestätigungsnummer:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Reservation Form</source>
        <translation>Reservierungsformular</translation>
    </message>
    <message>
        <source>Reservation Number:</source>
        <translation>Reservierungsnummer:</translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To Date:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>HouseName:</source>
        <translation>Hausname:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Ortsteil:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>PLZ:</translation>
    </message>
    <message>
        <source>TelNo:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>MobileNo:</source>
        <translation>Mobil:</translation>
    </message>
    <message>
        <source>EmailAddress:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Client Notes:</source>
        <translation>Kundennotizen:</translation>
    </message>
    <message>
        <source>ClubMember:</source>
        <translation>Clubmitglied:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>MembershipNo:</source>
        <translation>Mitgliedsnr.:</translation>
    </message>
    <message>
        <source>Reservation Notes:</source>
        <translation>Reservierungsnotizen:</translation>
    </message>
    <message>
        <source>Reservation Terms and Conditions:</source>
        <translation>Reservierungsbedingungen:</translation>
    </message>
    <message>
        <source>BOOKING CONFIRMATION</source>
        <translation>BUCHUNGSBESTÄTIGUNG</translation>
    </message>
    <message>
        <source>Booking Number:</source>
        <translation>Buchungsnummer:</translation>
    </message>
    <message>
        <source>Confirmation Number:</source>
        <translation>Bestätigungsnummer:</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Ankunft:</translation>
    </message>
    <message>
        <source>Departure:</source>
        <translation>Abreise:</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Paid to date:</source>
        <translation>Bisher bezahlt:</translation>
    </message>
    <message>
        <source>Deposit due:</source>
        <translation>Anzahlung fällig:</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>deposit of %1 paid</source>
        <translation>Anzahlung von %1 bezahlt</translation>
    </message>
    <message>
        <source>Balance due:</source>
        <translation>Restbetrag fällig:</translation>
    </message>
    <message>
        <source>paid in full</source>
        <translation>vollständig bezahlt</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Geschäftsbedingungen:</translation>
    </message>
    <message>
        <source>CREDIT NOTE</source>
        <translation>GUTSCHRIFT</translation>
    </message>
    <message>
        <source>Credit Note Number:</source>
        <translation>Gutschriftnummer:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Against Invoice Number:</source>
        <translation>Zu Rechnungsnummer:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Amount Credited:</source>
        <translation>Gutgeschriebener Betrag:</translation>
    </message>
</context>
<context>
    <name>BookingHistory</name>
    <message>
        <source>Customer number</source>
        <translation>Kundennummer</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Abreise</translation>
    </message>
    <message>
        <source>Booked by</source>
        <translation>Gebucht von</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Erwachsene</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Cost of hire</source>
        <translation>Mietpreis</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Sonstige Kosten</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>Total payable</source>
        <translation>Zu zahlen</translation>
    </message>
    <message>
        <source>Payment method number</source>
        <translation>Nummer der Zahlungsart</translation>
    </message>
    <message>
        <source>Card type</source>
        <translation>Kartentyp</translation>
    </message>
    <message>
        <source>Confirmation number</source>
        <translation>Bestätigungsnummer</translation>
    </message>
    <message>
        <source>Guest&apos;s confirmation number</source>
        <translation>Bestätigungsnummer des Gastes</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Club member</source>
        <translation>Clubmitglied</translation>
    </message>
    <message>
        <source>Tax rate (hundredths of a per cent)</source>
        <translation>Steuersatz (Hundertstel Prozent)</translation>
    </message>
    <message>
        <source>Boat number</source>
        <translation>Bootsnummer</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Storniert</translation>
    </message>
    <message>
        <source>Berths when cancelled</source>
        <translation>Liegeplätze bei Stornierung</translation>
    </message>
    <message>
        <source>Invoice number</source>
        <translation>Rechnungsnummer</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Aufenthalt</translation>
    </message>
    <message>
        <source>Checked in</source>
        <translation>Eingecheckt</translation>
    </message>
    <message>
        <source>Checked in at</source>
        <translation>Eingecheckt um</translation>
    </message>
    <message>
        <source>Checked out</source>
        <translation>Ausgecheckt</translation>
    </message>
    <message>
        <source>Checked out at</source>
        <translation>Ausgecheckt um</translation>
    </message>
    <message>
        <source>Deposit agreed</source>
        <translation>Vereinbarte Anzahlung</translation>
    </message>
    <message>
        <source>Deposit due by</source>
        <translation>Anzahlung fällig bis</translation>
    </message>
    <message>
        <source>Balance due by</source>
        <translation>Restbetrag fällig bis</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>daily charge</source>
        <translation>Tagespreis</translation>
    </message>
    <message>
        <source>%1, %2: %3 x %4 = %5</source>
        <translation>%1, %2: %3 x %4 = %5</translation>
    </message>
    <message>
        <source>Booking made</source>
        <translation>Buchung angelegt</translation>
    </message>
    <message>
        <source>Booking deleted</source>
        <translation>Buchung gelöscht</translation>
    </message>
    <message>
        <source>Berth added</source>
        <translation>Liegeplatz hinzugefügt</translation>
    </message>
    <message>
        <source>Berth removed</source>
        <translation>Liegeplatz entfernt</translation>
    </message>
    <message>
        <source>Berth changed</source>
        <translation>Liegeplatz geändert</translation>
    </message>
    <message>
        <source>Charge line added</source>
        <translation>Kostenzeile hinzugefügt</translation>
    </message>
    <message>
        <source>Charge line removed</source>
        <translation>Kostenzeile entfernt</translation>
    </message>
    <message>
        <source>Ledger line</source>
        <translation>Journalzeile</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Seite %p von %P</translation>
    </message>
    <message>
        <source>No changes are recorded for this booking.</source>
        <translation>Für diese Buchung sind keine Änderungen aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>BookingHistoryDialog</name>
    <message>
        <source>Booking history</source>
        <translation>Buchungsverlauf</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Booking %1 history.pdf</source>
        <translation>Verlauf Buchung %1.pdf</translation>
    </message>
    <message>
        <source>The booking&apos;s history could not be read: %1</source>
        <translation>Der Verlauf der Buchung konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>BookingImport</name>
    <message>
        <source>booking %1</source>
        <translation>Buchung %1</translation>
    </message>
</context>
<context>
    <name>BookingMail</name>
    <message>
        <source>The booking has been cancelled: no message is sent about it.</source>
        <translation>Die Buchung wurde storniert: dazu wird keine Nachricht gesendet.</translation>
    </message>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 hat keine verwendbare E-Mail-Adresse: %2</translation>
    </message>
    <message>
        <source>Reminder days must be from 0 to %1.</source>
        <translation>Erinnerungstage müssen zwischen 0 und %1 liegen.</translation>
    </message>
    <message>
        <source>Booking %1 no longer exists.</source>
        <translation>Buchung %1 existiert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>BookingMailMenu</name>
    <message>
        <source>Send confirmation</source>
        <translation>Bestätigung senden</translation>
    </message>
    <message>
        <source>The confirmation was not queued: %1</source>
        <translation>Die Bestätigung wurde nicht in den Postausgang gestellt: %1</translation>
    </message>
    <message>
        <source>Confirmation of booking %1</source>
        <translation>Bestätigung der Buchung %1</translation>
    </message>
    <message>
        <source>E-mail invoice</source>
        <translation>Rechnung per E-Mail</translation>
    </message>
    <message>
        <source>The invoice was not queued: %1</source>
        <translation>Die Rechnung wurde nicht in den Postausgang gestellt: %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Rechnung %1 zur Buchung %2</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2 by e-mail</source>
        <translation>Rechnung %1 zur Buchung %2 per E-Mail</translation>
    </message>
    <message>
        <source>Invoice %1 is in the outbox and goes out in the background.</source>
        <translation>Rechnung %1 liegt im Postausgang und wird im Hintergrund versendet.</translation>
    </message>
    <message>
        <source>E-mail Invoice</source>
        <translation>Rechnung per E-Mail</translation>
    </message>
</context>
<context>
    <name>BookingMessagesPanel</name>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Eingereiht</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Server&apos;s answer</source>
        <translation>Antwort des Servers</translation>
    </message>
    <message>
        <source>Re&amp;send now</source>
        <translation>&amp;Jetzt erneut senden</translation>
    </message>
    <message>
        <source>Edit messa&amp;ge...</source>
        <translation>&amp;Nachricht bearbeiten...</translation>
    </message>
    <message>
        <source>E-mail sent about this booking:</source>
        <translation>Zu dieser Buchung gesendete E-Mails:</translation>
    </message>
    <message>
        <source>The messages could not be read: %1</source>
        <translation>Die Nachrichten konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Gesendet %1</translation>
    </message>
    <message>
        <source>Edit Message</source>
        <translation>Nachricht bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Queue again</source>
        <translation>&amp;Erneut einreihen</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;An:</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Betreff:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Nachricht:</translation>
    </message>
</context>
<context>
    <name>BookingMove</name>
    <message>
        <source>The booking stays where it was.</source>
        <translation>Die Buchung bleibt, wo sie war.</translation>
    </message>
    <message>
        <source>The booking was cancelled at another desk meanwhile. Nothing was moved.</source>
        <translation>Die Buchung wurde inzwischen an einem anderen Arbeitsplatz storniert. Es wurde nichts verschoben.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile. Nothing was moved; the chart shows it as it is now.</source>
        <translation>Die Buchung wurde inzwischen an einem anderen Arbeitsplatz geändert. Es wurde nichts verschoben; der Plan zeigt sie im aktuellen Stand.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>Die Abreise muss nach der Ankunft liegen.</translation>
    </message>
    <message>
        <source>Bookings can only be made from %1 to %2.</source>
        <translation>Buchungen sind nur vom %1 bis %2 möglich.</translation>
    </message>
    <message>
        <source>The booking already holds that berth.</source>
        <translation>Die Buchung belegt diesen Liegeplatz bereits.</translation>
    </message>
    <message>
        <source>That berth is not in use: a booking cannot be moved onto it.</source>
        <translation>Dieser Liegeplatz ist nicht in Betrieb: eine Buchung kann nicht dorthin verschoben werden.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk since it was moved. Nothing was undone.</source>
        <translation>Die Buchung wurde an einem anderen Arbeitsplatz geändert, seit sie verschoben wurde. Es wurde nichts rückgängig gemacht.</translation>
    </message>
</context>
<context>
    <name>BookingPaymentPanel</name>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>Zahlung &amp;erfassen...</translation>
    </message>
    <message>
        <source>Payment Method:</source>
        <translation>Zahlungsart:</translation>
    </message>
    <message>
        <source>Credit Card No.:</source>
        <translation>Kreditkartennr.:</translation>
    </message>
    <message>
        <source>Credit Card Expiry:</source>
        <translation>Kreditkarte gültig bis:</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Kreditkartentyp:</translation>
    </message>
</context>
<context>
    <name>BookingPricing</name>
    <message>
        <source>daily charge</source>
        <translation>Tagespreis</translation>
    </message>
    <message>
        <source>%1, %2: %3 at %4</source>
        <translation>%1, %2: %3 zu %4</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>No rate prices %1: counted at %2.</source>
        <translation>Kein Tarif für %1: berechnet mit %2.</translation>
    </message>
</context>
<context>
    <name>BookingReports</name>
    <message>
        <source>From: %1 to: %2</source>
        <translation>Von: %1 bis: %2</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Von: %1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>Bis: %1</translation>
    </message>
</context>
<context>
    <name>BookingRules</name>
    <message>
        <source>Berth(s): %1</source>
        <translation>Liegeplatz/-plätze: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>BookingStore</name>
    <message>
        <source>Bookings can be made from %1 to %2.</source>
        <translation>Buchungen sind vom %1 bis %2 möglich.</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Ein Betrag liegt über %1.</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to the total payable, %2.</source>
        <translation>Eine Anzahlung reicht von %1 bis zum zu zahlenden Gesamtbetrag, %2.</translation>
    </message>
    <message>
        <source>The tax rate runs from 0 to 100 %.</source>
        <translation>Der Steuersatz reicht von 0 bis 100 %.</translation>
    </message>
    <message>
        <source>The numbers of adults and children run from 0 to %1.</source>
        <translation>Die Anzahl der Erwachsenen und Kinder reicht von 0 bis %1.</translation>
    </message>
    <message>
        <source>arrival</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>departure</source>
        <translation>Abreise</translation>
    </message>
    <message>
        <source>booked by</source>
        <translation>gebucht von</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>adults</source>
        <translation>Erwachsene</translation>
    </message>
    <message>
        <source>children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>other charges</source>
        <translation>sonstige Kosten</translation>
    </message>
    <message>
        <source>tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>total payable</source>
        <translation>zu zahlen</translation>
    </message>
    <message>
        <source>payment method</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>card expiry</source>
        <translation>Kartenablauf</translation>
    </message>
    <message>
        <source>card type</source>
        <translation>Kartentyp</translation>
    </message>
    <message>
        <source>security code</source>
        <translation>Sicherheitscode</translation>
    </message>
    <message>
        <source>cost of hire</source>
        <translation>Mietpreis</translation>
    </message>
    <message>
        <source>confirmation number</source>
        <translation>Bestätigungsnummer</translation>
    </message>
    <message>
        <source>guest confirmation number</source>
        <translation>Bestätigungsnummer des Gastes</translation>
    </message>
    <message>
        <source>power requirements</source>
        <translation>Strombedarf</translation>
    </message>
    <message>
        <source>club member</source>
        <translation>Clubmitglied</translation>
    </message>
    <message>
        <source>tax rate</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>deposit due by</source>
        <translation>Anzahlung fällig bis</translation>
    </message>
    <message>
        <source>balance due by</source>
        <translation>Restbetrag fällig bis</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>storniert</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>Liegeplätze</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>Die Buchung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>%1 has been blocked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 wurde für diesen Zeitraum gesperrt, seit die Liste angezeigt wurde. Es wurde nichts gespeichert: bitte wählen Sie die Plätze erneut.</translation>
    </message>
    <message>
        <source>%1 has been booked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 wurde für diesen Zeitraum gebucht, seit die Liste angezeigt wurde. Es wurde nichts gespeichert: bitte wählen Sie die Plätze erneut.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it (changed: %1). Nothing was saved: cancel and open it again to see the changes.</source>
        <translation>Diese Buchung wurde an einem anderen Arbeitsplatz geändert oder storniert, seit Sie sie geöffnet haben (geändert: %1). Es wurde nichts gespeichert: brechen Sie ab und öffnen Sie sie erneut, um die Änderungen zu sehen.</translation>
    </message>
    <message>
        <source>The boat has been removed or given to another customer since the list was shown. Nothing was saved: please choose the boat again.</source>
        <translation>Das Boot wurde entfernt oder einem anderen Kunden zugeordnet, seit die Liste angezeigt wurde. Es wurde nichts gespeichert: bitte wählen Sie das Boot erneut.</translation>
    </message>
    <message>
        <source>The customer has been deleted since the list was shown. Nothing was saved.</source>
        <translation>Der Kunde wurde gelöscht, seit die Liste angezeigt wurde. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>A cancelled booking cannot be changed.</source>
        <translation>Eine stornierte Buchung kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was deleted: close it and open it again to see the changes.</source>
        <translation>Diese Buchung wurde an einem anderen Arbeitsplatz geändert oder storniert, seit Sie sie geöffnet haben. Es wurde nichts gelöscht: schließen Sie sie und öffnen Sie sie erneut, um die Änderungen zu sehen.</translation>
    </message>
    <message>
        <source>Money has been taken on this booking: it is cancelled from its summary, which keeps its payments.</source>
        <translation>Auf diese Buchung wurde Geld eingenommen: sie wird über ihre Übersicht storniert, die ihre Zahlungen behält.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was cancelled: close it and open it again to see the changes.</source>
        <translation>Diese Buchung wurde an einem anderen Arbeitsplatz geändert oder storniert, seit Sie sie geöffnet haben. Es wurde nichts storniert: schließen Sie sie und öffnen Sie sie erneut, um die Änderungen zu sehen.</translation>
    </message>
    <message>
        <source>The booking has already been cancelled.</source>
        <translation>Die Buchung wurde bereits storniert.</translation>
    </message>
    <message>
        <source>Booking cancelled</source>
        <translation>Buchung storniert</translation>
    </message>
</context>
<context>
    <name>BookingSummaryData</name>
    <message>
        <source>The booking no longer exists.</source>
        <translation>Die Buchung existiert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>BookingSummaryWindow</name>
    <message>
        <source>Reservation summary</source>
        <translation>Reservierungsübersicht</translation>
    </message>
    <message>
        <source>Ph:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>Berth  Charges</source>
        <translation>Liegeplatzkosten</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Sonstige Kosten</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Zu zahlen</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Reservation notes:</source>
        <translation>Reservierungsnotizen:</translation>
    </message>
    <message>
        <source>Customer Notes</source>
        <translation>Kundennotizen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>&amp;Zahlung erfassen...</translation>
    </message>
    <message>
        <source>Re&amp;fund...</source>
        <translation>E&amp;rstatten...</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Ankunft</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>Abrei&amp;se...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>Ein-/Auschecken zurückneh&amp;men...</translation>
    </message>
    <message>
        <source>To amend financial details press the Edit Booking Button</source>
        <translation>Um Finanzangaben zu ändern, klicken Sie auf „Buchung bearbeiten“</translation>
    </message>
    <message>
        <source>&amp;Edit booking</source>
        <translation>Buchung b&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Cancel booking</source>
        <translation>Buchung st&amp;ornieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Print Receipt</source>
        <translation>Quittung &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Booking Form</source>
        <translation>&amp;Buchungsformular</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als PD&amp;F speichern...</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Quittung</translation>
    </message>
    <message>
        <source>Booking Form</source>
        <translation>Buchungsformular</translation>
    </message>
    <message>
        <source>Confir&amp;mation</source>
        <translation>Bes&amp;tätigung</translation>
    </message>
    <message>
        <source>Credit N&amp;otes</source>
        <translation>&amp;Gutschriften</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Booking %1: history</source>
        <translation>Buchung %1: Verlauf</translation>
    </message>
    <message>
        <source>The booking could not be shown: %1</source>
        <translation>Die Buchung konnte nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Boot: %1</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Storniert. %1</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be read: %1</source>
        <translation>Der Aufenthalt des Gastes konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Arrived %1 at %2</source>
        <translation>Angekommen am %1 um %2</translation>
    </message>
    <message>
        <source>Departed %1 at %2</source>
        <translation>Abgereist am %1 um %2</translation>
    </message>
    <message>
        <source>Guest: %1</source>
        <translation>Gast: %1</translation>
    </message>
    <message>
        <source>The payments could not be read: %1</source>
        <translation>Die Zahlungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cancelled: paid %1</source>
        <translation>Storniert: bezahlt %1</translation>
    </message>
    <message>
        <source>Paid %1 of %2: in credit %3</source>
        <translation>Bezahlt %1 von %2: Guthaben %3</translation>
    </message>
    <message>
        <source>Paid %1 of %2: balance due %3</source>
        <translation>Bezahlt %1 von %2: offen %3</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>Der Kunde hat ein Guthaben von %1.</translation>
    </message>
    <message>
        <source>Credit note %1: %2</source>
        <translation>Gutschrift %1: %2</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Buchung stornieren</translation>
    </message>
    <message>
        <source>The invoice could not be numbered: %1</source>
        <translation>Die Rechnung konnte nicht nummeriert werden: %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Rechnung %1 zur Buchung %2</translation>
    </message>
    <message>
        <source>The booking shown could not be printed: %1</source>
        <translation>Die angezeigte Buchung konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>The document could not be read: %1</source>
        <translation>Das Dokument konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>BookingWizard</name>
    <message>
        <source>Berth / Caravan Reservation</source>
        <translation>Liegeplatz- / Wohnwagen-Reservierung</translation>
    </message>
    <message>
        <source>Booking Progress</source>
        <translation>Buchungsfortschritt</translation>
    </message>
    <message>
        <source>Step 1 - Dates</source>
        <translation>Schritt 1 - Zeitraum</translation>
    </message>
    <message>
        <source>Step 2 - Select Berth</source>
        <translation>Schritt 2 - Liegeplatz wählen</translation>
    </message>
    <message>
        <source>Step 3 - Customer</source>
        <translation>Schritt 3 - Kunde</translation>
    </message>
    <message>
        <source>Step 4 - Confirmation</source>
        <translation>Schritt 4 - Bestätigung</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Cancel Booking</source>
        <translation>Buchung stornieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Booking Notes</source>
        <translation>Buchungsnotizen</translation>
    </message>
    <message>
        <source>The booking wizard holds a booking that has not been saved. Confirm or cancel it first.</source>
        <translation>Der Buchungsassistent enthält eine nicht gespeicherte Buchung. Bestätigen oder stornieren Sie sie zuerst.</translation>
    </message>
    <message>
        <source>The booking has not been saved. Close the wizard and lose it?</source>
        <translation>Die Buchung wurde nicht gespeichert. Assistent schließen und sie verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Bestätigen</translation>
    </message>
    <message>
        <source>The customer %1 has been deleted since the list was shown. Nothing was saved: please choose the customer again.</source>
        <translation>Der Kunde %1 wurde gelöscht, seit die Liste angezeigt wurde. Es wurde nichts gespeichert: bitte wählen Sie den Kunden erneut.</translation>
    </message>
    <message>
        <source>The booking could not be saved. Nothing was changed.
%1</source>
        <translation>Die Buchung konnte nicht gespeichert werden. Es wurde nichts geändert.
%1</translation>
    </message>
    <message>
        <source>Do you want to delete existing reservation?</source>
        <translation>Möchten Sie die bestehende Reservierung löschen?</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Buchung</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <source>Not available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>The address did not give a calendar (no BEGIN:VCALENDAR at its start).</source>
        <translation>Die Adresse lieferte keinen Kalender (kein BEGIN:VCALENDAR am Anfang).</translation>
    </message>
    <message>
        <source>The address gave text that could not be read as a calendar.</source>
        <translation>Die Adresse lieferte Text, der nicht als Kalender gelesen werden konnte.</translation>
    </message>
    <message>
        <source>The calendar has more than %1 events to come: it was not read.</source>
        <translation>Der Kalender enthält mehr als %1 künftige Termine: er wurde nicht gelesen.</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>Simple Calendar</source>
        <translation>Einfacher Kalender</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Reservierung hinzufügen</translation>
    </message>
    <message>
        <source>Edit Reservation</source>
        <translation>Reservierung bearbeiten</translation>
    </message>
    <message>
        <source>Show Summary</source>
        <translation>Übersicht zeigen</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Reservierung stornieren</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>Die Buchungen konnten nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Buchung stornieren</translation>
    </message>
</context>
<context>
    <name>CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Zuletzt gelesen</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>https://... or webcal://... (the other site&apos;s calendar of this berth)</source>
        <translation>https://... oder webcal://... (der Kalender der anderen Website für diesen Liegeplatz)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Read &amp;now</source>
        <translation>&amp;Jetzt lesen</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Liegeplatz:</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Feeds</source>
        <translation>&amp;Feeds</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Buchung</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Stays here that another site&apos;s calendar also holds: move each stay to another berth, or ask the other site to free its dates.</source>
        <translation>Aufenthalte hier, die auch der Kalender einer anderen Website enthält: verlegen Sie jeden Aufenthalt auf einen anderen Liegeplatz oder bitten Sie die andere Website, ihre Termine freizugeben.</translation>
    </message>
    <message>
        <source>C&amp;onflicts</source>
        <translation>&amp;Konflikte</translation>
    </message>
    <message>
        <source>empty: this desk publishes no calendars</source>
        <translation>leer: dieser Arbeitsplatz veröffentlicht keine Kalender</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>This desk is the &amp;gateway: it reads the feeds of other sites</source>
        <translation>Dieser Arbeitsplatz ist das &amp;Gateway: er liest die Feeds anderer Websites</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Publish calendars into:</source>
        <translation>Kalender &amp;veröffentlichen in:</translation>
    </message>
    <message>
        <source>Each berth&apos;s calendar is berth-&lt;number&gt;.ics and each berth type&apos;s type-&lt;number&gt;.ics in that folder; put the folder on the office&apos;s web site.</source>
        <translation>Der Kalender jedes Liegeplatzes ist berth-&lt;number&gt;.ics und der jedes Liegeplatztyps type-&lt;number&gt;.ics in diesem Ordner; stellen Sie den Ordner auf die Website des Büros.</translation>
    </message>
    <message>
        <source>This &amp;desk</source>
        <translation>Dieser Arbeits&amp;platz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Only the gateway desk reads the feeds: set it on the &quot;This desk&quot; page.</source>
        <translation>Nur der Gateway-Arbeitsplatz liest die Feeds: stellen Sie ihn auf der Seite „Dieser Arbeitsplatz“ ein.</translation>
    </message>
    <message>
        <source>Publish calendars into</source>
        <translation>Kalender veröffentlichen in</translation>
    </message>
    <message>
        <source>Calendars (*.ics)</source>
        <translation>Kalender (*.ics)</translation>
    </message>
    <message>
        <source>The calendars could not be read: %1</source>
        <translation>Die Kalender konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>noch nicht</translation>
    </message>
    <message>
        <source>Stop reading %1? The berth&apos;s blocks from this calendar are released.</source>
        <translation>Lesen von %1 beenden? Die Sperren des Liegeplatzes aus diesem Kalender werden freigegeben.</translation>
    </message>
    <message>
        <source>The feed was not removed: %1</source>
        <translation>Der Feed wurde nicht entfernt: %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Calendars: publish folder &quot;%1&quot;, gateway %2</source>
        <translation>Kalender: Veröffentlichungsordner „%1“, Gateway %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>CancelPaidDialog</name>
    <message>
        <source>Cancel booking</source>
        <translation>Buchung stornieren</translation>
    </message>
    <message>
        <source>%1 has been paid on this booking. Cancel it and:</source>
        <translation>Auf diese Buchung wurden %1 bezahlt. Stornieren und:</translation>
    </message>
    <message>
        <source>This booking has payments on record. Cancel it and keep them?</source>
        <translation>Für diese Buchung sind Zahlungen erfasst. Stornieren und sie behalten?</translation>
    </message>
    <message>
        <source>&amp;Refund what was paid</source>
        <translation>Bezahltes &amp;erstatten</translation>
    </message>
    <message>
        <source>&amp;Keep it as a cancellation fee</source>
        <translation>Als Stornogebühr &amp;behalten</translation>
    </message>
    <message>
        <source>Keep it as the customer&apos;s c&amp;redit</source>
        <translation>Als &amp;Guthaben des Kunden behalten</translation>
    </message>
    <message>
        <source>Cancel &amp;Booking</source>
        <translation>Buchung &amp;stornieren</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>The booking could not be cancelled: %1</source>
        <translation>Die Buchung konnte nicht storniert werden: %1</translation>
    </message>
</context>
<context>
    <name>CashUpReport</name>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Erhalten</translation>
    </message>
    <message>
        <source>Refunded</source>
        <translation>Erstattet</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Korrekturen</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Cash-up</source>
        <translation>Kassenabschluss</translation>
    </message>
    <message>
        <source>Cash-up: page %p of %P</source>
        <translation>Kassenabschluss: Seite %p von %P</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Payments, refunds and corrections recorded in the period; printed %1.</source>
        <translation>Im Zeitraum erfasste Zahlungen, Erstattungen und Korrekturen; gedruckt %1.</translation>
    </message>
    <message>
        <source>Nothing was recorded in this period.</source>
        <translation>In diesem Zeitraum wurde nichts erfasst.</translation>
    </message>
    <message>
        <source>By method</source>
        <translation>Nach Zahlungsart</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Zahlungsart</translation>
    </message>
    <message>
        <source>By desk</source>
        <translation>Nach Arbeitsplatz</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Arbeitsplatz</translation>
    </message>
</context>
<context>
    <name>CheckIn</name>
    <message>
        <source>The booking has been cancelled: its guest cannot be checked in or out.</source>
        <translation>Die Buchung wurde storniert: ihr Gast kann nicht ein- oder ausgecheckt werden.</translation>
    </message>
    <message>
        <source>The guest was already checked in at %1 on %2.</source>
        <translation>Der Gast wurde bereits um %1 am %2 eingecheckt.</translation>
    </message>
    <message>
        <source>The guest has already left (checked out at %1 on %2).</source>
        <translation>Der Gast ist bereits abgereist (ausgecheckt um %1 am %2).</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile.</source>
        <translation>Ein anderer Arbeitsplatz hat den Aufenthalt des Gastes inzwischen geändert.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Angekommen</translation>
    </message>
    <message>
        <source>Departed</source>
        <translation>Abgereist</translation>
    </message>
    <message>
        <source>No-show</source>
        <translation>Nicht erschienen</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>Die Buchung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The stay ended on %1: change the booking&apos;s dates before checking the guest in.</source>
        <translation>Der Aufenthalt endete am %1: ändern Sie die Daten der Buchung, bevor Sie den Gast einchecken.</translation>
    </message>
    <message>
        <source>%1 is booked to arrive on %2, later than today.
Check the guest in early? The booking&apos;s dates stay as they are.</source>
        <translation>%1 soll laut Buchung am %2 ankommen, also später als heute.
Den Gast früher einchecken? Die Daten der Buchung bleiben unverändert.</translation>
    </message>
    <message>
        <source>%1 was booked to arrive on %2, earlier than today.
Check the guest in late? The booking&apos;s dates stay as they are.</source>
        <translation>%1 sollte laut Buchung am %2 ankommen, also früher als heute.
Den Gast verspätet einchecken? Die Daten der Buchung bleiben unverändert.</translation>
    </message>
    <message>
        <source>
The guest was not checked in: confirm the other day first.</source>
        <translation>
Der Gast wurde nicht eingecheckt: bestätigen Sie zuerst den anderen Tag.</translation>
    </message>
    <message>
        <source>The guest was already checked out at %1 on %2.</source>
        <translation>Der Gast wurde bereits um %1 am %2 ausgecheckt.</translation>
    </message>
    <message>
        <source>The guest has not been checked in: check the guest in before checking out.</source>
        <translation>Der Gast wurde nicht eingecheckt: checken Sie den Gast ein, bevor Sie ihn auschecken.</translation>
    </message>
    <message>
        <source>Only a guest still expected can be marked as a no-show; this one is %1.</source>
        <translation>Nur ein noch erwarteter Gast kann als nicht erschienen markiert werden; dieser ist %1.</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile: it is now %1.</source>
        <translation>Ein anderer Arbeitsplatz hat den Aufenthalt des Gastes inzwischen geändert: er ist jetzt %1.</translation>
    </message>
    <message>
        <source>The guest is expected: there is nothing to put back.</source>
        <translation>Der Gast wird erwartet: es gibt nichts zurückzusetzen.</translation>
    </message>
</context>
<context>
    <name>CheckInMenu</name>
    <message>
        <source>Check-in and check-out</source>
        <translation>Check-in und Check-out</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be changed: %1</source>
        <translation>Der Aufenthalt des Gastes konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest in:</source>
        <translation>Lesen Sie die Zähler der Liegeplätze von %1 ab, bevor Sie den Gast einchecken:</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest out:</source>
        <translation>Lesen Sie die Zähler der Liegeplätze von %1 ab, bevor Sie den Gast auschecken:</translation>
    </message>
    <message>
        <source>%1 still owes %2 (paid %3 of %4).

Yes takes the payment now, No checks the guest out with the balance owing, Cancel goes back without checking out.</source>
        <translation>%1 schuldet noch %2 (bezahlt %3 von %4).

Ja nimmt die Zahlung jetzt an, Nein checkt den Gast mit offenem Betrag aus, Abbrechen kehrt zurück, ohne auszuchecken.</translation>
    </message>
    <message>
        <source>The meters&apos; use, %1 before tax, was added to the booking&apos;s other charges. The balance is now %2.</source>
        <translation>Der Zählerverbrauch, %1 vor Steuer, wurde zu den sonstigen Kosten der Buchung hinzugefügt. Der Restbetrag ist jetzt %2.</translation>
    </message>
    <message>
        <source>%1 is expected: there is no arrival, departure or no-show to undo.</source>
        <translation>%1 wird erwartet: es gibt keine Ankunft, Abreise oder Nichterscheinen rückgängig zu machen.</translation>
    </message>
    <message>
        <source>%1 is %2. Put the stay back to %3?</source>
        <translation>%1 ist %2. Den Aufenthalt auf %3 zurücksetzen?</translation>
    </message>
    <message>
        <source>Every guest due today has been checked in or marked.</source>
        <translation>Jeder heute fällige Gast wurde eingecheckt oder markiert.</translation>
    </message>
    <message>
        <source>Some were not marked:
%1</source>
        <translation>Einige wurden nicht markiert:
%1</translation>
    </message>
</context>
<context>
    <name>ClosedBookings</name>
    <message>
        <source>%1 is closed: its ledger takes no more lines. Date the correction today.</source>
        <translation>%1 ist abgeschlossen: sein Journal nimmt keine Zeilen mehr an. Datieren Sie die Korrektur auf heute.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriodDialog</name>
    <message>
        <source>Closed Months</source>
        <translation>Abgeschlossene Monate</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Monat:</translation>
    </message>
    <message>
        <source>Close the mon&amp;th</source>
        <translation>Monat &amp;abschließen</translation>
    </message>
    <message>
        <source>&amp;Reopen the month</source>
        <translation>Monat &amp;wieder öffnen</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>A closed month&apos;s bookings (by their departure) and ledger lines can no longer be changed: they are put right by lines dated today.</source>
        <translation>Die Buchungen (nach Abreise) und Journalzeilen eines abgeschlossenen Monats können nicht mehr geändert werden: sie werden durch Zeilen mit heutigem Datum berichtigt.</translation>
    </message>
    <message>
        <source>The closed months could not be read: %1</source>
        <translation>Die abgeschlossenen Monate konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Reopened</source>
        <translation>Wieder geöffnet</translation>
    </message>
    <message>
        <source>Close %1? Its bookings and ledger lines can then only be put right by lines dated today.</source>
        <translation>%1 abschließen? Seine Buchungen und Journalzeilen können dann nur noch durch Zeilen mit heutigem Datum berichtigt werden.</translation>
    </message>
    <message>
        <source>Reopen %1? Its bookings and ledger lines can then be changed again.</source>
        <translation>%1 wieder öffnen? Seine Buchungen und Journalzeilen können dann wieder geändert werden.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriods</name>
    <message>
        <source>%1 is already closed.</source>
        <translation>%1 ist bereits abgeschlossen.</translation>
    </message>
    <message>
        <source>%1 is not closed.</source>
        <translation>%1 ist nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Only a manager may close a month.</source>
        <translation>Nur ein Manager darf einen Monat abschließen.</translation>
    </message>
    <message>
        <source>Only an administrator may reopen a month.</source>
        <translation>Nur ein Administrator darf einen Monat wieder öffnen.</translation>
    </message>
    <message>
        <source>Choose a month from 2000 to 2100.</source>
        <translation>Wählen Sie einen Monat von 2000 bis 2100.</translation>
    </message>
    <message>
        <source>%1 is not over yet: a month is closed once it has ended.</source>
        <translation>%1 ist noch nicht vorbei: ein Monat wird abgeschlossen, wenn er geendet hat.</translation>
    </message>
    <message>
        <source>Choose a month to reopen.</source>
        <translation>Wählen Sie einen Monat zum Wiederöffnen.</translation>
    </message>
    <message>
        <source>%1 is closed: its bookings and ledger lines are kept as they are. Put it right with a correction dated today.</source>
        <translation>%1 ist abgeschlossen: seine Buchungen und Journalzeilen bleiben, wie sie sind. Berichtigen Sie ihn mit einer Korrektur mit heutigem Datum.</translation>
    </message>
</context>
<context>
    <name>CompactWindow</name>
    <message>
        <source>Operation in progress</source>
        <translation>Vorgang läuft</translation>
    </message>
    <message>
        <source>Compacting &amp; repairing database ...</source>
        <translation>Datenbank wird komprimiert &amp; repariert ...</translation>
    </message>
</context>
<context>
    <name>CompanyDialog</name>
    <message>
        <source>Setup Company Information</source>
        <translation>Firmenangaben einrichten</translation>
    </message>
    <message>
        <source>Copy  and paste or type your reservation terms and conditions below. These will appear on the booking form.</source>
        <translation>Kopieren und fügen Sie Ihre Reservierungsbedingungen unten ein oder tippen Sie sie ein. Sie erscheinen auf dem Buchungsformular.</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Steuern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rate %</source>
        <translation>Satz %</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Deposits and due dates</source>
        <translation>Anzahlungen und Fälligkeiten</translation>
    </message>
    <message>
        <source>No deposit</source>
        <translation>Keine Anzahlung</translation>
    </message>
    <message>
        <source>A fixed amount</source>
        <translation>Ein fester Betrag</translation>
    </message>
    <message>
        <source>A percentage of the total</source>
        <translation>Ein Prozentsatz der Summe</translation>
    </message>
    <message>
        <source>D&amp;eposit at booking:</source>
        <translation>&amp;Anzahlung bei Buchung:</translation>
    </message>
    <message>
        <source>Fixed a&amp;mount:</source>
        <translation>Fester &amp;Betrag:</translation>
    </message>
    <message>
        <source>Percen&amp;tage (%):</source>
        <translation>&amp;Prozentsatz (%):</translation>
    </message>
    <message>
        <source>Mi&amp;nimum deposit:</source>
        <translation>&amp;Mindestanzahlung:</translation>
    </message>
    <message>
        <source>Balance due (days &amp;before arrival):</source>
        <translation>Restbetrag fällig (&amp;Tage vor Ankunft):</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>E-ma&amp;il server...</source>
        <translation>E-Mail-Se&amp;rver...</translation>
    </message>
    <message>
        <source>company information</source>
        <translation>Firmenangaben</translation>
    </message>
    <message>
        <source>Type the deposit as an amount, for example %1.</source>
        <translation>Geben Sie die Anzahlung als Betrag ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Type the minimum deposit as an amount, for example %1.</source>
        <translation>Geben Sie die Mindestanzahlung als Betrag ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Type the deposit&apos;s percentage, for example 25.</source>
        <translation>Geben Sie den Prozentsatz der Anzahlung ein, zum Beispiel 25.</translation>
    </message>
    <message>
        <source>Type the number of days before arrival the balance falls due.</source>
        <translation>Geben Sie die Anzahl der Tage vor Ankunft ein, an denen der Restbetrag fällig wird.</translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Datenfehler aufgetreten, Fehler:%1</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Firmenname:</translation>
    </message>
    <message>
        <source>Trading Name:</source>
        <translation>Handelsname:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Ortsteil:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>County:</source>
        <translation>Bundesland/Kreis:</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>PLZ:</translation>
    </message>
    <message>
        <source>Telephone No:</source>
        <translation>Telefonnr.:</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>USt-IdNr.:</translation>
    </message>
    <message>
        <source>Receipt Footer:</source>
        <translation>Fußzeile der Quittung:</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Geschäftsbedingungen:</translation>
    </message>
</context>
<context>
    <name>CompanyMailPanel</name>
    <message>
        <source>smtp.example.com; empty: no mail is sent from here</source>
        <translation>smtp.example.com; leer: von hier wird keine E-Mail gesendet</translation>
    </message>
    <message>
        <source>None (a server inside the office only)</source>
        <translation>Keine (nur ein Server innerhalb des Büros)</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587)</source>
        <translation>STARTTLS (meist Port 587)</translation>
    </message>
    <message>
        <source>TLS (usually port 465)</source>
        <translation>TLS (meist Port 465)</translation>
    </message>
    <message>
        <source>empty: the certificates this computer trusts</source>
        <translation>leer: die Zertifikate, denen dieser Computer vertraut</translation>
    </message>
    <message>
        <source>&amp;Accept the server&apos;s own certificate without a check</source>
        <translation>Eigenes Zertifikat des Servers ungeprüft &amp;akzeptieren</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Si&amp;cherheit:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>Sender &amp;name:</source>
        <translation>Absender&amp;name:</translation>
    </message>
    <message>
        <source>Sender a&amp;ddress:</source>
        <translation>Absenderad&amp;resse:</translation>
    </message>
    <message>
        <source>CA certificate &amp;file:</source>
        <translation>CA-Zertifikat&amp;datei:</translation>
    </message>
    <message>
        <source>(unchanged unless typed here)</source>
        <translation>(unverändert, außer hier eingegeben)</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>E-mail Server</source>
        <translation>E-Mail-Server</translation>
    </message>
    <message>
        <source>Messages wait in the outbox and go in the background. The password is kept in this computer&apos;s secret store, or else in a file only you can read; never in the database.</source>
        <translation>Nachrichten warten im Postausgang und werden im Hintergrund versendet. Das Passwort wird im Geheimnisspeicher dieses Computers aufbewahrt, andernfalls in einer Datei, die nur Sie lesen können; nie in der Datenbank.</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sp&amp;eichern</translation>
    </message>
</context>
<context>
    <name>CompanyStore</name>
    <message>
        <source>%1 %2 % from %3</source>
        <translation>%1 %2 % ab %3</translation>
    </message>
    <message>
        <source>Deposit at booking:</source>
        <translation>Anzahlung bei Buchung:</translation>
    </message>
    <message>
        <source>Fixed amount:</source>
        <translation>Fester Betrag:</translation>
    </message>
    <message>
        <source>Percentage (%):</source>
        <translation>Prozentsatz (%):</translation>
    </message>
    <message>
        <source>Minimum deposit:</source>
        <translation>Mindestanzahlung:</translation>
    </message>
    <message>
        <source>Balance due (days before arrival):</source>
        <translation>Restbetrag fällig (Tage vor Ankunft):</translation>
    </message>
    <message>
        <source>These company details were deleted at another desk meanwhile, so nothing was saved. Refresh shows what is left; what you typed is still in the boxes.</source>
        <translation>Diese Firmenangaben wurden inzwischen an einem anderen Arbeitsplatz gelöscht, daher wurde nichts gespeichert. „Neu laden“ zeigt, was übrig ist; Ihre Eingaben stehen noch in den Feldern.</translation>
    </message>
    <message>
        <source>Taxes:</source>
        <translation>Steuern:</translation>
    </message>
</context>
<context>
    <name>ContractActionsPanel</name>
    <message>
        <source>E&amp;dit...</source>
        <translation>Be&amp;arbeiten...</translation>
    </message>
    <message>
        <source>Print contr&amp;act...</source>
        <translation>Vertrag &amp;drucken...</translation>
    </message>
    <message>
        <source>In&amp;voice...</source>
        <translation>&amp;Rechnung...</translation>
    </message>
    <message>
        <source>Rene&amp;w contracts...</source>
        <translation>Verträge &amp;verlängern...</translation>
    </message>
    <message>
        <source>Li&amp;sts...</source>
        <translation>&amp;Listen...</translation>
    </message>
    <message>
        <source>Contract %1 ended on %2 unrenewed</source>
        <translation>Vertrag %1 endete am %2 ohne Verlängerung</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Verträge</translation>
    </message>
    <message>
        <source>Contract %1.pdf</source>
        <translation>Vertrag %1.pdf</translation>
    </message>
    <message>
        <source>No instalment of this contract has been invoiced yet: use Invoice next instalment first.</source>
        <translation>Für diesen Vertrag wurde noch keine Rate in Rechnung gestellt: verwenden Sie zuerst „Nächste Rate fakturieren“.</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Rechnung %1.pdf</translation>
    </message>
</context>
<context>
    <name>ContractBatch</name>
    <message>
        <source>%1 is held over the contract&apos;s days: the contract was not saved.</source>
        <translation>%1 ist an den Tagen des Vertrags belegt: der Vertrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 would be held twice from %2 to %3 by contracts of this run: nothing was saved.</source>
        <translation>%1 wäre von %2 bis %3 doppelt durch Verträge dieses Laufs belegt: es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The renewal letters were not laid out.</source>
        <translation>Die Verlängerungsschreiben wurden nicht gesetzt.</translation>
    </message>
</context>
<context>
    <name>ContractDialog</name>
    <message>
        <source>New Contract</source>
        <translation>Neuer Vertrag</translation>
    </message>
    <message>
        <source>In full</source>
        <translation>Vollständig</translation>
    </message>
    <message>
        <source>Two instalments</source>
        <translation>Zwei Raten</translation>
    </message>
    <message>
        <source>Four instalments</source>
        <translation>Vier Raten</translation>
    </message>
    <message>
        <source>Twelve instalments</source>
        <translation>Zwölf Raten</translation>
    </message>
    <message>
        <source>Dates and amounts as typed</source>
        <translation>Daten und Beträge wie eingegeben</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>P&amp;ropose price</source>
        <translation>Preis &amp;vorschlagen</translation>
    </message>
    <message>
        <source>Add a ro&amp;w</source>
        <translation>Zeile hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Holder:</source>
        <translation>In&amp;haber:</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Boot:</translation>
    </message>
    <message>
        <source>B&amp;erth:</source>
        <translation>&amp;Liegeplatz:</translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation>Lauf&amp;zeit:</translation>
    </message>
    <message>
        <source>&amp;First day:</source>
        <translation>&amp;Erster Tag:</translation>
    </message>
    <message>
        <source>&amp;Last day:</source>
        <translation>Le&amp;tzter Tag:</translation>
    </message>
    <message>
        <source>Pr&amp;ice before tax:</source>
        <translation>&amp;Preis vor Steuer:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Ratenplan:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>(the days as typed)</source>
        <translation>(die Tage wie eingegeben)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(kein Boot)</translation>
    </message>
    <message>
        <source>The holder&apos;s boats could not be read: %1</source>
        <translation>Die Boote des Inhabers konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The terms could not be read: %1</source>
        <translation>Die Laufzeiten konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No term prices some of these days: type the price.</source>
        <translation>Für einige dieser Tage gibt es keinen Laufzeitpreis: geben Sie den Preis ein.</translation>
    </message>
    <message>
        <source>Type the price as an amount, such as 1200.00.</source>
        <translation>Geben Sie den Preis als Betrag ein, etwa 1200.00.</translation>
    </message>
    <message>
        <source>Tax %1, total %2</source>
        <translation>Steuer %1, gesamt %2</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Bitte wählen Sie den Inhaber.</translation>
    </message>
    <message>
        <source>Instalment %1: %2</source>
        <translation>Rate %1: %2</translation>
    </message>
    <message>
        <source>Instalment %1: type the amount, such as 300.00.</source>
        <translation>Rate %1: geben Sie den Betrag ein, etwa 300.00.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>Der Vertrag wurde storniert: er kann nicht mehr geändert werden.</translation>
    </message>
    <message>
        <source>Contract %1</source>
        <translation>Vertrag %1</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. fällig %2: %3, Rechnung %4</translation>
    </message>
    <message>
        <source>Invoiced, and kept as they are:
%1</source>
        <translation>In Rechnung gestellt und unverändert beibehalten:
%1</translation>
    </message>
    <message>
        <source>contract</source>
        <translation>Vertrag</translation>
    </message>
</context>
<context>
    <name>ContractDocuments</name>
    <message>
        <source>Contract No:</source>
        <translation>Vertragsnr.:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Liegeplatz/-plätze:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Erster Tag:</translation>
    </message>
    <message>
        <source>Last day:</source>
        <translation>Letzter Tag:</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Preis ohne Steuer:</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>Steuer:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Payable in instalments</source>
        <translation>Zahlbar in Raten</translation>
    </message>
    <message>
        <source>%1. due %2</source>
        <translation>%1. fällig am %2</translation>
    </message>
    <message>
        <source>invoice %1</source>
        <translation>Rechnung %1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>CONTRACT</source>
        <translation>VERTRAG</translation>
    </message>
    <message>
        <source>%1 lets to %2 the berth(s) below for the days below, on the office&apos;s terms that follow.</source>
        <translation>%1 vermietet an %2 den/die unten genannten Liegeplatz/Liegeplätze für die unten genannten Tage zu den folgenden Bedingungen des Hauses.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>For the holder</source>
        <translation>Für den Inhaber</translation>
    </message>
    <message>
        <source>For %1</source>
        <translation>Für %1</translation>
    </message>
    <message>
        <source>CONTRACT RENEWAL</source>
        <translation>VERTRAGSVERLÄNGERUNG</translation>
    </message>
    <message>
        <source>Dear %1,</source>
        <translation>Sehr geehrte(r) %1,</translation>
    </message>
    <message>
        <source>Your contract %1 for %2 comes to its end. We are pleased to renew it from %3 to %4 at %5, payable as below.</source>
        <translation>Ihr Vertrag %1 für %2 läuft aus. Gerne verlängern wir ihn vom %3 bis %4 zu %5, zahlbar wie unten angegeben.</translation>
    </message>
    <message>
        <source>Yours sincerely,</source>
        <translation>Mit freundlichen Grüßen</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>RECHNUNG</translation>
    </message>
    <message>
        <source>Invoice No:</source>
        <translation>Rechnungsnr.:</translation>
    </message>
    <message>
        <source>not issued</source>
        <translation>nicht ausgestellt</translation>
    </message>
    <message>
        <source>Instalment:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>%1 of %2, due %3</source>
        <translation>%1 von %2, fällig am %3</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>This instalment:</source>
        <translation>Diese Rate:</translation>
    </message>
    <message>
        <source>Contract total:</source>
        <translation>Vertragssumme:</translation>
    </message>
    <message>
        <source>Paid so far:</source>
        <translation>Bisher bezahlt:</translation>
    </message>
    <message>
        <source>Balance of the contract:</source>
        <translation>Restbetrag des Vertrags:</translation>
    </message>
    <message>
        <source>The contract terms run to at most %1 characters.</source>
        <translation>Die Vertragsbedingungen umfassen höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Contract terms:</source>
        <translation>Vertragsbedingungen:</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Before tax:</source>
        <translation>Ohne Steuer:</translation>
    </message>
    <message>
        <source>The renewal letter of contract %1 is no longer kept.</source>
        <translation>Das Verlängerungsschreiben zu Vertrag %1 ist nicht mehr gespeichert.</translation>
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
        <translation>keine</translation>
    </message>
    <message>
        <source>Berths:</source>
        <translation>Liegeplätze:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Tage:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Preis ohne Steuer:</translation>
    </message>
    <message>
        <source>Plan:</source>
        <translation>Plan:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>Der Vertrag wurde storniert: er kann nicht mehr geändert werden.</translation>
    </message>
    <message>
        <source>An instalment of this contract has been invoiced, so its days stay as they are: cancel it and make a new one to change them.</source>
        <translation>Eine Rate dieses Vertrags wurde bereits in Rechnung gestellt, daher bleiben seine Tage unverändert: stornieren Sie ihn und legen Sie einen neuen an, um sie zu ändern.</translation>
    </message>
</context>
<context>
    <name>ContractImport</name>
    <message>
        <source>contract %1</source>
        <translation>Vertrag %1</translation>
    </message>
</context>
<context>
    <name>ContractLists</name>
    <message>
        <source>Contracts by berth type</source>
        <translation>Verträge nach Liegeplatztyp</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Liegeplatztyp</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Vertrag</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Liegeplätze</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Renewals due from %1 to %2</source>
        <translation>Fällige Verlängerungen vom %1 bis %2</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Endet</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Diese Laufzeit</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Nächste Laufzeit</translation>
    </message>
    <message>
        <source>Instalments due to %1</source>
        <translation>Fällige Raten bis %1</translation>
    </message>
    <message>
        <source>Instalment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Owing</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Seite %p von %P</translation>
    </message>
    <message>
        <source>Nothing to list.</source>
        <translation>Nichts aufzulisten.</translation>
    </message>
</context>
<context>
    <name>ContractListsWindow</name>
    <message>
        <source>Contract lists</source>
        <translation>Vertragslisten</translation>
    </message>
    <message>
        <source>Contracts by berth type</source>
        <translation>Verträge nach Liegeplatztyp</translation>
    </message>
    <message>
        <source>Renewals due</source>
        <translation>Fällige Verlängerungen</translation>
    </message>
    <message>
        <source>Instalments due and overdue</source>
        <translation>Fällige und überfällige Raten</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To (renewals and instalments):</source>
        <translation>&amp;Bis (Verlängerungen und Raten):</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>ContractMeters</name>
    <message>
        <source>Billed already up to the reading of %1.</source>
        <translation>Bereits bis zur Ablesung vom %1 abgerechnet.</translation>
    </message>
    <message>
        <source>Not read twice in the period.</source>
        <translation>Im Zeitraum nicht zweimal abgelesen.</translation>
    </message>
    <message>
        <source>No %1 tariff is in force on %2.</source>
        <translation>Am %2 gilt kein Tarif für %1.</translation>
    </message>
    <message>
        <source>Nothing used in the period.</source>
        <translation>Im Zeitraum nichts verbraucht.</translation>
    </message>
    <message>
        <source>Contract %1 was cancelled meanwhile.</source>
        <translation>Vertrag %1 wurde inzwischen storniert.</translation>
    </message>
    <message>
        <source>Choose the first and the last day of the period to bill.</source>
        <translation>Wählen Sie den ersten und den letzten Tag des abzurechnenden Zeitraums.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>A period billed at once is at most %1 days.</source>
        <translation>Ein auf einmal abgerechneter Zeitraum umfasst höchstens %1 Tage.</translation>
    </message>
</context>
<context>
    <name>ContractMetersDialog</name>
    <message>
        <source>Bill contracts&apos; meters</source>
        <translation>Zähler der Verträge abrechnen</translation>
    </message>
    <message>
        <source>&amp;Dry run</source>
        <translation>&amp;Probelauf</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Vertrag</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verbrauch</translation>
    </message>
    <message>
        <source>Before tax</source>
        <translation>Vor Steuer</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Run the period dry first: nothing is billed until you choose Bill.</source>
        <translation>Führen Sie den Zeitraum zuerst als Probelauf aus: erst mit „Abrechnen“ wird etwas berechnet.</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Bill...</source>
        <translation>&amp;Abrechnen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Bill meters...</source>
        <translation>Zähler a&amp;brechnen...</translation>
    </message>
    <message numerus="yes">
        <source>Bill the meters of %n contract(s) from %1 to %2, %3 with tax? Each contract gets an invoice of its own.</source>
        <translation>
            <numerusform>Die Zähler von %n Vertrag vom %1 bis %2 abrechnen, %3 mit Steuer? Jeder Vertrag erhält eine eigene Rechnung.</numerusform>
            <numerusform>Die Zähler von %n Verträgen vom %1 bis %2 abrechnen, %3 mit Steuer? Jeder Vertrag erhält eine eigene Rechnung.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go back without billing</source>
        <translation>&amp;Zurück ohne Abrechnung</translation>
    </message>
    <message>
        <source>&amp;Bill %1</source>
        <translation>%1 &amp;abrechnen</translation>
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
            <numerusform>Abgerechnet: %n Rechnung (%1), %2 vor Steuer, %3 mit Steuer.</numerusform>
            <numerusform>Abgerechnet: %n Rechnungen (%1), %2 vor Steuer, %3 mit Steuer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dry run, nothing billed: %n invoice(s) would be issued, %1 before tax, %2 with tax.</source>
        <translation>
            <numerusform>Probelauf, nichts abgerechnet: %n Rechnung würde ausgestellt, %1 vor Steuer, %2 mit Steuer.</numerusform>
            <numerusform>Probelauf, nichts abgerechnet: %n Rechnungen würden ausgestellt, %1 vor Steuer, %2 mit Steuer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContractPaymentDialog</name>
    <message>
        <source>Contract %1: %2</source>
        <translation>Vertrag %1: %2</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Erstattung</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Betrag:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Zahlungsart:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Referenz:</translation>
    </message>
    <message>
        <source>Recor&amp;d</source>
        <translation>&amp;Erfassen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Type the amount, such as 300.00.</source>
        <translation>Geben Sie den Betrag ein, etwa 300.00.</translation>
    </message>
</context>
<context>
    <name>ContractPlan</name>
    <message>
        <source>A plan needs at least one instalment.</source>
        <translation>Ein Plan braucht mindestens eine Rate.</translation>
    </message>
    <message>
        <source>A plan has at most %1 instalments.</source>
        <translation>Ein Plan hat höchstens %1 Raten.</translation>
    </message>
    <message>
        <source>Instalment %1 needs the date it falls due.</source>
        <translation>Rate %1 braucht ihr Fälligkeitsdatum.</translation>
    </message>
    <message>
        <source>Instalment %1 falls due after the contract ends, on %2.</source>
        <translation>Rate %1 wird nach dem Vertragsende am %2 fällig.</translation>
    </message>
    <message>
        <source>Instalment %1 must be an amount of whole pence, not below %2.</source>
        <translation>Rate %1 muss ein Betrag in ganzen Cent sein, nicht unter %2.</translation>
    </message>
    <message>
        <source>The instalments add up to %1, not the contract&apos;s %2: %3 %4.</source>
        <translation>Die Raten ergeben zusammen %1, nicht die %2 des Vertrags: %3 %4.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>hinzufügen</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>abziehen</translation>
    </message>
    <message>
        <source>Invoices of %1 were issued on this contract already: its total cannot go below them (%2). Record a refund or a correction instead.</source>
        <translation>Auf diesen Vertrag wurden bereits Rechnungen über %1 ausgestellt: seine Summe darf nicht darunter fallen (%2). Erfassen Sie stattdessen eine Erstattung oder eine Korrektur.</translation>
    </message>
</context>
<context>
    <name>ContractRenewals</name>
    <message>
        <source>No term price covers %1 from %2 to %3: type the price, or add it in Terms and prices.</source>
        <translation>Kein Laufzeitpreis gilt für %1 vom %2 bis %3: geben Sie den Preis ein oder erfassen Sie ihn unter Konditionen und Preise.</translation>
    </message>
    <message>
        <source>The renewal price of contract %1 (%2) must be from %3 to %4 in whole pence: nothing was renewed.</source>
        <translation>Der Verlängerungspreis von Vertrag %1 (%2) muss zwischen %3 und %4 in ganzen Cent liegen: es wurde nichts verlängert.</translation>
    </message>
    <message>
        <source>Contract %1 (%2): %3</source>
        <translation>Vertrag %1 (%2): %3</translation>
    </message>
    <message>
        <source>Contract %1 (%2) was renewed, cancelled or changed at another desk meanwhile: nothing was renewed. Read the list again.</source>
        <translation>Vertrag %1 (%2) wurde inzwischen an einem anderen Arbeitsplatz verlängert, storniert oder geändert: es wurde nichts verlängert. Lesen Sie die Liste neu ein.</translation>
    </message>
    <message>
        <source>Contract %1 (%2) could not be renewed, so nothing was: %3</source>
        <translation>Vertrag %1 (%2) konnte nicht verlängert werden, daher wurde nichts verlängert: %3</translation>
    </message>
</context>
<context>
    <name>ContractStore</name>
    <message>
        <source>The holder is no longer in the customer list.</source>
        <translation>Der Inhaber ist nicht mehr in der Kundenliste.</translation>
    </message>
    <message>
        <source>A berth of the contract is no longer in the register.</source>
        <translation>Ein Liegeplatz des Vertrags ist nicht mehr im Verzeichnis.</translation>
    </message>
    <message>
        <source>%1 is not in use: make it active in the berth register first.</source>
        <translation>%1 ist nicht in Gebrauch: aktivieren Sie ihn zuerst im Liegeplatzverzeichnis.</translation>
    </message>
    <message>
        <source>%1 is booked from %2 to %3 (booking %4, %5): the contract was not saved.</source>
        <translation>%1 ist von %2 bis %3 gebucht (Buchung %4, %5): der Vertrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 is blocked from %2 to %3 (%4): the contract was not saved.</source>
        <translation>%1 ist von %2 bis %3 gesperrt (%4): der Vertrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 is held by contract %2 (%3) from %4 to %5: the contract was not saved.</source>
        <translation>%1 ist durch Vertrag %2 (%3) von %4 bis %5 belegt: der Vertrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Ein anderer Arbeitsplatz hat diesen Vertrag inzwischen entfernt.</translation>
    </message>
    <message>
        <source>The contract has no instalment %1.</source>
        <translation>Der Vertrag hat keine Rate %1.</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Bitte wählen Sie den Inhaber.</translation>
    </message>
    <message>
        <source>Please choose the berth the contract holds.</source>
        <translation>Bitte wählen Sie den Liegeplatz des Vertrags.</translation>
    </message>
    <message>
        <source>A berth is chosen twice.</source>
        <translation>Ein Liegeplatz ist doppelt gewählt.</translation>
    </message>
    <message>
        <source>Please give the contract&apos;s first and last days.</source>
        <translation>Bitte geben Sie den ersten und den letzten Tag des Vertrags an.</translation>
    </message>
    <message>
        <source>The contract ends before it starts.</source>
        <translation>Der Vertrag endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>A contract must lie between %1 and %2.</source>
        <translation>Ein Vertrag muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>A contract runs for at most %1 days: make a new one for what follows.</source>
        <translation>Ein Vertrag läuft höchstens %1 Tage: legen Sie für die Zeit danach einen neuen an.</translation>
    </message>
    <message>
        <source>The price must be from %1 to %2 in whole pence.</source>
        <translation>Der Preis muss zwischen %1 und %2 in ganzen Cent liegen.</translation>
    </message>
    <message>
        <source>The notes run to at most %1 characters.</source>
        <translation>Die Notizen umfassen höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>%1 was booked over the contract&apos;s days meanwhile: the contract was not saved.</source>
        <translation>%1 wurde inzwischen an Tagen des Vertrags gebucht: der Vertrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The contract has already been cancelled.</source>
        <translation>Der Vertrag wurde bereits storniert.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its instalments are not invoiced.</source>
        <translation>Der Vertrag wurde storniert: seine Raten werden nicht in Rechnung gestellt.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: only a refund or a correction can be recorded.</source>
        <translation>Der Vertrag wurde storniert: nur eine Erstattung oder eine Korrektur kann erfasst werden.</translation>
    </message>
    <message>
        <source>This customer holds a contract, kept for the accounts even once cancelled, so the customer cannot be deleted.</source>
        <translation>Dieser Kunde hat einen Vertrag, der auch nach einer Stornierung für die Buchhaltung aufbewahrt wird; daher kann der Kunde nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>This berth is let under a contract, kept for the accounts even once cancelled or ended, so the berth cannot be deleted. Make it inactive instead.</source>
        <translation>Dieser Liegeplatz ist vertraglich vermietet; der Vertrag wird auch nach Stornierung oder Ablauf für die Buchhaltung aufbewahrt, daher kann der Liegeplatz nicht gelöscht werden. Setzen Sie ihn stattdessen auf inaktiv.</translation>
    </message>
    <message>
        <source>A berth of this owner is let under a contract, kept for the accounts even once cancelled or ended, so the owner cannot be deleted.</source>
        <translation>Ein Liegeplatz dieses Eigentümers ist vertraglich vermietet; der Vertrag wird auch nach Stornierung oder Ablauf für die Buchhaltung aufbewahrt, daher kann der Eigentümer nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Contract %1: %2, %3 from %4 to %5, %6</source>
        <translation>Vertrag %1: %2, %3 von %4 bis %5, %6</translation>
    </message>
</context>
<context>
    <name>ContractTermsPanel</name>
    <message>
        <source>Contract &amp;terms, printed on every contract above the signatures:</source>
        <translation>&amp;Vertragsbedingungen, gedruckt auf jedem Vertrag über den Unterschriften:</translation>
    </message>
    <message>
        <source>Contract terms</source>
        <translation>Vertragsbedingungen</translation>
    </message>
    <message>
        <source>contract terms</source>
        <translation>Vertragsbedingungen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;ontract terms...</source>
        <translation>&amp;Vertragsbedingungen...</translation>
    </message>
</context>
<context>
    <name>ContractsWindow</name>
    <message>
        <source>Contracts</source>
        <translation>Verträge</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled contracts</source>
        <translation>Stornierte Verträge &amp;zeigen</translation>
    </message>
    <message>
        <source>N&amp;ew contract...</source>
        <translation>&amp;Neuer Vertrag...</translation>
    </message>
    <message>
        <source>&amp;Payment...</source>
        <translation>Za&amp;hlung...</translation>
    </message>
    <message>
        <source>&amp;Invoice next instalment</source>
        <translation>Nächste Rate &amp;fakturieren</translation>
    </message>
    <message>
        <source>Cance&amp;l contract...</source>
        <translation>Vertrag s&amp;tornieren...</translation>
    </message>
    <message>
        <source>&amp;Terms and prices...</source>
        <translation>&amp;Konditionen und Preise...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Contract %1, instalment %2 of %3: invoice %4</source>
        <translation>Vertrag %1, Rate %2 von %3: Rechnung %4</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Liegeplatztyp</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>%1 (cancelled)</source>
        <translation>%1 (storniert)</translation>
    </message>
    <message>
        <source>No contract chosen.</source>
        <translation>Kein Vertrag gewählt.</translation>
    </message>
    <message>
        <source>Contract %1 of %2, boat %3: %4 before tax, tax %5, paid %6</source>
        <translation>Vertrag %1 von %2, Boot %3: %4 vor Steuer, Steuer %5, bezahlt %6</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. fällig %2: %3, Rechnung %4</translation>
    </message>
    <message>
        <source>%1. due %2: %3</source>
        <translation>%1. fällig %2: %3</translation>
    </message>
    <message>
        <source>Contract %1: %2 %3, paid now %4</source>
        <translation>Vertrag %1: %2 %3, jetzt bezahlt %4</translation>
    </message>
    <message>
        <source>Every instalment of this contract has its invoice.</source>
        <translation>Jede Rate dieses Vertrags hat ihre Rechnung.</translation>
    </message>
    <message>
        <source>Cancel contract %1 of %2?

Yes frees %3 from %4 to %5; the %6 paid stays on the contract&apos;s ledger, to be refunded with Payment if it is due back.
No keeps the contract.</source>
        <translation>Vertrag %1 von %2 stornieren?

Ja gibt %3 vom %4 bis %5 frei; die bezahlten %6 bleiben im Journal des Vertrags und werden über „Zahlung“ erstattet, falls sie zurückzuzahlen sind.
Nein behält den Vertrag.</translation>
    </message>
</context>
<context>
    <name>CreditNotes</name>
    <message>
        <source>Enter the company&apos;s details before issuing a credit note.</source>
        <translation>Geben Sie die Firmenangaben ein, bevor Sie eine Gutschrift ausstellen.</translation>
    </message>
    <message>
        <source>Credit note %1 of %2 against invoice %3 for booking %4</source>
        <translation>Gutschrift %1 von %2 zu Rechnung %3 für Buchung %4</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>There is no data to export</source>
        <translation>Es gibt keine Daten zum Exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Export Customers</source>
        <translation>Kunden exportieren</translation>
    </message>
    <message>
        <source>Export Reservations</source>
        <translation>Reservierungen exportieren</translation>
    </message>
    <message>
        <source>Export Payments</source>
        <translation>Zahlungen exportieren</translation>
    </message>
    <message>
        <source>Export Today&apos;s Reservations</source>
        <translation>Heutige Reservierungen exportieren</translation>
    </message>
</context>
<context>
    <name>CsvRead</name>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>The file has a field longer than a million characters (%1): it does not look like a list of records.</source>
        <translation>Die Datei hat ein Feld mit mehr als einer Million Zeichen (%1): sie sieht nicht wie eine Liste von Datensätzen aus.</translation>
    </message>
    <message>
        <source>The file holds binary data (a NUL byte near %1): it is not a CSV file.</source>
        <translation>Die Datei enthält Binärdaten (ein NUL-Byte bei %1): sie ist keine CSV-Datei.</translation>
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
        <translation>Kunde hinzufügen</translation>
    </message>
    <message>
        <source>Edit Customer</source>
        <translation>Kunde bearbeiten</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clubmitglied</translation>
    </message>
    <message>
        <source>Boats and vehicles</source>
        <translation>Boote und Fahrzeuge</translation>
    </message>
    <message>
        <source>Add &amp;Boat...</source>
        <translation>&amp;Boot hinzufügen...</translation>
    </message>
    <message>
        <source>Edi&amp;t Boat...</source>
        <translation>Boot bearbei&amp;ten...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Boat</source>
        <translation>Boot &amp;entfernen</translation>
    </message>
    <message>
        <source>Save the customer first, then open it again to add boats.</source>
        <translation>Speichern Sie zuerst den Kunden und öffnen Sie ihn dann erneut, um Boote hinzuzufügen.</translation>
    </message>
    <message>
        <source>Remove the boat &quot;%1&quot; from this customer?</source>
        <translation>Das Boot „%1“ von diesem Kunden entfernen?</translation>
    </message>
    <message>
        <source>Document lan&amp;guage:</source>
        <translation>Dokument&amp;sprache:</translation>
    </message>
</context>
<context>
    <name>CustomerListWindow</name>
    <message>
        <source>Customers</source>
        <translation>Kunden</translation>
    </message>
    <message>
        <source>&amp;Add Customer</source>
        <translation>Kunde &amp;hinzufügen</translation>
    </message>
    <message>
        <source>View/&amp;Edit Customer</source>
        <translation>Kunde anzeigen/&amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Customer</source>
        <translation>Kunde &amp;löschen</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Hausname</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Ortsteil</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Tel. No.</source>
        <translation>Telefonnr.</translation>
    </message>
    <message>
        <source>Mobile No.</source>
        <translation>Mobilnr.</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clubmitglied</translation>
    </message>
    <message>
        <source>Membership No.</source>
        <translation>Mitgliedsnr.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>CustomerStore</name>
    <message>
        <source>Deleting this customer will also remove all past reservations. This would affect historic reports. Are you sure you want to delete this customer?</source>
        <translation>Beim Löschen dieses Kunden werden auch alle früheren Reservierungen entfernt. Das würde historische Berichte beeinflussen. Möchten Sie diesen Kunden wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The database is not open.</source>
        <translation>Die Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Datensatz: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The schema is missing from the program.</source>
        <translation>Dem Programm fehlt das Schema.</translation>
    </message>
    <message>
        <source>The tables cannot be read.</source>
        <translation>Die Tabellen können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>Tabelle %1</translation>
    </message>
    <message>
        <source>column %1.%2</source>
        <translation>Spalte %1.%2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>fehlt: %1</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql).</source>
        <translation>Der PostgreSQL-Treiber von Qt ist nicht installiert (Debian: libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 ist keine Zem-Harbour-Datenbank.</translation>
    </message>
    <message>
        <source>%1 was written by a newer release.</source>
        <translation>%1 wurde von einer neueren Version geschrieben.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded from version %2: %3</source>
        <translation>%1 konnte nicht von Version %2 aktualisiert werden: %3</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database: %2.</source>
        <translation>%1 ist keine Zem-Harbour-Datenbank: %2.</translation>
    </message>
    <message>
        <source>The database %1 already holds tables; it was left as it is.</source>
        <translation>Die Datenbank %1 enthält bereits Tabellen; sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 existiert bereits; es wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>DateBox</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>Das Datum muss zwischen %1 und %2 liegen.</translation>
    </message>
</context>
<context>
    <name>DateTimes</name>
    <message>
        <source>&quot;%1&quot; is not a date. %2</source>
        <translation>„%1“ ist kein Datum. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not written as dates are written here (%2). %3</source>
        <translation>„%1“ ist nicht so geschrieben, wie Daten hier geschrieben werden (%2). %3</translation>
    </message>
    <message>
        <source>There is no %1: %2 %3 has %4 days.</source>
        <translation>Den %1 gibt es nicht: %2 %3 hat %4 Tage.</translation>
    </message>
    <message>
        <source>Type a date as %1, for example %2 or %3</source>
        <translation>Geben Sie ein Datum als %1 ein, zum Beispiel %2 oder %3</translation>
    </message>
</context>
<context>
    <name>DayList</name>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>DayListModel</name>
    <message>
        <source>No reservations exist for this date</source>
        <translation>Für dieses Datum gibt es keine Reservierungen</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Berth(s)</source>
        <translation>Liegeplatz/-plätze</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Abreise</translation>
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
        <translation>Auf Buchungen dieses Kunden wurden Zahlungen erfasst. Sie werden für die Buchhaltung aufbewahrt, daher kann der Kunde nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Payments have been recorded on bookings of this berth. They are kept for the accounts: cancel those bookings first.</source>
        <translation>Auf Buchungen dieses Liegeplatzes wurden Zahlungen erfasst. Sie werden für die Buchhaltung aufbewahrt: stornieren Sie zuerst diese Buchungen.</translation>
    </message>
    <message>
        <source>1 booking was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Seit der Rückfrage wurde an einem anderen Arbeitsplatz 1 Buchung angelegt. Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>%1 bookings were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Seit der Rückfrage wurden an einem anderen Arbeitsplatz %1 Buchungen angelegt. Es wurde nichts gelöscht.</translation>
    </message>
</context>
<context>
    <name>Dialect</name>
    <message>
        <source>No schema version.</source>
        <translation>Keine Schemaversion.</translation>
    </message>
</context>
<context>
    <name>DocumentLanguage</name>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>Es gibt keine Sprache mit dem Code „%1“.</translation>
    </message>
    <message>
        <source>The office&apos;s language</source>
        <translation>Die Sprache des Büros</translation>
    </message>
</context>
<context>
    <name>DocumentLanguageDialog</name>
    <message>
        <source>Document language</source>
        <translation>Dokumentsprache</translation>
    </message>
    <message>
        <source>Confirmations, invoices, reminders and e-mails go out in this language to customers who have none of their own.</source>
        <translation>Bestätigungen, Rechnungen, Erinnerungen und E-Mails gehen in dieser Sprache an Kunden, die keine eigene haben.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Sp&amp;rache:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Document lan&amp;guage...</source>
        <translation>D&amp;okumentsprache...</translation>
    </message>
    <message>
        <source>Document language: %1</source>
        <translation>Dokumentsprache: %1</translation>
    </message>
</context>
<context>
    <name>DocumentRenderer</name>
    <message>
        <source>The document could not be laid out.</source>
        <translation>Das Dokument konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print on the default printer (%1)</source>
        <translation>Auf dem Standarddrucker drucken (%1)</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Save as a PDF file (%1)</source>
        <translation>Als PDF-Datei speichern (%1)</translation>
    </message>
    <message>
        <source>The document could not be printed: %1</source>
        <translation>Das Dokument konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save the document as a PDF file instead?</source>
        <translation>Es ist kein Drucker installiert. Möchten Sie das Dokument stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Die PDF-Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>DocumentsMenu</name>
    <message>
        <source>The booking could not be read: %1</source>
        <translation>Die Buchung konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Booking Confirmation</source>
        <translation>Buchungsbestätigung</translation>
    </message>
    <message>
        <source>The booking has been cancelled: it cannot be confirmed.</source>
        <translation>Die Buchung wurde storniert: sie kann nicht bestätigt werden.</translation>
    </message>
    <message>
        <source>Credit Note</source>
        <translation>Gutschrift</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Choose a booking in one of the lists first.</source>
        <translation>Wählen Sie zuerst eine Buchung in einer der Listen.</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Do you want to delete traces older than 7 days?</source>
        <translation>Möchten Sie Protokolle löschen, die älter als 7 Tage sind?</translation>
    </message>
    <message>
        <source>End of workday</source>
        <translation>Arbeitstagende</translation>
    </message>
    <message>
        <source>These trace folders could not be deleted:
%1</source>
        <translation>Diese Protokollordner konnten nicht gelöscht werden:
%1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>EventLogViewer</name>
    <message>
        <source>View Event Log File</source>
        <translation>Ereignisprotokoll anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file is too large to show whole: only its beginning is shown.</source>
        <translation>Die Datei ist zu groß, um sie ganz zu zeigen: nur ihr Anfang wird gezeigt.</translation>
    </message>
    <message>
        <source>Open Trace Log File</source>
        <translation>Protokolldatei öffnen</translation>
    </message>
    <message>
        <source>All Files (*);;Log Files (*.log *.Log)</source>
        <translation>Alle Dateien (*);;Protokolldateien (*.log *.Log)</translation>
    </message>
    <message>
        <source>Log Files (*.log *.Log)</source>
        <translation>Protokolldateien (*.log *.Log)</translation>
    </message>
</context>
<context>
    <name>ExportMenu</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>FeedFetch</name>
    <message>
        <source>&quot;%1&quot; is not a calendar address: it should start with https://, http:// or webcal://.</source>
        <translation>„%1“ ist keine Kalenderadresse: sie sollte mit https://, http:// oder webcal:// beginnen.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: the transfer library did not start.</source>
        <translation>Der Kalender konnte nicht abgerufen werden: die Übertragungsbibliothek ist nicht gestartet.</translation>
    </message>
    <message>
        <source>The calendar is larger than %1 kB: it was not read.</source>
        <translation>Der Kalender ist größer als %1 kB: er wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times: it was not read.</source>
        <translation>Die Adresse leitet mehr als %1-mal weiter: sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Der Server hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: %1</source>
        <translation>Der Kalender konnte nicht abgerufen werden: %1</translation>
    </message>
    <message>
        <source>The server answered %1 instead of the calendar.</source>
        <translation>Der Server antwortete %1 statt des Kalenders.</translation>
    </message>
</context>
<context>
    <name>FeedPublisher</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>The calendar was read but its blocks could not be saved: %1</source>
        <translation>Der Kalender wurde gelesen, aber seine Sperren konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1: %2 blocks added, %3 moved, %4 released</source>
        <translation>%1: %2 Sperren hinzugefügt, %3 verschoben, %4 aufgehoben</translation>
    </message>
    <message>
        <source>; over booking %1 (%2) from %3 to %4</source>
        <translation>; über Buchung %1 (%2) vom %3 bis %4</translation>
    </message>
</context>
<context>
    <name>FeedStore</name>
    <message>
        <source>The address may be at most %1 characters long.</source>
        <translation>Die Adresse darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Please choose the berth whose calendar this is.</source>
        <translation>Bitte wählen Sie den Liegeplatz, zu dem dieser Kalender gehört.</translation>
    </message>
    <message>
        <source>%1 already reads this calendar.</source>
        <translation>%1 liest diesen Kalender bereits.</translation>
    </message>
    <message>
        <source>Booked elsewhere (%1)</source>
        <translation>Anderweitig gebucht (%1)</translation>
    </message>
</context>
<context>
    <name>FieldChanges</name>
    <message>
        <source>Another desk changed the same fields while you were editing, so nothing was saved.</source>
        <translation>Ein anderer Arbeitsplatz hat dieselben Felder geändert, während Sie bearbeitet haben, daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1 theirs %2, yours %3</source>
        <translation>%1 dort %2, Ihre Eingabe %3</translation>
    </message>
    <message>
        <source>Another desk changed this %1 while you were editing it:

%2

Yes keeps theirs, No saves yours over theirs, Cancel goes back to editing. Your other changes are saved either way.</source>
        <translation>Ein anderer Arbeitsplatz hat diesen Datensatz (%1) geändert, während Sie ihn bearbeitet haben:

%2

Ja behält die dortige Fassung, Nein speichert Ihre darüber, Abbrechen kehrt zur Bearbeitung zurück. Ihre übrigen Änderungen werden in jedem Fall gespeichert.</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>%1 exportieren</translation>
    </message>
</context>
<context>
    <name>FileConnection</name>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>Die SQLite-Verbindung ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>FileSecurity</name>
    <message>
        <source>Cannot restrict %1 to its owner: %2</source>
        <translation>%1 kann nicht auf seinen Eigentümer beschränkt werden: %2</translation>
    </message>
</context>
<context>
    <name>FindBookingModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Arriving on</source>
        <translation>Ankunft am</translation>
    </message>
    <message>
        <source>Depating on</source>
        <translation>Abreise am</translation>
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
        <translation>Storniert</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
</context>
<context>
    <name>FindBookingWindow</name>
    <message>
        <source>Find Booking</source>
        <translation>Buchung suchen</translation>
    </message>
    <message>
        <source>Arriving on:</source>
        <translation>Ankunft am:</translation>
    </message>
    <message>
        <source>Departing on:</source>
        <translation>Abreise am:</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled bookings</source>
        <translation>Stornierte Buchungen &amp;zeigen</translation>
    </message>
    <message>
        <source>Part of the customer&apos;s name</source>
        <translation>Teil des Kundennamens</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>Suche s&amp;tarten</translation>
    </message>
    <message>
        <source>&amp;View/Edit Booking</source>
        <translation>Buchung &amp;anzeigen/bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Total matches:</source>
        <translation>Treffer gesamt:</translation>
    </message>
    <message>
        <source>The bookings could not be searched: %1</source>
        <translation>Die Buchungen konnten nicht durchsucht werden: %1</translation>
    </message>
</context>
<context>
    <name>FindCustomerDialog</name>
    <message>
        <source>Find Customer</source>
        <translation>Kunde suchen</translation>
    </message>
    <message>
        <source>any part of the name, house name, town, post code, phone or e-mail</source>
        <translation>beliebiger Teil von Name, Hausname, Ort, PLZ, Telefon oder E-Mail</translation>
    </message>
    <message>
        <source>&amp;Any part:</source>
        <translation>&amp;Beliebiger Teil:</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clubmitglied</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>Suche s&amp;tarten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Add Customer</source>
        <translation>Kunde hinzufügen</translation>
    </message>
    <message>
        <source>View/Edit Customer</source>
        <translation>Kunde anzeigen/bearbeiten</translation>
    </message>
    <message>
        <source>Delete Customer</source>
        <translation>Kunde löschen</translation>
    </message>
    <message>
        <source>Total customer matches:</source>
        <translation>Gefundene Kunden gesamt:</translation>
    </message>
    <message>
        <source>The customer could not be deleted: %1</source>
        <translation>Der Kunde konnte nicht gelöscht werden: %1</translation>
    </message>
</context>
<context>
    <name>HarbourFigures</name>
    <message>
        <source>no berths</source>
        <translation>keine Liegeplätze</translation>
    </message>
    <message>
        <source>by day</source>
        <translation>nach Tag</translation>
    </message>
    <message>
        <source>by week</source>
        <translation>nach Woche</translation>
    </message>
    <message>
        <source>by month</source>
        <translation>nach Monat</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>by month read</source>
        <translation>nach Ablesemonat</translation>
    </message>
    <message>
        <source>by month of arrival</source>
        <translation>nach Ankunftsmonat</translation>
    </message>
    <message>
        <source>No type</source>
        <translation>Kein Typ</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>Nights sold on the berths active now, of the nights they had; %1 berths active.</source>
        <translation>Verkaufte Nächte der jetzt aktiven Liegeplätze, gemessen an ihren verfügbaren Nächten; %1 Liegeplätze aktiv.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Verkaufte Nächte</translation>
    </message>
    <message>
        <source>Nights available</source>
        <translation>Verfügbare Nächte</translation>
    </message>
    <message>
        <source>All berths</source>
        <translation>Alle Liegeplätze</translation>
    </message>
    <message>
        <source>No berths are active, so there is no occupancy to show (no berths).</source>
        <translation>Es sind keine Liegeplätze aktiv, daher gibt es keine Belegung zu zeigen (keine Liegeplätze).</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Umsatz nach Monat</translation>
    </message>
    <message>
        <source>The agreed prices of the bookings, cancelled ones left out.</source>
        <translation>Die vereinbarten Preise der Buchungen, ohne stornierte.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Hire</source>
        <translation>Miete</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Sonstige Kosten</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>No booking arrives in this period.</source>
        <translation>In diesem Zeitraum kommt keine Buchung an.</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Zählerverbrauch nach Monat</translation>
    </message>
    <message>
        <source>units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No meter counted any use in this period.</source>
        <translation>Kein Zähler hat in diesem Zeitraum Verbrauch erfasst.</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Aufenthaltsdauer und Vorlaufzeit</translation>
    </message>
    <message>
        <source>Lead time: the days from taking the booking to the arrival.</source>
        <translation>Vorlaufzeit: die Tage von der Buchung bis zur Ankunft.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Average stay (nights)</source>
        <translation>Durchschnittlicher Aufenthalt (Nächte)</translation>
    </message>
    <message>
        <source>Average lead time (days)</source>
        <translation>Durchschnittliche Vorlaufzeit (Tage)</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>Die gefragtesten Liegeplätze</translation>
    </message>
    <message>
        <source>The %1 berths with the most nights sold.</source>
        <translation>Die %1 Liegeplätze mit den meisten verkauften Nächten.</translation>
    </message>
    <message>
        <source>nights</source>
        <translation>Nächte</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>No night is sold in this period.</source>
        <translation>In diesem Zeitraum ist keine Nacht verkauft.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Geben Sie den ersten und den letzten Tag des Zeitraums ein.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>A period of more than %1 years cannot be shown.</source>
        <translation>Ein Zeitraum von mehr als %1 Jahren kann nicht gezeigt werden.</translation>
    </message>
    <message>
        <source>The chart would have %1 bars, more than %2: choose weeks or months for a period this long.</source>
        <translation>Das Diagramm hätte %1 Balken, mehr als %2: wählen Sie für einen so langen Zeitraum Wochen oder Monate.</translation>
    </message>
    <message>
        <source>No such figure.</source>
        <translation>Keine solche Kennzahl.</translation>
    </message>
    <message>
        <source>The next 14 nights</source>
        <translation>Die nächsten 14 Nächte</translation>
    </message>
    <message>
        <source>Berths taken for the night, of %1 active</source>
        <translation>Belegte Liegeplätze pro Nacht, von %1 aktiven</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>Liegeplätze</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Berths taken</source>
        <translation>Belegte Liegeplätze</translation>
    </message>
    <message>
        <source>No berths are active (no berths).</source>
        <translation>Es sind keine Liegeplätze aktiv (keine Liegeplätze).</translation>
    </message>
    <message>
        <source>%1: page %p of %P</source>
        <translation>%1: Seite %p von %P</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>The help page %1 cannot be found.</source>
        <translation>Die Hilfeseite %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no web browser answered.</source>
        <translation>Die Hilfeseite %1 konnte nicht geöffnet werden: kein Webbrowser hat geantwortet.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser answered. Type the address into a browser.</source>
        <translation>%1 konnte nicht geöffnet werden: kein Webbrowser hat geantwortet. Geben Sie die Adresse in einen Browser ein.</translation>
    </message>
</context>
<context>
    <name>HolderCredits</name>
    <message>
        <source>The holder&apos;s share is a percentage from 0 to %1.</source>
        <translation>Der Anteil des Inhabers ist ein Prozentsatz von 0 bis %1.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before setting the holder&apos;s share.</source>
        <translation>Geben Sie die Firmendaten ein, bevor Sie den Anteil des Inhabers festlegen.</translation>
    </message>
    <message>
        <source>Share of the hire of booking %1 while away</source>
        <translation>Anteil an der Miete aus Buchung %1 während der Abwesenheit</translation>
    </message>
    <message>
        <source>Enter a period that ends on or after its first day.</source>
        <translation>Geben Sie einen Zeitraum ein, der an oder nach seinem ersten Tag endet.</translation>
    </message>
</context>
<context>
    <name>HolderCreditsDialog</name>
    <message>
        <source>Credits earned by holders away</source>
        <translation>Guthaben abwesender Inhaber</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Vertrag</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Visitor&apos;s booking</source>
        <translation>Buchung des Gastes</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>C&amp;redits...</source>
        <translation>&amp;Guthaben...</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n credit(s), %1 in all</source>
        <translation>
            <numerusform>%n Gutschrift, insgesamt %1</numerusform>
            <numerusform>%n Gutschriften, insgesamt %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HolderShareDialog</name>
    <message>
        <source>Holders&apos; share</source>
        <translation>Anteil der Inhaber</translation>
    </message>
    <message>
        <source>A holder away is credited this share of the hire a visitor pays for the berth.</source>
        <translation>Ein abwesender Inhaber erhält diesen Anteil an der Miete, die ein Gast für den Liegeplatz zahlt, gutgeschrieben.</translation>
    </message>
    <message>
        <source>&amp;Share of the visitor&apos;s hire:</source>
        <translation>&amp;Anteil an der Miete des Gastes:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Holders&apos; share...</source>
        <translation>&amp;Inhaberanteil...</translation>
    </message>
    <message>
        <source>%1 % of a visitor&apos;s hire</source>
        <translation>%1 % der Miete eines Gastes</translation>
    </message>
</context>
<context>
    <name>ImapMailbox</name>
    <message>
        <source>The folder name &quot;%1&quot; may hold letters, digits, spaces and . _ / - only.</source>
        <translation>Der Ordnername „%1“ darf nur Buchstaben, Ziffern, Leerzeichen und . _ / - enthalten.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: the transfer library did not start.</source>
        <translation>Das Postfach konnte nicht gelesen werden: die Übertragungsbibliothek ist nicht gestartet.</translation>
    </message>
    <message>
        <source>The message is larger than %1 KB.</source>
        <translation>Die Nachricht ist größer als %1 KB.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>Der Mailserver %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>Der Mailserver %1 hat auf Port %2 nicht geantwortet.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>Der Mailserver hat Benutzername oder Passwort abgelehnt: %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>Der Mailserver bietet keine sichere Verbindung an (STARTTLS): %1</translation>
    </message>
    <message>
        <source>The mail server did not answer within %1 seconds.</source>
        <translation>Der Mailserver hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: %1</source>
        <translation>Das Postfach konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The mail server did not give the size of message %1.</source>
        <translation>Der Mailserver hat die Größe der Nachricht %1 nicht angegeben.</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Berths and berth types</source>
        <translation>Liegeplätze und Liegeplatztypen</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Opening balances</source>
        <translation>Eröffnungssalden</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Verträge</translation>
    </message>
    <message>
        <source>Customers with boats</source>
        <translation>Kunden mit Booten</translation>
    </message>
    <message>
        <source>Old reference</source>
        <translation>Alte Referenz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>House name</source>
        <translation>Hausname</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Ortsteil</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Boat reference</source>
        <translation>Bootsreferenz</translation>
    </message>
    <message>
        <source>Boat name</source>
        <translation>Bootsname</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Länge (m)</translation>
    </message>
    <message>
        <source>Beam (m)</source>
        <translation>Breite (m)</translation>
    </message>
    <message>
        <source>Draft (m)</source>
        <translation>Tiefgang (m)</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Liegeplatztyp</translation>
    </message>
    <message>
        <source>Width (m)</source>
        <translation>Breite (m)</translation>
    </message>
    <message>
        <source>Maximum draft (m)</source>
        <translation>Maximaler Tiefgang (m)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Daily charge</source>
        <translation>Tagespreis</translation>
    </message>
    <message>
        <source>Customer reference</source>
        <translation>Kundenreferenz</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Abreise</translation>
    </message>
    <message>
        <source>Boat registration</source>
        <translation>Bootskennzeichen</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Erwachsene</translation>
    </message>
    <message>
        <source>Booking reference</source>
        <translation>Buchungsreferenz</translation>
    </message>
    <message>
        <source>Amount paid</source>
        <translation>Bezahlter Betrag</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Instalments</source>
        <translation>Raten</translation>
    </message>
    <message>
        <source>The date is missing.</source>
        <translation>Das Datum fehlt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money (written as %2).</source>
        <translation>„%1“ ist kein Geldbetrag (geschrieben als %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size in metres above 0 and up to %2 m.</source>
        <translation>„%1“ ist keine Größe in Metern über 0 und bis %2 m.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>„%1“ ist keine Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither yes nor no.</source>
        <translation>„%1“ ist weder ja noch nein.</translation>
    </message>
    <message>
        <source>Please give the mapping a name.</source>
        <translation>Bitte geben Sie der Zuordnung einen Namen.</translation>
    </message>
    <message>
        <source>There is no mapping called %1.</source>
        <translation>Es gibt keine Zuordnung namens %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>ImportRun</name>
    <message>
        <source>No customer has the reference &quot;%1&quot;.</source>
        <translation>Kein Kunde hat die Referenz „%1“.</translation>
    </message>
    <message>
        <source>The berth &quot;%1&quot; is unknown.</source>
        <translation>Der Liegeplatz „%1“ ist unbekannt.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>Die Abreise liegt nicht nach der Ankunft.</translation>
    </message>
    <message>
        <source>No boat has the registration &quot;%1&quot;.</source>
        <translation>Kein Boot hat das Kennzeichen „%1“.</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; is another customer&apos;s.</source>
        <translation>Das Boot „%1“ gehört einem anderen Kunden.</translation>
    </message>
    <message>
        <source>The boat is too big for berth %1 (%2).</source>
        <translation>Das Boot ist zu groß für Liegeplatz %1 (%2).</translation>
    </message>
    <message>
        <source>old reference</source>
        <translation>alte Referenz</translation>
    </message>
    <message>
        <source>On record (same old reference): skipped.</source>
        <translation>Bereits erfasst (gleiche alte Referenz): übersprungen.</translation>
    </message>
    <message>
        <source>Berth %1 is blocked over these dates.</source>
        <translation>Liegeplatz %1 ist an diesen Tagen gesperrt.</translation>
    </message>
    <message>
        <source>Berth %1 is booked over these dates.</source>
        <translation>Liegeplatz %1 ist an diesen Tagen gebucht.</translation>
    </message>
    <message>
        <source>Another row of the file books berth %1 over these dates.</source>
        <translation>Eine andere Zeile der Datei bucht Liegeplatz %1 an diesen Tagen.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>On record (same old reference): updated.</source>
        <translation>Bereits erfasst (gleiche alte Referenz): aktualisiert.</translation>
    </message>
    <message>
        <source>The booking on record is cancelled.</source>
        <translation>Die erfasste Buchung ist storniert.</translation>
    </message>
    <message>
        <source>No term is called &quot;%1&quot;.</source>
        <translation>Keine Laufzeit heißt „%1“.</translation>
    </message>
    <message>
        <source>The row needs its first and last days, or a term.</source>
        <translation>Die Zeile braucht ihren ersten und letzten Tag oder eine Laufzeit.</translation>
    </message>
    <message>
        <source>The row has no price and the rates do not price berth %1 over its days.</source>
        <translation>Die Zeile hat keinen Preis, und die Tarife nennen für Liegeplatz %1 an diesen Tagen keinen Preis.</translation>
    </message>
    <message>
        <source>Another row of the file holds berth %1 on these days.</source>
        <translation>Eine andere Zeile der Datei belegt Liegeplatz %1 an diesen Tagen.</translation>
    </message>
    <message>
        <source>The contract on record is cancelled.</source>
        <translation>Der erfasste Vertrag ist storniert.</translation>
    </message>
    <message>
        <source>The row has %1 columns where the headings have %2.</source>
        <translation>Die Zeile hat %1 Spalten, die Überschriften haben %2.</translation>
    </message>
    <message>
        <source>Line %1 of the file has the same %2.</source>
        <translation>Zeile %1 der Datei hat denselben Wert: %2.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Der Name ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>„%1“ ist keine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>boat registration</source>
        <translation>Bootskennzeichen</translation>
    </message>
    <message>
        <source>On record (same %1): updated.</source>
        <translation>Bereits erfasst (gleicher Wert: %1): aktualisiert.</translation>
    </message>
    <message>
        <source>On record (same %1): skipped.</source>
        <translation>Bereits erfasst (gleicher Wert: %1): übersprungen.</translation>
    </message>
    <message>
        <source>The berth&apos;s name is empty.</source>
        <translation>Der Name des Liegeplatzes ist leer.</translation>
    </message>
    <message>
        <source>berth name</source>
        <translation>Liegeplatzname</translation>
    </message>
    <message>
        <source>On record: updated.</source>
        <translation>Bereits erfasst: aktualisiert.</translation>
    </message>
    <message>
        <source>On record: skipped.</source>
        <translation>Bereits erfasst: übersprungen.</translation>
    </message>
    <message>
        <source>No booking has the reference &quot;%1&quot;.</source>
        <translation>Keine Buchung hat die Referenz „%1“.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Import %1</translation>
    </message>
    <message>
        <source>The amount is nothing.</source>
        <translation>Der Betrag ist null.</translation>
    </message>
    <message>
        <source>booking reference</source>
        <translation>Buchungsreferenz</translation>
    </message>
    <message>
        <source>The booking has its opening balance already: skipped (a ledger line is put right with a correction).</source>
        <translation>Die Buchung hat bereits ihren Eröffnungssaldo: übersprungen (eine Journalzeile wird durch eine Korrektur berichtigt).</translation>
    </message>
    <message>
        <source>The booking is cancelled.</source>
        <translation>Die Buchung ist storniert.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Every required field needs a column: %1 has none.</source>
        <translation>Jedes Pflichtfeld braucht eine Spalte: %1 hat keine.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file holds its headings and no row.</source>
        <translation>Die Datei enthält ihre Überschriften und keine Zeile.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Angenommen</translation>
    </message>
    <message>
        <source>Another desk booked a berth over a booking of this file while it was imported. Nothing was imported: run the dry run and the import again.</source>
        <translation>Ein anderer Arbeitsplatz hat während des Imports einen Liegeplatz über eine Buchung dieser Datei gebucht. Es wurde nichts importiert: führen Sie den Probelauf und den Import erneut aus.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>This import is no longer on record.</source>
        <translation>Dieser Import ist nicht mehr erfasst.</translation>
    </message>
    <message>
        <source>This import has been undone already.</source>
        <translation>Dieser Import wurde bereits rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Opening balances are ledger lines, which are never removed: put a balance right with a correction on its booking.</source>
        <translation>Eröffnungssalden sind Journalzeilen, die nie entfernt werden: berichtigen Sie einen Saldo mit einer Korrektur an seiner Buchung.</translation>
    </message>
    <message>
        <source>customer %1</source>
        <translation>Kunde %1</translation>
    </message>
    <message>
        <source>boat %1</source>
        <translation>Boot %1</translation>
    </message>
    <message>
        <source>berth %1</source>
        <translation>Liegeplatz %1</translation>
    </message>
    <message>
        <source>booking %1</source>
        <translation>Buchung %1</translation>
    </message>
    <message>
        <source>contract %1</source>
        <translation>Vertrag %1</translation>
    </message>
    <message>
        <source>boat %1 (added since)</source>
        <translation>Boot %1 (seitdem hinzugefügt)</translation>
    </message>
    <message>
        <source>booking %1 (made or paid since)</source>
        <translation>Buchung %1 (seitdem angelegt oder bezahlt)</translation>
    </message>
    <message>
        <source>%1 (invoiced or paid since)</source>
        <translation>%1 (seitdem in Rechnung gestellt oder bezahlt)</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>This import cannot be undone: what it brought in has been changed since (%1). Nothing was removed.</source>
        <translation>Dieser Import kann nicht rückgängig gemacht werden: was er eingebracht hat, wurde seitdem geändert (%1). Es wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language documents are written in.</source>
        <translation>„%1“ ist keine Sprache, in der Dokumente geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ImportWizard</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Westeuropäisch)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>The first row holds &amp;headings</source>
        <translation>Erste Zeile enthält &amp;Überschriften</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importiert</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Rückgängig gemacht</translation>
    </message>
    <message>
        <source>&amp;Undo this import</source>
        <translation>Diesen Import &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Kind of records:</source>
        <translation>&amp;Art der Datensätze:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>Da&amp;tei:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>Trennzei&amp;chen:</translation>
    </message>
    <message>
        <source>&amp;Past imports:</source>
        <translation>&amp;Frühere Importe:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Spalte der Datei</translation>
    </message>
    <message>
        <source>&amp;Skip rows already on record</source>
        <translation>Bereits erfasste Zeilen &amp;überspringen</translation>
    </message>
    <message>
        <source>&amp;Update rows already on record from the file</source>
        <translation>Bereits erfasste Zeilen aus der Datei &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saved &amp;mappings:</source>
        <translation>Gespeicherte Zu&amp;ordnungen:</translation>
    </message>
    <message>
        <source>&amp;Dates written as:</source>
        <translation>Datu&amp;m geschrieben als:</translation>
    </message>
    <message>
        <source>&amp;Amounts written as:</source>
        <translation>&amp;Beträge geschrieben als:</translation>
    </message>
    <message>
        <source>Rows already on record:</source>
        <translation>Bereits erfasste Zeilen:</translation>
    </message>
    <message>
        <source>&amp;Columns (fields marked * are needed):</source>
        <translation>S&amp;palten (mit * markierte Felder sind nötig):</translation>
    </message>
    <message>
        <source>&amp;Save list...</source>
        <translation>Liste &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Verdicts (nothing has been written yet):</source>
        <translation>&amp;Ergebnisse (noch wurde nichts geschrieben):</translation>
    </message>
    <message>
        <source>Import: the file</source>
        <translation>Import: die Datei</translation>
    </message>
    <message>
        <source>Import: the columns</source>
        <translation>Import: die Spalten</translation>
    </message>
    <message>
        <source>Import: the dry run</source>
        <translation>Import: der Probelauf</translation>
    </message>
    <message>
        <source>Please choose the file to import.</source>
        <translation>Bitte wählen Sie die zu importierende Datei.</translation>
    </message>
    <message>
        <source>Please choose a column for: %1.</source>
        <translation>Bitte wählen Sie eine Spalte für: %1.</translation>
    </message>
    <message>
        <source>Choose the file to import</source>
        <translation>Zu importierende Datei wählen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Datei wird gelesen...</translation>
    </message>
    <message>
        <source>The dry run was stopped.</source>
        <translation>Der Probelauf wurde angehalten.</translation>
    </message>
    <message>
        <source>%1 rows to add, %2 already on record, %3 refused.</source>
        <translation>%1 Zeilen hinzuzufügen, %2 bereits erfasst, %3 abgelehnt.</translation>
    </message>
    <message>
        <source>The backup before the import failed, so nothing was imported.

%1</source>
        <translation>Die Sicherung vor dem Import ist fehlgeschlagen, daher wurde nichts importiert.

%1</translation>
    </message>
    <message>
        <source>The import was stopped: nothing was imported.</source>
        <translation>Der Import wurde angehalten: es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1 rows added, %2 already on record, %3 refused.</source>
        <translation>%1 Zeilen hinzugefügt, %2 bereits erfasst, %3 abgelehnt.</translation>
    </message>
    <message>
        <source>The file has been imported: %1

A backup of the database as it was is in %2.</source>
        <translation>Die Datei wurde importiert: %1

Eine Sicherung der Datenbank im vorherigen Stand liegt in %2.</translation>
    </message>
    <message>
        <source>Save the dry run&apos;s list</source>
        <translation>Liste des Probelaufs speichern</translation>
    </message>
    <message>
        <source> - dry run.csv</source>
        <translation> - Probelauf.csv</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Remove everything the import of %1 added?</source>
        <translation>Alles entfernen, was der Import von %1 hinzugefügt hat?</translation>
    </message>
    <message>
        <source>Undo this import</source>
        <translation>Diesen Import rückgängig machen</translation>
    </message>
    <message>
        <source>The import of %1 has been undone.</source>
        <translation>Der Import von %1 wurde rückgängig gemacht.</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>Please enter a valid number to continue</source>
        <translation>Bitte geben Sie eine gültige Zahl ein, um fortzufahren</translation>
    </message>
    <message>
        <source>Amounts are in pounds and pence: type at most two decimals, for example %1.</source>
        <translation>Beträge haben höchstens zwei Nachkommastellen: geben Sie höchstens zwei Dezimalstellen ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>An amount cannot be more than %1.</source>
        <translation>Ein Betrag darf nicht höher als %1 sein.</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>Deposit</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Erstattung</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Kept as credit</source>
        <translation>Als Guthaben behalten</translation>
    </message>
    <message>
        <source>Credit used</source>
        <translation>Guthaben verwendet</translation>
    </message>
    <message>
        <source>A contract is paid, refunded or corrected.</source>
        <translation>Ein Vertrag wird bezahlt, erstattet oder korrigiert.</translation>
    </message>
    <message>
        <source>The refund is more than the %1 paid.</source>
        <translation>Die Erstattung ist höher als die bezahlten %1.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>Die Buchung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Enter an amount other than %1.</source>
        <translation>Geben Sie einen anderen Betrag als %1 ein.</translation>
    </message>
    <message>
        <source>Enter the amount without a minus sign: money given back is recorded as a refund, a mistake as a correction.</source>
        <translation>Geben Sie den Betrag ohne Minuszeichen ein: zurückgegebenes Geld wird als Erstattung erfasst, ein Fehler als Korrektur.</translation>
    </message>
    <message>
        <source>The reference runs to 100 characters and the note to 250.</source>
        <translation>Die Referenz darf bis zu 100 Zeichen haben, die Notiz bis zu 250.</translation>
    </message>
    <message>
        <source>The booking has been cancelled: no payment can be recorded on it.</source>
        <translation>Die Buchung wurde storniert: auf sie kann keine Zahlung erfasst werden.</translation>
    </message>
    <message>
        <source>A refund cannot be more than what was paid (%1).</source>
        <translation>Eine Erstattung darf nicht höher sein als das Bezahlte (%1).</translation>
    </message>
    <message>
        <source>A correction cannot take what was paid below %1 (%2 was paid).</source>
        <translation>Eine Korrektur darf das Bezahlte nicht unter %1 senken (bezahlt wurden %2).</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Ein Betrag liegt über %1.</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>Der Kunde hat ein Guthaben von %1.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before issuing an invoice.</source>
        <translation>Geben Sie die Firmenangaben ein, bevor Sie eine Rechnung ausstellen.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Geben Sie den ersten und den letzten Tag des Zeitraums ein.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>No method</source>
        <translation>Keine Zahlungsart</translation>
    </message>
    <message>
        <source>Method %1 (removed)</source>
        <translation>Zahlungsart %1 (entfernt)</translation>
    </message>
    <message>
        <source>No desk</source>
        <translation>Kein Arbeitsplatz</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
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
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>This desk is locked. %1, type your PIN or password to go on.</source>
        <translation>Dieser Arbeitsplatz ist gesperrt. %1, geben Sie Ihre PIN oder Ihr Passwort ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>&amp;PIN oder Passwort:</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Entsperren</translation>
    </message>
    <message>
        <source>S&amp;witch User...</source>
        <translation>Benutzer &amp;wechseln...</translation>
    </message>
</context>
<context>
    <name>MailMessage</name>
    <message>
        <source>There is no e-mail address to send to.</source>
        <translation>Es gibt keine E-Mail-Adresse, an die gesendet werden kann.</translation>
    </message>
    <message>
        <source>The e-mail address %1 holds a line break.</source>
        <translation>Die E-Mail-Adresse %1 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>%1 is not an e-mail address (name@example.com).</source>
        <translation>%1 ist keine E-Mail-Adresse (name@example.com).</translation>
    </message>
    <message>
        <source>The sender&apos;s name</source>
        <translation>Der Name des Absenders</translation>
    </message>
    <message>
        <source>The recipient&apos;s name</source>
        <translation>Der Name des Empfängers</translation>
    </message>
    <message>
        <source>The subject</source>
        <translation>Der Betreff</translation>
    </message>
    <message>
        <source>The attachment&apos;s name</source>
        <translation>Der Name des Anhangs</translation>
    </message>
    <message>
        <source>%1 holds a line break, which an e-mail header may not: %2</source>
        <translation>%1 enthält einen Zeilenumbruch, den eine E-Mail-Kopfzeile nicht enthalten darf: %2</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <source>The sender&apos;s address: %1</source>
        <translation>Die Adresse des Absenders: %1</translation>
    </message>
    <message>
        <source>The sender&apos;s name must be one line.</source>
        <translation>Der Name des Absenders muss einzeilig sein.</translation>
    </message>
    <message>
        <source>The certificate file %1 cannot be read.</source>
        <translation>Die Zertifikatsdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information first.</source>
        <translation>Es ist kein Mailserver eingerichtet: tragen Sie ihn zuerst unter „Firmenangaben einrichten“ ein.</translation>
    </message>
    <message>
        <source>The password file %1 could not be removed.</source>
        <translation>Die Passwortdatei %1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>MailTemplates</name>
    <message>
        <source>Booking confirmation</source>
        <translation>Buchungsbestätigung</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Deposit reminder</source>
        <translation>Erinnerung an die Anzahlung</translation>
    </message>
    <message>
        <source>Balance reminder</source>
        <translation>Erinnerung an den Restbetrag</translation>
    </message>
    <message>
        <source>Waiting-list offer</source>
        <translation>Angebot von der Warteliste</translation>
    </message>
    <message>
        <source>Contract renewal letter</source>
        <translation>Schreiben zur Vertragsverlängerung</translation>
    </message>
    <message>
        <source>Your booking {ConfirmationNo} at {Company}</source>
        <translation>Ihre Buchung {ConfirmationNo} bei {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for booking with us. We look forward to welcoming you from {Arrival} to {Departure} on berth {Berths}.

Your booking confirmation is attached. The total is {Total}; {DepositDue} is due by {DueBy}.

If anything is not as you expected, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Sehr geehrte(r) {CustomerName},

vielen Dank für Ihre Buchung. Wir freuen uns, Sie vom {Arrival} bis {Departure} am Liegeplatz {Berths} begrüßen zu dürfen.

Ihre Buchungsbestätigung finden Sie im Anhang. Der Gesamtbetrag ist {Total}; {DepositDue} ist fällig bis {DueBy}.

Wenn etwas nicht Ihren Erwartungen entspricht, antworten Sie einfach auf diese Nachricht oder rufen Sie uns unter {CompanyPhone} an.

Mit freundlichen Grüßen
{Company}</translation>
    </message>
    <message>
        <source>Your invoice from {Company}</source>
        <translation>Ihre Rechnung von {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Please find attached the invoice for your stay from {Arrival} to {Departure} (booking {ConfirmationNo}). The total is {Total}, of which {Paid} has been paid; {Balance} remains.

Kind regards,
{Company}</source>
        <translation>Sehr geehrte(r) {CustomerName},

im Anhang finden Sie die Rechnung für Ihren Aufenthalt vom {Arrival} bis {Departure} (Buchung {ConfirmationNo}). Der Gesamtbetrag ist {Total}, davon wurden {Paid} bezahlt; offen sind {Balance}.

Mit freundlichen Grüßen
{Company}</translation>
    </message>
    <message>
        <source>Deposit for your booking {ConfirmationNo}</source>
        <translation>Anzahlung für Ihre Buchung {ConfirmationNo}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

A friendly reminder that the deposit of {AmountDue} for your stay from {Arrival} to {Departure} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Sehr geehrte(r) {CustomerName},

wir möchten Sie freundlich daran erinnern, dass die Anzahlung von {AmountDue} für Ihren Aufenthalt vom {Arrival} bis {Departure} bis {DueBy} fällig ist. Falls Sie bereits bezahlt haben, danken wir Ihnen und bitten Sie, diese Nachricht zu ignorieren.

Mit freundlichen Grüßen
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>Balance for your stay from {Arrival}</source>
        <translation>Restbetrag für Ihren Aufenthalt ab {Arrival}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your stay with us from {Arrival} to {Departure} is coming up. The balance of {AmountDue} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

We look forward to seeing you.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Sehr geehrte(r) {CustomerName},

Ihr Aufenthalt bei uns vom {Arrival} bis {Departure} steht bevor. Der Restbetrag von {AmountDue} ist bis {DueBy} fällig. Falls Sie bereits bezahlt haben, danken wir Ihnen und bitten Sie, diese Nachricht zu ignorieren.

Wir freuen uns auf Sie.

Mit freundlichen Grüßen
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>A berth has come free at {Company}</source>
        <translation>Ein Liegeplatz ist frei geworden bei {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Good news: a berth has come free for the dates you asked about, {Arrival} to {Departure}. Please call us on {CompanyPhone} or reply to this message soon if you would like it; we offer it to the next on our list otherwise.

Kind regards,
{Company}</source>
        <translation>Sehr geehrte(r) {CustomerName},

gute Nachrichten: Für die von Ihnen angefragten Tage, {Arrival} bis {Departure}, ist ein Liegeplatz frei geworden. Bitte rufen Sie uns bald unter {CompanyPhone} an oder antworten Sie auf diese Nachricht, wenn Sie ihn möchten; andernfalls bieten wir ihn dem Nächsten auf unserer Liste an.

Mit freundlichen Grüßen
{Company}</translation>
    </message>
    <message>
        <source>Renewal of your contract for {Berths}</source>
        <translation>Verlängerung Ihres Vertrags für {Berths}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your contract for berth {Berths} is renewed from {Arrival} to {Departure} at {Total}. The letter attached gives the details and the instalments.

If you have any questions, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Sehr geehrte(r) {CustomerName},

Ihr Vertrag für den Liegeplatz {Berths} wird vom {Arrival} bis {Departure} zu {Total} verlängert. Das beigefügte Schreiben enthält die Einzelheiten und die Raten.

Wenn Sie Fragen haben, antworten Sie einfach auf diese Nachricht oder rufen Sie uns unter {CompanyPhone} an.

Mit freundlichen Grüßen
{Company}</translation>
    </message>
    <message>
        <source>There is no kind of message called %1.</source>
        <translation>Es gibt keine Nachrichtenart namens %1.</translation>
    </message>
    <message>
        <source>The subject may not be empty.</source>
        <translation>Der Betreff darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The subject must be one line.</source>
        <translation>Der Betreff muss einzeilig sein.</translation>
    </message>
    <message>
        <source>The template holds what is not a placeholder: %1.
The placeholders are: %2</source>
        <translation>Die Vorlage enthält etwas, das kein Platzhalter ist: %1.
Die Platzhalter sind: %2</translation>
    </message>
    <message>
        <source>Booking request declined</source>
        <translation>Buchungsanfrage abgelehnt</translation>
    </message>
    <message>
        <source>Your booking request at {Company}</source>
        <translation>Ihre Buchungsanfrage bei {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for your request for {Arrival} to {Departure}. We are sorry that we have no berth for you on those dates.

If other dates would suit you, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Sehr geehrte(r) {CustomerName},

vielen Dank für Ihre Anfrage für {Arrival} bis {Departure}. Leider haben wir an diesen Tagen keinen Liegeplatz für Sie frei.

Falls Ihnen andere Termine passen, antworten Sie einfach auf diese Nachricht oder rufen Sie uns unter {CompanyPhone} an.

Mit freundlichen Grüßen
{Company}</translation>
    </message>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>Es gibt keine Sprache mit dem Code „%1“.</translation>
    </message>
</context>
<context>
    <name>MailTemplatesDialog</name>
    <message>
        <source>E-mail Templates</source>
        <translation>E-Mail-Vorlagen</translation>
    </message>
    <message>
        <source>Placeholders: %1</source>
        <translation>Platzhalter: %1</translation>
    </message>
    <message>
        <source>Reminders proposed each morning (0: none)</source>
        <translation>Jeden Morgen vorgeschlagene Erinnerungen (0: keine)</translation>
    </message>
    <message>
        <source>&amp;Deposit reminder, days before it falls due:</source>
        <translation>&amp;Anzahlungserinnerung, Tage vor Fälligkeit:</translation>
    </message>
    <message>
        <source>&amp;Balance reminder, days before it falls due:</source>
        <translation>&amp;Restbetragserinnerung, Tage vor Fälligkeit:</translation>
    </message>
    <message>
        <source>&amp;Overdue reminder, days after it fell due:</source>
        <translation>&amp;Mahnung, Tage nach Fälligkeit:</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sp&amp;eichern</translation>
    </message>
    <message>
        <source>&amp;Reset to the program&apos;s wording</source>
        <translation>Auf den Wortlaut des Programms &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Nachricht:</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Betreff:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>The template could not be read: %1</source>
        <translation>Die Vorlage konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>Die Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>The template was not saved: %1</source>
        <translation>Die Vorlage wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>E-mail template: %1</source>
        <translation>E-Mail-Vorlage: %1</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
</context>
<context>
    <name>MailingListWizard</name>
    <message>
        <source>Mailing list</source>
        <translation>Mailingliste</translation>
    </message>
    <message>
        <source>Email Mailing List Wizard</source>
        <translation>Assistent für E-Mail-Mailinglisten</translation>
    </message>
    <message>
        <source>Enter the Mailing List filename</source>
        <translation>Dateinamen der Mailingliste eingeben</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Using this wizard you can create a mailing list of your customers.</source>
        <translation>Mit diesem Assistenten können Sie eine Mailingliste Ihrer Kunden erstellen.</translation>
    </message>
    <message>
        <source>Enter the filename you would like to populate with your email list.</source>
        <translation>Geben Sie den Dateinamen ein, in den Ihre E-Mail-Liste geschrieben werden soll.</translation>
    </message>
    <message>
        <source>Mailing list filename:</source>
        <translation>Dateiname der Mailingliste:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Klicken Sie auf Fertigstellen, um die Einrichtung abzuschließen</translation>
    </message>
    <message>
        <source>Please enter a file name</source>
        <translation>Bitte geben Sie einen Dateinamen ein</translation>
    </message>
    <message>
        <source>Mailing list file</source>
        <translation>Mailinglisten-Datei</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The customers&apos; email addresses could not be read; no file was written.

%1</source>
        <translation>Die E-Mail-Adressen der Kunden konnten nicht gelesen werden; es wurde keine Datei geschrieben.

%1</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Export C&amp;ustomers...</source>
        <translation>&amp;Kunden exportieren...</translation>
    </message>
    <message>
        <source>Export Reser&amp;vations</source>
        <translation>&amp;Reservierungen exportieren</translation>
    </message>
    <message>
        <source>Export T&amp;oday&apos;s Reservations</source>
        <translation>&amp;Heutige Reservierungen exportieren</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Compact &amp;&amp; repair database</source>
        <translation>Datenbank kom&amp;primieren &amp;&amp; reparieren</translation>
    </message>
    <message>
        <source>&amp;Backup database ...</source>
        <translation>Datenbank &amp;sichern ...</translation>
    </message>
    <message>
        <source>&amp;Restore database ...</source>
        <translation>Datenbank &amp;wiederherstellen ...</translation>
    </message>
    <message>
        <source>End of &amp;workday</source>
        <translation>Arbeitstag&amp;ende</translation>
    </message>
    <message>
        <source>View &amp;trace log</source>
        <translation>Protok&amp;oll anzeigen</translation>
    </message>
    <message>
        <source>&amp;Switch User...</source>
        <translation>Benutzer we&amp;chseln...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Web Bookings</source>
        <translation>&amp;Webbuchungen</translation>
    </message>
    <message>
        <source>&amp;Configure Web Bookings...</source>
        <translation>Webbuchungen &amp;einrichten...</translation>
    </message>
    <message>
        <source>C&amp;reate Web Booking Page...</source>
        <translation>Webbuchungs&amp;seite erstellen...</translation>
    </message>
    <message>
        <source>&amp;Bookings</source>
        <translation>B&amp;uchungen</translation>
    </message>
    <message>
        <source>&amp;Add Booking</source>
        <translation>Buchung &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Find Booking...</source>
        <translation>Buchung &amp;suchen...</translation>
    </message>
    <message>
        <source>View &amp;Reports</source>
        <translation>&amp;Berichte anzeigen</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Heu&amp;te</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;cash-up...</source>
        <translation>&amp;Kassenabschluss heute...</translation>
    </message>
    <message>
        <source>C&amp;ontracts...</source>
        <translation>&amp;Verträge...</translation>
    </message>
    <message>
        <source>Rene&amp;w Contracts...</source>
        <translation>Verträge ver&amp;längern...</translation>
    </message>
    <message>
        <source>Contract L&amp;ists...</source>
        <translation>Vertragsl&amp;isten...</translation>
    </message>
    <message>
        <source>Re&amp;minders...</source>
        <translation>&amp;Erinnerungen...</translation>
    </message>
    <message>
        <source>Close&amp;d Months...</source>
        <translation>Abgeschlossene &amp;Monate...</translation>
    </message>
    <message>
        <source>View Ad&amp;vanced Calendar</source>
        <translation>Er&amp;weiterter Kalender</translation>
    </message>
    <message>
        <source>View &amp;Simple Calendar</source>
        <translation>Ein&amp;facher Kalender</translation>
    </message>
    <message>
        <source>Booking C&amp;hart</source>
        <translation>Belegungs&amp;plan</translation>
    </message>
    <message>
        <source>Berth / Rentals  &amp;Notes...</source>
        <translation>Liegeplatz-/Miet-&amp;Notizen...</translation>
    </message>
    <message>
        <source>&amp;Customers</source>
        <translation>&amp;Kunden</translation>
    </message>
    <message>
        <source>&amp;View Customers</source>
        <translation>Kunden &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Find Customer...</source>
        <translation>Kunde &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Waiting List...</source>
        <translation>&amp;Warteliste...</translation>
    </message>
    <message>
        <source>&amp;Email Mailing List Wizard...</source>
        <translation>&amp;E-Mail-Mailinglisten-Assistent...</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Configuration &amp;Wizard...</source>
        <translation>Einrichtungs&amp;assistent...</translation>
    </message>
    <message>
        <source>&amp;Company...</source>
        <translation>&amp;Firma...</translation>
    </message>
    <message>
        <source>Re&amp;gional Settings...</source>
        <translation>&amp;Regionale Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Berths...</source>
        <translation>&amp;Liegeplätze...</translation>
    </message>
    <message>
        <source>Berth &amp;Owners...</source>
        <translation>Liegeplatz-&amp;Eigentümer...</translation>
    </message>
    <message>
        <source>&amp;Rates...</source>
        <translation>&amp;Tarife...</translation>
    </message>
    <message>
        <source>&amp;Meters...</source>
        <translation>&amp;Zähler...</translation>
    </message>
    <message>
        <source>Ca&amp;lendars...</source>
        <translation>&amp;Kalender...</translation>
    </message>
    <message>
        <source>E-mail &amp;Templates...</source>
        <translation>E-Mail-&amp;Vorlagen...</translation>
    </message>
    <message>
        <source>&amp;Users...</source>
        <translation>&amp;Benutzer...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>In&amp;dex...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day...</source>
        <translation>&amp;Tipp des Tages...</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>Online-&amp;Support</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Reservierung hinzufügen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Advanced Calendar</source>
        <translation>Erweiterter Kalender</translation>
    </message>
    <message>
        <source>View Customers</source>
        <translation>Kunden anzeigen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Booking Chart</source>
        <translation>Belegungsplan</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Reservierung</translation>
    </message>
    <message>
        <source>Web Bookings</source>
        <translation>Webbuchungen</translation>
    </message>
    <message>
        <source>Zem Harbour and Campsite Reservation</source>
        <translation>Zem Harbour – Hafen- und Campingplatzreservierung</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>&amp;Anfragen...</translation>
    </message>
</context>
<context>
    <name>MaintenanceMenu</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Backup archives (*.SPA)</source>
        <translation>Sicherungsarchive (*.SPA)</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Select your database backup file ...</source>
        <translation>Wählen Sie Ihre Datenbanksicherungsdatei ...</translation>
    </message>
    <message>
        <source>Error detected when make database backup!</source>
        <translation>Beim Sichern der Datenbank ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Database backuped</source>
        <translation>Datenbank gesichert</translation>
    </message>
    <message>
        <source>Select your backuped database ...</source>
        <translation>Wählen Sie Ihre gesicherte Datenbank ...</translation>
    </message>
    <message>
        <source>Replace the database with the backup %1 of %2 (%3)?

The database as it is now is kept as %4, and can be restored from there.</source>
        <translation>Die Datenbank durch die Sicherung %1 vom %2 (%3) ersetzen?

Die Datenbank im jetzigen Stand wird als %4 aufbewahrt und kann von dort wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Error detected when restoring database backup!</source>
        <translation>Beim Wiederherstellen der Datenbanksicherung ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Database restored</source>
        <translation>Datenbank wiederhergestellt</translation>
    </message>
    <message>
        <source>Database compacted</source>
        <translation>Datenbank komprimiert</translation>
    </message>
</context>
<context>
    <name>MeterImport</name>
    <message>
        <source>accepted</source>
        <translation>angenommen</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>übergelaufen</translation>
    </message>
    <message>
        <source>unknown meter</source>
        <translation>unbekannter Zähler</translation>
    </message>
    <message>
        <source>earlier than the last</source>
        <translation>früher als die letzte</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time.</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit.</translation>
    </message>
    <message>
        <source>Meter %1 was last read on %2.</source>
        <translation>Zähler %1 wurde zuletzt am %2 abgelesen.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>MeterInvoice</name>
    <message>
        <source>%1, berth %2</source>
        <translation>%1, Liegeplatz %2</translation>
    </message>
    <message>
        <source>By the meter</source>
        <translation>Nach Zähler</translation>
    </message>
</context>
<context>
    <name>MeterLists</name>
    <message numerus="yes">
        <source>Meters not read for more than %n day(s), on %1</source>
        <translation>
            <numerusform>Zähler, die seit mehr als %n Tag nicht abgelesen wurden, am %1</numerusform>
            <numerusform>Zähler, die seit mehr als %n Tagen nicht abgelesen wurden, am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 use by berth and month, %2 to %3</source>
        <translation>%1-Verbrauch nach Liegeplatz und Monat, %2 bis %3</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Use (%1)</source>
        <translation>Verbrauch (%1)</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Zuletzt abgelesen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>never read</source>
        <translation>nie abgelesen</translation>
    </message>
    <message>
        <source>Readings flagged, %1 to %2</source>
        <translation>Markierte Ablesungen, %1 bis %2</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Abgelesen am</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Ablesung</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>over three times the usual</source>
        <translation>über dem Dreifachen des Üblichen</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>übergelaufen</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>korrigiert, vorher %1</translation>
    </message>
</context>
<context>
    <name>MeterListsWindow</name>
    <message>
        <source>Meter lists</source>
        <translation>Zählerlisten</translation>
    </message>
    <message>
        <source>Use by berth and month</source>
        <translation>Verbrauch nach Liegeplatz und Monat</translation>
    </message>
    <message>
        <source>Meters not read</source>
        <translation>Nicht abgelesene Zähler</translation>
    </message>
    <message>
        <source>Readings flagged</source>
        <translation>Markierte Ablesungen</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste:</translation>
    </message>
    <message>
        <source>&amp;Kind (use):</source>
        <translation>&amp;Art (Verbrauch):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Not read for more than (&amp;days):</source>
        <translation>Nicht abgelesen seit mehr als (&amp;Tagen):</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
</context>
<context>
    <name>MeterStore</name>
    <message>
        <source>Contract %1 has been billed for this meter&apos;s period already.</source>
        <translation>Vertrag %1 wurde für den Zeitraum dieses Zählers bereits abgerechnet.</translation>
    </message>
    <message>
        <source>Another meter has the serial number %1.</source>
        <translation>Ein anderer Zähler hat die Seriennummer %1.</translation>
    </message>
    <message>
        <source>Berth %1 already has %2 meter %3: swap it, or remove it first.</source>
        <translation>Liegeplatz %1 hat bereits den %2-Zähler %3: tauschen Sie ihn oder entfernen Sie ihn zuerst.</translation>
    </message>
    <message>
        <source>The meter no longer exists.</source>
        <translation>Der Zähler existiert nicht mehr.</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3): if the meter rolled over, say so; otherwise type the reading again.</source>
        <translation>%1 liegt unter der letzten Ablesung von Zähler %2 (%3): wenn der Zähler übergelaufen ist, geben Sie das an; andernfalls geben Sie die Ablesung erneut ein.</translation>
    </message>
    <message>
        <source>The reading no longer exists.</source>
        <translation>Die Ablesung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>Die Ablesung hat mehr Stellen als der Zähler (%1).</translation>
    </message>
    <message>
        <source>%1 is below the reading before it (%2): if the meter rolled over, say so.</source>
        <translation>%1 liegt unter der vorherigen Ablesung (%2): wenn der Zähler übergelaufen ist, geben Sie das an.</translation>
    </message>
    <message>
        <source>%1 is above the reading after it (%2).</source>
        <translation>%1 liegt über der nachfolgenden Ablesung (%2).</translation>
    </message>
    <message>
        <source>Meter %1 was already removed on %2.</source>
        <translation>Zähler %1 wurde bereits am %2 ausgebaut.</translation>
    </message>
</context>
<context>
    <name>MeterWalk</name>
    <message>
        <source>Meter Walk</source>
        <translation>Zählerrundgang</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt %1</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Letzte Ablesung</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Abgelesen am</translation>
    </message>
    <message>
        <source>New reading</source>
        <translation>Neue Ablesung</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Seite %p von %P</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>(no berth)</source>
        <translation>(kein Liegeplatz)</translation>
    </message>
    <message>
        <source>No meters are in service.</source>
        <translation>Es sind keine Zähler in Betrieb.</translation>
    </message>
</context>
<context>
    <name>Meters</name>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Type the meter&apos;s serial number.</source>
        <translation>Geben Sie die Seriennummer des Zählers ein.</translation>
    </message>
    <message>
        <source>A serial number has at most 40 characters.</source>
        <translation>Eine Seriennummer hat höchstens 40 Zeichen.</translation>
    </message>
    <message>
        <source>Type the unit the meter counts in (kWh, m³).</source>
        <translation>Geben Sie die Einheit ein, in der der Zähler zählt (kWh, m³).</translation>
    </message>
    <message>
        <source>A meter&apos;s counter has from %1 to %2 whole digits.</source>
        <translation>Das Zählwerk eines Zählers hat %1 bis %2 ganze Stellen.</translation>
    </message>
    <message>
        <source>Type the day the meter was fitted.</source>
        <translation>Geben Sie den Tag ein, an dem der Zähler eingebaut wurde.</translation>
    </message>
    <message>
        <source>The meter cannot be removed before it was fitted.</source>
        <translation>Der Zähler kann nicht vor seinem Einbau ausgebaut werden.</translation>
    </message>
    <message>
        <source>Type the reading.</source>
        <translation>Geben Sie die Ablesung ein.</translation>
    </message>
    <message>
        <source>A reading is never below zero: &quot;%1&quot;.</source>
        <translation>Eine Ablesung ist nie kleiner als null: „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reading: type the digits the meter shows.</source>
        <translation>„%1“ ist keine Ablesung: geben Sie die Ziffern ein, die der Zähler zeigt.</translation>
    </message>
    <message>
        <source>A reading has at most three decimals: &quot;%1&quot;.</source>
        <translation>Eine Ablesung hat höchstens drei Nachkommastellen: „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more digits than the meter&apos;s %2.</source>
        <translation>„%1“ hat mehr Stellen als der Zähler (%2).</translation>
    </message>
    <message>
        <source>Type the day and time of the reading.</source>
        <translation>Geben Sie Tag und Uhrzeit der Ablesung ein.</translation>
    </message>
    <message>
        <source>A reading cannot be dated in the future (%1).</source>
        <translation>Eine Ablesung kann nicht in der Zukunft datiert sein (%1).</translation>
    </message>
    <message>
        <source>Meter %1 was fitted on %2: a reading cannot be dated before that.</source>
        <translation>Zähler %1 wurde am %2 eingebaut: eine Ablesung kann nicht davor datiert sein.</translation>
    </message>
    <message>
        <source>Meter %1 was removed on %2: a reading cannot be dated after that.</source>
        <translation>Zähler %1 wurde am %2 ausgebaut: eine Ablesung kann nicht danach datiert sein.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>Die Ablesung hat mehr Stellen als der Zähler (%1).</translation>
    </message>
    <message>
        <source>The last reading of meter %1 was taken on %2: a new one cannot be dated before it.</source>
        <translation>Die letzte Ablesung von Zähler %1 erfolgte am %2: eine neue kann nicht davor datiert sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a band: type the units, &quot;at&quot; and the price, as &quot;10 at 0.10&quot;.</source>
        <translation>„%1“ ist keine Staffel: geben Sie die Einheiten, „at“ und den Preis ein, etwa „10 at 0.10“.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Type the day the tariff takes effect.</source>
        <translation>Geben Sie den Tag ein, an dem der Tarif gilt.</translation>
    </message>
    <message>
        <source>A price per unit or per day is from %1 to %2.</source>
        <translation>Ein Preis pro Einheit oder pro Tag liegt zwischen %1 und %2.</translation>
    </message>
    <message>
        <source>Band %1: a price is from %2 to %3.</source>
        <translation>Staffel %1: ein Preis liegt zwischen %2 und %3.</translation>
    </message>
    <message>
        <source>Band %1 must end above %2 units: the bands run upwards in order.</source>
        <translation>Staffel %1 muss über %2 Einheiten enden: die Staffeln steigen der Reihe nach an.</translation>
    </message>
    <message>
        <source>Two %1 tariffs take effect on %2: keep one.</source>
        <translation>Zwei %1-Tarife gelten ab %2: behalten Sie einen.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>1 day at %1 a day, %2: %3</source>
        <translation>1 Tag zu %1 pro Tag, %2: %3</translation>
    </message>
    <message>
        <source>%1 days at %2 a day, %3: %4</source>
        <translation>%1 Tage zu %2 pro Tag, %3: %4</translation>
    </message>
    <message>
        <source>%1 %2 at %3, %4: %5</source>
        <translation>%1 %2 zu %3, %4: %5</translation>
    </message>
    <message>
        <source>Meter %1: %2 %3 on %4 to %5 %3 on %6, %7 %3 used</source>
        <translation>Zähler %1: %2 %3 am %4 bis %5 %3 am %6, %7 %3 verbraucht</translation>
    </message>
</context>
<context>
    <name>MetersDialog</name>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Fitted</source>
        <translation>Eingebaut</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Ausgebaut</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Abgelesen am</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Ablesung</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verbrauch</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>&amp;Meters:</source>
        <translation>&amp;Zähler:</translation>
    </message>
    <message>
        <source>R&amp;eadings of the chosen meter:</source>
        <translation>&amp;Ablesungen des gewählten Zählers:</translation>
    </message>
    <message>
        <source>&amp;Add Meter...</source>
        <translation>Zähler &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>E&amp;dit Meter...</source>
        <translation>Zähler &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>S&amp;wap Meter...</source>
        <translation>Zähler &amp;tauschen...</translation>
    </message>
    <message>
        <source>Add &amp;Reading...</source>
        <translation>Ablesung &amp;erfassen...</translation>
    </message>
    <message>
        <source>C&amp;orrect Reading...</source>
        <translation>Ablesung &amp;korrigieren...</translation>
    </message>
    <message>
        <source>&amp;Tariffs...</source>
        <translation>Tari&amp;fe...</translation>
    </message>
    <message>
        <source>&amp;Print Walk List...</source>
        <translation>Ablese&amp;liste drucken...</translation>
    </message>
    <message>
        <source>&amp;Import Readings...</source>
        <translation>Ablesungen &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>übergelaufen</translation>
    </message>
    <message>
        <source>over three times usual</source>
        <translation>über dreimal so hoch wie üblich</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>korrigiert, vorher %1</translation>
    </message>
    <message>
        <source>Add Meter</source>
        <translation>Zähler hinzufügen</translation>
    </message>
    <message>
        <source>Edit Meter</source>
        <translation>Zähler bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>&amp;Seriennummer:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>S&amp;tellen:</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Liegeplatz:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>&amp;Fitted:</source>
        <translation>Ein&amp;gebaut:</translation>
    </message>
    <message>
        <source>&amp;Removed:</source>
        <translation>Ausge&amp;baut:</translation>
    </message>
    <message>
        <source>Removed &amp;on:</source>
        <translation>Ausgebaut a&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>Swap Meter %1</source>
        <translation>Zähler %1 tauschen</translation>
    </message>
    <message>
        <source>&amp;Swapped at:</source>
        <translation>&amp;Getauscht am:</translation>
    </message>
    <message>
        <source>&amp;Closing reading of %1:</source>
        <translation>&amp;Endstand von %1:</translation>
    </message>
    <message>
        <source>&amp;New meter&apos;s serial:</source>
        <translation>Seriennummer des &amp;neuen Zählers:</translation>
    </message>
    <message>
        <source>&amp;Opening reading:</source>
        <translation>&amp;Anfangsstand:</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Ablesung von %1</translation>
    </message>
    <message>
        <source>&amp;Read at:</source>
        <translation>&amp;Abgelesen am:</translation>
    </message>
    <message>
        <source>R&amp;eading (%1):</source>
        <translation>&amp;Stand (%1):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>%1 is below the last reading (%2).

Yes: the meter rolled over and started again from zero. No: go back and correct the reading.</source>
        <translation>%1 liegt unter der letzten Ablesung (%2).

Ja: der Zähler ist übergelaufen und hat wieder bei null begonnen. Nein: zurück, um die Ablesung zu korrigieren.</translation>
    </message>
    <message>
        <source>The use since the last reading is more than three times the berth&apos;s usual: the reading is kept and marked.</source>
        <translation>Der Verbrauch seit der letzten Ablesung ist mehr als dreimal so hoch wie üblich für diesen Liegeplatz: die Ablesung wird behalten und markiert.</translation>
    </message>
    <message>
        <source>Correct the reading of %1</source>
        <translation>Ablesung von %1 korrigieren</translation>
    </message>
    <message>
        <source>&amp;Reading (%1):</source>
        <translation>&amp;Stand (%1):</translation>
    </message>
    <message>
        <source>Rolled &amp;over:</source>
        <translation>&amp;Übergelaufen:</translation>
    </message>
    <message>
        <source>&amp;Why:</source>
        <translation>&amp;Grund:</translation>
    </message>
    <message>
        <source>Meter Tariffs</source>
        <translation>Zählertarife</translation>
    </message>
    <message>
        <source>One tariff a line, in force from its date until the next of its kind. Bands: &quot;10 at 0.10; 30 at 0.20&quot;, the first units of a bill at those prices.</source>
        <translation>Ein Tarif pro Zeile, gültig ab seinem Datum bis zum nächsten seiner Art. Staffeln: „10 at 0.10; 30 at 0.20“, die ersten Einheiten einer Abrechnung zu diesen Preisen.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Per unit</source>
        <translation>Pro Einheit</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Pro Tag</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Staffeln</translation>
    </message>
    <message>
        <source>&amp;Add a Line</source>
        <translation>Zeile &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove the Line</source>
        <translation>Zeile &amp;entfernen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>type a price in pounds and pence, as 0.32.</source>
        <translation>geben Sie einen Preis mit zwei Nachkommastellen ein, etwa 0.32.</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Ablesungen importieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 %4: %5%6</source>
        <translation>Zeile %1: %2 %3 %4: %5%6</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>No reading in the file can be added:
%1</source>
        <translation>Keine Ablesung der Datei kann hinzugefügt werden:
%1</translation>
    </message>
    <message>
        <source>%1 of %2 readings can be added:
%3

Yes adds those %1 now; No adds nothing.</source>
        <translation>%1 von %2 Ablesungen können hinzugefügt werden:
%3

Ja fügt diese %1 jetzt hinzu; Nein fügt nichts hinzu.</translation>
    </message>
</context>
<context>
    <name>NamePicker</name>
    <message>
        <source>Type part of a name</source>
        <translation>Teil eines Namens eingeben</translation>
    </message>
</context>
<context>
    <name>NoShowDialog</name>
    <message>
        <source>No-shows</source>
        <translation>Nicht erschienen</translation>
    </message>
    <message>
        <source>These guests were due today and have not been checked in.
Tick those who will not come, then mark them:</source>
        <translation>Diese Gäste waren heute fällig und wurden nicht eingecheckt.
Haken Sie die an, die nicht kommen werden, und markieren Sie sie dann:</translation>
    </message>
    <message>
        <source>%1  %2  (booking %3)</source>
        <translation>%1  %2  (Buchung %3)</translation>
    </message>
    <message>
        <source>Tick &amp;all</source>
        <translation>&amp;Alle anhaken</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Keine anhaken</translation>
    </message>
    <message>
        <source>&amp;Mark as no-shows</source>
        <translation>Als nicht erschienen &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>OccupancyModel</name>
    <message>
        <source>%1
%2 to %3</source>
        <translation>%1
%2 bis %3</translation>
    </message>
</context>
<context>
    <name>OffersDialog</name>
    <message>
        <source>Berths came free</source>
        <translation>Liegeplätze frei geworden</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Berths that fit</source>
        <translation>Passende Liegeplätze</translation>
    </message>
    <message>
        <source>A booking was cancelled or changed. These entries on the waiting list can take the berths that came free:</source>
        <translation>Eine Buchung wurde storniert oder geändert. Diese Einträge der Warteliste können die frei gewordenen Liegeplätze nehmen:</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>&amp;Buchen...</translation>
    </message>
    <message>
        <source>&amp;E-mail Offer</source>
        <translation>Angebot per &amp;E-Mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The offer was not queued: %1</source>
        <translation>Das Angebot wurde nicht in den Postausgang gestellt: %1</translation>
    </message>
    <message>
        <source>Waiting-list offer to %1</source>
        <translation>Angebot von der Warteliste an %1</translation>
    </message>
    <message>
        <source>The offer to %1 is in the outbox and goes out in the background; the entry is marked offered.</source>
        <translation>Das Angebot an %1 liegt im Postausgang und wird im Hintergrund versendet; der Eintrag ist als angeboten markiert.</translation>
    </message>
</context>
<context>
    <name>OldReference</name>
    <message>
        <source>Old reference:</source>
        <translation>Alte Referenz:</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>A name or subject holds a line break, which an e-mail header may not: %1</source>
        <translation>Ein Name oder Betreff enthält einen Zeilenumbruch, den eine E-Mail-Kopfzeile nicht enthalten darf: %1</translation>
    </message>
    <message>
        <source>The message has no subject.</source>
        <translation>Die Nachricht hat keinen Betreff.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Eingereiht</translation>
    </message>
    <message>
        <source>The database did not add every message.</source>
        <translation>Die Datenbank hat nicht jede Nachricht aufgenommen.</translation>
    </message>
    <message>
        <source>The message is no longer in the outbox.</source>
        <translation>Die Nachricht ist nicht mehr im Postausgang.</translation>
    </message>
    <message>
        <source>The message has been sent meanwhile.</source>
        <translation>Die Nachricht wurde inzwischen gesendet.</translation>
    </message>
    <message>
        <source>The message is being sent right now; try again in a moment.</source>
        <translation>Die Nachricht wird gerade gesendet; versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>OwnerDialog</name>
    <message>
        <source>Add Owner</source>
        <translation>Eigentümer hinzufügen</translation>
    </message>
    <message>
        <source>Edit Owner</source>
        <translation>Eigentümer bearbeiten</translation>
    </message>
</context>
<context>
    <name>OwnerListWindow</name>
    <message>
        <source>Owners</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>&amp;Add Owner</source>
        <translation>Eigentümer &amp;hinzufügen</translation>
    </message>
    <message>
        <source>View/&amp;Edit Owner</source>
        <translation>Eigentümer anzeigen/&amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Owner</source>
        <translation>Eigentümer &amp;löschen</translation>
    </message>
</context>
<context>
    <name>OwnerStore</name>
    <message>
        <source>Deleting this owner will also remove all owners berth. This would affect historic reports. Are you sure you want to delete this owner?</source>
        <translation>Beim Löschen dieses Eigentümers werden auch alle Liegeplätze des Eigentümers entfernt. Das würde historische Berichte beeinflussen. Möchten Sie diesen Eigentümer wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>A password needs at least %1 characters.</source>
        <translation>Ein Passwort braucht mindestens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A password may have at most %1 characters.</source>
        <translation>Ein Passwort darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>A PIN is %1 to %2 digits.</source>
        <translation>Eine PIN hat %1 bis %2 Ziffern.</translation>
    </message>
    <message>
        <source>The password library could not start.</source>
        <translation>Die Passwortbibliothek konnte nicht starten.</translation>
    </message>
    <message>
        <source>There is not enough memory to protect the password.</source>
        <translation>Es ist nicht genug Arbeitsspeicher vorhanden, um das Passwort zu schützen.</translation>
    </message>
</context>
<context>
    <name>PaymentDialog</name>
    <message>
        <source>Refund</source>
        <translation>Erstattung</translation>
    </message>
    <message>
        <source>Record Payment</source>
        <translation>Zahlung erfassen</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>Ar&amp;t:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Zahlungsart:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Betrag:</translation>
    </message>
    <message>
        <source>&amp;Reference (card slip, transfer):</source>
        <translation>&amp;Referenz (Kartenbeleg, Überweisung):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Total payable: %1    Paid so far: %2</source>
        <translation>Zu zahlen: %1    Bisher bezahlt: %2</translation>
    </message>
    <message>
        <source>Type the amount, for example %1.</source>
        <translation>Geben Sie den Betrag ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>The payment could not be saved: %1</source>
        <translation>Die Zahlung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 of %2 on booking %3</source>
        <translation>%1 von %2 zur Buchung %3</translation>
    </message>
    <message>
        <source>%1 was issued. It prints from the booking&apos;s summary, under Credit Notes.</source>
        <translation>%1 wurde ausgestellt. Sie wird aus der Übersicht der Buchung unter „Gutschriften“ gedruckt.</translation>
    </message>
    <message>
        <source>No credit note was issued: the refund gives back money paid beyond what invoice %1 still asks after its credit notes.</source>
        <translation>Es wurde keine Gutschrift ausgestellt: die Erstattung gibt Geld zurück, das über das hinaus bezahlt wurde, was Rechnung %1 nach ihren Gutschriften noch fordert.</translation>
    </message>
</context>
<context>
    <name>PaymentTerms</name>
    <message>
        <source>Deposit %1 due by %2</source>
        <translation>Anzahlung %1 fällig bis %2</translation>
    </message>
    <message>
        <source>%1 still owed, all due by %2</source>
        <translation>%1 noch offen, alles fällig bis %2</translation>
    </message>
    <message>
        <source>%1 overdue</source>
        <translation>%1 überfällig</translation>
    </message>
    <message>
        <source>%1 overdue since %2</source>
        <translation>%1 überfällig seit %2</translation>
    </message>
    <message>
        <source>%1 due by %2</source>
        <translation>%1 fällig bis %2</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to %2.</source>
        <translation>Eine Anzahlung reicht von %1 bis %2.</translation>
    </message>
    <message>
        <source>A deposit&apos;s percentage runs from 0 to 100 %.</source>
        <translation>Der Prozentsatz einer Anzahlung reicht von 0 bis 100 %.</translation>
    </message>
    <message>
        <source>The balance falls due from 0 to %1 days before arrival.</source>
        <translation>Der Restbetrag wird 0 bis %1 Tage vor Ankunft fällig.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s amount, or choose no deposit.</source>
        <translation>Geben Sie den Betrag der Anzahlung ein oder wählen Sie „Keine Anzahlung“.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s percentage, or choose no deposit.</source>
        <translation>Geben Sie den Prozentsatz der Anzahlung ein oder wählen Sie „Keine Anzahlung“.</translation>
    </message>
    <message>
        <source>The deposit and due dates have been changed at another desk since you opened this window. Nothing was saved: press Refresh to see them.</source>
        <translation>Anzahlung und Fälligkeiten wurden an einem anderen Arbeitsplatz geändert, seit Sie dieses Fenster geöffnet haben. Es wurde nichts gespeichert: klicken Sie auf „Neu laden“, um sie zu sehen.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>The PDF could not be divided into letters: it is not laid out as expected.</source>
        <translation>Das PDF konnte nicht in Briefe aufgeteilt werden: es ist nicht wie erwartet aufgebaut.</translation>
    </message>
    <message>
        <source>Pages %1 to %2 are not in the PDF of %3 pages.</source>
        <translation>Die Seiten %1 bis %2 sind nicht im PDF mit %3 Seiten enthalten.</translation>
    </message>
</context>
<context>
    <name>PeopleFields</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>House Name:</source>
        <translation>Hausname:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Ortsteil:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Post Code:</source>
        <translation>PLZ:</translation>
    </message>
    <message>
        <source>Mobile Phone:</source>
        <translation>Mobiltelefon:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Membership No:</source>
        <translation>Mitgliedsnr.:</translation>
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
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>PeopleListWindow</name>
    <message>
        <source>The record could not be deleted: %1</source>
        <translation>Der Datensatz konnte nicht gelöscht werden: %1</translation>
    </message>
</context>
<context>
    <name>PeopleLists</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Hausname</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Ortsteil</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Tel No</source>
        <translation>Telefonnr.</translation>
    </message>
    <message>
        <source>Mobile No</source>
        <translation>Mobilnr.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Clubmitglied</translation>
    </message>
    <message>
        <source>Membership No</source>
        <translation>Mitgliedsnr.</translation>
    </message>
    <message>
        <source>Boats</source>
        <translation>Boote</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
</context>
<context>
    <name>PeopleRecords</name>
    <message>
        <source>There is no record with the ID %1.</source>
        <translation>Es gibt keinen Datensatz mit der ID %1.</translation>
    </message>
    <message>
        <source>It was deleted at another desk while you were editing it. What you typed is still in the boxes; nothing was saved.</source>
        <translation>Er wurde an einem anderen Arbeitsplatz gelöscht, während Sie ihn bearbeitet haben. Ihre Eingaben stehen noch in den Feldern; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>The record with the ID %1 no longer exists.</source>
        <translation>Der Datensatz mit der ID %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Club member:</source>
        <translation>Clubmitglied:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Document language:</source>
        <translation>Dokumentsprache:</translation>
    </message>
</context>
<context>
    <name>PeopleWidgets</name>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>&amp;Ask a manager...</source>
        <translation>&amp;Manager fragen...</translation>
    </message>
</context>
<context>
    <name>Permissions</name>
    <message>
        <source>An administrator always manages users and permissions, so they can be given back.</source>
        <translation>Ein Administrator verwaltet immer Benutzer und Berechtigungen, damit sie wieder vergeben werden können.</translation>
    </message>
    <message>
        <source>No role may %1 at present; an administrator can allow it in Users.</source>
        <translation>Derzeit darf keine Rolle %1; ein Administrator kann es unter „Benutzer“ erlauben.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Only %1 may %2.</source>
        <translation>Nur %1 darf %2.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it at another desk. Please sign in again as another user (File, Switch User).</source>
        <translation>Der Server lässt Ihren Benutzer nicht mehr herein: ein Administrator hat ihn an einem anderen Arbeitsplatz entfernt oder deaktiviert. Bitte melden Sie sich als anderer Benutzer erneut an (Datei, Benutzer wechseln).</translation>
    </message>
    <message>
        <source>Nobody has signed in at this desk.</source>
        <translation>An diesem Arbeitsplatz hat sich niemand angemeldet.</translation>
    </message>
    <message>
        <source>Your user has been removed by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Ihr Benutzer wurde von einem Administrator entfernt: bitte melden Sie sich als anderer Benutzer erneut an (Datei, Benutzer wechseln).</translation>
    </message>
    <message>
        <source>Your user has been deactivated by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Ihr Benutzer wurde von einem Administrator deaktiviert: bitte melden Sie sich als anderer Benutzer erneut an (Datei, Benutzer wechseln).</translation>
    </message>
    <message>
        <source>The server did not accept the approval: the PIN or password is wrong, or %1 is locked or no longer active.</source>
        <translation>Der Server hat die Genehmigung nicht angenommen: die PIN oder das Passwort ist falsch, oder %1 ist gesperrt oder nicht mehr aktiv.</translation>
    </message>
    <message>
        <source>The server does not let %1 approve this.</source>
        <translation>Der Server erlaubt %1 nicht, dies zu genehmigen.</translation>
    </message>
    <message>
        <source>%1 may not approve this. %2</source>
        <translation>%1 darf dies nicht genehmigen. %2</translation>
    </message>
</context>
<context>
    <name>PersonDialog</name>
    <message>
        <source>customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>What you typed has not been saved. Close and lose it?</source>
        <translation>Ihre Eingaben wurden nicht gespeichert. Schließen und verwerfen?</translation>
    </message>
</context>
<context>
    <name>Pricing</name>
    <message>
        <source>%1 night</source>
        <translation>%1 Nacht</translation>
    </message>
    <message>
        <source>%1 nights</source>
        <translation>%1 Nächte</translation>
    </message>
    <message>
        <source>%1 weekend night</source>
        <translation>%1 Wochenendnacht</translation>
    </message>
    <message>
        <source>%1 weekend nights</source>
        <translation>%1 Wochenendnächte</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 Woche</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 Wochen</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 Monat</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>A season needs a name.</source>
        <translation>Eine Saison braucht einen Namen.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; needs its first and last nights.</source>
        <translation>Die Saison „%1“ braucht ihre erste und letzte Nacht.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; ends before it starts.</source>
        <translation>Die Saison „%1“ endet, bevor sie beginnt.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>Die Saison „%1“ kommt jedes Jahr wieder und kann daher nicht länger als ein Jahr sein.</translation>
    </message>
    <message>
        <source>The priority of the season &quot;%1&quot; must be from 0 to 999.</source>
        <translation>Die Priorität der Saison „%1“ muss zwischen 0 und 999 liegen.</translation>
    </message>
    <message>
        <source>A rate must be from %1 to %2.</source>
        <translation>Ein Tarif muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>The seasons &quot;%1&quot; and &quot;%2&quot; have the same priority and share the night of %3: give one of them a higher priority.</source>
        <translation>Die Saisons „%1“ und „%2“ haben dieselbe Priorität und teilen sich die Nacht vom %3: geben Sie einer von ihnen eine höhere Priorität.</translation>
    </message>
    <message>
        <source>A tax needs a name.</source>
        <translation>Eine Steuer braucht einen Namen.</translation>
    </message>
    <message>
        <source>A tax rate must be from 0 % to 100 %.</source>
        <translation>Ein Steuersatz muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>A tax rate needs the date it takes effect.</source>
        <translation>Ein Steuersatz braucht das Datum, ab dem er gilt.</translation>
    </message>
    <message>
        <source>Tax row %1: %2</source>
        <translation>Steuerzeile %1: %2</translation>
    </message>
    <message>
        <source>type the rate as a percent with at most two decimals, as 17.5.</source>
        <translation>geben Sie den Satz als Prozent mit höchstens zwei Nachkommastellen ein, etwa 17.5.</translation>
    </message>
    <message>
        <source>it takes effect on %1, as row %2 does: keep one.</source>
        <translation>er gilt ab %1, wie Zeile %2: behalten Sie eine.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Illegal property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>No default printer is installed.</source>
        <translation>Es ist kein Standarddrucker installiert.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the document.</source>
        <translation>Der Drucker %1 hat das Dokument nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>QuickSearch</name>
    <message>
        <source>Booking %1</source>
        <translation>Buchung %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>(cancelled)</source>
        <translation>(storniert)</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Kunde: %1</translation>
    </message>
</context>
<context>
    <name>QuickSearchBox</name>
    <message>
        <source>Search (Ctrl+K)</source>
        <translation>Suchen (Strg+K)</translation>
    </message>
    <message>
        <source>Part of a name, a confirmation number, a boat&apos;s name or a berth: finds bookings and customers. Enter opens the booking&apos;s summary or the customer.</source>
        <translation>Teil eines Namens, eine Bestätigungsnummer, ein Bootsname oder ein Liegeplatz: findet Buchungen und Kunden. Eingabe öffnet die Übersicht der Buchung oder den Kunden.</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Nichts gefunden</translation>
    </message>
</context>
<context>
    <name>RateStore</name>
    <message>
        <source>A minimum length must be from 0 to 1,000 metres.</source>
        <translation>Eine Mindestlänge muss zwischen 0 und 1.000 Metern liegen.</translation>
    </message>
    <message>
        <source>A rate belongs to a season that is not in the table.</source>
        <translation>Ein Tarif gehört zu einer Saison, die nicht in der Tabelle steht.</translation>
    </message>
    <message>
        <source>A rate is either a berth type&apos;s or one berth&apos;s.</source>
        <translation>Ein Tarif gilt entweder für einen Liegeplatztyp oder für einen einzelnen Liegeplatz.</translation>
    </message>
    <message>
        <source>A season has two rates for the same berth or berth type.</source>
        <translation>Eine Saison hat zwei Tarife für denselben Liegeplatz oder Liegeplatztyp.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>%1 to %2, priority %3%4</source>
        <translation>%1 bis %2, Priorität %3%4</translation>
    </message>
    <message>
        <source>, every year</source>
        <translation>, jedes Jahr</translation>
    </message>
    <message>
        <source>nightly %1</source>
        <translation>pro Nacht %1</translation>
    </message>
    <message>
        <source>weekend night %1</source>
        <translation>Wochenendnacht %1</translation>
    </message>
    <message>
        <source>weekly %1</source>
        <translation>pro Woche %1</translation>
    </message>
    <message>
        <source>monthly %1</source>
        <translation>pro Monat %1</translation>
    </message>
    <message>
        <source>per metre</source>
        <translation>pro Meter</translation>
    </message>
    <message>
        <source>Season %1:</source>
        <translation>Saison %1:</translation>
    </message>
    <message>
        <source>Rate of %1 in %2:</source>
        <translation>Tarif von %1 in %2:</translation>
    </message>
    <message>
        <source>Least length of %1:</source>
        <translation>Mindestlänge von %1:</translation>
    </message>
    <message>
        <source>Two tax rates take effect on %1: keep one.</source>
        <translation>Zwei Steuersätze gelten ab %1: behalten Sie einen.</translation>
    </message>
    <message>
        <source>Another desk changed the tax rates since this window read them, so nothing was saved. Close the window and open it again to see their changes.</source>
        <translation>Ein anderer Arbeitsplatz hat die Steuersätze geändert, seit dieses Fenster sie gelesen hat, daher wurde nichts gespeichert. Schließen Sie das Fenster und öffnen Sie es erneut, um die Änderungen zu sehen.</translation>
    </message>
</context>
<context>
    <name>RatesDialog</name>
    <message>
        <source>Rates</source>
        <translation>Tarife</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Erste Nacht</translation>
    </message>
    <message>
        <source>Last night</source>
        <translation>Letzte Nacht</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Berth type or berth</source>
        <translation>Liegeplatztyp oder Liegeplatz</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Pro Meter</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Pro Nacht</translation>
    </message>
    <message>
        <source>Weekend night</source>
        <translation>Wochenendnacht</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Pro Woche</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Pro Monat</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Liegeplatztyp</translation>
    </message>
    <message>
        <source>Minimum length (m)</source>
        <translation>Mindestlänge (m)</translation>
    </message>
    <message>
        <source>&amp;Seasons (a night takes the highest priority that covers it; nights outside every season take the berth&apos;s daily charge):</source>
        <translation>&amp;Saisons (eine Nacht erhält die höchste Priorität, die sie abdeckt; Nächte außerhalb jeder Saison erhalten die Tagesmiete des Liegeplatzes):</translation>
    </message>
    <message>
        <source>Ra&amp;tes in the chosen season (leave Nightly empty for no rate):</source>
        <translation>&amp;Tarife in der gewählten Saison („Pro Nacht“ leer lassen für keinen Tarif):</translation>
    </message>
    <message>
        <source>Per-metre rates count at &amp;least:</source>
        <translation>Meterpreise zählen &amp;mindestens:</translation>
    </message>
    <message>
        <source>&amp;Add Season</source>
        <translation>Saison &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Season</source>
        <translation>Saison &amp;entfernen</translation>
    </message>
    <message>
        <source>Add &amp;Berth&apos;s Own Rate</source>
        <translation>Eigenen &amp;Liegeplatztarif hinzufügen</translation>
    </message>
    <message>
        <source>Remove Berth&apos;s O&amp;wn Rate</source>
        <translation>Eigenen Liegeplatztarif ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Berth %1</source>
        <translation>Liegeplatz %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>Give %1 a nightly rate, or leave its other rates empty.</source>
        <translation>Geben Sie %1 einen Tarif pro Nacht oder lassen Sie seine anderen Tarife leer.</translation>
    </message>
    <message>
        <source>The priority is a whole number from 0 to 999.</source>
        <translation>Die Priorität ist eine ganze Zahl von 0 bis 999.</translation>
    </message>
    <message>
        <source>The minimum length is a number of metres from 0 to 1,000.</source>
        <translation>Die Mindestlänge ist eine Anzahl Meter von 0 bis 1.000.</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Neue Saison</translation>
    </message>
    <message>
        <source>The berth register holds weekly or monthly charges for %1 berth(s). Make them those berths&apos; own rates in the new season?</source>
        <translation>Das Liegeplatzverzeichnis enthält Wochen- oder Monatspreise für %1 Liegeplatz/-plätze. Sollen sie in der neuen Saison die eigenen Tarife dieser Liegeplätze werden?</translation>
    </message>
    <message>
        <source>Berth %1 has its own rate in this season already.</source>
        <translation>Liegeplatz %1 hat in dieser Saison bereits einen eigenen Tarif.</translation>
    </message>
    <message>
        <source>rate table</source>
        <translation>Tariftabelle</translation>
    </message>
    <message>
        <source>Close without saving the changes to the rates?</source>
        <translation>Schließen, ohne die Änderungen an den Tarifen zu speichern?</translation>
    </message>
</context>
<context>
    <name>ReadErrorLine</name>
    <message>
        <source>The rows could not be read: %1</source>
        <translation>Die Zeilen konnten nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>RegionalSettingsDialog</name>
    <message>
        <source>Regional Settings</source>
        <translation>Regionale Einstellungen</translation>
    </message>
    <message>
        <source>Configure the system to show your regional settings and preferences</source>
        <translation>Richten Sie das System nach Ihren regionalen Einstellungen und Vorlieben ein</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>ZIP-Code</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>Tag.Monat.Jahr</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>Jahr-Monat-Tag</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Adults and No Kids</source>
        <translation>Anzahl Erwachsene und Kinder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>Postleitzahl / ZIP-Code:</translation>
    </message>
    <message>
        <source>Currency Symbol:</source>
        <translation>Währungssymbol:</translation>
    </message>
    <message>
        <source>Check-in time:</source>
        <translation>Check-in-Zeit:</translation>
    </message>
    <message>
        <source>Check out time:</source>
        <translation>Check-out-Zeit:</translation>
    </message>
    <message>
        <source>Office closing &amp;time:</source>
        <translation>&amp;Büroschluss:</translation>
    </message>
    <message>
        <source>Boat sizes in:</source>
        <translation>Bootsgrößen in:</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>The language is applied at the next start.</source>
        <translation>Die Sprache wird beim nächsten Start übernommen.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Buchung</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Due by</source>
        <translation>Fällig bis</translation>
    </message>
    <message>
        <source>&amp;Send the ticked reminders</source>
        <translation>Die angehakten Erinnerungen &amp;senden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The reminders could not be read: %1</source>
        <translation>Die Erinnerungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 (overdue)</source>
        <translation>%1 (überfällig)</translation>
    </message>
    <message>
        <source>(no address)</source>
        <translation>(keine Adresse)</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) due today; untick any that should not go.</source>
        <translation>
            <numerusform>%n Erinnerung heute fällig; entfernen Sie den Haken bei allen, die nicht hinausgehen sollen.</numerusform>
            <numerusform>%n Erinnerungen heute fällig; entfernen Sie den Haken bei allen, die nicht hinausgehen sollen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bookings chosen owe nothing that has not been reminded already.</source>
        <translation>Die gewählten Buchungen schulden nichts, woran nicht bereits erinnert wurde.</translation>
    </message>
    <message>
        <source>No reminders are due today.</source>
        <translation>Heute sind keine Erinnerungen fällig.</translation>
    </message>
    <message>
        <source>No reminder was queued: %1</source>
        <translation>Es wurde keine Erinnerung in den Postausgang gestellt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s)</source>
        <translation>
            <numerusform>%n Erinnerung</numerusform>
            <numerusform>%n Erinnerungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) are in the outbox and go out in the background.</source>
        <translation>
            <numerusform>%n Erinnerung liegt im Postausgang und wird im Hintergrund versendet.</numerusform>
            <numerusform>%n Erinnerungen liegen im Postausgang und werden im Hintergrund versendet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Removal</name>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>RenewalsDialog</name>
    <message>
        <source>Renew contracts</source>
        <translation>Verträge verlängern</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Verlängern</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Vertrag</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Liegeplätze</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Endet</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Diese Laufzeit</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Nächste Laufzeit</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Renewal price</source>
        <translation>Verlängerungspreis</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Re&amp;new chosen</source>
        <translation>Gewählte &amp;verlängern</translation>
    </message>
    <message>
        <source>&amp;Send renewal letters</source>
        <translation>Verlängerungsschreiben &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Print renewal letters</source>
        <translation>Verlängerungsschreiben &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Ending &amp;from:</source>
        <translation>Endet a&amp;b:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>b&amp;is:</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>kein Tarif</translation>
    </message>
    <message>
        <source>No contract in force ends in this period unrenewed.</source>
        <translation>In diesem Zeitraum endet kein laufender Vertrag ohne Verlängerung.</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) have no rate for next term: type their price.</source>
        <translation>
            <numerusform>%n Vertrag hat keinen Tarif für die nächste Laufzeit: geben Sie seinen Preis ein.</numerusform>
            <numerusform>%n Verträge haben keinen Tarif für die nächste Laufzeit: geben Sie ihre Preise ein.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1: type the renewal price as an amount, such as 1200.00.</source>
        <translation>Vertrag %1: geben Sie den Verlängerungspreis als Betrag ein, etwa 1200.00.</translation>
    </message>
    <message>
        <source>Tick the contracts to renew first, or Select all.</source>
        <translation>Haken Sie zuerst die zu verlängernden Verträge an oder wählen Sie „Alle auswählen“.</translation>
    </message>
    <message numerus="yes">
        <source>Renew %n contract(s) at %1 before tax in all?

Yes makes each renewal a new contract with its plan and keeps its renewal letter; nothing is renewed if one cannot be.
No goes back to the list.</source>
        <translation>
            <numerusform>%n Vertrag zu insgesamt %1 vor Steuer verlängern?

Ja macht aus jeder Verlängerung einen neuen Vertrag mit seinem Ratenplan und bewahrt sein Verlängerungsschreiben auf; es wird nichts verlängert, wenn einer nicht verlängert werden kann.
Nein kehrt zur Liste zurück.</numerusform>
            <numerusform>%n Verträge zu insgesamt %1 vor Steuer verlängern?

Ja macht aus jeder Verlängerung einen neuen Vertrag mit seinem Ratenplan und bewahrt sein Verlängerungsschreiben auf; es wird nichts verlängert, wenn einer nicht verlängert werden kann.
Nein kehrt zur Liste zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1 renewed as contract %2, %3</source>
        <translation>Vertrag %1 verlängert als Vertrag %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Send renewal letters queues their letters by e-mail.</source>
        <translation>
            <numerusform>%n Vertrag verlängert. „Verlängerungsschreiben senden“ stellt das Schreiben per E-Mail in den Postausgang.</numerusform>
            <numerusform>%n Verträge verlängert. „Verlängerungsschreiben senden“ stellt ihre Schreiben per E-Mail in den Postausgang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Print renewal letters prints their letters.</source>
        <translation>
            <numerusform>%n Vertrag verlängert. „Verlängerungsschreiben drucken“ druckt das Schreiben.</numerusform>
            <numerusform>%n Verträge verlängert. „Verlängerungsschreiben drucken“ druckt ihre Schreiben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s)</source>
        <translation>
            <numerusform>%n Verlängerungsschreiben</numerusform>
            <numerusform>%n Verlängerungsschreiben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued.</source>
        <translation>
            <numerusform>%n Verlängerungsschreiben in den Postausgang gestellt.</numerusform>
            <numerusform>%n Verlängerungsschreiben in den Postausgang gestellt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued. These contracts&apos; holders have no e-mail address, so their letters are to be printed: %1.</source>
        <translation>
            <numerusform>%n Verlängerungsschreiben in den Postausgang gestellt. Die Inhaber dieser Verträge haben keine E-Mail-Adresse, daher sind ihre Schreiben zu drucken: %1.</numerusform>
            <numerusform>%n Verlängerungsschreiben in den Postausgang gestellt. Die Inhaber dieser Verträge haben keine E-Mail-Adresse, daher sind ihre Schreiben zu drucken: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract Renewal %1.pdf</source>
        <translation>Vertragsverlängerung %1.pdf</translation>
    </message>
</context>
<context>
    <name>ReportLayouts</name>
    <message>
        <source>Booking added:</source>
        <translation>Buchung angelegt:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Liegeplatz/-plätze:</translation>
    </message>
    <message>
        <source>Report of Booking</source>
        <translation>Buchungsbericht</translation>
    </message>
    <message>
        <source>List of all up comming bookings</source>
        <translation>Liste aller kommenden Buchungen</translation>
    </message>
    <message>
        <source>List of today bookings</source>
        <translation>Liste der heutigen Buchungen</translation>
    </message>
    <message>
        <source>List of todays checkouts left to be completed</source>
        <translation>Liste der heute noch offenen Check-outs</translation>
    </message>
    <message>
        <source>Arrivals today</source>
        <translation>Ankünfte heute</translation>
    </message>
    <message>
        <source>Departures today</source>
        <translation>Abreisen heute</translation>
    </message>
    <message>
        <source>Period Sales</source>
        <translation>Umsatz im Zeitraum</translation>
    </message>
    <message>
        <source>List: %p of %P</source>
        <translation>Liste: %p von %P</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Hire </source>
        <translation>Miete </translation>
    </message>
    <message>
        <source>Other </source>
        <translation>Sonstiges </translation>
    </message>
    <message>
        <source>VAT </source>
        <translation>MwSt. </translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Summe </translation>
    </message>
    <message>
        <source>Reservations With Balance Due</source>
        <translation>Reservierungen mit offenem Betrag</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Reservation:</source>
        <translation>Reservierung:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Sonstige Kosten:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>MwSt.:</translation>
    </message>
    <message>
        <source>Payable:</source>
        <translation>Zu zahlen:</translation>
    </message>
    <message>
        <source>Payed:</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Fällige Zahlungen</translation>
    </message>
    <message>
        <source>Conf. No:</source>
        <translation>Best.-Nr.:</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Ankunft:</translation>
    </message>
    <message>
        <source>Due by:</source>
        <translation>Fällig bis:</translation>
    </message>
    <message>
        <source>Paid:</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <source>Owed:</source>
        <translation>Offen:</translation>
    </message>
    <message>
        <source>Due now:</source>
        <translation>Jetzt fällig:</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <source>Due within 7 days</source>
        <translation>Fällig innerhalb von 7 Tagen</translation>
    </message>
    <message>
        <source>Due later</source>
        <translation>Später fällig</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Summe %1</translation>
    </message>
</context>
<context>
    <name>ReportManager</name>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Report Manager</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>&amp;List of all up comming bookings</source>
        <translation>&amp;Liste aller kommenden Buchungen</translation>
    </message>
    <message>
        <source>List of bookings &amp;taken today</source>
        <translation>Liste der &amp;heute angenommenen Buchungen</translation>
    </message>
    <message>
        <source>List of todays &amp;checkouts left to be completed</source>
        <translation>Liste der heute noch offenen &amp;Check-outs</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Ankünfte heute</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>Ab&amp;reisen heute</translation>
    </message>
    <message>
        <source>Outstanding &amp;Balance A/Cs</source>
        <translation>Offene Sal&amp;den</translation>
    </message>
    <message>
        <source>&amp;Payments due</source>
        <translation>Fällige &amp;Zahlungen</translation>
    </message>
    <message>
        <source>Send reminders for pa&amp;yments due...</source>
        <translation>Erinnerungen für fällige Zahlungen &amp;versenden...</translation>
    </message>
    <message>
        <source>Period sales summa&amp;ry</source>
        <translation>&amp;Umsatzübersicht für den Zeitraum</translation>
    </message>
    <message>
        <source>Takings</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Cash-&amp;up...</source>
        <translation>&amp;Kassenabschluss...</translation>
    </message>
    <message>
        <source>E&amp;xport cash-up (CSV)...</source>
        <translation>Kassenabschluss e&amp;xportieren (CSV)...</translation>
    </message>
    <message>
        <source>Export payme&amp;nts (CSV)...</source>
        <translation>Zahlungen ex&amp;portieren (CSV)...</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Umsatz nach Monat</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Aufenthaltsdauer und Vorlaufzeit</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>Die gefragtesten Liegeplätze</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Zählerverbrauch nach Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Show fi&amp;gure</source>
        <translation>Kennzahl zei&amp;gen</translation>
    </message>
    <message>
        <source>F&amp;igure:</source>
        <translation>K&amp;ennzahl:</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>V&amp;on:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>Schr&amp;itt:</translation>
    </message>
    <message>
        <source>** If you have the need for a specific report, please contact our support team and we will endevour to create the report that you are looking for **</source>
        <translation>** Wenn Sie einen bestimmten Bericht benötigen, wenden Sie sich bitte an unser Support-Team; wir bemühen uns, den gewünschten Bericht zu erstellen **</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;View meter lists...</source>
        <translation>Zählerlis&amp;ten anzeigen...</translation>
    </message>
    <message>
        <source>The list could not be read: %1</source>
        <translation>Die Liste konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Nothing to print!</source>
        <translation>Nichts zu drucken!</translation>
    </message>
    <message>
        <source>No booking has money owing.</source>
        <translation>Keine Buchung hat offene Beträge.</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Fällige Zahlungen</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>The cash-up could not be read: %1</source>
        <translation>Der Kassenabschluss konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Export Cash-up</source>
        <translation>Kassenabschluss exportieren</translation>
    </message>
    <message>
        <source>The figures could not be read: %1</source>
        <translation>Die Kennzahlen konnten nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>RequestActions</name>
    <message>
        <source>length %1</source>
        <translation>Länge %1</translation>
    </message>
    <message>
        <source>beam %1</source>
        <translation>Breite %1</translation>
    </message>
    <message>
        <source>draft %1</source>
        <translation>Tiefgang %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>No free berth fits a boat of %1 %2.</source>
        <translation>Kein freier Liegeplatz passt für ein Boot mit %1 %2.</translation>
    </message>
    <message>
        <source>No berth is free %1.</source>
        <translation>Kein Liegeplatz ist frei %1.</translation>
    </message>
    <message>
        <source>From the booking request received %1.</source>
        <translation>Aus der Buchungsanfrage vom %1.</translation>
    </message>
    <message>
        <source>Boat of %1</source>
        <translation>Boot von %1</translation>
    </message>
    <message>
        <source>The request has no e-mail address to answer: %1</source>
        <translation>Die Anfrage hat keine E-Mail-Adresse für eine Antwort: %1</translation>
    </message>
    <message>
        <source>Another desk booked one of these berths meanwhile. Nothing was saved: choose again.</source>
        <translation>Ein anderer Arbeitsplatz hat inzwischen einen dieser Liegeplätze gebucht. Nichts wurde gespeichert: bitte neu wählen.</translation>
    </message>
</context>
<context>
    <name>RequestMailboxPanel</name>
    <message>
        <source>empty: no requests are read</source>
        <translation>leer: es werden keine Anfragen gelesen</translation>
    </message>
    <message>
        <source>None (inside the office only)</source>
        <translation>Keine (nur innerhalb des Büros)</translation>
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
        <translation>Eigenes &amp;Zertifikat des Servers ungeprüft annehmen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Mail ser&amp;ver:</source>
        <translation>&amp;Mailserver:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>Securit&amp;y:</source>
        <translation>Si&amp;cherheit:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>Ben&amp;utzer:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Or&amp;dner:</translation>
    </message>
    <message>
        <source>Read every (&amp;minutes):</source>
        <translation>Abruf alle (M&amp;inuten):</translation>
    </message>
    <message>
        <source>A hold las&amp;ts (hours):</source>
        <translation>Vormerkung gilt (S&amp;tunden):</translation>
    </message>
    <message>
        <source>The mailbox settings were not saved.
%1</source>
        <translation>Die Postfacheinstellungen wurden nicht gespeichert.
%1</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Anfragen</translation>
    </message>
</context>
<context>
    <name>RequestMessage</name>
    <message>
        <source>This message is not a booking request from the web page.</source>
        <translation>Diese Nachricht ist keine Buchungsanfrage von der Webseite.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>Die Abreise liegt nicht nach der Ankunft.</translation>
    </message>
    <message>
        <source>The dates cannot be read as days, months and years: enter them from the message.</source>
        <translation>Die Daten lassen sich nicht als Tag, Monat und Jahr lesen: übernehmen Sie sie aus der Nachricht.</translation>
    </message>
    <message>
        <source>The dates are written in another style: enter them from the message.</source>
        <translation>Die Daten sind in einer anderen Schreibweise: übernehmen Sie sie aus der Nachricht.</translation>
    </message>
    <message>
        <source>The request gives no dates.</source>
        <translation>Die Anfrage enthält keine Daten.</translation>
    </message>
    <message>
        <source>The request gives no name.</source>
        <translation>Die Anfrage enthält keinen Namen.</translation>
    </message>
    <message>
        <source>The request gives no e-mail address.</source>
        <translation>Die Anfrage enthält keine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>The e-mail address &quot;%1&quot; cannot be written to.</source>
        <translation>An die E-Mail-Adresse „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot;</source>
        <translation>die Länge „%1“</translation>
    </message>
    <message>
        <source>the beam &quot;%1&quot;</source>
        <translation>die Breite „%1“</translation>
    </message>
    <message>
        <source>the draft &quot;%1&quot;</source>
        <translation>den Tiefgang „%1“</translation>
    </message>
    <message>
        <source>The boat&apos;s size cannot be read (%1).</source>
        <translation>Die Größe des Boots kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The message is %1 KB, too large to read here: read it in the mailbox.</source>
        <translation>Die Nachricht ist %1 KB groß, zu groß, um sie hier zu lesen: lesen Sie sie im Postfach.</translation>
    </message>
</context>
<context>
    <name>RequestSettings</name>
    <message>
        <source>The mailbox is read every 1 to %1 minutes.</source>
        <translation>Das Postfach wird alle 1 bis %1 Minuten abgerufen.</translation>
    </message>
    <message>
        <source>A hold lasts 1 to %1 hours.</source>
        <translation>Eine Vormerkung gilt 1 bis %1 Stunden.</translation>
    </message>
    <message>
        <source>The user name must be one line of at most 200 characters.</source>
        <translation>Der Benutzername muss eine Zeile mit höchstens 200 Zeichen sein.</translation>
    </message>
</context>
<context>
    <name>RequestStore</name>
    <message>
        <source>%1 declined this request at %2.</source>
        <translation>%1 hat diese Anfrage am %2 abgelehnt.</translation>
    </message>
    <message>
        <source>This request was booked by %1 at %2 (booking %3).</source>
        <translation>Diese Anfrage wurde von %1 am %2 gebucht (Buchung %3).</translation>
    </message>
    <message>
        <source>%1 accepted this request at %2 and is booking it.</source>
        <translation>%1 hat diese Anfrage am %2 angenommen und bucht sie.</translation>
    </message>
    <message>
        <source>The request changed meanwhile: look at it again.</source>
        <translation>Die Anfrage wurde inzwischen geändert: sehen Sie sie erneut an.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>To check</source>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Vorgemerkt</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Angenommen</translation>
    </message>
    <message>
        <source>Declined</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Abgelaufen</translation>
    </message>
    <message>
        <source>The request is no longer there.</source>
        <translation>Die Anfrage ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The request has no dates to hold a berth for: book it through the wizard instead.</source>
        <translation>Die Anfrage enthält keine Daten, für die ein Liegeplatz vorgemerkt werden kann: buchen Sie sie stattdessen über den Assistenten.</translation>
    </message>
    <message>
        <source>The request holds %1 already.</source>
        <translation>Die Anfrage hat bereits %1 vorgemerkt.</translation>
    </message>
    <message>
        <source>A hold must end after now.</source>
        <translation>Eine Vormerkung muss nach jetzt enden.</translation>
    </message>
    <message>
        <source>Held for %1 until %2</source>
        <translation>Vorgemerkt für %1 bis %2</translation>
    </message>
    <message>
        <source>Request from %1 (%2)</source>
        <translation>Anfrage von %1 (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>RequestsWindow</name>
    <message>
        <source>Received</source>
        <translation>Eingegangen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Abreise</translation>
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
        <translation>Auch &amp;beantwortete Anfragen zeigen</translation>
    </message>
    <message>
        <source>&amp;Accept...</source>
        <translation>A&amp;nnehmen...</translation>
    </message>
    <message>
        <source>&amp;Hold...</source>
        <translation>&amp;Vormerken...</translation>
    </message>
    <message>
        <source>&amp;Decline...</source>
        <translation>Ab&amp;lehnen...</translation>
    </message>
    <message>
        <source>&amp;Read now</source>
        <translation>Jetzt &amp;abrufen</translation>
    </message>
    <message>
        <source>Re&amp;quests</source>
        <translation>An&amp;fragen</translation>
    </message>
    <message>
        <source>Mai&amp;lbox</source>
        <translation>&amp;Postfach</translation>
    </message>
    <message>
        <source>Booking Requests</source>
        <translation>Buchungsanfragen</translation>
    </message>
    <message>
        <source>The requests could not be read: %1</source>
        <translation>Die Anfragen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>To check: %1</source>
        <translation>Zu prüfen: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Telefon: %1</translation>
    </message>
    <message>
        <source>Dates: %1 to %2</source>
        <translation>Daten: %1 bis %2</translation>
    </message>
    <message>
        <source>Boat (length × beam × draft): %1</source>
        <translation>Boot (Länge × Breite × Tiefgang): %1</translation>
    </message>
    <message>
        <source>Berth type: %1</source>
        <translation>Liegeplatztyp: %1</translation>
    </message>
    <message>
        <source>Comments: %1</source>
        <translation>Bemerkungen: %1</translation>
    </message>
    <message>
        <source>Holds %1 until %2</source>
        <translation>%1 vorgemerkt bis %2</translation>
    </message>
    <message>
        <source>%1 by %2 at %3</source>
        <translation>%1 von %2 am %3</translation>
    </message>
    <message>
        <source>The message:</source>
        <translation>Die Nachricht:</translation>
    </message>
    <message>
        <source>%1
Open the booking wizard all the same?</source>
        <translation>%1
Den Buchungsassistenten trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Accepted by %1: %2</source>
        <translation>Angenommen von %1: %2</translation>
    </message>
    <message>
        <source>No free berth fits this request over its dates: there is nothing to hold.</source>
        <translation>Kein freier Liegeplatz passt zu dieser Anfrage an ihren Tagen: es gibt nichts vorzumerken.</translation>
    </message>
    <message>
        <source>Hold which berth for %1 hours?</source>
        <translation>Welchen Liegeplatz für %1 Stunden vormerken?</translation>
    </message>
    <message>
        <source>%1 held for %2 hours: %3</source>
        <translation>%1 für %2 Stunden vorgemerkt: %3</translation>
    </message>
    <message>
        <source>Decline the request</source>
        <translation>Anfrage ablehnen</translation>
    </message>
    <message>
        <source>&amp;Decline and send the reply</source>
        <translation>&amp;Ablehnen und Antwort senden</translation>
    </message>
    <message>
        <source>&amp;Keep the request</source>
        <translation>Anfrage &amp;behalten</translation>
    </message>
    <message>
        <source>To %1 &lt;%2&gt;</source>
        <translation>An %1 &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Declined by %1: %2</source>
        <translation>Abgelehnt von %1: %2</translation>
    </message>
</context>
<context>
    <name>RestoreScript</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>a table %1</source>
        <translation>eine Tabelle %1</translation>
    </message>
    <message>
        <source>the rows of a table %1</source>
        <translation>die Zeilen einer Tabelle %1</translation>
    </message>
    <message>
        <source>a function %1</source>
        <translation>eine Funktion %1</translation>
    </message>
    <message>
        <source>a procedure %1</source>
        <translation>eine Prozedur %1</translation>
    </message>
    <message>
        <source>a trigger %1</source>
        <translation>einen Trigger %1</translation>
    </message>
    <message>
        <source>an index %1</source>
        <translation>einen Index %1</translation>
    </message>
    <message>
        <source>a view %1</source>
        <translation>eine Sicht %1</translation>
    </message>
    <message>
        <source>a rule %1</source>
        <translation>eine Regel %1</translation>
    </message>
    <message>
        <source>a policy %1</source>
        <translation>eine Richtlinie %1</translation>
    </message>
    <message>
        <source>a sequence %1</source>
        <translation>eine Sequenz %1</translation>
    </message>
    <message>
        <source>a column default %1</source>
        <translation>einen Spalten-Standardwert %1</translation>
    </message>
    <message>
        <source>a constraint %1</source>
        <translation>eine Einschränkung %1</translation>
    </message>
    <message>
        <source>a %1 %2</source>
        <translation>ein(e) %1 %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>a statement &quot;%1&quot;</source>
        <translation>eine Anweisung „%1“</translation>
    </message>
    <message>
        <source>it holds %1 that is not part of a harbour database.</source>
        <translation>sie enthält %1, das nicht zu einer Hafendatenbank gehört.</translation>
    </message>
    <message>
        <source>it holds %1 that are not part of a harbour database.</source>
        <translation>sie enthält %1, die nicht zu einer Hafendatenbank gehören.</translation>
    </message>
    <message>
        <source>it holds %1 with a definition that is not ours.</source>
        <translation>sie enthält %1 mit einer Definition, die nicht von uns stammt.</translation>
    </message>
    <message>
        <source>it holds %1 with definitions that are not ours.</source>
        <translation>sie enthält %1 mit Definitionen, die nicht von uns stammen.</translation>
    </message>
    <message>
        <source>it lacks %1 of a harbour database.</source>
        <translation>sie enthält nicht %1 einer Hafendatenbank.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Refunds and corrections</source>
        <translation>Erstattungen und Korrekturen</translation>
    </message>
    <message>
        <source>give refunds or corrections</source>
        <translation>Erstattungen oder Korrekturen vornehmen</translation>
    </message>
    <message>
        <source>Prices typed over the rates</source>
        <translation>Preise abweichend von den Tarifen</translation>
    </message>
    <message>
        <source>type a price over the rates or keep it after a change</source>
        <translation>einen Preis abweichend von den Tarifen eingeben oder ihn nach einer Änderung behalten</translation>
    </message>
    <message>
        <source>Cancelling a paid booking</source>
        <translation>Stornieren einer bezahlten Buchung</translation>
    </message>
    <message>
        <source>cancel a paid booking</source>
        <translation>eine bezahlte Buchung stornieren</translation>
    </message>
    <message>
        <source>Deleting customers, berths and owners</source>
        <translation>Löschen von Kunden, Liegeplätzen und Eigentümern</translation>
    </message>
    <message>
        <source>delete customers, berths or owners</source>
        <translation>Kunden, Liegeplätze oder Eigentümer löschen</translation>
    </message>
    <message>
        <source>Rates and taxes</source>
        <translation>Tarife und Steuern</translation>
    </message>
    <message>
        <source>change rates and taxes</source>
        <translation>Tarife und Steuern ändern</translation>
    </message>
    <message>
        <source>Company details</source>
        <translation>Firmenangaben</translation>
    </message>
    <message>
        <source>change the company&apos;s details</source>
        <translation>die Firmenangaben ändern</translation>
    </message>
    <message>
        <source>Restoring and compacting the database</source>
        <translation>Wiederherstellen und Komprimieren der Datenbank</translation>
    </message>
    <message>
        <source>restore or compact the database</source>
        <translation>die Datenbank wiederherstellen oder komprimieren</translation>
    </message>
    <message>
        <source>Exports of personal data</source>
        <translation>Export personenbezogener Daten</translation>
    </message>
    <message>
        <source>export personal data</source>
        <translation>personenbezogene Daten exportieren</translation>
    </message>
    <message>
        <source>Users and permissions</source>
        <translation>Benutzer und Berechtigungen</translation>
    </message>
    <message>
        <source>manage users and permissions</source>
        <translation>Benutzer und Berechtigungen verwalten</translation>
    </message>
    <message>
        <source>Clerk</source>
        <translation>Sachbearbeiter</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>a clerk</source>
        <translation>ein Sachbearbeiter</translation>
    </message>
    <message>
        <source>a manager</source>
        <translation>ein Manager</translation>
    </message>
    <message>
        <source>an administrator</source>
        <translation>ein Administrator</translation>
    </message>
</context>
<context>
    <name>SafeFiles</name>
    <message>
        <source>Cannot rename %1 to %2.</source>
        <translation>%1 kann nicht in %2 umbenannt werden.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot link %1 to %2.</source>
        <translation>%1 kann nicht mit %2 verknüpft werden.</translation>
    </message>
</context>
<context>
    <name>SendEmail</name>
    <message>
        <source>No e-mail program could be started for this address.</source>
        <translation>Für diese Adresse konnte kein E-Mail-Programm gestartet werden.</translation>
    </message>
</context>
<context>
    <name>ServerArchive</name>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 did not finish: %2</source>
        <translation>%1 wurde nicht beendet: %2</translation>
    </message>
    <message>
        <source>%1 is not installed (Debian: postgresql-client).</source>
        <translation>%1 ist nicht installiert (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>pg_dump is not installed (Debian: postgresql-client).</source>
        <translation>pg_dump ist nicht installiert (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>pg_restore is not installed (Debian: postgresql-client).</source>
        <translation>pg_restore ist nicht installiert (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>it is the backup of a database file, and this desk works on a server; it restores at a desk that works on a file.</source>
        <translation>es ist die Sicherung einer Datenbankdatei, und dieser Arbeitsplatz arbeitet mit einem Server; sie wird an einem Arbeitsplatz wiederhergestellt, der mit einer Datei arbeitet.</translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>es ist kein Sicherungsarchiv von Zem Harbour.</translation>
    </message>
    <message>
        <source>it holds no table %1: it is not a backup of a harbour database.</source>
        <translation>es enthält keine Tabelle %1: es ist keine Sicherung einer Hafendatenbank.</translation>
    </message>
    <message>
        <source>it holds schema version %1; this program understands 1 to %2.</source>
        <translation>es enthält Schemaversion %1; dieses Programm versteht 1 bis %2.</translation>
    </message>
    <message>
        <source>Only the database&apos;s owner, the office&apos;s role, may restore or compact it on a server, and this desk&apos;s address signs in as %1. Please do it at a desk whose address (and password file) name the office&apos;s role.</source>
        <translation>Nur der Eigentümer der Datenbank, die Rolle des Büros, darf sie auf einem Server wiederherstellen oder komprimieren, und die Adresse dieses Arbeitsplatzes meldet sich als %1 an. Bitte tun Sie es an einem Arbeitsplatz, dessen Adresse (und Passwortdatei) die Rolle des Büros nennt.</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>the login was removed or deactivated, or its password changed, at another desk (%1)</source>
        <translation>die Anmeldung wurde an einem anderen Arbeitsplatz entfernt oder deaktiviert, oder ihr Passwort wurde geändert (%1)</translation>
    </message>
    <message>
        <source>the server cannot be reached (%1)</source>
        <translation>der Server ist nicht erreichbar (%1)</translation>
    </message>
    <message>
        <source>The server did not let %1 in, so this desk stays connected as before: %2</source>
        <translation>Der Server hat %1 nicht hereingelassen, daher bleibt dieser Arbeitsplatz wie bisher verbunden: %2</translation>
    </message>
    <message>
        <source>The server did not let your user do this: your role may not (a manager may approve it at this desk), or an administrator has changed or removed your user at another desk. Nothing was changed.</source>
        <translation>Der Server hat Ihrem Benutzer dies nicht erlaubt: Ihre Rolle darf es nicht (ein Manager kann es an diesem Arbeitsplatz genehmigen), oder ein Administrator hat Ihren Benutzer an einem anderen Arbeitsplatz geändert oder entfernt. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it, or given it a new password, at another desk. Please sign in again (File, Switch User).</source>
        <translation>Der Server lässt Ihren Benutzer nicht mehr herein: ein Administrator hat ihn an einem anderen Arbeitsplatz entfernt, deaktiviert oder ihm ein neues Passwort gegeben. Bitte melden Sie sich erneut an (Datei, Benutzer wechseln).</translation>
    </message>
    <message>
        <source>The server said: %1</source>
        <translation>Der Server meldete: %1</translation>
    </message>
</context>
<context>
    <name>ServerRoles</name>
    <message>
        <source>Logins are kept by a database server; a file has none.</source>
        <translation>Anmeldungen werden von einem Datenbankserver verwaltet; eine Datei hat keine.</translation>
    </message>
    <message>
        <source>A login is 1 to 63 lower-case letters, digits and _, starting with a letter, and not one the server or the program keeps for itself.</source>
        <translation>Eine Anmeldung besteht aus 1 bis 63 Kleinbuchstaben, Ziffern und _, beginnt mit einem Buchstaben und ist keine, die der Server oder das Programm für sich selbst reserviert.</translation>
    </message>
    <message>
        <source>A login needs a password.</source>
        <translation>Eine Anmeldung braucht ein Passwort.</translation>
    </message>
    <message>
        <source>A password is at most %1 characters.</source>
        <translation>Ein Passwort hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>%1 is not a login of Zem Harbour&apos;s roles.</source>
        <translation>%1 ist keine Anmeldung der Rollen von Zem Harbour.</translation>
    </message>
    <message>
        <source>The login %1 exists already.</source>
        <translation>Die Anmeldung %1 existiert bereits.</translation>
    </message>
    <message>
        <source>This server has no sign-in role: the office&apos;s role could not make roles when the database was made.</source>
        <translation>Dieser Server hat keine Anmelderolle: die Rolle des Büros konnte beim Anlegen der Datenbank keine Rollen anlegen.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Please sign in with your sign-in name and password.</source>
        <translation>Bitte melden Sie sich mit Ihrem Anmeldenamen und Passwort an.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Benutzer wechseln</translation>
    </message>
    <message>
        <source>Type the sign-in name and password of the user who takes over this desk.</source>
        <translation>Geben Sie Anmeldenamen und Passwort des Benutzers ein, der diesen Arbeitsplatz übernimmt.</translation>
    </message>
    <message>
        <source>Type the sign-in name and PIN of the user who takes over this desk.</source>
        <translation>Geben Sie Anmeldenamen und PIN des Benutzers ein, der diesen Arbeitsplatz übernimmt.</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>&amp;PIN:</translation>
    </message>
    <message>
        <source>Ask a Manager</source>
        <translation>Manager fragen</translation>
    </message>
    <message>
        <source>A manager or an administrator approves this once: to %1.
Type your sign-in name and PIN or password.</source>
        <translation>Ein Manager oder Administrator genehmigt dies einmalig: %1.
Geben Sie Ihren Anmeldenamen und Ihre PIN oder Ihr Passwort ein.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>&amp;PIN oder Passwort:</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>&amp;Anmeldename:</translation>
    </message>
    <message>
        <source>(not a user&apos;s sign-in name)</source>
        <translation>(kein Anmeldename eines Benutzers)</translation>
    </message>
    <message>
        <source>%1 approved for %2: %3</source>
        <translation>%1 genehmigt für %2: %3</translation>
    </message>
</context>
<context>
    <name>SmtpSender</name>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information.</source>
        <translation>Es ist kein Mailserver eingerichtet: tragen Sie ihn unter „Firmenangaben einrichten“ ein.</translation>
    </message>
    <message>
        <source>%1 is not a server name.</source>
        <translation>%1 ist kein Servername.</translation>
    </message>
    <message>
        <source>The mail server&apos;s port must be from 1 to 65535.</source>
        <translation>Der Port des Mailservers muss zwischen 1 und 65535 liegen.</translation>
    </message>
    <message>
        <source>The mail library could not start.</source>
        <translation>Die Mail-Bibliothek konnte nicht starten.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>Der Mailserver %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>Der Mailserver %1 hat auf Port %2 nicht geantwortet.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>Der Mailserver hat Benutzername oder Passwort abgelehnt: %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>Der Mailserver bietet keine sichere Verbindung an (STARTTLS): %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Harbour, marina and campsite reservations</source>
        <translation>Reservierungen für Häfen, Marinas und Campingplätze</translation>
    </message>
    <message>
        <source>Version:  1.0.1</source>
        <translation>Version:  1.0.1</translation>
    </message>
</context>
<context>
    <name>Sql</name>
    <message>
        <source>The database has been restored or compacted at another desk since this desk opened it. Nothing was read or saved from the old copy: the program works on the new one from your next action. Enter again what you were saving.</source>
        <translation>Die Datenbank wurde an einem anderen Arbeitsplatz wiederhergestellt oder komprimiert, seit dieser Arbeitsplatz sie geöffnet hat. Aus der alten Kopie wurde nichts gelesen oder gespeichert: das Programm arbeitet ab Ihrer nächsten Aktion mit der neuen. Geben Sie erneut ein, was Sie speichern wollten.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost. What you were saving may not have been saved: look it up before you enter it again. The program connects again with your next action.</source>
        <translation>Die Verbindung zum Datenbankserver ist unterbrochen. Was Sie speichern wollten, wurde möglicherweise nicht gespeichert: prüfen Sie es, bevor Sie es erneut eingeben. Das Programm verbindet sich bei Ihrer nächsten Aktion neu.</translation>
    </message>
    <message>
        <source>The statement returned no row.</source>
        <translation>Die Anweisung hat keine Zeile geliefert.</translation>
    </message>
    <message>
        <source>The database gave the new record no ID.</source>
        <translation>Die Datenbank hat dem neuen Datensatz keine ID gegeben.</translation>
    </message>
    <message>
        <source>No transaction is open.</source>
        <translation>Es ist keine Transaktion offen.</translation>
    </message>
</context>
<context>
    <name>StaffStore</name>
    <message>
        <source>This user has been removed at another desk.</source>
        <translation>Dieser Benutzer wurde an einem anderen Arbeitsplatz entfernt.</translation>
    </message>
    <message>
        <source>%1 is the last active administrator: someone must be able to manage the users, so this user cannot be removed, deactivated or given another role.</source>
        <translation>%1 ist der letzte aktive Administrator: jemand muss die Benutzer verwalten können, daher kann dieser Benutzer nicht entfernt, deaktiviert oder einer anderen Rolle zugeordnet werden.</translation>
    </message>
    <message>
        <source>The sign-in name &quot;%1&quot; is already in use.</source>
        <translation>Der Anmeldename „%1“ ist bereits vergeben.</translation>
    </message>
    <message>
        <source>The sign-in name or the password is wrong.</source>
        <translation>Anmeldename oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>The sign-in name or the PIN is wrong.</source>
        <translation>Anmeldename oder PIN ist falsch.</translation>
    </message>
    <message>
        <source>The sign-in name, or the PIN or password, is wrong.</source>
        <translation>Anmeldename oder PIN bzw. Passwort ist falsch.</translation>
    </message>
    <message>
        <source>%1 is locked after %2 wrong tries in a row; try again after %3.</source>
        <translation>%1 ist nach %2 Fehlversuchen in Folge gesperrt; versuchen Sie es nach %3 erneut.</translation>
    </message>
    <message>
        <source>%1 is no longer an active user; an administrator can make the user active again.</source>
        <translation>%1 ist kein aktiver Benutzer mehr; ein Administrator kann den Benutzer wieder aktivieren.</translation>
    </message>
    <message>
        <source>This user has been removed by an administrator.</source>
        <translation>Dieser Benutzer wurde von einem Administrator entfernt.</translation>
    </message>
    <message>
        <source>Please type the user&apos;s name.</source>
        <translation>Bitte geben Sie den Namen des Benutzers ein.</translation>
    </message>
    <message>
        <source>Please type a sign-in name.</source>
        <translation>Bitte geben Sie einen Anmeldenamen ein.</translation>
    </message>
    <message>
        <source>A name or sign-in name may have at most %1 characters.</source>
        <translation>Ein Name oder Anmeldename darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>That is longer than any password may be.</source>
        <translation>Das ist länger, als ein Passwort sein darf.</translation>
    </message>
    <message>
        <source>Please type your PIN or password.</source>
        <translation>Bitte geben Sie Ihre PIN oder Ihr Passwort ein.</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>DB Connection Error</source>
        <translation>Fehler bei der Datenbankverbindung</translation>
    </message>
    <message>
        <source>Database opened read-only: changes cannot be saved.

%1</source>
        <translation>Datenbank schreibgeschützt geöffnet: Änderungen können nicht gespeichert werden.

%1</translation>
    </message>
</context>
<context>
    <name>StayMeters</name>
    <message>
        <source>Meter %1 of berth %2 has not been read.</source>
        <translation>Zähler %1 von Liegeplatz %2 wurde nicht abgelesen.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>Die Buchung existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The booking&apos;s total would pass %1.</source>
        <translation>Der Gesamtbetrag der Buchung würde %1 übersteigen.</translation>
    </message>
</context>
<context>
    <name>StayReadingsDialog</name>
    <message>
        <source>Meter readings</source>
        <translation>Zählerablesungen</translation>
    </message>
    <message>
        <source>Berth and meter</source>
        <translation>Liegeplatz und Zähler</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Letzte Ablesung</translation>
    </message>
    <message>
        <source>Reading now</source>
        <translation>Ablesung jetzt</translation>
    </message>
    <message>
        <source>%1  %2 %3 (%4)</source>
        <translation>%1  %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3).

Yes: the meter rolled over past %4 and started again from zero. No: the reading was mistyped, go back to correct it.</source>
        <translation>%1 liegt unter der letzten Ablesung von Zähler %2 (%3).

Ja: der Zähler ist über %4 hinaus übergelaufen und hat wieder bei null begonnen. Nein: die Ablesung war vertippt, zurück zum Korrigieren.</translation>
    </message>
</context>
<context>
    <name>StepWizard</name>
    <message>
        <source>Welcome to the %1</source>
        <translation>Willkommen – %1</translation>
    </message>
    <message>
        <source>To contionue, click Next.</source>
        <translation>Klicken Sie auf Weiter, um fortzufahren.</translation>
    </message>
    <message>
        <source>Display this welcome screen at startup</source>
        <translation>Diesen Willkommensbildschirm beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertigstellen</translation>
    </message>
</context>
<context>
    <name>TermPricing</name>
    <message>
        <source>A term needs a name.</source>
        <translation>Eine Laufzeit braucht einen Namen.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; needs its first and last days.</source>
        <translation>Die Laufzeit „%1“ braucht ihren ersten und letzten Tag.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; ends before it starts.</source>
        <translation>Die Laufzeit „%1“ endet, bevor sie beginnt.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>Die Laufzeit „%1“ wiederholt sich jährlich und darf daher nicht länger als ein Jahr sein.</translation>
    </message>
    <message>
        <source>A term&apos;s price is for a berth type or for one berth.</source>
        <translation>Ein Laufzeitpreis gilt für einen Liegeplatztyp oder für einen Liegeplatz.</translation>
    </message>
    <message>
        <source>A term&apos;s price must be from %1 to %2.</source>
        <translation>Ein Laufzeitpreis muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>A term&apos;s price needs the date it takes effect.</source>
        <translation>Ein Laufzeitpreis braucht das Datum, ab dem er gilt.</translation>
    </message>
</context>
<context>
    <name>TermRates</name>
    <message>
        <source>A price names a term that is not in the list.</source>
        <translation>Ein Preis nennt eine Laufzeit, die nicht in der Liste steht.</translation>
    </message>
    <message>
        <source>Another desk changed the terms meanwhile: close the list and open it again.</source>
        <translation>Ein anderer Arbeitsplatz hat die Laufzeiten inzwischen geändert: schließen Sie die Liste und öffnen Sie sie erneut.</translation>
    </message>
</context>
<context>
    <name>TermsDialog</name>
    <message>
        <source>Terms and prices</source>
        <translation>Laufzeiten und Preise</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Liegeplatztyp</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Grundlage</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>T&amp;erms:</source>
        <translation>&amp;Laufzeiten:</translation>
    </message>
    <message>
        <source>&amp;Prices:</source>
        <translation>&amp;Preise:</translation>
    </message>
    <message>
        <source>&amp;Add term</source>
        <translation>Laufzeit &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove term</source>
        <translation>Laufzeit &amp;entfernen</translation>
    </message>
    <message>
        <source>A&amp;dd price</source>
        <translation>Preis hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>Re&amp;move price</source>
        <translation>Preis entfe&amp;rnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Per berth</source>
        <translation>Pro Liegeplatz</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Pro Meter</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>type the name of a term in the list above.</source>
        <translation>geben Sie den Namen einer Laufzeit aus der Liste oben ein.</translation>
    </message>
    <message>
        <source>type the term&apos;s price, such as 1200.00.</source>
        <translation>geben Sie den Preis der Laufzeit ein, etwa 1200.00.</translation>
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
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Wussten Sie schon ...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>Tipps beim &amp;Start zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
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
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Liegeplatz</translation>
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
        <translation>%1, angekommen %2</translation>
    </message>
    <message>
        <source>%1, left %2</source>
        <translation>%1, abgereist %2</translation>
    </message>
    <message>
        <source>%1, no-show</source>
        <translation>%1, nicht erschienen</translation>
    </message>
    <message>
        <source>Arrives</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Abreise</translation>
    </message>
    <message>
        <source>&amp;Show this window when the program starts</source>
        <translation>Dieses Fenster beim Programmstart &amp;zeigen</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Akt&amp;ualisieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Con&amp;firmation</source>
        <translation>&amp;Bestätigung</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Ankünfte heute</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>Ab&amp;reisen heute</translation>
    </message>
    <message>
        <source>&amp;In the harbour now</source>
        <translation>&amp;Jetzt im Hafen</translation>
    </message>
    <message>
        <source>&amp;Money owing, arriving within 7 days</source>
        <translation>&amp;Offene Beträge, Ankunft innerhalb von 7 Tagen</translation>
    </message>
    <message>
        <source>R&amp;eminders...</source>
        <translation>&amp;Erinnerungen...</translation>
    </message>
    <message>
        <source>Arri&amp;ve</source>
        <translation>An&amp;kunft</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>Abrei&amp;se...</translation>
    </message>
    <message>
        <source>&amp;No-shows...</source>
        <translation>&amp;Nicht erschienen...</translation>
    </message>
    <message>
        <source>Today&apos;s bookings could not be read: %1</source>
        <translation>Die heutigen Buchungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Choose the arrival to check in.</source>
        <translation>Wählen Sie die Ankunft, die eingecheckt werden soll.</translation>
    </message>
    <message>
        <source>Choose the guest to check out.</source>
        <translation>Wählen Sie den Gast, der ausgecheckt werden soll.</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>An&amp;fragen...</translation>
    </message>
    <message>
        <source>The booking requests could not be read: %1</source>
        <translation>Die Buchungsanfragen konnten nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n booking request(s) waiting for an answer</source>
        <translation>
            <numerusform>%n Buchungsanfrage wartet auf Antwort</numerusform>
            <numerusform>%n Buchungsanfragen warten auf Antwort</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hold(s) for a request ending today</source>
        <translation>
            <numerusform>%n Reservierung für eine Anfrage endet heute</numerusform>
            <numerusform>%n Reservierungen für Anfragen enden heute</numerusform>
        </translation>
    </message>
    <message>
        <source>No booking requests waiting</source>
        <translation>Keine offenen Buchungsanfragen</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>&amp;Anmeldename:</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rolle:</translation>
    </message>
    <message>
        <source>&amp;Active (may sign in)</source>
        <translation>A&amp;ktiv (darf sich anmelden)</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Password a&amp;gain:</source>
        <translation>Passwort &amp;wiederholen:</translation>
    </message>
    <message>
        <source>P&amp;IN (4 to 8 digits):</source>
        <translation>P&amp;IN (4 bis 8 Ziffern):</translation>
    </message>
    <message>
        <source>PIN a&amp;gain:</source>
        <translation>PIN &amp;wiederholen:</translation>
    </message>
    <message>
        <source>First Administrator</source>
        <translation>Erster Administrator</translation>
    </message>
    <message>
        <source>Nobody has been signed up yet. Please make the first administrator: the one who adds the other users and says what each role may do. There is no default password.</source>
        <translation>Es ist noch niemand registriert. Bitte legen Sie den ersten Administrator an: er fügt die anderen Benutzer hinzu und legt fest, was jede Rolle darf. Es gibt kein Standardpasswort.</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Neuer Benutzer</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>A new password for %1.</source>
        <translation>Ein neues Passwort für %1.</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Neue PIN</translation>
    </message>
    <message>
        <source>A new PIN for %1.</source>
        <translation>Eine neue PIN für %1.</translation>
    </message>
    <message>
        <source>The two passwords differ: please type the same password twice.</source>
        <translation>Die beiden Passwörter sind verschieden: bitte geben Sie zweimal dasselbe Passwort ein.</translation>
    </message>
    <message>
        <source>The two PINs differ: please type the same PIN twice.</source>
        <translation>Die beiden PINs sind verschieden: bitte geben Sie zweimal dieselbe PIN ein.</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>dieser Benutzer</translation>
    </message>
    <message>
        <source>%1: new password</source>
        <translation>%1: neues Passwort</translation>
    </message>
    <message>
        <source>%1: new PIN</source>
        <translation>%1: neue PIN</translation>
    </message>
    <message>
        <source>Sign-in Role</source>
        <translation>Anmelderolle</translation>
    </message>
    <message>
        <source>Desks may start as the server&apos;s sign-in role, zem_signin, instead of the office&apos;s role: it reads only what a sign-in needs, and each user then works as their own login. Type its new password, and put it in each desk&apos;s password file (.pgpass) in place of the office&apos;s. Leave both boxes empty to stop desks from starting that way.</source>
        <translation>Arbeitsplätze können statt mit der Rolle des Büros mit der Anmelderolle des Servers, zem_signin, starten: sie liest nur, was eine Anmeldung braucht, und jeder Benutzer arbeitet danach mit seinem eigenen Login. Geben Sie ihr neues Passwort ein und tragen Sie es in der Passwortdatei (.pgpass) jedes Arbeitsplatzes anstelle des Passworts des Büros ein. Lassen Sie beide Felder leer, damit Arbeitsplätze nicht mehr so starten.</translation>
    </message>
    <message>
        <source>zem_signin: desks may no longer start with it</source>
        <translation>zem_signin: Arbeitsplätze können nicht mehr damit starten</translation>
    </message>
    <message>
        <source>zem_signin: new password</source>
        <translation>zem_signin: neues Passwort</translation>
    </message>
</context>
<context>
    <name>UsersWindow</name>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>U&amp;sers:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>B&amp;earbeiten...</translation>
    </message>
    <message>
        <source>New &amp;Password...</source>
        <translation>Neues &amp;Passwort...</translation>
    </message>
    <message>
        <source>New P&amp;IN...</source>
        <translation>Neue P&amp;IN...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>What each role ma&amp;y do:</source>
        <translation>&amp;Was jede Rolle darf:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>&amp;Lock after idle:</source>
        <translation>&amp;Sperren nach Leerlauf:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>allowed</source>
        <translation>erlaubt</translation>
    </message>
    <message>
        <source>not allowed</source>
        <translation>nicht erlaubt</translation>
    </message>
    <message>
        <source>Remove %1? The user can no longer sign in; what the user did keeps their name.</source>
        <translation>%1 entfernen? Der Benutzer kann sich nicht mehr anmelden; was er getan hat, behält seinen Namen.</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>Si&amp;gn-in Role...</source>
        <translation>Anmelde&amp;rolle...</translation>
    </message>
</context>
<context>
    <name>WaitingEntryDialog</name>
    <message>
        <source>Edit Waiting Entry</source>
        <translation>Warteliste-Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Add Waiting Entry</source>
        <translation>Warteliste-Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Any length of stay</source>
        <translation>Beliebige &amp;Aufenthaltsdauer</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>&amp;Kunde:</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Boot:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>B&amp;is:</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>Liegeplatz&amp;typ:</translation>
    </message>
    <message>
        <source>&amp;Minimum length (ft):</source>
        <translation>&amp;Mindestlänge (ft):</translation>
    </message>
    <message>
        <source>&amp;Minimum length (m):</source>
        <translation>&amp;Mindestlänge (m):</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Any type</source>
        <translation>Beliebiger Typ</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(kein Boot)</translation>
    </message>
    <message>
        <source>The customer&apos;s boats could not be read: %1</source>
        <translation>Die Boote des Kunden konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Type the minimum length in feet, such as 38.</source>
        <translation>Geben Sie die Mindestlänge in Fuß ein, etwa 38.</translation>
    </message>
    <message>
        <source>Type the minimum length in metres, such as 11.5.</source>
        <translation>Geben Sie die Mindestlänge in Metern ein, etwa 11.5.</translation>
    </message>
    <message>
        <source>waiting entry</source>
        <translation>Warteliste-Eintrag</translation>
    </message>
</context>
<context>
    <name>WaitingList</name>
    <message>
        <source>Waiting</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Offered</source>
        <translation>Angeboten</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>Withdrawn</source>
        <translation>Zurückgezogen</translation>
    </message>
    <message>
        <source>Choose the customer who is waiting.</source>
        <translation>Wählen Sie den wartenden Kunden.</translation>
    </message>
    <message>
        <source>Give the first night wanted.</source>
        <translation>Geben Sie die erste gewünschte Nacht an.</translation>
    </message>
    <message>
        <source>The period wanted has started already: a waiting entry is for nights to come.</source>
        <translation>Der gewünschte Zeitraum hat bereits begonnen: ein Warteliste-Eintrag ist für künftige Nächte.</translation>
    </message>
    <message>
        <source>The period wanted ends before it starts.</source>
        <translation>Der gewünschte Zeitraum endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>A period wanted may last five years at the most.</source>
        <translation>Ein gewünschter Zeitraum darf höchstens fünf Jahre dauern.</translation>
    </message>
    <message>
        <source>A minimum length must be more than 0 and at most 200 m.</source>
        <translation>Eine Mindestlänge muss größer als 0 und höchstens 200 m sein.</translation>
    </message>
    <message>
        <source>The entry was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>Der Eintrag wurde inzwischen an einem anderen Arbeitsplatz entfernt, daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Boot:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Berth type:</source>
        <translation>Liegeplatztyp:</translation>
    </message>
    <message>
        <source>Minimum length:</source>
        <translation>Mindestlänge:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
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
        <translation>Position</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Liegeplatztyp</translation>
    </message>
    <message>
        <source>Minimum length</source>
        <translation>Mindestlänge</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Offered on</source>
        <translation>Angeboten am</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>any length</source>
        <translation>beliebige Länge</translation>
    </message>
    <message>
        <source>Waiting List</source>
        <translation>Warteliste</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt %1</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Seite %p von %P</translation>
    </message>
    <message>
        <source>No entries.</source>
        <translation>Keine Einträge.</translation>
    </message>
</context>
<context>
    <name>WaitingListWindow</name>
    <message>
        <source>Waiting List</source>
        <translation>Warteliste</translation>
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
        <translation>Liegeplatz&amp;typ:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>B&amp;earbeiten...</translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation>&amp;Zurückziehen</translation>
    </message>
    <message>
        <source>Mark &amp;Offered</source>
        <translation>Als &amp;angeboten markieren</translation>
    </message>
    <message>
        <source>Mark Boo&amp;ked</source>
        <translation>Als gebu&amp;cht markieren</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>&amp;Buchen...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The waiting list could not be read for the berths that came free: %1</source>
        <translation>Die Warteliste konnte für die frei gewordenen Liegeplätze nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle Typen</translation>
    </message>
    <message>
        <source>The lists for the entry could not be read: %1</source>
        <translation>Die Listen für den Eintrag konnten nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>WaitingOfferMail</name>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 hat keine verwendbare E-Mail-Adresse: %2</translation>
    </message>
</context>
<context>
    <name>WebBookMenu</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>WebBookPage</name>
    <message>
        <source>Invalid HTML resource</source>
        <translation>Ungültige HTML-Ressource</translation>
    </message>
    <message>
        <source>Can&apos;t generate Webbook:<byte value="xd"/>
%1</source>
        <translation>Webbuchungsseite kann nicht erstellt werden:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The booking form would be sent to &quot;%1&quot;, which is not a web address. Enter one that starts with http:// or https:// in the web booking settings.</source>
        <translation>Das Buchungsformular würde an „%1“ gesendet, was keine Webadresse ist. Geben Sie in den Webbuchungs-Einstellungen eine ein, die mit http:// oder https:// beginnt.</translation>
    </message>
    <message>
        <source>No value is stored for %1. Configure the web bookings first.</source>
        <translation>Für %1 ist kein Wert gespeichert. Richten Sie zuerst die Webbuchungen ein.</translation>
    </message>
    <message>
        <source>Save Web Book as...</source>
        <translation>Webbuchungsseite speichern unter...</translation>
    </message>
    <message>
        <source>HTML files (*.HTML)</source>
        <translation>HTML-Dateien (*.HTML)</translation>
    </message>
    <message>
        <source>Can&apos;t save HTML file:<byte value="xd"/>
%1</source>
        <translation>HTML-Datei kann nicht gespeichert werden:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Online Booking Form</source>
        <translation>Online-Buchungsformular</translation>
    </message>
    <message>
        <source>Thank you for your booking</source>
        <translation>Vielen Dank für Ihre Buchung</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Please complete the form below to make an online booking.</source>
        <translation>Bitte füllen Sie das folgende Formular aus, um online zu buchen.</translation>
    </message>
    <message>
        <source>Arrival date:</source>
        <translation>Ankunftsdatum:</translation>
    </message>
    <message>
        <source>Arrival day</source>
        <translation>Ankunftstag</translation>
    </message>
    <message>
        <source>Arrival month</source>
        <translation>Ankunftsmonat</translation>
    </message>
    <message>
        <source>Arrival year</source>
        <translation>Ankunftsjahr</translation>
    </message>
    <message>
        <source>Departure date:</source>
        <translation>Abreisedatum:</translation>
    </message>
    <message>
        <source>Departure day</source>
        <translation>Abreisetag</translation>
    </message>
    <message>
        <source>Departure month</source>
        <translation>Abreisemonat</translation>
    </message>
    <message>
        <source>Departure year</source>
        <translation>Abreisejahr</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Ihre E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Any comments?</source>
        <translation>Anmerkungen?</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Absenden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>What is free</source>
        <translation>Was frei ist</translation>
    </message>
    <message>
        <source>Choose your dates above and give your boat&apos;s size to see which kinds of berth are free.</source>
        <translation>Wählen Sie oben Ihre Daten und geben Sie die Größe Ihres Boots an, um zu sehen, welche Liegeplatztypen frei sind.</translation>
    </message>
    <message>
        <source>Length (m):</source>
        <translation>Länge (m):</translation>
    </message>
    <message>
        <source>Beam (m):</source>
        <translation>Breite (m):</translation>
    </message>
    <message>
        <source>Draft (m):</source>
        <translation>Tiefgang (m):</translation>
    </message>
    <message>
        <source>Choose an arrival before the departure.</source>
        <translation>Wählen Sie eine Ankunft vor der Abreise.</translation>
    </message>
    <message>
        <source>We show what is free up to </source>
        <translation>Wir zeigen, was frei ist, bis zum </translation>
    </message>
    <message>
        <source>: send the form and we will look.</source>
        <translation>: senden Sie das Formular, und wir sehen nach.</translation>
    </message>
    <message>
        <source>Free for those nights: </source>
        <translation>Frei für diese Nächte: </translation>
    </message>
    <message>
        <source>. Send the form to ask for it.</source>
        <translation>. Senden Sie das Formular, um danach zu fragen.</translation>
    </message>
    <message>
        <source>Nothing free fits those nights and that boat: send the form and we will look.</source>
        <translation>Für diese Nächte und dieses Boot ist nichts Passendes frei: senden Sie das Formular, und wir sehen nach.</translation>
    </message>
</context>
<context>
    <name>WebBookSettings</name>
    <message>
        <source>Response-o-Matic (default)</source>
        <translation>Response-o-Matic (Standard)</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Benutzerdefiniert...</translation>
    </message>
</context>
<context>
    <name>WebBookStore</name>
    <message>
        <source>The web booking settings have been created.</source>
        <translation>Die Webbuchungs-Einstellungen wurden angelegt.</translation>
    </message>
    <message>
        <source>The web booking settings have been removed.</source>
        <translation>Die Webbuchungs-Einstellungen wurden entfernt.</translation>
    </message>
    <message>
        <source>Booking email address: now %1, was %2</source>
        <translation>Buchungs-E-Mail-Adresse: jetzt %1, vorher %2</translation>
    </message>
    <message>
        <source>Email provider: now %1, was %2</source>
        <translation>E-Mail-Anbieter: jetzt %1, vorher %2</translation>
    </message>
    <message>
        <source>Custom provider: now %1, was %2</source>
        <translation>Eigener Anbieter: jetzt %1, vorher %2</translation>
    </message>
</context>
<context>
    <name>WebBookWizard</name>
    <message>
        <source>Web Booking Configuration Wizard</source>
        <translation>Assistent für Webbuchungen</translation>
    </message>
    <message>
        <source>Enter your email booking address</source>
        <translation>Geben Sie Ihre Buchungs-E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Choose your email provider</source>
        <translation>Wählen Sie Ihren E-Mail-Anbieter</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Geben Sie Ihre Platzangaben ein</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your website to accept online bookings.</source>
        <translation>Mit diesem Assistenten können Sie Ihre Website für Online-Buchungen einrichten.</translation>
    </message>
    <message>
        <source>Enter the email address that should receive the bookings made from the website.</source>
        <translation>Geben Sie die E-Mail-Adresse ein, an die die über die Website gemachten Buchungen gehen sollen.</translation>
    </message>
    <message>
        <source>Booking email address:</source>
        <translation>Buchungs-E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Select the email provider to use to send your email confirmations. If you are not sure, then leave the default setting.</source>
        <translation>Wählen Sie den E-Mail-Anbieter, über den Ihre Bestätigungen versendet werden. Wenn Sie unsicher sind, behalten Sie die Standardeinstellung.</translation>
    </message>
    <message>
        <source>Email provider:</source>
        <translation>E-Mail-Anbieter:</translation>
    </message>
    <message>
        <source>Custom provider:</source>
        <translation>Eigener Anbieter:</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Klicken Sie auf Fertigstellen, um die Einrichtung abzuschließen</translation>
    </message>
    <message>
        <source>The web booking settings could not be read.

%1</source>
        <translation>Die Webbuchungs-Einstellungen konnten nicht gelesen werden.

%1</translation>
    </message>
    <message>
        <source>The web booking settings were changed elsewhere while this wizard was open:

%1

Nothing was saved. Click Finish again to store your entries instead, or Cancel to keep the stored ones.</source>
        <translation>Die Webbuchungs-Einstellungen wurden anderswo geändert, während dieser Assistent geöffnet war:

%1

Es wurde nichts gespeichert. Klicken Sie erneut auf Fertigstellen, um stattdessen Ihre Eingaben zu speichern, oder auf Abbrechen, um die gespeicherten zu behalten.</translation>
    </message>
    <message>
        <source>The web booking settings could not be saved; nothing was changed.

%1</source>
        <translation>Die Webbuchungs-Einstellungen konnten nicht gespeichert werden; es wurde nichts geändert.

%1</translation>
    </message>
    <message>
        <source>Would you like to create a booking web page now?</source>
        <translation>Möchten Sie jetzt eine Webbuchungsseite erstellen?</translation>
    </message>
</context>
<context>
    <name>ttsgz</name>
    <message>
        <source>No error</source>
        <translation>Kein Fehler</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>User abort</source>
        <translation>Abbruch durch Benutzer</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>Write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
</TS>
