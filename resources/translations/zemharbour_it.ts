<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version: 1.0.1</source>
        <translation>Versione: 1.0.1</translation>
    </message>
    <message>
        <source>Bookings, berths, customers and calendars for marinas, harbours and caravan and camping parks.</source>
        <translation>Prenotazioni, posti barca, clienti e calendari per marine, porti, campeggi e aree di sosta per caravan.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info ...</source>
        <translation>Informazioni di &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
</context>
<context>
    <name>ActorSession</name>
    <message>
        <source>The SQLite driver gives no handle to name who acts.</source>
        <translation>Il driver SQLite non fornisce alcun accesso per indicare chi agisce.</translation>
    </message>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>La connessione SQLite non è aperta.</translation>
    </message>
</context>
<context>
    <name>AdvancedCalendarWindow</name>
    <message>
        <source>Advanced Calendar</source>
        <translation>Calendario avanzato</translation>
    </message>
    <message>
        <source>One slot earlier</source>
        <translation>Una fascia prima</translation>
    </message>
    <message>
        <source>One slot later</source>
        <translation>Una fascia dopo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Half Hourly</source>
        <translation>Ogni mezz&apos;ora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliera</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Prenotato</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponibile</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <source>Double click on booking to view details and financial information</source>
        <translation>Fare doppio clic su una prenotazione per vederne i dettagli e i dati finanziari</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>Impossibile leggere le prenotazioni.
%1</translation>
    </message>
</context>
<context>
    <name>AwayDialog</name>
    <message>
        <source>Away: %1</source>
        <translation>Assenza: %1</translation>
    </message>
    <message>
        <source>Away from</source>
        <translation>Assente dal</translation>
    </message>
    <message>
        <source>Back on</source>
        <translation>Rientro il</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Notti</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Away &amp;from:</source>
        <translation>Assente &amp;dal:</translation>
    </message>
    <message>
        <source>&amp;Back on:</source>
        <translation>&amp;Rientro il:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Awa&amp;y...</source>
        <translation>&amp;Assenze...</translation>
    </message>
    <message>
        <source>Choose the absence to change.</source>
        <translation>Scegliere l&apos;assenza da modificare.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3</source>
        <translation>Contratto %1: assente dal %2, rientro il %3</translation>
    </message>
    <message>
        <source>Choose the absence to remove.</source>
        <translation>Scegliere l&apos;assenza da eliminare.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3, removed</source>
        <translation>Contratto %1: assente dal %2, rientro il %3, eliminata</translation>
    </message>
</context>
<context>
    <name>AwayPeriods</name>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Un&apos;altra postazione ha eliminato nel frattempo questo contratto.</translation>
    </message>
    <message>
        <source>Enter the first day away and the day back.</source>
        <translation>Inserire il primo giorno di assenza e il giorno del rientro.</translation>
    </message>
    <message>
        <source>The day back must come after the first day away.</source>
        <translation>Il giorno del rientro deve seguire il primo giorno di assenza.</translation>
    </message>
    <message>
        <source>The absence must lie within the contract&apos;s term, %1 to %2.</source>
        <translation>L&apos;assenza deve rientrare nella durata del contratto, dal %1 al %2.</translation>
    </message>
    <message>
        <source>The note is longer than %1 characters.</source>
        <translation>La nota supera i %1 caratteri.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its berths are no longer held.</source>
        <translation>Il contratto è stato annullato: i suoi posti barca non sono più riservati.</translation>
    </message>
    <message>
        <source>The holder is already away from %1 to %2: change that absence instead.</source>
        <translation>Il titolare è già assente dal %1 al %2: modificare piuttosto quell&apos;assenza.</translation>
    </message>
    <message>
        <source>Another desk removed this absence meanwhile.</source>
        <translation>Un&apos;altra postazione ha eliminato nel frattempo questa assenza.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: move it before shortening the absence.</source>
        <translation>La prenotazione %1 (%2, dal %3 al %4) occupa il posto barca durante l&apos;assenza del titolare: spostarla prima di accorciare l&apos;assenza.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was not changed.</source>
        <translation>Nel frattempo un ospite è stato prenotato sul posto barca: l&apos;assenza non è stata modificata.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: the absence cannot be removed.</source>
        <translation>La prenotazione %1 (%2, dal %3 al %4) occupa il posto barca durante l&apos;assenza del titolare: l&apos;assenza non può essere eliminata.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was kept.</source>
        <translation>Nel frattempo un ospite è stato prenotato sul posto barca: l&apos;assenza è stata mantenuta.</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Can&apos;t add </source>
        <translation>Impossibile aggiungere </translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>non è un archivio di backup di Zem Harbour.</translation>
    </message>
    <message>
        <source>it is damaged at byte %1.</source>
        <translation>è danneggiato al byte %1.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it: it needs %1, and %2 is free.</source>
        <translation>lo spazio libero su disco non basta per estrarlo: servono %1 e ne sono liberi %2.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it (%1 free).</source>
        <translation>lo spazio libero su disco non basta per estrarlo (%1 liberi).</translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation>non può essere letto.</translation>
    </message>
    <message>
        <source>there is not enough memory to unpack it.</source>
        <translation>la memoria non basta per estrarlo.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Other desks are connected to the database. Close Zem Harbour at the other desks, then restore again.</source>
        <translation>Altre postazioni sono collegate al database. Chiudere Zem Harbour sulle altre postazioni, quindi ripetere il ripristino.</translation>
    </message>
    <message>
        <source>Can&apos;t continue if file exist!</source>
        <translation>Impossibile continuare se il file esiste!</translation>
    </message>
    <message>
        <source>Can&apos;t create SPA file<byte value="xd"/>
Error:%1</source>
        <translation>Impossibile creare il file SPA<byte value="xd"/>
Errore: %1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 è danneggiato/a: %2</translation>
    </message>
    <message>
        <source>%1 has %2 free pages as soon as it is written.</source>
        <translation>%1 ha %2 pagine libere appena scritto.</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 non è un database di Zem Harbour.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it has %2, which this program does not make.</source>
        <translation>%1 non è esattamente quello di Zem Harbour: contiene %2, che questo programma non crea.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it lacks %2, which this program makes.</source>
        <translation>%1 non è esattamente quello di Zem Harbour: gli manca %2, che questo programma crea.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>Impossibile eliminare %1.</translation>
    </message>
    <message>
        <source>the database in it</source>
        <translation>il database contenuto</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
</context>
<context>
    <name>BackupWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Database backup...</source>
        <translation>Backup del database...</translation>
    </message>
    <message>
        <source>Do you really want to cancel current operation</source>
        <translation>Annullare davvero l&apos;operazione in corso</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>BerthBlocks</name>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Un&apos;altra postazione ha modificato nel frattempo questo blocco.</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Un&apos;altra postazione ha tolto nel frattempo questo blocco.</translation>
    </message>
    <message>
        <source>A contract holds this berth over the period: change or cancel the contract in Contracts.</source>
        <translation>Un contratto occupa questo posto barca nel periodo: modificare o annullare il contratto in Contratti.</translation>
    </message>
    <message>
        <source>Please choose the berth to block.</source>
        <translation>Scegliere il posto barca da bloccare.</translation>
    </message>
    <message>
        <source>The block must end after it starts.</source>
        <translation>Il blocco deve finire dopo l&apos;inizio.</translation>
    </message>
    <message>
        <source>A block must lie between %1 and %2.</source>
        <translation>Un blocco deve essere compreso tra il %1 e il %2.</translation>
    </message>
    <message>
        <source>Please give the reason for the block.</source>
        <translation>Indicare il motivo del blocco.</translation>
    </message>
    <message>
        <source>The reason may be at most %1 characters long.</source>
        <translation>Il motivo può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The berth is no longer in the register.</source>
        <translation>Il posto barca non è più nel registro.</translation>
    </message>
    <message>
        <source>%1 is already blocked from %2 to %3: %4</source>
        <translation>%1 è già bloccato dal %2 al %3: %4</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) holds %5 over the period: the block was not saved.</source>
        <translation>La prenotazione %1 (%2, dal %3 al %4) occupa %5 nel periodo: il blocco non è stato salvato.</translation>
    </message>
    <message>
        <source>%1 was booked over the period meanwhile: the block was not saved.</source>
        <translation>Nel frattempo %1 è stato prenotato nel periodo: il blocco non è stato salvato.</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Posto barca:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Dal:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Al:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motivo:</translation>
    </message>
    <message>
        <source>%1 blocked from %2 to %3: %4</source>
        <translation>%1 bloccato dal %2 al %3: %4</translation>
    </message>
</context>
<context>
    <name>BerthChangeSet</name>
    <message>
        <source> (booked)</source>
        <translation> (prenotato)</translation>
    </message>
    <message>
        <source> - Active </source>
        <translation> - Attivo </translation>
    </message>
    <message>
        <source> - Inactive</source>
        <translation> - Inattivo</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been deleted at another desk meanwhile. Nothing was saved, and the changes to it are dropped: press OK to save the other changes.</source>
        <translation>Il posto barca «%1» è stato eliminato nel frattempo da un&apos;altra postazione. Non è stato salvato nulla e le sue modifiche sono scartate: premere OK per salvare le altre modifiche.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (1 new booking). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>Il posto barca &quot;%1&quot; è stato prenotato da un&apos;altra postazione dopo che lo avete tolto (1 nuova prenotazione). Non è stato salvato nulla e il posto barca è di nuovo in elenco: toglierlo di nuovo per eliminarlo con le sue prenotazioni, oppure premere OK per salvare le altre modifiche.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (%2 new bookings). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>Il posto barca &quot;%1&quot; è stato prenotato da un&apos;altra postazione dopo che lo avete tolto (%2 nuove prenotazioni). Non è stato salvato nulla e il posto barca è di nuovo in elenco: toglierlo di nuovo per eliminarlo con le sue prenotazioni, oppure premere OK per salvare le altre modifiche.</translation>
    </message>
</context>
<context>
    <name>BerthEntry</name>
    <message>
        <source>Takes &amp;multihulls</source>
        <translation>Accetta m&amp;ultiscafi</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Proprietario:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Elettricità:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Posto barca:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lunghezza:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Max. draft:</source>
        <translation>Pescaggio max.:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Hire charges</source>
        <translation>Tariffe di noleggio</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>Al giorno:</translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation>Alla settimana:</translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation>Al mese:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Posti barca disponibili:</translation>
    </message>
    <message>
        <source>The berths could not be read.</source>
        <translation>Impossibile leggere i posti barca.</translation>
    </message>
    <message>
        <source>The berths could not be read again.</source>
        <translation>Impossibile rileggere i posti barca.</translation>
    </message>
    <message>
        <source>The berth&apos;s bookings could not be counted.</source>
        <translation>Impossibile contare le prenotazioni del posto barca.</translation>
    </message>
</context>
<context>
    <name>BerthFit</name>
    <message>
        <source>length</source>
        <translation>lunghezza</translation>
    </message>
    <message>
        <source>beam</source>
        <translation>larghezza</translation>
    </message>
    <message>
        <source>draft</source>
        <translation>pescaggio</translation>
    </message>
    <message>
        <source>multihull</source>
        <translation>multiscafo</translation>
    </message>
</context>
<context>
    <name>BerthGridModel</name>
    <message>
        <source>%1 (holder&apos;s, back %2)</source>
        <translation>%1 (del titolare, rientro il %2)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>A holder&apos;s berth: %1 is away from %2 and back on %3; a stay here must leave by noon that day.</source>
        <translation>Posto barca di un titolare: %1 è assente dal %2 e rientra il %3; un soggiorno qui deve partire entro mezzogiorno di quel giorno.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>HasPower</source>
        <translation>Elettricità</translation>
    </message>
    <message>
        <source>DailyHireCharge</source>
        <translation>Noleggio/giorno</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Adatto</translation>
    </message>
</context>
<context>
    <name>BerthInput</name>
    <message>
        <source>No berth name has been entered. Please enter a berth name (or number) to continue.</source>
        <translation>Non è stato inserito alcun nome di posto barca. Inserire un nome (o un numero) per continuare.</translation>
    </message>
    <message>
        <source>Please select owner from the list</source>
        <translation>Selezionare il proprietario dall&apos;elenco</translation>
    </message>
    <message>
        <source>Please select berth type from the list</source>
        <translation>Selezionare il tipo di posto barca dall&apos;elenco</translation>
    </message>
</context>
<context>
    <name>BerthNotes</name>
    <message>
        <source>Berth &apos;%1&apos; was deleted at another desk meanwhile, so nothing was saved.</source>
        <translation>Il posto barca «%1» è stato eliminato nel frattempo da un&apos;altra postazione, quindi non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>BerthNotesDialog</name>
    <message>
        <source>Berth  Notes</source>
        <translation>Note dei posti barca</translation>
    </message>
    <message>
        <source>Add notes to berths.</source>
        <translation>Aggiungere note ai posti barca.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Posti barca disponibili:</translation>
    </message>
    <message>
        <source>The berths could not be read.

%1</source>
        <translation>Impossibile leggere i posti barca.

%1</translation>
    </message>
    <message>
        <source>berth&apos;s notes</source>
        <translation>note del posto barca</translation>
    </message>
    <message>
        <source>The notes could not be saved; nothing was changed.

%1</source>
        <translation>Impossibile salvare le note; non è stato modificato nulla.

%1</translation>
    </message>
</context>
<context>
    <name>BerthRegister</name>
    <message>
        <source>Configure Berths </source>
        <translation>Configura posti barca </translation>
    </message>
    <message>
        <source>Configure the berths that should be available for booking</source>
        <translation>Configurare i posti barca da rendere prenotabili</translation>
    </message>
    <message>
        <source>Ac&amp;tivate</source>
        <translation>A&amp;ttiva</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>&amp;Blocca posto barca...</translation>
    </message>
    <message>
        <source>&amp;Edit Berths</source>
        <translation>&amp;Modifica posti barca</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Inac&amp;tivate</source>
        <translation>Disa&amp;ttiva</translation>
    </message>
    <message>
        <source>The changes to the berths could not be saved; nothing was changed. Press OK to try again or Cancel to drop the changes.</source>
        <translation>Impossibile salvare le modifiche ai posti barca; non è stato modificato nulla. Premere OK per riprovare o Annulla per scartare le modifiche.</translation>
    </message>
</context>
<context>
    <name>BerthRemoval</name>
    <message>
        <source>Deleting this customer will also remove any reservations that have been made with it. Are you sure you want to delete the berth?</source>
        <translation>L&apos;eliminazione rimuoverà anche tutte le prenotazioni fatte su questo posto barca. Eliminare davvero il posto barca?</translation>
    </message>
    <message>
        <source>1 berth was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Dopo la domanda un&apos;altra postazione ha creato 1 posto barca. Non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>%1 berths were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Dopo la domanda un&apos;altra postazione ha creato %1 posti barca. Non è stato eliminato nulla.</translation>
    </message>
</context>
<context>
    <name>BerthRowCheck</name>
    <message>
        <source>This berth was deleted at another desk while you were editing it. Nothing was saved.</source>
        <translation>Questo posto barca è stato eliminato da un&apos;altra postazione mentre lo modificavate. Non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>BerthSetupWizard</name>
    <message>
        <source>Post Code</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>Codice ZIP</translation>
    </message>
    <message>
        <source>Configuration Wizard</source>
        <translation>Configurazione guidata</translation>
    </message>
    <message>
        <source>Enter Your Regional Information</source>
        <translation>Inserire le impostazioni internazionali</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Inserire i posti barca</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your reservation information.</source>
        <translation>Con questa procedura guidata è possibile configurare i dati di prenotazione.</translation>
    </message>
    <message>
        <source>Enter your regional information</source>
        <translation>Inserire le impostazioni internazionali</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>CAP / codice ZIP:</translation>
    </message>
    <message>
        <source>Enter your Berth information. For each berth / slip enter it`s details and then click Add.</source>
        <translation>Inserire i posti barca. Per ogni posto barca inserire le caratteristiche e fare clic su Aggiungi.</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Fare clic su Fine per completare la configurazione</translation>
    </message>
    <message>
        <source>Please select Post Code or Zip Code</source>
        <translation>Selezionare CAP o codice ZIP</translation>
    </message>
    <message>
        <source>The berths could not be saved; nothing was changed. Press Finish to try again or Cancel to drop the changes.</source>
        <translation>Impossibile salvare i posti barca; non è stato modificato nulla. Premere Fine per riprovare o Annulla per scartare le modifiche.</translation>
    </message>
</context>
<context>
    <name>BerthTableEditor</name>
    <message>
        <source>Edit Berths</source>
        <translation>Modifica posti barca</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lunghezza:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>DailyHireCharge:</source>
        <translation>Noleggio/giorno:</translation>
    </message>
    <message>
        <source>MonthlyHireCharge:</source>
        <translation>Noleggio/mese:</translation>
    </message>
    <message>
        <source>WeeklyHireCharge:</source>
        <translation>Noleggio/settimana:</translation>
    </message>
    <message>
        <source>Maximum draft (m):</source>
        <translation>Pescaggio max. (m):</translation>
    </message>
    <message>
        <source>HasPower:</source>
        <translation>Elettricità:</translation>
    </message>
    <message>
        <source>Active:</source>
        <translation>Attivo:</translation>
    </message>
    <message>
        <source>Multihulls:</source>
        <translation>Multiscafi:</translation>
    </message>
    <message>
        <source>TypeID:</source>
        <translation>ID tipo:</translation>
    </message>
    <message>
        <source>OwnerID:</source>
        <translation>ID proprietario:</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>Scheda: </translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Errore nei dati: %1</translation>
    </message>
    <message>
        <source>berth</source>
        <translation>posto barca</translation>
    </message>
</context>
<context>
    <name>BerthTitles</name>
    <message>
        <source>Add berth</source>
        <translation>Aggiungi posto barca</translation>
    </message>
    <message>
        <source>Berth length</source>
        <translation>Lunghezza del posto barca</translation>
    </message>
    <message>
        <source>Berth width</source>
        <translation>Larghezza del posto barca</translation>
    </message>
    <message>
        <source>Daily Hire Charge</source>
        <translation>Noleggio giornaliero</translation>
    </message>
    <message>
        <source>Weekly Hire Charge</source>
        <translation>Noleggio settimanale</translation>
    </message>
    <message>
        <source>Monthly Hire Charge</source>
        <translation>Noleggio mensile</translation>
    </message>
    <message>
        <source>Maximum draft</source>
        <translation>Pescaggio max.</translation>
    </message>
</context>
<context>
    <name>BlockBerthDialog</name>
    <message>
        <source>Block Berth</source>
        <translation>Blocca posto barca</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Posto barca:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To (the last day blocked):</source>
        <translation>&amp;Al (ultimo giorno bloccato):</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Motivo:</translation>
    </message>
    <message>
        <source>Re&amp;move Block</source>
        <translation>&amp;Togli blocco</translation>
    </message>
    <message>
        <source>The berths cannot be read.
%1</source>
        <translation>Impossibile leggere i posti barca.
%1</translation>
    </message>
    <message>
        <source>Booking %1: %2, %3 to %4</source>
        <translation>Prenotazione %1: %2, dal %3 al %4</translation>
    </message>
    <message>
        <source>These bookings hold %1 over the period:
%2

Block the berth all the same? The bookings keep it and are marked on the booking chart to be moved.</source>
        <translation>Queste prenotazioni occupano %1 nel periodo:
%2

Bloccare comunque il posto barca? Le prenotazioni lo mantengono e sono segnalate da spostare nel planning.</translation>
    </message>
    <message>
        <source>block</source>
        <translation>blocco</translation>
    </message>
    <message>
        <source>The block was not saved.
%1</source>
        <translation>Il blocco non è stato salvato.
%1</translation>
    </message>
    <message>
        <source>Remove the block of %1?</source>
        <translation>Togliere il blocco di %1?</translation>
    </message>
    <message>
        <source>The block was not removed.
%1</source>
        <translation>Il blocco non è stato tolto.
%1</translation>
    </message>
</context>
<context>
    <name>BoatDialog</name>
    <message>
        <source>Edit Boat or Vehicle</source>
        <translation>Modifica barca o veicolo</translation>
    </message>
    <message>
        <source>Add Boat or Vehicle</source>
        <translation>Aggiungi barca o veicolo</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Length overall (ft):</source>
        <translation>&amp;Lunghezza fuori tutto (ft):</translation>
    </message>
    <message>
        <source>&amp;Length overall (m):</source>
        <translation>&amp;Lunghezza fuori tutto (m):</translation>
    </message>
    <message>
        <source>&amp;Beam (ft):</source>
        <translation>La&amp;rghezza (ft):</translation>
    </message>
    <message>
        <source>&amp;Beam (m):</source>
        <translation>La&amp;rghezza (m):</translation>
    </message>
    <message>
        <source>&amp;Draft (ft):</source>
        <translation>&amp;Pescaggio (ft):</translation>
    </message>
    <message>
        <source>&amp;Draft (m):</source>
        <translation>&amp;Pescaggio (m):</translation>
    </message>
    <message>
        <source>&amp;Height (ft):</source>
        <translation>Alte&amp;zza (ft):</translation>
    </message>
    <message>
        <source>&amp;Height (m):</source>
        <translation>Alte&amp;zza (m):</translation>
    </message>
    <message>
        <source>&amp;Registration or sail number:</source>
        <translation>&amp;Immatricolazione o numero velico:</translation>
    </message>
    <message>
        <source>&amp;Insurance company:</source>
        <translation>&amp;Compagnia assicurativa:</translation>
    </message>
    <message>
        <source>&amp;Policy number:</source>
        <translation>N&amp;umero di polizza:</translation>
    </message>
    <message>
        <source>Insurance &amp;expires:</source>
        <translation>&amp;Scadenza assicurazione:</translation>
    </message>
    <message>
        <source>No&amp;tes:</source>
        <translation>Not&amp;e:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Type a size in feet, more than 0 and at most 656.</source>
        <translation>Digitare una misura in piedi, maggiore di 0 e al massimo 656.</translation>
    </message>
    <message>
        <source>Type a size in metres, more than 0 and at most 200.</source>
        <translation>Digitare una misura in metri, maggiore di 0 e al massimo 200.</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>barca</translation>
    </message>
</context>
<context>
    <name>BoatFitting</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>No: %1</translation>
    </message>
    <message>
        <source>%1 does not fit %2. Book it there all the same?</source>
        <translation>%1 non è adatta a %2. Prenotarla lì comunque?</translation>
    </message>
    <message>
        <source>The insurance of %1 runs out on %2, before the departure.</source>
        <translation>L&apos;assicurazione di %1 scade il %2, prima della partenza.</translation>
    </message>
</context>
<context>
    <name>Boats</name>
    <message>
        <source>The boat &quot;%1&quot; was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>La barca «%1» è stata eliminata nel frattempo da un&apos;altra postazione, quindi non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; was changed at another desk meanwhile, so nothing was saved. Open it again to see the change.</source>
        <translation>La barca «%1» è stata modificata nel frattempo da un&apos;altra postazione, quindi non è stato salvato nulla. Riaprirla per vedere la modifica.</translation>
    </message>
    <message>
        <source>Sail monohull</source>
        <translation>Monoscafo a vela</translation>
    </message>
    <message>
        <source>Sail multihull</source>
        <translation>Multiscafo a vela</translation>
    </message>
    <message>
        <source>Motor boat</source>
        <translation>Barca a motore</translation>
    </message>
    <message>
        <source>Other boat</source>
        <translation>Altra barca</translation>
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
        <translation>Tenda</translation>
    </message>
    <message>
        <source>Other vehicle</source>
        <translation>Altro veicolo</translation>
    </message>
    <message>
        <source>A boat or vehicle needs a name.</source>
        <translation>Una barca o un veicolo deve avere un nome.</translation>
    </message>
    <message>
        <source>A name may have 100 characters at the most.</source>
        <translation>Un nome può avere al massimo 100 caratteri.</translation>
    </message>
    <message>
        <source>A size must be more than 0 and at most 200 m.</source>
        <translation>Una misura deve essere maggiore di 0 e al massimo 200 m.</translation>
    </message>
    <message>
        <source>The boat no longer exists.</source>
        <translation>La barca non esiste più.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Length overall:</source>
        <translation>Lunghezza fuori tutto:</translation>
    </message>
    <message>
        <source>Beam:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Draft:</source>
        <translation>Pescaggio:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Registration or sail number:</source>
        <translation>Immatricolazione o numero velico:</translation>
    </message>
    <message>
        <source>Insurance company:</source>
        <translation>Compagnia assicurativa:</translation>
    </message>
    <message>
        <source>Policy number:</source>
        <translation>Numero di polizza:</translation>
    </message>
    <message>
        <source>Insurance expires:</source>
        <translation>Scadenza assicurazione:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
</context>
<context>
    <name>BookingBerthsPage</name>
    <message>
        <source>Berth / slips  available:</source>
        <translation>Posti barca disponibili:</translation>
    </message>
    <message>
        <source>Select the Berth to use. (Items selected will appear in blue)</source>
        <translation>Selezionare il posto barca da usare. (Gli elementi selezionati appaiono in blu)</translation>
    </message>
    <message>
        <source>New Boa&amp;t...</source>
        <translation>Nuova &amp;barca...</translation>
    </message>
    <message>
        <source>&amp;Only berths that fit</source>
        <translation>&amp;Solo posti barca adatti</translation>
    </message>
    <message>
        <source>Bo&amp;at:</source>
        <translation>Ba&amp;rca:</translation>
    </message>
    <message>
        <source>Select the unit for this booking. (Items highlighted in blue have been booked)</source>
        <translation>Selezionare la piazzola o il posto per questa prenotazione. (Gli elementi in blu sono già prenotati)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(nessuna barca)</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (nuova)</translation>
    </message>
    <message>
        <source>Please select one or more units</source>
        <translation>Selezionare uno o più posti</translation>
    </message>
</context>
<context>
    <name>BookingChargesPage</name>
    <message>
        <source>No Adults</source>
        <translation>N. adulti</translation>
    </message>
    <message>
        <source>No Kids</source>
        <translation>N. bambini</translation>
    </message>
    <message>
        <source>Berth Confirmation No.</source>
        <translation>N. di conferma</translation>
    </message>
    <message>
        <source>Cost of Hire</source>
        <translation>Costo del noleggio</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Altri costi</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Totale da pagare</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Importo pagato</translation>
    </message>
    <message>
        <source>Enter your customer&apos;s details.</source>
        <translation>Inserire i dati del cliente.</translation>
    </message>
    <message>
        <source>No Adults:</source>
        <translation>N. adulti:</translation>
    </message>
    <message>
        <source>No Kids:</source>
        <translation>N. bambini:</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Power requirements:</source>
        <translation>Fabbisogno elettrico:</translation>
    </message>
    <message>
        <source>Confirmation No.:</source>
        <translation>N. di conferma:</translation>
    </message>
    <message>
        <source>Guest Confirmation No.:</source>
        <translation>N. di conferma dell&apos;ospite:</translation>
    </message>
    <message>
        <source>Berth Hire:</source>
        <translation>Noleggio posto barca:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Altri costi:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>IVA:</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Totale da pagare:</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Importo pagato:</translation>
    </message>
    <message>
        <source>The rates could not be read, so the hire cannot be worked out.
%1</source>
        <translation>Impossibile leggere le tariffe, quindi il noleggio non può essere calcolato.
%1</translation>
    </message>
    <message>
        <source>The period or the berths changed, so the hire has been worked out again.</source>
        <translation>Il periodo o i posti barca sono cambiati, quindi il noleggio è stato ricalcolato.</translation>
    </message>
    <message>
        <source>The period or the berths of this booking have changed.
Agreed price: hire %1, total payable %2.
With today&apos;s rates: hire %3, total payable %4.

Keep the agreed price?</source>
        <translation>Il periodo o i posti barca di questa prenotazione sono cambiati.
Prezzo concordato: noleggio %1, totale da pagare %2.
Con le tariffe attuali: noleggio %3, totale da pagare %4.

Mantenere il prezzo concordato?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>&amp;Mantieni %1</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Ricalcola a %1</translation>
    </message>
    <message>
        <source>The agreed price is kept.</source>
        <translation>Il prezzo concordato è mantenuto.</translation>
    </message>
</context>
<context>
    <name>BookingChart</name>
    <message>
        <source>No berth type</source>
        <translation>Senza tipo di posto barca</translation>
    </message>
    <message>
        <source>Contract %1: %2 holds %3 from %4 to %5</source>
        <translation>Contratto %1: %2 occupa %3 dal %4 al %5</translation>
    </message>
    <message>
        <source>Booking %1: %2
%3 to %4
Total %5, paid %6</source>
        <translation>Prenotazione %1: %2
dal %3 al %4
Totale %5, pagato %6</translation>
    </message>
    <message>
        <source>
To be moved: the berth is blocked.</source>
        <translation>
Da spostare: il posto barca è bloccato.</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>Non è un posto barca.</translation>
    </message>
    <message>
        <source>%1 is not in use.</source>
        <translation>%1 non è in uso.</translation>
    </message>
    <message>
        <source>%1 is blocked.</source>
        <translation>%1 è bloccato.</translation>
    </message>
    <message>
        <source>%1 is blocked: %2.</source>
        <translation>%1 è bloccato: %2.</translation>
    </message>
    <message>
        <source>%1 is taken by booking %2.</source>
        <translation>%1 è occupato dalla prenotazione %2.</translation>
    </message>
    <message>
        <source>%1 is taken by %2.</source>
        <translation>%1 è occupato da %2.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>La partenza deve seguire l&apos;arrivo.</translation>
    </message>
    <message>
        <source>The booking already holds %1.</source>
        <translation>La prenotazione occupa già %1.</translation>
    </message>
    <message>
        <source>%1 away, back %2</source>
        <translation>%1 assente, rientro il %2</translation>
    </message>
    <message>
        <source>Contract %1: %2 is away from %3 and back on %4. Free to let to visitors until noon that day; the berth stays the holder&apos;s.</source>
        <translation>Contratto %1: %2 è assente dal %3 e rientra il %4. Affittabile ai visitatori fino a mezzogiorno di quel giorno; il posto barca resta del titolare.</translation>
    </message>
</context>
<context>
    <name>BookingChartPrint</name>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p di %P</translation>
    </message>
</context>
<context>
    <name>BookingChartView</name>
    <message>
        <source>Taken of %1</source>
        <translation>Occupati su %1</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>No berth above this one is free for these days.</source>
        <translation>Nessun posto barca sopra questo è libero in questi giorni.</translation>
    </message>
    <message>
        <source>No berth below this one is free for these days.</source>
        <translation>Nessun posto barca sotto questo è libero in questi giorni.</translation>
    </message>
    <message>
        <source>Drop it on a berth and days of the chart.</source>
        <translation>Rilasciarla su un posto barca e sui giorni del planning.</translation>
    </message>
</context>
<context>
    <name>BookingChartWindow</name>
    <message>
        <source>Booking Chart</source>
        <translation>Planning prenotazioni</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>T&amp;oday</source>
        <translation>O&amp;ggi</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>&amp;Blocca posto barca...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>&amp;Guest</source>
        <translation>&amp;Ospite</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Arrivo</translation>
    </message>
    <message>
        <source>&amp;Depart...</source>
        <translation>&amp;Partenza...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>A&amp;nnulla arrivo o partenza...</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>T&amp;ipo di posto barca:</translation>
    </message>
    <message>
        <source>The booking was not moved.
%1</source>
        <translation>La prenotazione non è stata spostata.
%1</translation>
    </message>
    <message>
        <source>All berth types</source>
        <translation>Tutti i tipi di posto barca</translation>
    </message>
    <message>
        <source>Choose a booking&apos;s bar first: its guest is the one checked in or out.</source>
        <translation>Scegliere prima la barra di una prenotazione: è il suo ospite ad arrivare o partire.</translation>
    </message>
    <message>
        <source>The booking could not be moved. Nothing was changed.
%1</source>
        <translation>Impossibile spostare la prenotazione. Non è stato modificato nulla.
%1</translation>
    </message>
    <message>
        <source>Agreed price: total payable %1.
With today&apos;s rates for the new days and berths: total payable %2.

Keep the agreed price?</source>
        <translation>Prezzo concordato: totale da pagare %1.
Con le tariffe attuali per i nuovi giorni e posti barca: totale da pagare %2.

Mantenere il prezzo concordato?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>Manti&amp;eni %1</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Ricalcola a %1</translation>
    </message>
    <message>
        <source>No booking can be made there.
%1</source>
        <translation>Lì non è possibile prenotare.
%1</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile.</source>
        <translation>La prenotazione è stata modificata nel frattempo da un&apos;altra postazione.</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Annulla prenotazione</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Un&apos;altra postazione ha tolto nel frattempo questo blocco.</translation>
    </message>
    <message>
        <source>The block was not moved. Nothing was changed.
%1</source>
        <translation>Il blocco non è stato spostato. Non è stato modificato nulla.
%1</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>Non è un posto barca.</translation>
    </message>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Un&apos;altra postazione ha modificato nel frattempo questo blocco.</translation>
    </message>
</context>
<context>
    <name>BookingConfirmationPage</name>
    <message>
        <source>Booking confirmation details:</source>
        <translation>Dettagli della conferma:</translation>
    </message>
    <message>
        <source>ph:</source>
        <translation>tel.:</translation>
    </message>
    <message>
        <source>Show the booking con&amp;firmation when saved</source>
        <translation>Mostra la con&amp;ferma al salvataggio</translation>
    </message>
    <message>
        <source>Send confirmation by e-ma&amp;il</source>
        <translation>Invia la conferma per e-&amp;mail</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Barca: %1</translation>
    </message>
    <message>
        <source>Confirmation number %1 was given to a booking made at another desk meanwhile. This booking has been saved with number %2.</source>
        <translation>Il numero di conferma %1 è stato assegnato nel frattempo a una prenotazione fatta da un&apos;altra postazione. Questa prenotazione è stata salvata con il numero %2.</translation>
    </message>
    <message>
        <source>The booking has been saved with confirmation number %1.</source>
        <translation>La prenotazione è stata salvata con il numero di conferma %1.</translation>
    </message>
    <message>
        <source>The booking has been saved.</source>
        <translation>La prenotazione è stata salvata.</translation>
    </message>
    <message>
        <source>Show its summary?</source>
        <translation>Mostrarne il riepilogo?</translation>
    </message>
</context>
<context>
    <name>BookingCustomerPanel</name>
    <message>
        <source>Ne&amp;w...</source>
        <translation>N&amp;uovo...</translation>
    </message>
    <message>
        <source>Select customer:</source>
        <translation>Selezionare il cliente:</translation>
    </message>
    <message>
        <source>Please select customer</source>
        <translation>Selezionare il cliente</translation>
    </message>
    <message>
        <source>%1 is not a boat of %2. Choose its owner as the customer, or no boat on the berths page.</source>
        <translation>%1 non è una barca di %2. Scegliere come cliente il suo proprietario, oppure nessuna barca nella pagina dei posti barca.</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (nuovo)</translation>
    </message>
</context>
<context>
    <name>BookingDatesPage</name>
    <message>
        <source>Set Arrival date and Arrival time, then set Departure date and Departure time</source>
        <translation>Impostare data e ora di arrivo, poi data e ora di partenza</translation>
    </message>
    <message>
        <source>Arrival Date:</source>
        <translation>Data di arrivo:</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Data di partenza:</translation>
    </message>
    <message>
        <source>Booked by (your name):</source>
        <translation>Prenotato da (il vostro nome):</translation>
    </message>
    <message>
        <source>Departure date must be after the Arrival date. Please change the Departure date and try again.</source>
        <translation>La data di partenza deve seguire la data di arrivo. Modificare la data di partenza e riprovare.</translation>
    </message>
    <message>
        <source>Booking interval is invalid</source>
        <translation>Il periodo di prenotazione non è valido</translation>
    </message>
</context>
<context>
    <name>BookingDeposit</name>
    <message>
        <source>A deposit cannot be less than %1.</source>
        <translation>Un acconto non può essere inferiore a %1.</translation>
    </message>
    <message>
        <source>The deposit cannot be more than the total payable, %1.</source>
        <translation>L&apos;acconto non può superare il totale da pagare, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due before the day the booking was made, %1.</source>
        <translation>L&apos;acconto non può scadere prima del giorno della prenotazione, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due after the balance, %1.</source>
        <translation>L&apos;acconto non può scadere dopo il saldo, %1.</translation>
    </message>
    <message>
        <source>The balance cannot fall due after the arrival, %1.</source>
        <translation>Il saldo non può scadere dopo l&apos;arrivo, %1.</translation>
    </message>
</context>
<context>
    <name>BookingDepositPanel</name>
    <message>
        <source>Deposit</source>
        <translation>Acconto</translation>
    </message>
    <message>
        <source>&amp;Deposit:</source>
        <translation>Acc&amp;onto:</translation>
    </message>
    <message>
        <source>Deposit d&amp;ue by:</source>
        <translation>Acconto &amp;entro il:</translation>
    </message>
    <message>
        <source>Balanc&amp;e due by:</source>
        <translation>&amp;Saldo entro il:</translation>
    </message>
    <message>
        <source>The deposit typed was more than the total payable, so it is now %1.</source>
        <translation>L&apos;acconto digitato superava il totale da pagare, quindi ora è %1.</translation>
    </message>
    <message>
        <source>Total payable %1 due by %2</source>
        <translation>Totale da pagare %1 entro il %2</translation>
    </message>
    <message>
        <source>Deposit %1 due by %2, balance %3 due by %4</source>
        <translation>Acconto %1 entro il %2, saldo %3 entro il %4</translation>
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
        <translation>Adulti e</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Bambini</translation>
    </message>
    <message>
        <source>Booking from</source>
        <translation>Prenotazione dal</translation>
    </message>
</context>
<context>
    <name>BookingDocuments</name>
    <message>
        <source>Telephone No:</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>P. IVA:</translation>
    </message>
    <message>
        <source>There is no booking to print.</source>
        <translation>Non c&apos;è alcuna prenotazione da stampare.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La prenotazione non esiste più.</translation>
    </message>
    <message>
        <source>Signature: %1 Date: %2</source>
        <translation>Firma: %1 Data: %2</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>FATTURA</translation>
    </message>
    <message>
        <source>Invoice Number:</source>
        <translation>Fattura n.:</translation>
    </message>
    <message>
        <source>Booking Date:</source>
        <translation>Data di prenotazione:</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Data di partenza:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Posto/i barca:</translation>
    </message>
    <message>
        <source>Booked By:</source>
        <translation>Prenotato da:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Barca:</translation>
    </message>
    <message>
        <source>Booking charges,</source>
        <translation>Costi di prenotazione,</translation>
    </message>
    <message>
        <source>Cost Of Hire:</source>
        <translation>Costo del noleggio:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Altri costi:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>IVA:</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Totale da pagare:</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Importo pagato:</translation>
    </message>
    <message>
        <source>In Credit:</source>
        <translation>A credito:</translation>
    </message>
    <message>
        <source>Balance Due:</source>
        <translation>Saldo dovuto:</translation>
    </message>
    <message>
        <source>Credit notes,</source>
        <translation>Note di credito,</translation>
    </message>
    <message>
        <source>    Credit note %1  %2</source>
        <translation>    Nota di credito %1  %2</translation>
    </message>
    <message>
        <source>Net after credit notes:</source>
        <translation>Netto dopo note di credito:</translation>
    </message>
    <message>
        <source>Berth Confirmation Number:</source>
        <translation>Numero di conferma:</translation>
    </message>
    <message>
        <source>Guest Confirmation Number:</source>
        <translation>Numero di conferma dell&apos;ospite:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Reservation Form</source>
        <translation>Modulo di prenotazione</translation>
    </message>
    <message>
        <source>Reservation Number:</source>
        <translation>Prenotazione n.:</translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation>Dal:</translation>
    </message>
    <message>
        <source>To Date:</source>
        <translation>Al:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>HouseName:</source>
        <translation>Edificio:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Via:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Località:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>CAP:</translation>
    </message>
    <message>
        <source>TelNo:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>MobileNo:</source>
        <translation>Cellulare:</translation>
    </message>
    <message>
        <source>EmailAddress:</source>
        <translation>Indirizzo e-mail:</translation>
    </message>
    <message>
        <source>Client Notes:</source>
        <translation>Note cliente:</translation>
    </message>
    <message>
        <source>ClubMember:</source>
        <translation>Socio del club:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>MembershipNo:</source>
        <translation>N. tessera:</translation>
    </message>
    <message>
        <source>Reservation Notes:</source>
        <translation>Note di prenotazione:</translation>
    </message>
    <message>
        <source>Reservation Terms and Conditions:</source>
        <translation>Condizioni generali di prenotazione:</translation>
    </message>
    <message>
        <source>BOOKING CONFIRMATION</source>
        <translation>CONFERMA DI PRENOTAZIONE</translation>
    </message>
    <message>
        <source>Booking Number:</source>
        <translation>Prenotazione n.:</translation>
    </message>
    <message>
        <source>Confirmation Number:</source>
        <translation>Numero di conferma:</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Arrivo:</translation>
    </message>
    <message>
        <source>Departure:</source>
        <translation>Partenza:</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Paid to date:</source>
        <translation>Pagato finora:</translation>
    </message>
    <message>
        <source>Deposit due:</source>
        <translation>Acconto dovuto:</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>entro il %1</translation>
    </message>
    <message>
        <source>deposit of %1 paid</source>
        <translation>acconto di %1 pagato</translation>
    </message>
    <message>
        <source>Balance due:</source>
        <translation>Saldo dovuto:</translation>
    </message>
    <message>
        <source>paid in full</source>
        <translation>pagato per intero</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Condizioni generali:</translation>
    </message>
    <message>
        <source>CREDIT NOTE</source>
        <translation>NOTA DI CREDITO</translation>
    </message>
    <message>
        <source>Credit Note Number:</source>
        <translation>Nota di credito n.:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Against Invoice Number:</source>
        <translation>Rif. fattura n.:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>Amount Credited:</source>
        <translation>Importo accreditato:</translation>
    </message>
</context>
<context>
    <name>BookingHistory</name>
    <message>
        <source>Customer number</source>
        <translation>N. cliente</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Partenza</translation>
    </message>
    <message>
        <source>Booked by</source>
        <translation>Prenotato da</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Adulti</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Bambini</translation>
    </message>
    <message>
        <source>Cost of hire</source>
        <translation>Costo del noleggio</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Altri costi</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total payable</source>
        <translation>Totale da pagare</translation>
    </message>
    <message>
        <source>Payment method number</source>
        <translation>N. metodo di pagamento</translation>
    </message>
    <message>
        <source>Card type</source>
        <translation>Tipo di carta</translation>
    </message>
    <message>
        <source>Confirmation number</source>
        <translation>Numero di conferma</translation>
    </message>
    <message>
        <source>Guest&apos;s confirmation number</source>
        <translation>Numero di conferma dell&apos;ospite</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Elettricità</translation>
    </message>
    <message>
        <source>Club member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Tax rate (hundredths of a per cent)</source>
        <translation>Aliquota (centesimi di punto percentuale)</translation>
    </message>
    <message>
        <source>Boat number</source>
        <translation>N. barca</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullata</translation>
    </message>
    <message>
        <source>Berths when cancelled</source>
        <translation>Posti barca all&apos;annullamento</translation>
    </message>
    <message>
        <source>Invoice number</source>
        <translation>Numero di fattura</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Soggiorno</translation>
    </message>
    <message>
        <source>Checked in</source>
        <translation>Arrivato</translation>
    </message>
    <message>
        <source>Checked in at</source>
        <translation>Arrivato alle</translation>
    </message>
    <message>
        <source>Checked out</source>
        <translation>Partito</translation>
    </message>
    <message>
        <source>Checked out at</source>
        <translation>Partito alle</translation>
    </message>
    <message>
        <source>Deposit agreed</source>
        <translation>Acconto concordato</translation>
    </message>
    <message>
        <source>Deposit due by</source>
        <translation>Acconto entro il</translation>
    </message>
    <message>
        <source>Balance due by</source>
        <translation>Saldo entro il</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>daily charge</source>
        <translation>tariffa giornaliera</translation>
    </message>
    <message>
        <source>%1, %2: %3 x %4 = %5</source>
        <translation>%1, %2: %3 x %4 = %5</translation>
    </message>
    <message>
        <source>Booking made</source>
        <translation>Prenotazione creata</translation>
    </message>
    <message>
        <source>Booking deleted</source>
        <translation>Prenotazione eliminata</translation>
    </message>
    <message>
        <source>Berth added</source>
        <translation>Posto barca aggiunto</translation>
    </message>
    <message>
        <source>Berth removed</source>
        <translation>Posto barca tolto</translation>
    </message>
    <message>
        <source>Berth changed</source>
        <translation>Posto barca cambiato</translation>
    </message>
    <message>
        <source>Charge line added</source>
        <translation>Riga di costo aggiunta</translation>
    </message>
    <message>
        <source>Charge line removed</source>
        <translation>Riga di costo tolta</translation>
    </message>
    <message>
        <source>Ledger line</source>
        <translation>Riga contabile</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Chi</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p di %P</translation>
    </message>
    <message>
        <source>No changes are recorded for this booking.</source>
        <translation>Per questa prenotazione non è registrata alcuna modifica.</translation>
    </message>
</context>
<context>
    <name>BookingHistoryDialog</name>
    <message>
        <source>Booking history</source>
        <translation>Cronologia della prenotazione</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Chi</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Salva come P&amp;DF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Booking %1 history.pdf</source>
        <translation>Cronologia prenotazione %1.pdf</translation>
    </message>
    <message>
        <source>The booking&apos;s history could not be read: %1</source>
        <translation>Impossibile leggere la cronologia della prenotazione: %1</translation>
    </message>
</context>
<context>
    <name>BookingImport</name>
    <message>
        <source>booking %1</source>
        <translation>prenotazione %1</translation>
    </message>
</context>
<context>
    <name>BookingMail</name>
    <message>
        <source>The booking has been cancelled: no message is sent about it.</source>
        <translation>La prenotazione è stata annullata: non viene inviato alcun messaggio.</translation>
    </message>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 non ha un indirizzo e-mail utilizzabile: %2</translation>
    </message>
    <message>
        <source>Reminder days must be from 0 to %1.</source>
        <translation>I giorni di sollecito devono essere da 0 a %1.</translation>
    </message>
    <message>
        <source>Booking %1 no longer exists.</source>
        <translation>La prenotazione %1 non esiste più.</translation>
    </message>
</context>
<context>
    <name>BookingMailMenu</name>
    <message>
        <source>Send confirmation</source>
        <translation>Invia conferma</translation>
    </message>
    <message>
        <source>The confirmation was not queued: %1</source>
        <translation>La conferma non è stata messa in coda: %1</translation>
    </message>
    <message>
        <source>Confirmation of booking %1</source>
        <translation>Conferma della prenotazione %1</translation>
    </message>
    <message>
        <source>E-mail invoice</source>
        <translation>Invia fattura per e-mail</translation>
    </message>
    <message>
        <source>The invoice was not queued: %1</source>
        <translation>La fattura non è stata messa in coda: %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Fattura %1 per la prenotazione %2</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2 by e-mail</source>
        <translation>Fattura %1 per la prenotazione %2 via e-mail</translation>
    </message>
    <message>
        <source>Invoice %1 is in the outbox and goes out in the background.</source>
        <translation>La fattura %1 è nella posta in uscita e parte in background.</translation>
    </message>
    <message>
        <source>E-mail Invoice</source>
        <translation>Invia fattura per e-mail</translation>
    </message>
</context>
<context>
    <name>BookingMessagesPanel</name>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Oggetto</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Tentativi</translation>
    </message>
    <message>
        <source>Server&apos;s answer</source>
        <translation>Risposta del server</translation>
    </message>
    <message>
        <source>Re&amp;send now</source>
        <translation>Reinvia &amp;subito</translation>
    </message>
    <message>
        <source>Edit messa&amp;ge...</source>
        <translation>Modifica m&amp;essaggio...</translation>
    </message>
    <message>
        <source>E-mail sent about this booking:</source>
        <translation>E-mail inviate per questa prenotazione:</translation>
    </message>
    <message>
        <source>The messages could not be read: %1</source>
        <translation>Impossibile leggere i messaggi: %1</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Inviato il %1</translation>
    </message>
    <message>
        <source>Edit Message</source>
        <translation>Modifica messaggio</translation>
    </message>
    <message>
        <source>&amp;Queue again</source>
        <translation>Rimetti in &amp;coda</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Destinatario:</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Oggetto:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Messaggio:</translation>
    </message>
</context>
<context>
    <name>BookingMove</name>
    <message>
        <source>The booking stays where it was.</source>
        <translation>La prenotazione resta dov&apos;era.</translation>
    </message>
    <message>
        <source>The booking was cancelled at another desk meanwhile. Nothing was moved.</source>
        <translation>La prenotazione è stata annullata nel frattempo da un&apos;altra postazione. Non è stato spostato nulla.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile. Nothing was moved; the chart shows it as it is now.</source>
        <translation>La prenotazione è stata modificata nel frattempo da un&apos;altra postazione. Non è stato spostato nulla; il planning la mostra com&apos;è ora.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>La partenza deve seguire l&apos;arrivo.</translation>
    </message>
    <message>
        <source>Bookings can only be made from %1 to %2.</source>
        <translation>Si può prenotare solo dal %1 al %2.</translation>
    </message>
    <message>
        <source>The booking already holds that berth.</source>
        <translation>La prenotazione occupa già quel posto barca.</translation>
    </message>
    <message>
        <source>That berth is not in use: a booking cannot be moved onto it.</source>
        <translation>Quel posto barca non è in uso: non vi si può spostare una prenotazione.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk since it was moved. Nothing was undone.</source>
        <translation>La prenotazione è stata modificata da un&apos;altra postazione dopo lo spostamento. Non è stato annullato nulla.</translation>
    </message>
</context>
<context>
    <name>BookingPaymentPanel</name>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>Registra &amp;pagamento...</translation>
    </message>
    <message>
        <source>Payment Method:</source>
        <translation>Metodo di pagamento:</translation>
    </message>
    <message>
        <source>Credit Card No.:</source>
        <translation>N. carta di credito:</translation>
    </message>
    <message>
        <source>Credit Card Expiry:</source>
        <translation>Scadenza carta di credito:</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Tipo di carta di credito:</translation>
    </message>
</context>
<context>
    <name>BookingPricing</name>
    <message>
        <source>daily charge</source>
        <translation>tariffa giornaliera</translation>
    </message>
    <message>
        <source>%1, %2: %3 at %4</source>
        <translation>%1, %2: %3 a %4</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>No rate prices %1: counted at %2.</source>
        <translation>Nessuna tariffa prezza %1: conteggiato a %2.</translation>
    </message>
</context>
<context>
    <name>BookingReports</name>
    <message>
        <source>From: %1 to: %2</source>
        <translation>Dal: %1 al: %2</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Dal: %1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>Al: %1</translation>
    </message>
</context>
<context>
    <name>BookingRules</name>
    <message>
        <source>Berth(s): %1</source>
        <translation>Posto/i barca: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
</context>
<context>
    <name>BookingStore</name>
    <message>
        <source>Bookings can be made from %1 to %2.</source>
        <translation>Si può prenotare dal %1 al %2.</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Un importo supera %1.</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to the total payable, %2.</source>
        <translation>Un acconto va da %1 al totale da pagare, %2.</translation>
    </message>
    <message>
        <source>The tax rate runs from 0 to 100 %.</source>
        <translation>L&apos;aliquota va da 0 a 100 %.</translation>
    </message>
    <message>
        <source>The numbers of adults and children run from 0 to %1.</source>
        <translation>Il numero di adulti e di bambini va da 0 a %1.</translation>
    </message>
    <message>
        <source>arrival</source>
        <translation>arrivo</translation>
    </message>
    <message>
        <source>departure</source>
        <translation>partenza</translation>
    </message>
    <message>
        <source>booked by</source>
        <translation>prenotato da</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>note</translation>
    </message>
    <message>
        <source>adults</source>
        <translation>adulti</translation>
    </message>
    <message>
        <source>children</source>
        <translation>bambini</translation>
    </message>
    <message>
        <source>other charges</source>
        <translation>altri costi</translation>
    </message>
    <message>
        <source>tax</source>
        <translation>imposta</translation>
    </message>
    <message>
        <source>total payable</source>
        <translation>totale da pagare</translation>
    </message>
    <message>
        <source>payment method</source>
        <translation>metodo di pagamento</translation>
    </message>
    <message>
        <source>card number</source>
        <translation>numero di carta</translation>
    </message>
    <message>
        <source>card expiry</source>
        <translation>scadenza della carta</translation>
    </message>
    <message>
        <source>card type</source>
        <translation>tipo di carta</translation>
    </message>
    <message>
        <source>security code</source>
        <translation>codice di sicurezza</translation>
    </message>
    <message>
        <source>cost of hire</source>
        <translation>costo del noleggio</translation>
    </message>
    <message>
        <source>confirmation number</source>
        <translation>numero di conferma</translation>
    </message>
    <message>
        <source>guest confirmation number</source>
        <translation>numero di conferma dell&apos;ospite</translation>
    </message>
    <message>
        <source>power requirements</source>
        <translation>fabbisogno elettrico</translation>
    </message>
    <message>
        <source>club member</source>
        <translation>socio del club</translation>
    </message>
    <message>
        <source>tax rate</source>
        <translation>aliquota</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>barca</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>acconto</translation>
    </message>
    <message>
        <source>deposit due by</source>
        <translation>acconto entro il</translation>
    </message>
    <message>
        <source>balance due by</source>
        <translation>saldo entro il</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullata</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>posti barca</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La prenotazione non esiste più.</translation>
    </message>
    <message>
        <source>%1 has been blocked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 è stato bloccato per questo periodo dopo la visualizzazione dell&apos;elenco. Non è stato salvato nulla: scegliere di nuovo i posti.</translation>
    </message>
    <message>
        <source>%1 has been booked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 è stato prenotato per questo periodo dopo la visualizzazione dell&apos;elenco. Non è stato salvato nulla: scegliere di nuovo i posti.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it (changed: %1). Nothing was saved: cancel and open it again to see the changes.</source>
        <translation>Questa prenotazione è stata modificata o annullata da un&apos;altra postazione dopo che l&apos;avete aperta (modificato: %1). Non è stato salvato nulla: annullare e riaprirla per vedere le modifiche.</translation>
    </message>
    <message>
        <source>The boat has been removed or given to another customer since the list was shown. Nothing was saved: please choose the boat again.</source>
        <translation>La barca è stata eliminata o assegnata a un altro cliente dopo la visualizzazione dell&apos;elenco. Non è stato salvato nulla: scegliere di nuovo la barca.</translation>
    </message>
    <message>
        <source>The customer has been deleted since the list was shown. Nothing was saved.</source>
        <translation>Il cliente è stato eliminato dopo la visualizzazione dell&apos;elenco. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>A cancelled booking cannot be changed.</source>
        <translation>Una prenotazione annullata non può essere modificata.</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminata</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was deleted: close it and open it again to see the changes.</source>
        <translation>Questa prenotazione è stata modificata o annullata da un&apos;altra postazione dopo che l&apos;avete aperta. Non è stato eliminato nulla: chiuderla e riaprirla per vedere le modifiche.</translation>
    </message>
    <message>
        <source>Money has been taken on this booking: it is cancelled from its summary, which keeps its payments.</source>
        <translation>Su questa prenotazione sono già stati incassati soldi: si annulla dal suo riepilogo, che ne conserva i pagamenti.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was cancelled: close it and open it again to see the changes.</source>
        <translation>Questa prenotazione è stata modificata o annullata da un&apos;altra postazione dopo che l&apos;avete aperta. Non è stato annullato nulla: chiuderla e riaprirla per vedere le modifiche.</translation>
    </message>
    <message>
        <source>The booking has already been cancelled.</source>
        <translation>La prenotazione è già stata annullata.</translation>
    </message>
    <message>
        <source>Booking cancelled</source>
        <translation>Prenotazione annullata</translation>
    </message>
</context>
<context>
    <name>BookingSummaryData</name>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La prenotazione non esiste più.</translation>
    </message>
</context>
<context>
    <name>BookingSummaryWindow</name>
    <message>
        <source>Reservation summary</source>
        <translation>Riepilogo della prenotazione</translation>
    </message>
    <message>
        <source>Ph:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>Berth  Charges</source>
        <translation>Costi del posto barca</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Altri costi</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Totale da pagare</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Importo pagato</translation>
    </message>
    <message>
        <source>Reservation notes:</source>
        <translation>Note di prenotazione:</translation>
    </message>
    <message>
        <source>Customer Notes</source>
        <translation>Note cliente</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>Registra &amp;pagamento...</translation>
    </message>
    <message>
        <source>Re&amp;fund...</source>
        <translation>&amp;Rimborsa...</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Arrivo</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>Par&amp;tenza...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>A&amp;nnulla arrivo o partenza...</translation>
    </message>
    <message>
        <source>To amend financial details press the Edit Booking Button</source>
        <translation>Per modificare i dati finanziari premere il pulsante Modifica</translation>
    </message>
    <message>
        <source>&amp;Edit booking</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Cancel booking</source>
        <translation>Annu&amp;lla prenotazione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Print Receipt</source>
        <translation>Stampa r&amp;icevuta</translation>
    </message>
    <message>
        <source>&amp;Booking Form</source>
        <translation>Modulo di prenota&amp;zione</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Ricevuta</translation>
    </message>
    <message>
        <source>Booking Form</source>
        <translation>Modulo di prenotazione</translation>
    </message>
    <message>
        <source>Confir&amp;mation</source>
        <translation>&amp;Conferma</translation>
    </message>
    <message>
        <source>Credit N&amp;otes</source>
        <translation>N&amp;ote di credito</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Cronolo&amp;gia...</translation>
    </message>
    <message>
        <source>Booking %1: history</source>
        <translation>Prenotazione %1: cronologia</translation>
    </message>
    <message>
        <source>The booking could not be shown: %1</source>
        <translation>Impossibile mostrare la prenotazione: %1</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Barca: %1</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Annullata. %1</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be read: %1</source>
        <translation>Impossibile leggere il soggiorno dell&apos;ospite: %1</translation>
    </message>
    <message>
        <source>Arrived %1 at %2</source>
        <translation>Arrivato il %1 alle %2</translation>
    </message>
    <message>
        <source>Departed %1 at %2</source>
        <translation>Partito il %1 alle %2</translation>
    </message>
    <message>
        <source>Guest: %1</source>
        <translation>Ospite: %1</translation>
    </message>
    <message>
        <source>The payments could not be read: %1</source>
        <translation>Impossibile leggere i pagamenti: %1</translation>
    </message>
    <message>
        <source>Cancelled: paid %1</source>
        <translation>Annullata: pagato %1</translation>
    </message>
    <message>
        <source>Paid %1 of %2: in credit %3</source>
        <translation>Pagato %1 su %2: a credito %3</translation>
    </message>
    <message>
        <source>Paid %1 of %2: balance due %3</source>
        <translation>Pagato %1 su %2: saldo dovuto %3</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>Il cliente ha un credito di %1.</translation>
    </message>
    <message>
        <source>Credit note %1: %2</source>
        <translation>Nota di credito %1: %2</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Annulla prenotazione</translation>
    </message>
    <message>
        <source>The invoice could not be numbered: %1</source>
        <translation>Impossibile numerare la fattura: %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Fattura %1 per la prenotazione %2</translation>
    </message>
    <message>
        <source>The booking shown could not be printed: %1</source>
        <translation>Impossibile stampare la prenotazione mostrata: %1</translation>
    </message>
    <message>
        <source>The document could not be read: %1</source>
        <translation>Impossibile leggere il documento: %1</translation>
    </message>
</context>
<context>
    <name>BookingWizard</name>
    <message>
        <source>Berth / Caravan Reservation</source>
        <translation>Prenotazione posto barca / piazzola</translation>
    </message>
    <message>
        <source>Booking Progress</source>
        <translation>Avanzamento della prenotazione</translation>
    </message>
    <message>
        <source>Step 1 - Dates</source>
        <translation>Passo 1 - Date</translation>
    </message>
    <message>
        <source>Step 2 - Select Berth</source>
        <translation>Passo 2 - Scelta del posto barca</translation>
    </message>
    <message>
        <source>Step 3 - Customer</source>
        <translation>Passo 3 - Cliente</translation>
    </message>
    <message>
        <source>Step 4 - Confirmation</source>
        <translation>Passo 4 - Conferma</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Cancel Booking</source>
        <translation>Annulla prenotazione</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Booking Notes</source>
        <translation>Note di prenotazione</translation>
    </message>
    <message>
        <source>The booking wizard holds a booking that has not been saved. Confirm or cancel it first.</source>
        <translation>La procedura di prenotazione contiene una prenotazione non salvata. Confermarla o annullarla prima.</translation>
    </message>
    <message>
        <source>The booking has not been saved. Close the wizard and lose it?</source>
        <translation>La prenotazione non è stata salvata. Chiudere la procedura e perderla?</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Conferma</translation>
    </message>
    <message>
        <source>The customer %1 has been deleted since the list was shown. Nothing was saved: please choose the customer again.</source>
        <translation>Il cliente %1 è stato eliminato dopo la visualizzazione dell&apos;elenco. Non è stato salvato nulla: scegliere di nuovo il cliente.</translation>
    </message>
    <message>
        <source>The booking could not be saved. Nothing was changed.
%1</source>
        <translation>Impossibile salvare la prenotazione. Non è stato modificato nulla.
%1</translation>
    </message>
    <message>
        <source>Do you want to delete existing reservation?</source>
        <translation>Eliminare la prenotazione esistente?</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Prenotazione</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <source>Not available</source>
        <translation>Non disponibile</translation>
    </message>
    <message>
        <source>The address did not give a calendar (no BEGIN:VCALENDAR at its start).</source>
        <translation>L&apos;indirizzo non ha fornito un calendario (manca BEGIN:VCALENDAR all&apos;inizio).</translation>
    </message>
    <message>
        <source>The address gave text that could not be read as a calendar.</source>
        <translation>L&apos;indirizzo ha fornito un testo non leggibile come calendario.</translation>
    </message>
    <message>
        <source>The calendar has more than %1 events to come: it was not read.</source>
        <translation>Il calendario ha più di %1 eventi futuri: non è stato letto.</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>Simple Calendar</source>
        <translation>Calendario semplice</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Aggiungi prenotazione</translation>
    </message>
    <message>
        <source>Edit Reservation</source>
        <translation>Modifica prenotazione</translation>
    </message>
    <message>
        <source>Show Summary</source>
        <translation>Mostra riepilogo</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Annulla prenotazione</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>Impossibile leggere le prenotazioni.
%1</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Annulla prenotazione</translation>
    </message>
</context>
<context>
    <name>CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Ultima lettura</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>https://... or webcal://... (the other site&apos;s calendar of this berth)</source>
        <translation>https://... o webcal://... (il calendario di questo posto barca sull&apos;altro sito)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Read &amp;now</source>
        <translation>&amp;Leggi ora</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>Posto &amp;barca:</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>&amp;Feeds</source>
        <translation>&amp;Feed</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Prenotazione</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Stays here that another site&apos;s calendar also holds: move each stay to another berth, or ask the other site to free its dates.</source>
        <translation>Soggiorni di qui presenti anche nel calendario di un altro sito: spostare ogni soggiorno su un altro posto barca, o chiedere all&apos;altro sito di liberare le date.</translation>
    </message>
    <message>
        <source>C&amp;onflicts</source>
        <translation>C&amp;onflitti</translation>
    </message>
    <message>
        <source>empty: this desk publishes no calendars</source>
        <translation>vuoto: questa postazione non pubblica calendari</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Sfo&amp;glia...</translation>
    </message>
    <message>
        <source>This desk is the &amp;gateway: it reads the feeds of other sites</source>
        <translation>Questa postazione è il gate&amp;way: legge i feed degli altri siti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Publish calendars into:</source>
        <translation>&amp;Pubblica i calendari in:</translation>
    </message>
    <message>
        <source>Each berth&apos;s calendar is berth-&lt;number&gt;.ics and each berth type&apos;s type-&lt;number&gt;.ics in that folder; put the folder on the office&apos;s web site.</source>
        <translation>In quella cartella il calendario di ogni posto barca è berth-&lt;numero&gt;.ics e quello di ogni tipo di posto barca type-&lt;numero&gt;.ics; pubblicare la cartella sul sito web dell&apos;ufficio.</translation>
    </message>
    <message>
        <source>This &amp;desk</source>
        <translation>Questa pos&amp;tazione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Only the gateway desk reads the feeds: set it on the &quot;This desk&quot; page.</source>
        <translation>Solo la postazione gateway legge i feed: impostarla nella pagina «Questa postazione».</translation>
    </message>
    <message>
        <source>Publish calendars into</source>
        <translation>Pubblica i calendari in</translation>
    </message>
    <message>
        <source>Calendars (*.ics)</source>
        <translation>Calendari (*.ics)</translation>
    </message>
    <message>
        <source>The calendars could not be read: %1</source>
        <translation>Impossibile leggere i calendari: %1</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>non ancora</translation>
    </message>
    <message>
        <source>Stop reading %1? The berth&apos;s blocks from this calendar are released.</source>
        <translation>Smettere di leggere %1? I blocchi del posto barca provenienti da questo calendario vengono tolti.</translation>
    </message>
    <message>
        <source>The feed was not removed: %1</source>
        <translation>Il feed non è stato eliminato: %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Calendars: publish folder &quot;%1&quot;, gateway %2</source>
        <translation>Calendari: cartella di pubblicazione «%1», gateway %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>CancelPaidDialog</name>
    <message>
        <source>Cancel booking</source>
        <translation>Annulla prenotazione</translation>
    </message>
    <message>
        <source>%1 has been paid on this booking. Cancel it and:</source>
        <translation>Su questa prenotazione è stato pagato %1. Annullarla e:</translation>
    </message>
    <message>
        <source>This booking has payments on record. Cancel it and keep them?</source>
        <translation>Questa prenotazione ha pagamenti registrati. Annullarla e conservarli?</translation>
    </message>
    <message>
        <source>&amp;Refund what was paid</source>
        <translation>&amp;Rimborsare quanto pagato</translation>
    </message>
    <message>
        <source>&amp;Keep it as a cancellation fee</source>
        <translation>&amp;Trattenerlo come penale di annullamento</translation>
    </message>
    <message>
        <source>Keep it as the customer&apos;s c&amp;redit</source>
        <translation>Tenerlo come &amp;credito del cliente</translation>
    </message>
    <message>
        <source>Cancel &amp;Booking</source>
        <translation>A&amp;nnulla prenotazione</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>T&amp;orna indietro</translation>
    </message>
    <message>
        <source>The booking could not be cancelled: %1</source>
        <translation>Impossibile annullare la prenotazione: %1</translation>
    </message>
</context>
<context>
    <name>CashUpReport</name>
    <message>
        <source>Lines</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Incassato</translation>
    </message>
    <message>
        <source>Refunded</source>
        <translation>Rimborsato</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Rettifiche</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Credito</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Cash-up</source>
        <translation>Chiusura di cassa</translation>
    </message>
    <message>
        <source>Cash-up: page %p of %P</source>
        <translation>Chiusura di cassa: pagina %p di %P</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>Payments, refunds and corrections recorded in the period; printed %1.</source>
        <translation>Pagamenti, rimborsi e rettifiche registrati nel periodo; stampato il %1.</translation>
    </message>
    <message>
        <source>Nothing was recorded in this period.</source>
        <translation>In questo periodo non è stato registrato nulla.</translation>
    </message>
    <message>
        <source>By method</source>
        <translation>Per metodo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>By desk</source>
        <translation>Per postazione</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Postazione</translation>
    </message>
</context>
<context>
    <name>CheckIn</name>
    <message>
        <source>The booking has been cancelled: its guest cannot be checked in or out.</source>
        <translation>La prenotazione è stata annullata: il suo ospite non può arrivare né partire.</translation>
    </message>
    <message>
        <source>The guest was already checked in at %1 on %2.</source>
        <translation>L&apos;ospite è già arrivato alle %1 del %2.</translation>
    </message>
    <message>
        <source>The guest has already left (checked out at %1 on %2).</source>
        <translation>L&apos;ospite è già partito (partenza alle %1 del %2).</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile.</source>
        <translation>Un&apos;altra postazione ha modificato nel frattempo il soggiorno dell&apos;ospite.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Atteso</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Arrivato</translation>
    </message>
    <message>
        <source>Departed</source>
        <translation>Partito</translation>
    </message>
    <message>
        <source>No-show</source>
        <translation>Mancato arrivo</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La prenotazione non esiste più.</translation>
    </message>
    <message>
        <source>The stay ended on %1: change the booking&apos;s dates before checking the guest in.</source>
        <translation>Il soggiorno è terminato il %1: modificare le date della prenotazione prima di registrare l&apos;arrivo dell&apos;ospite.</translation>
    </message>
    <message>
        <source>%1 is booked to arrive on %2, later than today.
Check the guest in early? The booking&apos;s dates stay as they are.</source>
        <translation>%1 deve arrivare il %2, dopo oggi.
Registrare l&apos;arrivo in anticipo? Le date della prenotazione restano invariate.</translation>
    </message>
    <message>
        <source>%1 was booked to arrive on %2, earlier than today.
Check the guest in late? The booking&apos;s dates stay as they are.</source>
        <translation>%1 doveva arrivare il %2, prima di oggi.
Registrare l&apos;arrivo in ritardo? Le date della prenotazione restano invariate.</translation>
    </message>
    <message>
        <source>
The guest was not checked in: confirm the other day first.</source>
        <translation>
L&apos;arrivo dell&apos;ospite non è stato registrato: confermare prima l&apos;altro giorno.</translation>
    </message>
    <message>
        <source>The guest was already checked out at %1 on %2.</source>
        <translation>L&apos;ospite è già partito alle %1 del %2.</translation>
    </message>
    <message>
        <source>The guest has not been checked in: check the guest in before checking out.</source>
        <translation>L&apos;arrivo dell&apos;ospite non è stato registrato: registrare l&apos;arrivo prima della partenza.</translation>
    </message>
    <message>
        <source>Only a guest still expected can be marked as a no-show; this one is %1.</source>
        <translation>Solo un ospite ancora atteso può essere segnato come mancato arrivo; questo è %1.</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile: it is now %1.</source>
        <translation>Un&apos;altra postazione ha modificato nel frattempo il soggiorno dell&apos;ospite: ora è %1.</translation>
    </message>
    <message>
        <source>The guest is expected: there is nothing to put back.</source>
        <translation>L&apos;ospite è atteso: non c&apos;è nulla da ripristinare.</translation>
    </message>
</context>
<context>
    <name>CheckInMenu</name>
    <message>
        <source>Check-in and check-out</source>
        <translation>Arrivi e partenze</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be changed: %1</source>
        <translation>Impossibile modificare il soggiorno dell&apos;ospite: %1</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest in:</source>
        <translation>Leggere i contatori dei posti barca di %1 prima di registrare l&apos;arrivo dell&apos;ospite:</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest out:</source>
        <translation>Leggere i contatori dei posti barca di %1 prima di registrare la partenza dell&apos;ospite:</translation>
    </message>
    <message>
        <source>%1 still owes %2 (paid %3 of %4).

Yes takes the payment now, No checks the guest out with the balance owing, Cancel goes back without checking out.</source>
        <translation>%1 deve ancora %2 (pagato %3 su %4).

Sì incassa ora il pagamento, No registra la partenza con il saldo dovuto, Annulla torna indietro senza registrare la partenza.</translation>
    </message>
    <message>
        <source>The meters&apos; use, %1 before tax, was added to the booking&apos;s other charges. The balance is now %2.</source>
        <translation>Il consumo dei contatori, %1 imposte escluse, è stato aggiunto agli altri costi della prenotazione. Il saldo ora è %2.</translation>
    </message>
    <message>
        <source>%1 is expected: there is no arrival, departure or no-show to undo.</source>
        <translation>%1 è atteso: non c&apos;è arrivo, partenza o mancato arrivo da annullare.</translation>
    </message>
    <message>
        <source>%1 is %2. Put the stay back to %3?</source>
        <translation>%1 è %2. Riportare il soggiorno a %3?</translation>
    </message>
    <message>
        <source>Every guest due today has been checked in or marked.</source>
        <translation>Tutti gli ospiti attesi oggi sono arrivati o sono stati segnati.</translation>
    </message>
    <message>
        <source>Some were not marked:
%1</source>
        <translation>Alcuni non sono stati segnati:
%1</translation>
    </message>
</context>
<context>
    <name>ClosedBookings</name>
    <message>
        <source>%1 is closed: its ledger takes no more lines. Date the correction today.</source>
        <translation>%1 è chiuso: il suo registro contabile non accetta altre righe. Datare la rettifica a oggi.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriodDialog</name>
    <message>
        <source>Closed Months</source>
        <translation>Mesi chiusi</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mese:</translation>
    </message>
    <message>
        <source>Close the mon&amp;th</source>
        <translation>C&amp;hiudi il mese</translation>
    </message>
    <message>
        <source>&amp;Reopen the month</source>
        <translation>&amp;Riapri il mese</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Chi</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>A closed month&apos;s bookings (by their departure) and ledger lines can no longer be changed: they are put right by lines dated today.</source>
        <translation>Le prenotazioni di un mese chiuso (secondo la partenza) e le sue righe contabili non possono più essere modificate: si rettificano con righe datate oggi.</translation>
    </message>
    <message>
        <source>The closed months could not be read: %1</source>
        <translation>Impossibile leggere i mesi chiusi: %1</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Chiuso</translation>
    </message>
    <message>
        <source>Reopened</source>
        <translation>Riaperto</translation>
    </message>
    <message>
        <source>Close %1? Its bookings and ledger lines can then only be put right by lines dated today.</source>
        <translation>Chiudere %1? Le sue prenotazioni e righe contabili potranno poi essere rettificate solo con righe datate oggi.</translation>
    </message>
    <message>
        <source>Reopen %1? Its bookings and ledger lines can then be changed again.</source>
        <translation>Riaprire %1? Le sue prenotazioni e righe contabili potranno di nuovo essere modificate.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriods</name>
    <message>
        <source>%1 is already closed.</source>
        <translation>%1 è già chiuso.</translation>
    </message>
    <message>
        <source>%1 is not closed.</source>
        <translation>%1 non è chiuso.</translation>
    </message>
    <message>
        <source>Only a manager may close a month.</source>
        <translation>Solo un responsabile può chiudere un mese.</translation>
    </message>
    <message>
        <source>Only an administrator may reopen a month.</source>
        <translation>Solo un amministratore può riaprire un mese.</translation>
    </message>
    <message>
        <source>Choose a month from 2000 to 2100.</source>
        <translation>Scegliere un mese dal 2000 al 2100.</translation>
    </message>
    <message>
        <source>%1 is not over yet: a month is closed once it has ended.</source>
        <translation>%1 non è ancora finito: un mese si chiude una volta terminato.</translation>
    </message>
    <message>
        <source>Choose a month to reopen.</source>
        <translation>Scegliere un mese da riaprire.</translation>
    </message>
    <message>
        <source>%1 is closed: its bookings and ledger lines are kept as they are. Put it right with a correction dated today.</source>
        <translation>%1 è chiuso: le sue prenotazioni e righe contabili restano come sono. Rettificare con una rettifica datata oggi.</translation>
    </message>
</context>
<context>
    <name>CompactWindow</name>
    <message>
        <source>Operation in progress</source>
        <translation>Operazione in corso</translation>
    </message>
    <message>
        <source>Compacting &amp; repairing database ...</source>
        <translation>Compattazione &amp; riparazione del database...</translation>
    </message>
</context>
<context>
    <name>CompanyDialog</name>
    <message>
        <source>Setup Company Information</source>
        <translation>Dati aziendali</translation>
    </message>
    <message>
        <source>Copy  and paste or type your reservation terms and conditions below. These will appear on the booking form.</source>
        <translation>Copiare e incollare o digitare qui sotto le condizioni generali di prenotazione. Compariranno sul modulo di prenotazione.</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Imposte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Rate %</source>
        <translation>Aliquota %</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Eli&amp;mina</translation>
    </message>
    <message>
        <source>Deposits and due dates</source>
        <translation>Acconti e scadenze</translation>
    </message>
    <message>
        <source>No deposit</source>
        <translation>Nessun acconto</translation>
    </message>
    <message>
        <source>A fixed amount</source>
        <translation>Un importo fisso</translation>
    </message>
    <message>
        <source>A percentage of the total</source>
        <translation>Una percentuale del totale</translation>
    </message>
    <message>
        <source>D&amp;eposit at booking:</source>
        <translation>Acconto alla &amp;prenotazione:</translation>
    </message>
    <message>
        <source>Fixed a&amp;mount:</source>
        <translation>Importo &amp;fisso:</translation>
    </message>
    <message>
        <source>Percen&amp;tage (%):</source>
        <translation>Percen&amp;tuale (%):</translation>
    </message>
    <message>
        <source>Mi&amp;nimum deposit:</source>
        <translation>Acconto mi&amp;nimo:</translation>
    </message>
    <message>
        <source>Balance due (days &amp;before arrival):</source>
        <translation>Saldo dovuto (&amp;giorni prima dell&apos;arrivo):</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Aggi&amp;orna</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>E-ma&amp;il server...</source>
        <translation>Server e-ma&amp;il...</translation>
    </message>
    <message>
        <source>company information</source>
        <translation>dati aziendali</translation>
    </message>
    <message>
        <source>Type the deposit as an amount, for example %1.</source>
        <translation>Digitare l&apos;acconto come importo, per esempio %1.</translation>
    </message>
    <message>
        <source>Type the minimum deposit as an amount, for example %1.</source>
        <translation>Digitare l&apos;acconto minimo come importo, per esempio %1.</translation>
    </message>
    <message>
        <source>Type the deposit&apos;s percentage, for example 25.</source>
        <translation>Digitare la percentuale dell&apos;acconto, per esempio 25.</translation>
    </message>
    <message>
        <source>Type the number of days before arrival the balance falls due.</source>
        <translation>Digitare quanti giorni prima dell&apos;arrivo scade il saldo.</translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Errore nei dati: %1</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Ragione sociale:</translation>
    </message>
    <message>
        <source>Trading Name:</source>
        <translation>Nome commerciale:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Via:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Località:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>County:</source>
        <translation>Provincia:</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>CAP:</translation>
    </message>
    <message>
        <source>Telephone No:</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>P. IVA:</translation>
    </message>
    <message>
        <source>Receipt Footer:</source>
        <translation>Piè di pagina ricevuta:</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Condizioni generali:</translation>
    </message>
</context>
<context>
    <name>CompanyMailPanel</name>
    <message>
        <source>smtp.example.com; empty: no mail is sent from here</source>
        <translation>smtp.example.com; vuoto: da qui non si inviano e-mail</translation>
    </message>
    <message>
        <source>None (a server inside the office only)</source>
        <translation>Nessuna (solo un server interno all&apos;ufficio)</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587)</source>
        <translation>STARTTLS (di solito porta 587)</translation>
    </message>
    <message>
        <source>TLS (usually port 465)</source>
        <translation>TLS (di solito porta 465)</translation>
    </message>
    <message>
        <source>empty: the certificates this computer trusts</source>
        <translation>vuoto: i certificati attendibili di questo computer</translation>
    </message>
    <message>
        <source>&amp;Accept the server&apos;s own certificate without a check</source>
        <translation>&amp;Accetta il certificato del server senza verifica</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Si&amp;curezza:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utente:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>Sender &amp;name:</source>
        <translation>&amp;Nome del mittente:</translation>
    </message>
    <message>
        <source>Sender a&amp;ddress:</source>
        <translation>In&amp;dirizzo del mittente:</translation>
    </message>
    <message>
        <source>CA certificate &amp;file:</source>
        <translation>&amp;File del certificato CA:</translation>
    </message>
    <message>
        <source>(unchanged unless typed here)</source>
        <translation>(invariata se non digitata qui)</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>La porta deve essere un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>E-mail Server</source>
        <translation>Server e-mail</translation>
    </message>
    <message>
        <source>Messages wait in the outbox and go in the background. The password is kept in this computer&apos;s secret store, or else in a file only you can read; never in the database.</source>
        <translation>I messaggi attendono nella posta in uscita e partono in background. La password è conservata nell&apos;archivio segreto di questo computer, o altrimenti in un file leggibile solo da voi; mai nel database.</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
</context>
<context>
    <name>CompanyStore</name>
    <message>
        <source>%1 %2 % from %3</source>
        <translation>%1 %2 % dal %3</translation>
    </message>
    <message>
        <source>Deposit at booking:</source>
        <translation>Acconto alla prenotazione:</translation>
    </message>
    <message>
        <source>Fixed amount:</source>
        <translation>Importo fisso:</translation>
    </message>
    <message>
        <source>Percentage (%):</source>
        <translation>Percentuale (%):</translation>
    </message>
    <message>
        <source>Minimum deposit:</source>
        <translation>Acconto minimo:</translation>
    </message>
    <message>
        <source>Balance due (days before arrival):</source>
        <translation>Saldo dovuto (giorni prima dell&apos;arrivo):</translation>
    </message>
    <message>
        <source>These company details were deleted at another desk meanwhile, so nothing was saved. Refresh shows what is left; what you typed is still in the boxes.</source>
        <translation>Questi dati aziendali sono stati eliminati nel frattempo da un&apos;altra postazione, quindi non è stato salvato nulla. Ricarica mostra ciò che resta; quanto digitato è ancora nei campi.</translation>
    </message>
    <message>
        <source>Taxes:</source>
        <translation>Imposte:</translation>
    </message>
</context>
<context>
    <name>ContractActionsPanel</name>
    <message>
        <source>E&amp;dit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>Print contr&amp;act...</source>
        <translation>Stampa contra&amp;tto...</translation>
    </message>
    <message>
        <source>In&amp;voice...</source>
        <translation>&amp;Fattura...</translation>
    </message>
    <message>
        <source>Rene&amp;w contracts...</source>
        <translation>Rinno&amp;va contratti...</translation>
    </message>
    <message>
        <source>Li&amp;sts...</source>
        <translation>El&amp;enchi...</translation>
    </message>
    <message>
        <source>Contract %1 ended on %2 unrenewed</source>
        <translation>Contratto %1 terminato il %2 senza rinnovo</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Contratti</translation>
    </message>
    <message>
        <source>Contract %1.pdf</source>
        <translation>Contratto %1.pdf</translation>
    </message>
    <message>
        <source>No instalment of this contract has been invoiced yet: use Invoice next instalment first.</source>
        <translation>Nessuna rata di questo contratto è ancora stata fatturata: usare prima Fattura rata successiva.</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Fattura %1.pdf</translation>
    </message>
</context>
<context>
    <name>ContractBatch</name>
    <message>
        <source>%1 is held over the contract&apos;s days: the contract was not saved.</source>
        <translation>%1 è occupato nei giorni del contratto: il contratto non è stato salvato.</translation>
    </message>
    <message>
        <source>%1 would be held twice from %2 to %3 by contracts of this run: nothing was saved.</source>
        <translation>%1 sarebbe occupato due volte dal %2 al %3 da contratti di questa elaborazione: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The renewal letters were not laid out.</source>
        <translation>Le lettere di rinnovo non sono state impaginate.</translation>
    </message>
</context>
<context>
    <name>ContractDialog</name>
    <message>
        <source>New Contract</source>
        <translation>Nuovo contratto</translation>
    </message>
    <message>
        <source>In full</source>
        <translation>In un&apos;unica soluzione</translation>
    </message>
    <message>
        <source>Two instalments</source>
        <translation>Due rate</translation>
    </message>
    <message>
        <source>Four instalments</source>
        <translation>Quattro rate</translation>
    </message>
    <message>
        <source>Twelve instalments</source>
        <translation>Dodici rate</translation>
    </message>
    <message>
        <source>Dates and amounts as typed</source>
        <translation>Date e importi digitati</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>P&amp;ropose price</source>
        <translation>P&amp;roponi prezzo</translation>
    </message>
    <message>
        <source>Add a ro&amp;w</source>
        <translation>Aggiungi r&amp;iga</translation>
    </message>
    <message>
        <source>&amp;Holder:</source>
        <translation>&amp;Titolare:</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Barca:</translation>
    </message>
    <message>
        <source>B&amp;erth:</source>
        <translation>Posto barc&amp;a:</translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation>&amp;Durata:</translation>
    </message>
    <message>
        <source>&amp;First day:</source>
        <translation>Primo &amp;giorno:</translation>
    </message>
    <message>
        <source>&amp;Last day:</source>
        <translation>&amp;Ultimo giorno:</translation>
    </message>
    <message>
        <source>Pr&amp;ice before tax:</source>
        <translation>Pre&amp;zzo imposte escluse:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Piano:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>(the days as typed)</source>
        <translation>(i giorni digitati)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(nessuna barca)</translation>
    </message>
    <message>
        <source>The holder&apos;s boats could not be read: %1</source>
        <translation>Impossibile leggere le barche del titolare: %1</translation>
    </message>
    <message>
        <source>The terms could not be read: %1</source>
        <translation>Impossibile leggere le durate: %1</translation>
    </message>
    <message>
        <source>No term prices some of these days: type the price.</source>
        <translation>Nessuna durata prezza alcuni di questi giorni: digitare il prezzo.</translation>
    </message>
    <message>
        <source>Type the price as an amount, such as 1200.00.</source>
        <translation>Digitare il prezzo come importo, per esempio 1200.00.</translation>
    </message>
    <message>
        <source>Tax %1, total %2</source>
        <translation>Imposta %1, totale %2</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Scegliere il titolare.</translation>
    </message>
    <message>
        <source>Instalment %1: %2</source>
        <translation>Rata %1: %2</translation>
    </message>
    <message>
        <source>Instalment %1: type the amount, such as 300.00.</source>
        <translation>Rata %1: digitare l&apos;importo, per esempio 300.00.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>Il contratto è stato annullato: non può più essere modificato.</translation>
    </message>
    <message>
        <source>Contract %1</source>
        <translation>Contratto %1</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. scadenza %2: %3, fattura %4</translation>
    </message>
    <message>
        <source>Invoiced, and kept as they are:
%1</source>
        <translation>Fatturate, e mantenute come sono:
%1</translation>
    </message>
    <message>
        <source>contract</source>
        <translation>contratto</translation>
    </message>
</context>
<context>
    <name>ContractDocuments</name>
    <message>
        <source>Contract No:</source>
        <translation>Contratto n.:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Posto/i barca:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Barca:</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Primo giorno:</translation>
    </message>
    <message>
        <source>Last day:</source>
        <translation>Ultimo giorno:</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Prezzo imponibile:</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>IVA:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>Payable in instalments</source>
        <translation>Pagabile a rate</translation>
    </message>
    <message>
        <source>%1. due %2</source>
        <translation>%1. scadenza %2</translation>
    </message>
    <message>
        <source>invoice %1</source>
        <translation>fattura %1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>CONTRACT</source>
        <translation>CONTRATTO</translation>
    </message>
    <message>
        <source>%1 lets to %2 the berth(s) below for the days below, on the office&apos;s terms that follow.</source>
        <translation>%1 concede a %2 il/i posto/i barca indicati sotto per i giorni indicati sotto, alle condizioni dell&apos;ufficio che seguono.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Condizioni</translation>
    </message>
    <message>
        <source>For the holder</source>
        <translation>Per il titolare</translation>
    </message>
    <message>
        <source>For %1</source>
        <translation>Per %1</translation>
    </message>
    <message>
        <source>CONTRACT RENEWAL</source>
        <translation>RINNOVO DEL CONTRATTO</translation>
    </message>
    <message>
        <source>Dear %1,</source>
        <translation>Gentile %1,</translation>
    </message>
    <message>
        <source>Your contract %1 for %2 comes to its end. We are pleased to renew it from %3 to %4 at %5, payable as below.</source>
        <translation>Il Suo contratto %1 per %2 giunge a scadenza. Siamo lieti di rinnovarlo dal %3 al %4 per %5, pagabili come indicato sotto.</translation>
    </message>
    <message>
        <source>Yours sincerely,</source>
        <translation>Distinti saluti,</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>FATTURA</translation>
    </message>
    <message>
        <source>Invoice No:</source>
        <translation>Fattura n.:</translation>
    </message>
    <message>
        <source>not issued</source>
        <translation>non emessa</translation>
    </message>
    <message>
        <source>Instalment:</source>
        <translation>Rata:</translation>
    </message>
    <message>
        <source>%1 of %2, due %3</source>
        <translation>%1 di %2, scadenza %3</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>This instalment:</source>
        <translation>Questa rata:</translation>
    </message>
    <message>
        <source>Contract total:</source>
        <translation>Totale del contratto:</translation>
    </message>
    <message>
        <source>Paid so far:</source>
        <translation>Già pagato:</translation>
    </message>
    <message>
        <source>Balance of the contract:</source>
        <translation>Saldo del contratto:</translation>
    </message>
    <message>
        <source>The contract terms run to at most %1 characters.</source>
        <translation>Le condizioni del contratto hanno al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Contract terms:</source>
        <translation>Condizioni del contratto:</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Contatori</translation>
    </message>
    <message>
        <source>Before tax:</source>
        <translation>Imponibile:</translation>
    </message>
    <message>
        <source>The renewal letter of contract %1 is no longer kept.</source>
        <translation>La lettera di rinnovo del contratto %1 non è più conservata.</translation>
    </message>
</context>
<context>
    <name>ContractEdit</name>
    <message>
        <source>Boat:</source>
        <translation>Barca:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Berths:</source>
        <translation>Posti barca:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Giorni:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Prezzo imponibile:</translation>
    </message>
    <message>
        <source>Plan:</source>
        <translation>Piano:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>Il contratto è stato annullato: non può più essere modificato.</translation>
    </message>
    <message>
        <source>An instalment of this contract has been invoiced, so its days stay as they are: cancel it and make a new one to change them.</source>
        <translation>Una rata di questo contratto è stata fatturata, quindi i suoi giorni restano invariati: annullarlo e crearne uno nuovo per cambiarli.</translation>
    </message>
</context>
<context>
    <name>ContractImport</name>
    <message>
        <source>contract %1</source>
        <translation>contratto %1</translation>
    </message>
</context>
<context>
    <name>ContractLists</name>
    <message>
        <source>Contracts by berth type</source>
        <translation>Contratti per tipo di posto barca</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo di posto barca</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contratto</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titolare</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Posti barca</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Renewals due from %1 to %2</source>
        <translation>Rinnovi in scadenza dal %1 al %2</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barca</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Durata attuale</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Durata successiva</translation>
    </message>
    <message>
        <source>Instalments due to %1</source>
        <translation>Rate in scadenza fino al %1</translation>
    </message>
    <message>
        <source>Instalment</source>
        <translation>Rata</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Fattura</translation>
    </message>
    <message>
        <source>Owing</source>
        <translation>Da pagare</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Scaduto</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p di %P</translation>
    </message>
    <message>
        <source>Nothing to list.</source>
        <translation>Niente da elencare.</translation>
    </message>
</context>
<context>
    <name>ContractListsWindow</name>
    <message>
        <source>Contract lists</source>
        <translation>Elenchi contratti</translation>
    </message>
    <message>
        <source>Contracts by berth type</source>
        <translation>Contratti per tipo di posto barca</translation>
    </message>
    <message>
        <source>Renewals due</source>
        <translation>Rinnovi in scadenza</translation>
    </message>
    <message>
        <source>Instalments due and overdue</source>
        <translation>Rate in scadenza e scadute</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Elenco:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To (renewals and instalments):</source>
        <translation>&amp;Al (rinnovi e rate):</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;sporta CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>ContractMeters</name>
    <message>
        <source>Billed already up to the reading of %1.</source>
        <translation>Già fatturato fino alla lettura del %1.</translation>
    </message>
    <message>
        <source>Not read twice in the period.</source>
        <translation>Non letto due volte nel periodo.</translation>
    </message>
    <message>
        <source>No %1 tariff is in force on %2.</source>
        <translation>Nessuna tariffa %1 in vigore il %2.</translation>
    </message>
    <message>
        <source>Nothing used in the period.</source>
        <translation>Nessun consumo nel periodo.</translation>
    </message>
    <message>
        <source>Contract %1 was cancelled meanwhile.</source>
        <translation>Nel frattempo il contratto %1 è stato annullato.</translation>
    </message>
    <message>
        <source>Choose the first and the last day of the period to bill.</source>
        <translation>Scegliere il primo e l&apos;ultimo giorno del periodo da fatturare.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Il periodo finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>A period billed at once is at most %1 days.</source>
        <translation>Un periodo fatturato in una volta dura al massimo %1 giorni.</translation>
    </message>
</context>
<context>
    <name>ContractMetersDialog</name>
    <message>
        <source>Bill contracts&apos; meters</source>
        <translation>Fattura i contatori dei contratti</translation>
    </message>
    <message>
        <source>&amp;Dry run</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contratto</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titolare</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Before tax</source>
        <translation>Imposte escluse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Run the period dry first: nothing is billed until you choose Bill.</source>
        <translation>Eseguire prima una prova sul periodo: nulla viene fatturato finché non si sceglie Fattura.</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>&amp;Bill...</source>
        <translation>&amp;Fattura...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Bill meters...</source>
        <translation>Fattura c&amp;ontatori...</translation>
    </message>
    <message numerus="yes">
        <source>Bill the meters of %n contract(s) from %1 to %2, %3 with tax? Each contract gets an invoice of its own.</source>
        <translation>
            <numerusform>Fatturare i contatori di %n contratto dal %1 al %2, %3 imposte incluse? Ogni contratto riceve una fattura propria.</numerusform>
            <numerusform>Fatturare i contatori di %n contratti dal %1 al %2, %3 imposte incluse? Ogni contratto riceve una fattura propria.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go back without billing</source>
        <translation>&amp;Torna indietro senza fatturare</translation>
    </message>
    <message>
        <source>&amp;Bill %1</source>
        <translation>&amp;Fattura %1</translation>
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
            <numerusform>Fatturato: %n fattura (%1), %2 imposte escluse, %3 imposte incluse.</numerusform>
            <numerusform>Fatturato: %n fatture (%1), %2 imposte escluse, %3 imposte incluse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dry run, nothing billed: %n invoice(s) would be issued, %1 before tax, %2 with tax.</source>
        <translation>
            <numerusform>Prova, nulla fatturato: verrebbe emessa %n fattura, %1 imposte escluse, %2 imposte incluse.</numerusform>
            <numerusform>Prova, nulla fatturato: verrebbero emesse %n fatture, %1 imposte escluse, %2 imposte incluse.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContractPaymentDialog</name>
    <message>
        <source>Contract %1: %2</source>
        <translation>Contratto %1: %2</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pagamento</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Rimborso</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Rettifica</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Importo:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metodo:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Riferimento:</translation>
    </message>
    <message>
        <source>Recor&amp;d</source>
        <translation>Re&amp;gistra</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Type the amount, such as 300.00.</source>
        <translation>Digitare l&apos;importo, per esempio 300.00.</translation>
    </message>
</context>
<context>
    <name>ContractPlan</name>
    <message>
        <source>A plan needs at least one instalment.</source>
        <translation>Un piano richiede almeno una rata.</translation>
    </message>
    <message>
        <source>A plan has at most %1 instalments.</source>
        <translation>Un piano ha al massimo %1 rate.</translation>
    </message>
    <message>
        <source>Instalment %1 needs the date it falls due.</source>
        <translation>La rata %1 richiede la data di scadenza.</translation>
    </message>
    <message>
        <source>Instalment %1 falls due after the contract ends, on %2.</source>
        <translation>La rata %1 scade dopo la fine del contratto, il %2.</translation>
    </message>
    <message>
        <source>Instalment %1 must be an amount of whole pence, not below %2.</source>
        <translation>La rata %1 deve essere un importo in centesimi interi, non inferiore a %2.</translation>
    </message>
    <message>
        <source>The instalments add up to %1, not the contract&apos;s %2: %3 %4.</source>
        <translation>Le rate sommano %1 e non i %2 del contratto: %3 %4.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>aggiungere</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>togliere</translation>
    </message>
    <message>
        <source>Invoices of %1 were issued on this contract already: its total cannot go below them (%2). Record a refund or a correction instead.</source>
        <translation>Su questo contratto sono già state emesse fatture per %1: il suo totale non può essere inferiore (%2). Registrare piuttosto un rimborso o una rettifica.</translation>
    </message>
</context>
<context>
    <name>ContractRenewals</name>
    <message>
        <source>No term price covers %1 from %2 to %3: type the price, or add it in Terms and prices.</source>
        <translation>Nessun prezzo di durata copre %1 dal %2 al %3: digitare il prezzo o aggiungerlo in Durate e prezzi.</translation>
    </message>
    <message>
        <source>The renewal price of contract %1 (%2) must be from %3 to %4 in whole pence: nothing was renewed.</source>
        <translation>Il prezzo di rinnovo del contratto %1 (%2) deve essere da %3 a %4 in centesimi interi: non è stato rinnovato nulla.</translation>
    </message>
    <message>
        <source>Contract %1 (%2): %3</source>
        <translation>Contratto %1 (%2): %3</translation>
    </message>
    <message>
        <source>Contract %1 (%2) was renewed, cancelled or changed at another desk meanwhile: nothing was renewed. Read the list again.</source>
        <translation>Nel frattempo il contratto %1 (%2) è stato rinnovato, annullato o modificato da un&apos;altra postazione: non è stato rinnovato nulla. Rileggere l&apos;elenco.</translation>
    </message>
    <message>
        <source>Contract %1 (%2) could not be renewed, so nothing was: %3</source>
        <translation>Impossibile rinnovare il contratto %1 (%2), quindi non è stato rinnovato nulla: %3</translation>
    </message>
</context>
<context>
    <name>ContractStore</name>
    <message>
        <source>The holder is no longer in the customer list.</source>
        <translation>Il titolare non è più nell&apos;elenco clienti.</translation>
    </message>
    <message>
        <source>A berth of the contract is no longer in the register.</source>
        <translation>Un posto barca del contratto non è più nel registro.</translation>
    </message>
    <message>
        <source>%1 is not in use: make it active in the berth register first.</source>
        <translation>%1 non è in uso: attivarlo prima nel registro dei posti barca.</translation>
    </message>
    <message>
        <source>%1 is booked from %2 to %3 (booking %4, %5): the contract was not saved.</source>
        <translation>%1 è prenotato dal %2 al %3 (prenotazione %4, %5): il contratto non è stato salvato.</translation>
    </message>
    <message>
        <source>%1 is blocked from %2 to %3 (%4): the contract was not saved.</source>
        <translation>%1 è bloccato dal %2 al %3 (%4): il contratto non è stato salvato.</translation>
    </message>
    <message>
        <source>%1 is held by contract %2 (%3) from %4 to %5: the contract was not saved.</source>
        <translation>%1 è occupato dal contratto %2 (%3) dal %4 al %5: il contratto non è stato salvato.</translation>
    </message>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Un&apos;altra postazione ha eliminato nel frattempo questo contratto.</translation>
    </message>
    <message>
        <source>The contract has no instalment %1.</source>
        <translation>Il contratto non ha la rata %1.</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Scegliere il titolare.</translation>
    </message>
    <message>
        <source>Please choose the berth the contract holds.</source>
        <translation>Scegliere il posto barca del contratto.</translation>
    </message>
    <message>
        <source>A berth is chosen twice.</source>
        <translation>Un posto barca è scelto due volte.</translation>
    </message>
    <message>
        <source>Please give the contract&apos;s first and last days.</source>
        <translation>Indicare il primo e l&apos;ultimo giorno del contratto.</translation>
    </message>
    <message>
        <source>The contract ends before it starts.</source>
        <translation>Il contratto finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>A contract must lie between %1 and %2.</source>
        <translation>Un contratto deve essere compreso tra il %1 e il %2.</translation>
    </message>
    <message>
        <source>A contract runs for at most %1 days: make a new one for what follows.</source>
        <translation>Un contratto dura al massimo %1 giorni: crearne uno nuovo per il seguito.</translation>
    </message>
    <message>
        <source>The price must be from %1 to %2 in whole pence.</source>
        <translation>Il prezzo deve essere da %1 a %2 in centesimi interi.</translation>
    </message>
    <message>
        <source>The notes run to at most %1 characters.</source>
        <translation>Le note hanno al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>%1 was booked over the contract&apos;s days meanwhile: the contract was not saved.</source>
        <translation>Nel frattempo %1 è stato prenotato nei giorni del contratto: il contratto non è stato salvato.</translation>
    </message>
    <message>
        <source>The contract has already been cancelled.</source>
        <translation>Il contratto è già stato annullato.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its instalments are not invoiced.</source>
        <translation>Il contratto è stato annullato: le sue rate non vengono fatturate.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: only a refund or a correction can be recorded.</source>
        <translation>Il contratto è stato annullato: si può registrare solo un rimborso o una rettifica.</translation>
    </message>
    <message>
        <source>This customer holds a contract, kept for the accounts even once cancelled, so the customer cannot be deleted.</source>
        <translation>Questo cliente è titolare di un contratto, conservato per la contabilità anche se annullato, quindi il cliente non può essere eliminato.</translation>
    </message>
    <message>
        <source>This berth is let under a contract, kept for the accounts even once cancelled or ended, so the berth cannot be deleted. Make it inactive instead.</source>
        <translation>Questo posto barca è concesso con un contratto, conservato per la contabilità anche se annullato o concluso, quindi il posto barca non può essere eliminato. Disattivarlo piuttosto.</translation>
    </message>
    <message>
        <source>A berth of this owner is let under a contract, kept for the accounts even once cancelled or ended, so the owner cannot be deleted.</source>
        <translation>Un posto barca di questo proprietario è concesso con un contratto, conservato per la contabilità anche se annullato o concluso, quindi il proprietario non può essere eliminato.</translation>
    </message>
    <message>
        <source>Contract %1: %2, %3 from %4 to %5, %6</source>
        <translation>Contratto %1: %2, %3 dal %4 al %5, %6</translation>
    </message>
</context>
<context>
    <name>ContractTermsPanel</name>
    <message>
        <source>Contract &amp;terms, printed on every contract above the signatures:</source>
        <translation>Condizioni del con&amp;tratto, stampate su ogni contratto sopra le firme:</translation>
    </message>
    <message>
        <source>Contract terms</source>
        <translation>Condizioni del contratto</translation>
    </message>
    <message>
        <source>contract terms</source>
        <translation>condizioni del contratto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>C&amp;ontract terms...</source>
        <translation>Con&amp;dizioni del contratto...</translation>
    </message>
</context>
<context>
    <name>ContractsWindow</name>
    <message>
        <source>Contracts</source>
        <translation>Contratti</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled contracts</source>
        <translation>Mostra contratti a&amp;nnullati</translation>
    </message>
    <message>
        <source>N&amp;ew contract...</source>
        <translation>N&amp;uovo contratto...</translation>
    </message>
    <message>
        <source>&amp;Payment...</source>
        <translation>&amp;Pagamento...</translation>
    </message>
    <message>
        <source>&amp;Invoice next instalment</source>
        <translation>Fattura &amp;rata successiva</translation>
    </message>
    <message>
        <source>Cance&amp;l contract...</source>
        <translation>Annu&amp;lla contratto...</translation>
    </message>
    <message>
        <source>&amp;Terms and prices...</source>
        <translation>Durate e pre&amp;zzi...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Contract %1, instalment %2 of %3: invoice %4</source>
        <translation>Contratto %1, rata %2 di %3: fattura %4</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo di posto barca</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titolare</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>%1 (cancelled)</source>
        <translation>%1 (annullato)</translation>
    </message>
    <message>
        <source>No contract chosen.</source>
        <translation>Nessun contratto scelto.</translation>
    </message>
    <message>
        <source>Contract %1 of %2, boat %3: %4 before tax, tax %5, paid %6</source>
        <translation>Contratto %1 di %2, barca %3: %4 imposte escluse, imposta %5, pagato %6</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. scadenza %2: %3, fattura %4</translation>
    </message>
    <message>
        <source>%1. due %2: %3</source>
        <translation>%1. scadenza %2: %3</translation>
    </message>
    <message>
        <source>Contract %1: %2 %3, paid now %4</source>
        <translation>Contratto %1: %2 %3, pagato ora %4</translation>
    </message>
    <message>
        <source>Every instalment of this contract has its invoice.</source>
        <translation>Ogni rata di questo contratto ha la sua fattura.</translation>
    </message>
    <message>
        <source>Cancel contract %1 of %2?

Yes frees %3 from %4 to %5; the %6 paid stays on the contract&apos;s ledger, to be refunded with Payment if it is due back.
No keeps the contract.</source>
        <translation>Annullare il contratto %1 di %2?

Sì libera %3 dal %4 al %5; i %6 pagati restano nel registro contabile del contratto, da rimborsare con Pagamento se dovuti.
No mantiene il contratto.</translation>
    </message>
</context>
<context>
    <name>CreditNotes</name>
    <message>
        <source>Enter the company&apos;s details before issuing a credit note.</source>
        <translation>Inserire i dati aziendali prima di emettere una nota di credito.</translation>
    </message>
    <message>
        <source>Credit note %1 of %2 against invoice %3 for booking %4</source>
        <translation>Nota di credito %1 del %2 sulla fattura %3 per la prenotazione %4</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>There is no data to export</source>
        <translation>Non ci sono dati da esportare</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Export Customers</source>
        <translation>Esporta clienti</translation>
    </message>
    <message>
        <source>Export Reservations</source>
        <translation>Esporta prenotazioni</translation>
    </message>
    <message>
        <source>Export Payments</source>
        <translation>Esporta pagamenti</translation>
    </message>
    <message>
        <source>Export Today&apos;s Reservations</source>
        <translation>Esporta prenotazioni di oggi</translation>
    </message>
</context>
<context>
    <name>CsvRead</name>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>The file has a field longer than a million characters (%1): it does not look like a list of records.</source>
        <translation>Il file ha un campo più lungo di un milione di caratteri (%1): non sembra un elenco di record.</translation>
    </message>
    <message>
        <source>The file holds binary data (a NUL byte near %1): it is not a CSV file.</source>
        <translation>Il file contiene dati binari (un byte NUL vicino a %1): non è un file CSV.</translation>
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
        <translation>Aggiungi cliente</translation>
    </message>
    <message>
        <source>Edit Customer</source>
        <translation>Modifica cliente</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Boats and vehicles</source>
        <translation>Barche e veicoli</translation>
    </message>
    <message>
        <source>Add &amp;Boat...</source>
        <translation>Aggiungi &amp;barca...</translation>
    </message>
    <message>
        <source>Edi&amp;t Boat...</source>
        <translation>Modifica ba&amp;rca...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Boat</source>
        <translation>Eli&amp;mina barca</translation>
    </message>
    <message>
        <source>Save the customer first, then open it again to add boats.</source>
        <translation>Salvare prima il cliente, poi riaprirlo per aggiungere barche.</translation>
    </message>
    <message>
        <source>Remove the boat &quot;%1&quot; from this customer?</source>
        <translation>Togliere la barca «%1» da questo cliente?</translation>
    </message>
    <message>
        <source>Document lan&amp;guage:</source>
        <translation>&amp;Lingua dei documenti:</translation>
    </message>
</context>
<context>
    <name>CustomerListWindow</name>
    <message>
        <source>Customers</source>
        <translation>Clienti</translation>
    </message>
    <message>
        <source>&amp;Add Customer</source>
        <translation>&amp;Aggiungi cliente</translation>
    </message>
    <message>
        <source>View/&amp;Edit Customer</source>
        <translation>Visualizza/&amp;modifica cliente</translation>
    </message>
    <message>
        <source>&amp;Delete Customer</source>
        <translation>&amp;Elimina cliente</translation>
    </message>
</context>
<context>
    <name>CustomerSearchModel</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Edificio</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Tel. No.</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <source>Mobile No.</source>
        <translation>Cellulare</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Membership No.</source>
        <translation>N. tessera</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>CustomerStore</name>
    <message>
        <source>Deleting this customer will also remove all past reservations. This would affect historic reports. Are you sure you want to delete this customer?</source>
        <translation>Eliminando questo cliente si eliminano anche tutte le sue prenotazioni passate, alterando i report storici. Eliminare davvero questo cliente?</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The database is not open.</source>
        <translation>Il database non è aperto.</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Scheda: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The schema is missing from the program.</source>
        <translation>Lo schema manca nel programma.</translation>
    </message>
    <message>
        <source>The tables cannot be read.</source>
        <translation>Impossibile leggere le tabelle.</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>tabella %1</translation>
    </message>
    <message>
        <source>column %1.%2</source>
        <translation>colonna %1.%2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 mancante</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql).</source>
        <translation>Il driver PostgreSQL di Qt non è installato (Debian: libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 non è un database di Zem Harbour.</translation>
    </message>
    <message>
        <source>%1 was written by a newer release.</source>
        <translation>%1 è stato scritto da una versione più recente.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded from version %2: %3</source>
        <translation>Impossibile aggiornare %1 dalla versione %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database: %2.</source>
        <translation>%1 non è un database di Zem Harbour: %2.</translation>
    </message>
    <message>
        <source>The database %1 already holds tables; it was left as it is.</source>
        <translation>Il database %1 contiene già tabelle; è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 esiste già; è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
</context>
<context>
    <name>DateBox</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>La data deve essere compresa tra il %1 e il %2.</translation>
    </message>
</context>
<context>
    <name>DateTimes</name>
    <message>
        <source>&quot;%1&quot; is not a date. %2</source>
        <translation>«%1» non è una data. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not written as dates are written here (%2). %3</source>
        <translation>«%1» non è scritta come si scrivono qui le date (%2). %3</translation>
    </message>
    <message>
        <source>There is no %1: %2 %3 has %4 days.</source>
        <translation>Il %1 non esiste: %2 %3 ha %4 giorni.</translation>
    </message>
    <message>
        <source>Type a date as %1, for example %2 or %3</source>
        <translation>Digitare una data come %1, per esempio %2 o %3</translation>
    </message>
</context>
<context>
    <name>DayList</name>
    <message>
        <source>n/a</source>
        <translation>n.d.</translation>
    </message>
</context>
<context>
    <name>DayListModel</name>
    <message>
        <source>No reservations exist for this date</source>
        <translation>Nessuna prenotazione per questa data</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagato</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Berth(s)</source>
        <translation>Posto/i barca</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Partenza</translation>
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
        <translation>Sulle prenotazioni di questo cliente sono registrati pagamenti. Sono conservati per la contabilità, quindi il cliente non può essere eliminato.</translation>
    </message>
    <message>
        <source>Payments have been recorded on bookings of this berth. They are kept for the accounts: cancel those bookings first.</source>
        <translation>Su prenotazioni di questo posto barca sono registrati pagamenti. Sono conservati per la contabilità: annullare prima quelle prenotazioni.</translation>
    </message>
    <message>
        <source>1 booking was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Dopo la domanda un&apos;altra postazione ha fatto 1 prenotazione. Non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>%1 bookings were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Dopo la domanda un&apos;altra postazione ha fatto %1 prenotazioni. Non è stato eliminato nulla.</translation>
    </message>
</context>
<context>
    <name>Dialect</name>
    <message>
        <source>No schema version.</source>
        <translation>Nessuna versione di schema.</translation>
    </message>
</context>
<context>
    <name>DocumentLanguage</name>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>Non esiste una lingua con il codice &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The office&apos;s language</source>
        <translation>La lingua dell&apos;ufficio</translation>
    </message>
</context>
<context>
    <name>DocumentLanguageDialog</name>
    <message>
        <source>Document language</source>
        <translation>Lingua dei documenti</translation>
    </message>
    <message>
        <source>Confirmations, invoices, reminders and e-mails go out in this language to customers who have none of their own.</source>
        <translation>Conferme, fatture, solleciti ed e-mail partono in questa lingua verso i clienti che non ne hanno una propria.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Document lan&amp;guage...</source>
        <translation>Lingua dei doc&amp;umenti...</translation>
    </message>
    <message>
        <source>Document language: %1</source>
        <translation>Lingua dei documenti: %1</translation>
    </message>
</context>
<context>
    <name>DocumentRenderer</name>
    <message>
        <source>The document could not be laid out.</source>
        <translation>Impossibile impaginare il documento.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print on the default printer (%1)</source>
        <translation>Stampa sulla stampante predefinita (%1)</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Salva come PDF…</translation>
    </message>
    <message>
        <source>Save as a PDF file (%1)</source>
        <translation>Salva come file PDF (%1)</translation>
    </message>
    <message>
        <source>The document could not be printed: %1</source>
        <translation>Impossibile stampare il documento: %1</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save the document as a PDF file instead?</source>
        <translation>Nessuna stampante installata. Salvare invece il documento come file PDF?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Impossibile scrivere il file PDF %1: %2</translation>
    </message>
</context>
<context>
    <name>DocumentsMenu</name>
    <message>
        <source>The booking could not be read: %1</source>
        <translation>Impossibile leggere la prenotazione: %1</translation>
    </message>
    <message>
        <source>Booking Confirmation</source>
        <translation>Conferma di prenotazione</translation>
    </message>
    <message>
        <source>The booking has been cancelled: it cannot be confirmed.</source>
        <translation>La prenotazione è stata annullata: non può essere confermata.</translation>
    </message>
    <message>
        <source>Credit Note</source>
        <translation>Nota di credito</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Anteprima...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Salva come P&amp;DF...</translation>
    </message>
    <message>
        <source>Choose a booking in one of the lists first.</source>
        <translation>Scegliere prima una prenotazione in uno degli elenchi.</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Do you want to delete traces older than 7 days?</source>
        <translation>Eliminare le tracce più vecchie di 7 giorni?</translation>
    </message>
    <message>
        <source>End of workday</source>
        <translation>Fine giornata</translation>
    </message>
    <message>
        <source>These trace folders could not be deleted:
%1</source>
        <translation>Impossibile eliminare queste cartelle di tracce:
%1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>EventLogViewer</name>
    <message>
        <source>View Event Log File</source>
        <translation>Visualizza registro eventi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file is too large to show whole: only its beginning is shown.</source>
        <translation>Il file è troppo grande per essere mostrato per intero: se ne mostra solo l&apos;inizio.</translation>
    </message>
    <message>
        <source>Open Trace Log File</source>
        <translation>Apri registro tracce</translation>
    </message>
    <message>
        <source>All Files (*);;Log Files (*.log *.Log)</source>
        <translation>Tutti i file (*);;File di log (*.log *.Log)</translation>
    </message>
    <message>
        <source>Log Files (*.log *.Log)</source>
        <translation>File di log (*.log *.Log)</translation>
    </message>
</context>
<context>
    <name>ExportMenu</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
</context>
<context>
    <name>FeedFetch</name>
    <message>
        <source>&quot;%1&quot; is not a calendar address: it should start with https://, http:// or webcal://.</source>
        <translation>&quot;%1&quot; non è un indirizzo di calendario: deve iniziare con https://, http:// o webcal://.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: the transfer library did not start.</source>
        <translation>Impossibile scaricare il calendario: la libreria di trasferimento non si è avviata.</translation>
    </message>
    <message>
        <source>The calendar is larger than %1 kB: it was not read.</source>
        <translation>Il calendario supera %1 kB: non è stato letto.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times: it was not read.</source>
        <translation>L&apos;indirizzo reindirizza più di %1 volte: non è stato letto.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Il server non ha risposto entro %1 secondi.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: %1</source>
        <translation>Impossibile scaricare il calendario: %1</translation>
    </message>
    <message>
        <source>The server answered %1 instead of the calendar.</source>
        <translation>Il server ha risposto %1 invece del calendario.</translation>
    </message>
</context>
<context>
    <name>FeedPublisher</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>The calendar was read but its blocks could not be saved: %1</source>
        <translation>Il calendario è stato letto ma i suoi blocchi non sono stati salvati: %1</translation>
    </message>
    <message>
        <source>%1: %2 blocks added, %3 moved, %4 released</source>
        <translation>%1: %2 blocchi aggiunti, %3 spostati, %4 rilasciati</translation>
    </message>
    <message>
        <source>; over booking %1 (%2) from %3 to %4</source>
        <translation>; sulla prenotazione %1 (%2) dal %3 al %4</translation>
    </message>
</context>
<context>
    <name>FeedStore</name>
    <message>
        <source>The address may be at most %1 characters long.</source>
        <translation>L&apos;indirizzo può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Please choose the berth whose calendar this is.</source>
        <translation>Scegliere il posto barca a cui appartiene questo calendario.</translation>
    </message>
    <message>
        <source>%1 already reads this calendar.</source>
        <translation>%1 legge già questo calendario.</translation>
    </message>
    <message>
        <source>Booked elsewhere (%1)</source>
        <translation>Prenotato altrove (%1)</translation>
    </message>
</context>
<context>
    <name>FieldChanges</name>
    <message>
        <source>Another desk changed the same fields while you were editing, so nothing was saved.</source>
        <translation>Un&apos;altra postazione ha modificato gli stessi campi durante la vostra modifica, quindi non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>%1 theirs %2, yours %3</source>
        <translation>%1: altra postazione %2, vostro %3</translation>
    </message>
    <message>
        <source>Another desk changed this %1 while you were editing it:

%2

Yes keeps theirs, No saves yours over theirs, Cancel goes back to editing. Your other changes are saved either way.</source>
        <translation>Un&apos;altra postazione ha modificato questo elemento (%1) durante la vostra modifica:

%2

Sì mantiene la loro versione, No salva la vostra sopra la loro, Annulla torna alla modifica. Le altre vostre modifiche vengono salvate in ogni caso.</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>A&amp;nteprima di stampa...</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Salva come &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;sporta CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Esporta %1</translation>
    </message>
</context>
<context>
    <name>FileConnection</name>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>La connessione SQLite non è aperta.</translation>
    </message>
</context>
<context>
    <name>FileSecurity</name>
    <message>
        <source>Cannot restrict %1 to its owner: %2</source>
        <translation>Impossibile riservare %1 al solo proprietario: %2</translation>
    </message>
</context>
<context>
    <name>FindBookingModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Arriving on</source>
        <translation>Arrivo il</translation>
    </message>
    <message>
        <source>Depating on</source>
        <translation>Partenza il</translation>
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
        <translation>Annullata</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagato</translation>
    </message>
</context>
<context>
    <name>FindBookingWindow</name>
    <message>
        <source>Find Booking</source>
        <translation>Cerca prenotazione</translation>
    </message>
    <message>
        <source>Arriving on:</source>
        <translation>Arrivo il:</translation>
    </message>
    <message>
        <source>Departing on:</source>
        <translation>Partenza il:</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled bookings</source>
        <translation>Mostra prenotazioni a&amp;nnullate</translation>
    </message>
    <message>
        <source>Part of the customer&apos;s name</source>
        <translation>Parte del nome del cliente</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>No&amp;me:</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>Avvia &amp;ricerca</translation>
    </message>
    <message>
        <source>&amp;View/Edit Booking</source>
        <translation>&amp;Visualizza/modifica prenotazione</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Total matches:</source>
        <translation>Risultati:</translation>
    </message>
    <message>
        <source>The bookings could not be searched: %1</source>
        <translation>Impossibile cercare le prenotazioni: %1</translation>
    </message>
</context>
<context>
    <name>FindCustomerDialog</name>
    <message>
        <source>Find Customer</source>
        <translation>Cerca cliente</translation>
    </message>
    <message>
        <source>any part of the name, house name, town, post code, phone or e-mail</source>
        <translation>qualsiasi parte di nome, edificio, città, CAP, telefono o e-mail</translation>
    </message>
    <message>
        <source>&amp;Any part:</source>
        <translation>&amp;Testo:</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>Avvia &amp;ricerca</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Add Customer</source>
        <translation>Aggiungi cliente</translation>
    </message>
    <message>
        <source>View/Edit Customer</source>
        <translation>Visualizza/modifica cliente</translation>
    </message>
    <message>
        <source>Delete Customer</source>
        <translation>Elimina cliente</translation>
    </message>
    <message>
        <source>Total customer matches:</source>
        <translation>Clienti trovati:</translation>
    </message>
    <message>
        <source>The customer could not be deleted: %1</source>
        <translation>Impossibile eliminare il cliente: %1</translation>
    </message>
</context>
<context>
    <name>HarbourFigures</name>
    <message>
        <source>no berths</source>
        <translation>nessun posto barca</translation>
    </message>
    <message>
        <source>by day</source>
        <translation>per giorno</translation>
    </message>
    <message>
        <source>by week</source>
        <translation>per settimana</translation>
    </message>
    <message>
        <source>by month</source>
        <translation>per mese</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>by month read</source>
        <translation>per mese di lettura</translation>
    </message>
    <message>
        <source>by month of arrival</source>
        <translation>per mese di arrivo</translation>
    </message>
    <message>
        <source>No type</source>
        <translation>Senza tipo</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Occupazione</translation>
    </message>
    <message>
        <source>Nights sold on the berths active now, of the nights they had; %1 berths active.</source>
        <translation>Notti vendute sui posti barca ora attivi, rispetto alle notti disponibili; %1 posti barca attivi.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Notti vendute</translation>
    </message>
    <message>
        <source>Nights available</source>
        <translation>Notti disponibili</translation>
    </message>
    <message>
        <source>All berths</source>
        <translation>Tutti i posti barca</translation>
    </message>
    <message>
        <source>No berths are active, so there is no occupancy to show (no berths).</source>
        <translation>Nessun posto barca è attivo, quindi non c&apos;è occupazione da mostrare (nessun posto barca).</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Ricavi per mese</translation>
    </message>
    <message>
        <source>The agreed prices of the bookings, cancelled ones left out.</source>
        <translation>I prezzi concordati delle prenotazioni, escluse quelle annullate.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Prenotazioni</translation>
    </message>
    <message>
        <source>Hire</source>
        <translation>Noleggio</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Altri costi</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>No booking arrives in this period.</source>
        <translation>Nessuna prenotazione arriva in questo periodo.</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Consumo dei contatori per mese</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unità</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No meter counted any use in this period.</source>
        <translation>Nessun contatore ha registrato consumi in questo periodo.</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Durata del soggiorno e anticipo</translation>
    </message>
    <message>
        <source>Lead time: the days from taking the booking to the arrival.</source>
        <translation>Anticipo: i giorni tra la presa della prenotazione e l&apos;arrivo.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>Average stay (nights)</source>
        <translation>Soggiorno medio (notti)</translation>
    </message>
    <message>
        <source>Average lead time (days)</source>
        <translation>Anticipo medio (giorni)</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>I posti barca più occupati</translation>
    </message>
    <message>
        <source>The %1 berths with the most nights sold.</source>
        <translation>I %1 posti barca con più notti vendute.</translation>
    </message>
    <message>
        <source>nights</source>
        <translation>notti</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>No night is sold in this period.</source>
        <translation>Nessuna notte venduta in questo periodo.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Inserire il primo e l&apos;ultimo giorno del periodo.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Il periodo finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>A period of more than %1 years cannot be shown.</source>
        <translation>Un periodo di più di %1 anni non può essere mostrato.</translation>
    </message>
    <message>
        <source>The chart would have %1 bars, more than %2: choose weeks or months for a period this long.</source>
        <translation>Il grafico avrebbe %1 barre, più di %2: scegliere settimane o mesi per un periodo così lungo.</translation>
    </message>
    <message>
        <source>No such figure.</source>
        <translation>Questo grafico non esiste.</translation>
    </message>
    <message>
        <source>The next 14 nights</source>
        <translation>Le prossime 14 notti</translation>
    </message>
    <message>
        <source>Berths taken for the night, of %1 active</source>
        <translation>Posti barca occupati per la notte, su %1 attivi</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>posti barca</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message>
        <source>Berths taken</source>
        <translation>Posti barca occupati</translation>
    </message>
    <message>
        <source>No berths are active (no berths).</source>
        <translation>Nessun posto barca è attivo (nessun posto barca).</translation>
    </message>
    <message>
        <source>%1: page %p of %P</source>
        <translation>%1: pagina %p di %P</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>The help page %1 cannot be found.</source>
        <translation>Impossibile trovare la pagina della guida %1.</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no web browser answered.</source>
        <translation>Impossibile aprire la pagina della guida %1: nessun browser ha risposto.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser answered. Type the address into a browser.</source>
        <translation>Impossibile aprire %1: nessun browser ha risposto. Digitare l&apos;indirizzo in un browser.</translation>
    </message>
</context>
<context>
    <name>HolderCredits</name>
    <message>
        <source>The holder&apos;s share is a percentage from 0 to %1.</source>
        <translation>La quota del titolare è una percentuale da 0 a %1.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before setting the holder&apos;s share.</source>
        <translation>Inserire i dati dell&apos;azienda prima di fissare la quota del titolare.</translation>
    </message>
    <message>
        <source>Share of the hire of booking %1 while away</source>
        <translation>Quota del noleggio della prenotazione %1 durante l&apos;assenza</translation>
    </message>
    <message>
        <source>Enter a period that ends on or after its first day.</source>
        <translation>Inserire un periodo che finisca il giorno d&apos;inizio o dopo.</translation>
    </message>
</context>
<context>
    <name>HolderCreditsDialog</name>
    <message>
        <source>Credits earned by holders away</source>
        <translation>Crediti maturati dai titolari assenti</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contratto</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titolare</translation>
    </message>
    <message>
        <source>Visitor&apos;s booking</source>
        <translation>Prenotazione del visitatore</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Credito</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>C&amp;redits...</source>
        <translation>Cre&amp;diti...</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n credit(s), %1 in all</source>
        <translation>
            <numerusform>%n credito, %1 in tutto</numerusform>
            <numerusform>%n crediti, %1 in tutto</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HolderShareDialog</name>
    <message>
        <source>Holders&apos; share</source>
        <translation>Quota dei titolari</translation>
    </message>
    <message>
        <source>A holder away is credited this share of the hire a visitor pays for the berth.</source>
        <translation>A un titolare assente viene accreditata questa quota del noleggio che un visitatore paga per il posto barca.</translation>
    </message>
    <message>
        <source>&amp;Share of the visitor&apos;s hire:</source>
        <translation>&amp;Quota del noleggio del visitatore:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Holders&apos; share...</source>
        <translation>Quota dei tito&amp;lari...</translation>
    </message>
    <message>
        <source>%1 % of a visitor&apos;s hire</source>
        <translation>%1 % del noleggio di un visitatore</translation>
    </message>
</context>
<context>
    <name>ImapMailbox</name>
    <message>
        <source>The folder name &quot;%1&quot; may hold letters, digits, spaces and . _ / - only.</source>
        <translation>Il nome della cartella &quot;%1&quot; può contenere solo lettere, cifre, spazi e . _ / -.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: the transfer library did not start.</source>
        <translation>Impossibile leggere la casella di posta: la libreria di trasferimento non si è avviata.</translation>
    </message>
    <message>
        <source>The message is larger than %1 KB.</source>
        <translation>Il messaggio supera %1 KB.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>Impossibile trovare il server e-mail %1.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>Il server e-mail %1 non ha risposto sulla porta %2.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>Il server e-mail ha rifiutato nome utente o password: %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>Il server e-mail non offre una connessione sicura (STARTTLS): %1</translation>
    </message>
    <message>
        <source>The mail server did not answer within %1 seconds.</source>
        <translation>Il server e-mail non ha risposto entro %1 secondi.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: %1</source>
        <translation>Impossibile leggere la casella di posta: %1</translation>
    </message>
    <message>
        <source>The mail server did not give the size of message %1.</source>
        <translation>Il server e-mail non ha indicato la dimensione del messaggio %1.</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Berths and berth types</source>
        <translation>Posti barca e tipi di posto barca</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Prenotazioni</translation>
    </message>
    <message>
        <source>Opening balances</source>
        <translation>Saldi iniziali</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Contratti</translation>
    </message>
    <message>
        <source>Customers with boats</source>
        <translation>Clienti con barche</translation>
    </message>
    <message>
        <source>Old reference</source>
        <translation>Vecchio riferimento</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>House name</source>
        <translation>Edificio</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Cellulare</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Boat reference</source>
        <translation>Riferimento barca</translation>
    </message>
    <message>
        <source>Boat name</source>
        <translation>Nome della barca</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Immatricolazione</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Lunghezza (m)</translation>
    </message>
    <message>
        <source>Beam (m)</source>
        <translation>Larghezza (m)</translation>
    </message>
    <message>
        <source>Draft (m)</source>
        <translation>Pescaggio (m)</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo di posto barca</translation>
    </message>
    <message>
        <source>Width (m)</source>
        <translation>Larghezza (m)</translation>
    </message>
    <message>
        <source>Maximum draft (m)</source>
        <translation>Pescaggio max. (m)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Elettricità</translation>
    </message>
    <message>
        <source>Daily charge</source>
        <translation>Tariffa giornaliera</translation>
    </message>
    <message>
        <source>Customer reference</source>
        <translation>Riferimento cliente</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Partenza</translation>
    </message>
    <message>
        <source>Boat registration</source>
        <translation>Immatricolazione barca</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Adulti</translation>
    </message>
    <message>
        <source>Booking reference</source>
        <translation>Riferimento prenotazione</translation>
    </message>
    <message>
        <source>Amount paid</source>
        <translation>Importo pagato</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primo giorno</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Ultimo giorno</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Instalments</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>The date is missing.</source>
        <translation>Manca la data.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money (written as %2).</source>
        <translation>«%1» non è un importo (scritto come %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size in metres above 0 and up to %2 m.</source>
        <translation>«%1» non è una misura in metri maggiore di 0 e fino a %2 m.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>«%1» non è un numero da 0 a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither yes nor no.</source>
        <translation>«%1» non è né sì né no.</translation>
    </message>
    <message>
        <source>Please give the mapping a name.</source>
        <translation>Dare un nome alla corrispondenza.</translation>
    </message>
    <message>
        <source>There is no mapping called %1.</source>
        <translation>Non esiste alcuna corrispondenza chiamata %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>ImportRun</name>
    <message>
        <source>No customer has the reference &quot;%1&quot;.</source>
        <translation>Nessun cliente ha il riferimento «%1».</translation>
    </message>
    <message>
        <source>The berth &quot;%1&quot; is unknown.</source>
        <translation>Il posto barca «%1» è sconosciuto.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>La partenza non segue l&apos;arrivo.</translation>
    </message>
    <message>
        <source>No boat has the registration &quot;%1&quot;.</source>
        <translation>Nessuna barca ha l&apos;immatricolazione «%1».</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; is another customer&apos;s.</source>
        <translation>La barca «%1» appartiene a un altro cliente.</translation>
    </message>
    <message>
        <source>The boat is too big for berth %1 (%2).</source>
        <translation>La barca è troppo grande per il posto barca %1 (%2).</translation>
    </message>
    <message>
        <source>old reference</source>
        <translation>vecchio riferimento</translation>
    </message>
    <message>
        <source>On record (same old reference): skipped.</source>
        <translation>Già registrato (stesso vecchio riferimento): saltato.</translation>
    </message>
    <message>
        <source>Berth %1 is blocked over these dates.</source>
        <translation>Il posto barca %1 è bloccato in queste date.</translation>
    </message>
    <message>
        <source>Berth %1 is booked over these dates.</source>
        <translation>Il posto barca %1 è prenotato in queste date.</translation>
    </message>
    <message>
        <source>Another row of the file books berth %1 over these dates.</source>
        <translation>Un&apos;altra riga del file prenota il posto barca %1 in queste date.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>On record (same old reference): updated.</source>
        <translation>Già registrato (stesso vecchio riferimento): aggiornato.</translation>
    </message>
    <message>
        <source>The booking on record is cancelled.</source>
        <translation>La prenotazione registrata è annullata.</translation>
    </message>
    <message>
        <source>No term is called &quot;%1&quot;.</source>
        <translation>Nessuna durata si chiama «%1».</translation>
    </message>
    <message>
        <source>The row needs its first and last days, or a term.</source>
        <translation>La riga deve avere il primo e l&apos;ultimo giorno, oppure una durata.</translation>
    </message>
    <message>
        <source>The row has no price and the rates do not price berth %1 over its days.</source>
        <translation>La riga non ha prezzo e le tariffe non prezzano il posto barca %1 nei suoi giorni.</translation>
    </message>
    <message>
        <source>Another row of the file holds berth %1 on these days.</source>
        <translation>Un&apos;altra riga del file occupa il posto barca %1 in questi giorni.</translation>
    </message>
    <message>
        <source>The contract on record is cancelled.</source>
        <translation>Il contratto registrato è annullato.</translation>
    </message>
    <message>
        <source>The row has %1 columns where the headings have %2.</source>
        <translation>La riga ha %1 colonne mentre le intestazioni ne hanno %2.</translation>
    </message>
    <message>
        <source>Line %1 of the file has the same %2.</source>
        <translation>La riga %1 del file ha lo stesso valore (%2).</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Il nome è vuoto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>«%1» non è un indirizzo e-mail.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 supera %2 caratteri.</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>indirizzo e-mail</translation>
    </message>
    <message>
        <source>boat registration</source>
        <translation>immatricolazione della barca</translation>
    </message>
    <message>
        <source>On record (same %1): updated.</source>
        <translation>Già registrato (%1 uguale): aggiornato.</translation>
    </message>
    <message>
        <source>On record (same %1): skipped.</source>
        <translation>Già registrato (%1 uguale): saltato.</translation>
    </message>
    <message>
        <source>The berth&apos;s name is empty.</source>
        <translation>Il nome del posto barca è vuoto.</translation>
    </message>
    <message>
        <source>berth name</source>
        <translation>nome del posto barca</translation>
    </message>
    <message>
        <source>On record: updated.</source>
        <translation>Già registrato: aggiornato.</translation>
    </message>
    <message>
        <source>On record: skipped.</source>
        <translation>Già registrato: saltato.</translation>
    </message>
    <message>
        <source>No booking has the reference &quot;%1&quot;.</source>
        <translation>Nessuna prenotazione ha il riferimento «%1».</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importazione %1</translation>
    </message>
    <message>
        <source>The amount is nothing.</source>
        <translation>L&apos;importo è nullo.</translation>
    </message>
    <message>
        <source>booking reference</source>
        <translation>riferimento prenotazione</translation>
    </message>
    <message>
        <source>The booking has its opening balance already: skipped (a ledger line is put right with a correction).</source>
        <translation>La prenotazione ha già il suo saldo iniziale: saltato (una riga contabile si corregge con una rettifica).</translation>
    </message>
    <message>
        <source>The booking is cancelled.</source>
        <translation>La prenotazione è annullata.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>Every required field needs a column: %1 has none.</source>
        <translation>Ogni campo obbligatorio richiede una colonna: %1 non ne ha.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file holds its headings and no row.</source>
        <translation>Il file contiene le intestazioni e nessuna riga.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicato</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rifiutato</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Accettato</translation>
    </message>
    <message>
        <source>Another desk booked a berth over a booking of this file while it was imported. Nothing was imported: run the dry run and the import again.</source>
        <translation>Un&apos;altra postazione ha prenotato un posto barca su una prenotazione di questo file durante l&apos;importazione. Non è stato importato nulla: ripetere la prova e l&apos;importazione.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>This import is no longer on record.</source>
        <translation>Questa importazione non è più registrata.</translation>
    </message>
    <message>
        <source>This import has been undone already.</source>
        <translation>Questa importazione è già stata annullata.</translation>
    </message>
    <message>
        <source>Opening balances are ledger lines, which are never removed: put a balance right with a correction on its booking.</source>
        <translation>I saldi iniziali sono righe contabili, che non vengono mai eliminate: correggere un saldo con una rettifica sulla sua prenotazione.</translation>
    </message>
    <message>
        <source>customer %1</source>
        <translation>cliente %1</translation>
    </message>
    <message>
        <source>boat %1</source>
        <translation>barca %1</translation>
    </message>
    <message>
        <source>berth %1</source>
        <translation>posto barca %1</translation>
    </message>
    <message>
        <source>booking %1</source>
        <translation>prenotazione %1</translation>
    </message>
    <message>
        <source>contract %1</source>
        <translation>contratto %1</translation>
    </message>
    <message>
        <source>boat %1 (added since)</source>
        <translation>barca %1 (aggiunta in seguito)</translation>
    </message>
    <message>
        <source>booking %1 (made or paid since)</source>
        <translation>prenotazione %1 (fatta o pagata in seguito)</translation>
    </message>
    <message>
        <source>%1 (invoiced or paid since)</source>
        <translation>%1 (fatturato o pagato in seguito)</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e altri %1</translation>
    </message>
    <message>
        <source>This import cannot be undone: what it brought in has been changed since (%1). Nothing was removed.</source>
        <translation>Questa importazione non può essere annullata: quanto ha portato è stato modificato in seguito (%1). Non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language documents are written in.</source>
        <translation>&quot;%1&quot; non è una lingua in cui si scrivono i documenti.</translation>
    </message>
</context>
<context>
    <name>ImportWizard</name>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Sf&amp;oglia...</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europa occidentale)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Virgola (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Punto e virgola (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulazione</translation>
    </message>
    <message>
        <source>The first row holds &amp;headings</source>
        <translation>La prima riga contiene le intesta&amp;zioni</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importato</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Aggiunti</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aggiornati</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltati</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rifiutato</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annullata</translation>
    </message>
    <message>
        <source>&amp;Undo this import</source>
        <translation>A&amp;nnulla questa importazione</translation>
    </message>
    <message>
        <source>&amp;Kind of records:</source>
        <translation>&amp;Tipo di record:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codifica:</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Separatore:</translation>
    </message>
    <message>
        <source>&amp;Past imports:</source>
        <translation>I&amp;mportazioni passate:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Colonna del file</translation>
    </message>
    <message>
        <source>&amp;Skip rows already on record</source>
        <translation>Sa&amp;lta le righe già registrate</translation>
    </message>
    <message>
        <source>&amp;Update rows already on record from the file</source>
        <translation>A&amp;ggiorna dal file le righe già registrate</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>Ca&amp;rica</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>Saved &amp;mappings:</source>
        <translation>Corrisponden&amp;ze salvate:</translation>
    </message>
    <message>
        <source>&amp;Dates written as:</source>
        <translation>&amp;Date scritte come:</translation>
    </message>
    <message>
        <source>&amp;Amounts written as:</source>
        <translation>Im&amp;porti scritti come:</translation>
    </message>
    <message>
        <source>Rows already on record:</source>
        <translation>Righe già registrate:</translation>
    </message>
    <message>
        <source>&amp;Columns (fields marked * are needed):</source>
        <translation>&amp;Colonne (i campi con * sono obbligatori):</translation>
    </message>
    <message>
        <source>&amp;Save list...</source>
        <translation>Salva e&amp;lenco...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>Im&amp;porta</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Verdicts (nothing has been written yet):</source>
        <translation>&amp;Esiti (non è ancora stato scritto nulla):</translation>
    </message>
    <message>
        <source>Import: the file</source>
        <translation>Importazione: il file</translation>
    </message>
    <message>
        <source>Import: the columns</source>
        <translation>Importazione: le colonne</translation>
    </message>
    <message>
        <source>Import: the dry run</source>
        <translation>Importazione: la prova</translation>
    </message>
    <message>
        <source>Please choose the file to import.</source>
        <translation>Scegliere il file da importare.</translation>
    </message>
    <message>
        <source>Please choose a column for: %1.</source>
        <translation>Scegliere una colonna per: %1.</translation>
    </message>
    <message>
        <source>Choose the file to import</source>
        <translation>Scegliere il file da importare</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>File CSV (*.csv *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Lettura del file...</translation>
    </message>
    <message>
        <source>The dry run was stopped.</source>
        <translation>La prova è stata interrotta.</translation>
    </message>
    <message>
        <source>%1 rows to add, %2 already on record, %3 refused.</source>
        <translation>%1 righe da aggiungere, %2 già registrate, %3 rifiutate.</translation>
    </message>
    <message>
        <source>The backup before the import failed, so nothing was imported.

%1</source>
        <translation>Il backup prima dell&apos;importazione non è riuscito, quindi non è stato importato nulla.

%1</translation>
    </message>
    <message>
        <source>The import was stopped: nothing was imported.</source>
        <translation>L&apos;importazione è stata interrotta: non è stato importato nulla.</translation>
    </message>
    <message>
        <source>%1 rows added, %2 already on record, %3 refused.</source>
        <translation>%1 righe aggiunte, %2 già registrate, %3 rifiutate.</translation>
    </message>
    <message>
        <source>The file has been imported: %1

A backup of the database as it was is in %2.</source>
        <translation>Il file è stato importato: %1

Un backup del database com&apos;era si trova in %2.</translation>
    </message>
    <message>
        <source>Save the dry run&apos;s list</source>
        <translation>Salva l&apos;elenco della prova</translation>
    </message>
    <message>
        <source> - dry run.csv</source>
        <translation> - prova.csv</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Remove everything the import of %1 added?</source>
        <translation>Eliminare tutto ciò che l&apos;importazione del %1 ha aggiunto?</translation>
    </message>
    <message>
        <source>Undo this import</source>
        <translation>Annulla questa importazione</translation>
    </message>
    <message>
        <source>The import of %1 has been undone.</source>
        <translation>L&apos;importazione del %1 è stata annullata.</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>Please enter a valid number to continue</source>
        <translation>Inserire un numero valido per continuare</translation>
    </message>
    <message>
        <source>Amounts are in pounds and pence: type at most two decimals, for example %1.</source>
        <translation>Gli importi sono in unità e centesimi: digitare al massimo due decimali, per esempio %1.</translation>
    </message>
    <message>
        <source>An amount cannot be more than %1.</source>
        <translation>Un importo non può superare %1.</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>Deposit</source>
        <translation>Acconto</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pagamento</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Rimborso</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Rettifica</translation>
    </message>
    <message>
        <source>Kept as credit</source>
        <translation>Tenuto come credito</translation>
    </message>
    <message>
        <source>Credit used</source>
        <translation>Credito usato</translation>
    </message>
    <message>
        <source>A contract is paid, refunded or corrected.</source>
        <translation>Un contratto viene pagato, rimborsato o rettificato.</translation>
    </message>
    <message>
        <source>The refund is more than the %1 paid.</source>
        <translation>Il rimborso supera i %1 pagati.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La prenotazione non esiste più.</translation>
    </message>
    <message>
        <source>Enter an amount other than %1.</source>
        <translation>Inserire un importo diverso da %1.</translation>
    </message>
    <message>
        <source>Enter the amount without a minus sign: money given back is recorded as a refund, a mistake as a correction.</source>
        <translation>Inserire l&apos;importo senza segno meno: il denaro restituito si registra come rimborso, un errore come rettifica.</translation>
    </message>
    <message>
        <source>The reference runs to 100 characters and the note to 250.</source>
        <translation>Il riferimento arriva a 100 caratteri e la nota a 250.</translation>
    </message>
    <message>
        <source>The booking has been cancelled: no payment can be recorded on it.</source>
        <translation>La prenotazione è stata annullata: non vi si può registrare alcun pagamento.</translation>
    </message>
    <message>
        <source>A refund cannot be more than what was paid (%1).</source>
        <translation>Un rimborso non può superare quanto pagato (%1).</translation>
    </message>
    <message>
        <source>A correction cannot take what was paid below %1 (%2 was paid).</source>
        <translation>Una rettifica non può portare il pagato sotto %1 (pagati %2).</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Un importo supera %1.</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>Il cliente ha un credito di %1.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before issuing an invoice.</source>
        <translation>Inserire i dati aziendali prima di emettere una fattura.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Inserire il primo e l&apos;ultimo giorno del periodo.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Il periodo finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>No method</source>
        <translation>Nessun metodo</translation>
    </message>
    <message>
        <source>Method %1 (removed)</source>
        <translation>Metodo %1 (eliminato)</translation>
    </message>
    <message>
        <source>No desk</source>
        <translation>Nessuna postazione</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
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
        <translation>Bloccata</translation>
    </message>
    <message>
        <source>This desk is locked. %1, type your PIN or password to go on.</source>
        <translation>Questa postazione è bloccata. %1, digitare il PIN o la password per continuare.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>&amp;PIN o password:</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Sblocca</translation>
    </message>
    <message>
        <source>S&amp;witch User...</source>
        <translation>Cambia &amp;utente...</translation>
    </message>
</context>
<context>
    <name>MailMessage</name>
    <message>
        <source>There is no e-mail address to send to.</source>
        <translation>Non c&apos;è alcun indirizzo e-mail a cui inviare.</translation>
    </message>
    <message>
        <source>The e-mail address %1 holds a line break.</source>
        <translation>L&apos;indirizzo e-mail %1 contiene un a capo.</translation>
    </message>
    <message>
        <source>%1 is not an e-mail address (name@example.com).</source>
        <translation>%1 non è un indirizzo e-mail (nome@esempio.it).</translation>
    </message>
    <message>
        <source>The sender&apos;s name</source>
        <translation>Il nome del mittente</translation>
    </message>
    <message>
        <source>The recipient&apos;s name</source>
        <translation>Il nome del destinatario</translation>
    </message>
    <message>
        <source>The subject</source>
        <translation>L&apos;oggetto</translation>
    </message>
    <message>
        <source>The attachment&apos;s name</source>
        <translation>Il nome dell&apos;allegato</translation>
    </message>
    <message>
        <source>%1 holds a line break, which an e-mail header may not: %2</source>
        <translation>%1 contiene un a capo, che un&apos;intestazione e-mail non ammette: %2</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <source>The sender&apos;s address: %1</source>
        <translation>L&apos;indirizzo del mittente: %1</translation>
    </message>
    <message>
        <source>The sender&apos;s name must be one line.</source>
        <translation>Il nome del mittente deve stare su una riga.</translation>
    </message>
    <message>
        <source>The certificate file %1 cannot be read.</source>
        <translation>Impossibile leggere il file di certificato %1.</translation>
    </message>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information first.</source>
        <translation>Nessun server e-mail configurato: inserirlo prima in Dati aziendali.</translation>
    </message>
    <message>
        <source>The password file %1 could not be removed.</source>
        <translation>Impossibile eliminare il file della password %1.</translation>
    </message>
</context>
<context>
    <name>MailTemplates</name>
    <message>
        <source>Booking confirmation</source>
        <translation>Conferma di prenotazione</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Fattura</translation>
    </message>
    <message>
        <source>Deposit reminder</source>
        <translation>Sollecito acconto</translation>
    </message>
    <message>
        <source>Balance reminder</source>
        <translation>Sollecito saldo</translation>
    </message>
    <message>
        <source>Waiting-list offer</source>
        <translation>Offerta dalla lista d&apos;attesa</translation>
    </message>
    <message>
        <source>Contract renewal letter</source>
        <translation>Lettera di rinnovo del contratto</translation>
    </message>
    <message>
        <source>Your booking {ConfirmationNo} at {Company}</source>
        <translation>La Sua prenotazione {ConfirmationNo} presso {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for booking with us. We look forward to welcoming you from {Arrival} to {Departure} on berth {Berths}.

Your booking confirmation is attached. The total is {Total}; {DepositDue} is due by {DueBy}.

If anything is not as you expected, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Gentile {CustomerName},

La ringraziamo per la Sua prenotazione. Saremo lieti di accoglierLa dal {Arrival} al {Departure} al posto barca {Berths}.

In allegato trova la conferma della prenotazione. Il totale è di {Total}; {DepositDue} sono da versare entro il {DueBy}.

Se qualcosa non corrisponde alle Sue attese, risponda semplicemente a questo messaggio o ci chiami al {CompanyPhone}.

Cordiali saluti,
{Company}</translation>
    </message>
    <message>
        <source>Your invoice from {Company}</source>
        <translation>La Sua fattura da {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Please find attached the invoice for your stay from {Arrival} to {Departure} (booking {ConfirmationNo}). The total is {Total}, of which {Paid} has been paid; {Balance} remains.

Kind regards,
{Company}</source>
        <translation>Gentile {CustomerName},

in allegato trova la fattura del Suo soggiorno dal {Arrival} al {Departure} (prenotazione {ConfirmationNo}). Il totale è di {Total}, di cui {Paid} già pagati; restano {Balance}.

Cordiali saluti,
{Company}</translation>
    </message>
    <message>
        <source>Deposit for your booking {ConfirmationNo}</source>
        <translation>Acconto per la Sua prenotazione {ConfirmationNo}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

A friendly reminder that the deposit of {AmountDue} for your stay from {Arrival} to {Departure} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Gentile {CustomerName},

Le ricordiamo che l&apos;acconto di {AmountDue} per il Suo soggiorno dal {Arrival} al {Departure} è da versare entro il {DueBy}. Se ha già pagato, La ringraziamo e La preghiamo di ignorare questo messaggio.

Cordiali saluti,
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>Balance for your stay from {Arrival}</source>
        <translation>Saldo del Suo soggiorno dal {Arrival}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your stay with us from {Arrival} to {Departure} is coming up. The balance of {AmountDue} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

We look forward to seeing you.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Gentile {CustomerName},

il Suo soggiorno da noi dal {Arrival} al {Departure} si avvicina. Il saldo di {AmountDue} è da versare entro il {DueBy}. Se ha già pagato, La ringraziamo e La preghiamo di ignorare questo messaggio.

La aspettiamo.

Cordiali saluti,
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>A berth has come free at {Company}</source>
        <translation>Si è liberato un posto barca presso {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Good news: a berth has come free for the dates you asked about, {Arrival} to {Departure}. Please call us on {CompanyPhone} or reply to this message soon if you would like it; we offer it to the next on our list otherwise.

Kind regards,
{Company}</source>
        <translation>Gentile {CustomerName},

buone notizie: si è liberato un posto barca per le date richieste, dal {Arrival} al {Departure}. Se Le interessa, ci chiami presto al {CompanyPhone} o risponda a questo messaggio; altrimenti lo offriremo al prossimo della nostra lista.

Cordiali saluti,
{Company}</translation>
    </message>
    <message>
        <source>Renewal of your contract for {Berths}</source>
        <translation>Rinnovo del Suo contratto per {Berths}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your contract for berth {Berths} is renewed from {Arrival} to {Departure} at {Total}. The letter attached gives the details and the instalments.

If you have any questions, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Gentile {CustomerName},

il Suo contratto per il posto barca {Berths} è rinnovato dal {Arrival} al {Departure} per {Total}. La lettera allegata riporta i dettagli e le rate.

Per qualsiasi domanda, risponda semplicemente a questo messaggio o ci chiami al {CompanyPhone}.

Cordiali saluti,
{Company}</translation>
    </message>
    <message>
        <source>There is no kind of message called %1.</source>
        <translation>Non esiste alcun genere di messaggio chiamato %1.</translation>
    </message>
    <message>
        <source>The subject may not be empty.</source>
        <translation>L&apos;oggetto non può essere vuoto.</translation>
    </message>
    <message>
        <source>The subject must be one line.</source>
        <translation>L&apos;oggetto deve stare su una riga.</translation>
    </message>
    <message>
        <source>The template holds what is not a placeholder: %1.
The placeholders are: %2</source>
        <translation>Il modello contiene ciò che non è un segnaposto: %1.
I segnaposto sono: %2</translation>
    </message>
    <message>
        <source>Booking request declined</source>
        <translation>Richiesta di prenotazione rifiutata</translation>
    </message>
    <message>
        <source>Your booking request at {Company}</source>
        <translation>La Sua richiesta di prenotazione presso {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for your request for {Arrival} to {Departure}. We are sorry that we have no berth for you on those dates.

If other dates would suit you, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Gentile {CustomerName},

La ringraziamo per la Sua richiesta dal {Arrival} al {Departure}. Siamo spiacenti di non avere un posto barca disponibile per Lei in quelle date.

Se altre date Le andassero bene, risponda pure a questo messaggio o ci chiami al numero {CompanyPhone}.

Cordiali saluti,
{Company}</translation>
    </message>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>Non esiste una lingua con il codice &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>MailTemplatesDialog</name>
    <message>
        <source>E-mail Templates</source>
        <translation>Modelli e-mail</translation>
    </message>
    <message>
        <source>Placeholders: %1</source>
        <translation>Segnaposto: %1</translation>
    </message>
    <message>
        <source>Reminders proposed each morning (0: none)</source>
        <translation>Solleciti proposti ogni mattina (0: nessuno)</translation>
    </message>
    <message>
        <source>&amp;Deposit reminder, days before it falls due:</source>
        <translation>Sollecito &amp;acconto, giorni prima della scadenza:</translation>
    </message>
    <message>
        <source>&amp;Balance reminder, days before it falls due:</source>
        <translation>Sollecito &amp;saldo, giorni prima della scadenza:</translation>
    </message>
    <message>
        <source>&amp;Overdue reminder, days after it fell due:</source>
        <translation>Sollecito &amp;ritardo, giorni dopo la scadenza:</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>&amp;Reset to the program&apos;s wording</source>
        <translation>Ripristina il testo del pro&amp;gramma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Messaggio:</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Oggetto:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Testo:</translation>
    </message>
    <message>
        <source>The template could not be read: %1</source>
        <translation>Impossibile leggere il modello: %1</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>Salvare le modifiche a «%1»?</translation>
    </message>
    <message>
        <source>The template was not saved: %1</source>
        <translation>Il modello non è stato salvato: %1</translation>
    </message>
    <message>
        <source>E-mail template: %1</source>
        <translation>Modello e-mail: %1</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
</context>
<context>
    <name>MailingListWizard</name>
    <message>
        <source>Mailing list</source>
        <translation>Mailing list</translation>
    </message>
    <message>
        <source>Email Mailing List Wizard</source>
        <translation>Procedura guidata mailing list e-mail</translation>
    </message>
    <message>
        <source>Enter the Mailing List filename</source>
        <translation>Inserire il nome del file della mailing list</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Using this wizard you can create a mailing list of your customers.</source>
        <translation>Con questa procedura guidata è possibile creare una mailing list dei clienti.</translation>
    </message>
    <message>
        <source>Enter the filename you would like to populate with your email list.</source>
        <translation>Inserire il nome del file in cui scrivere l&apos;elenco degli indirizzi e-mail.</translation>
    </message>
    <message>
        <source>Mailing list filename:</source>
        <translation>File della mailing list:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Sf&amp;oglia...</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Fare clic su Fine per completare la configurazione</translation>
    </message>
    <message>
        <source>Please enter a file name</source>
        <translation>Inserire un nome di file</translation>
    </message>
    <message>
        <source>Mailing list file</source>
        <translation>File della mailing list</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>The customers&apos; email addresses could not be read; no file was written.

%1</source>
        <translation>Impossibile leggere gli indirizzi e-mail dei clienti; non è stato scritto alcun file.

%1</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome di file non valido</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Export C&amp;ustomers...</source>
        <translation>Esporta &amp;clienti...</translation>
    </message>
    <message>
        <source>Export Reser&amp;vations</source>
        <translation>Esporta &amp;prenotazioni</translation>
    </message>
    <message>
        <source>Export T&amp;oday&apos;s Reservations</source>
        <translation>Esporta prenotazioni di &amp;oggi</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <source>&amp;Compact &amp;&amp; repair database</source>
        <translation>Compatta &amp;&amp; &amp;ripara database</translation>
    </message>
    <message>
        <source>&amp;Backup database ...</source>
        <translation>&amp;Backup del database...</translation>
    </message>
    <message>
        <source>&amp;Restore database ...</source>
        <translation>Ripristi&amp;na database...</translation>
    </message>
    <message>
        <source>End of &amp;workday</source>
        <translation>&amp;Fine giornata</translation>
    </message>
    <message>
        <source>View &amp;trace log</source>
        <translation>Visualizza registro &amp;tracce</translation>
    </message>
    <message>
        <source>&amp;Switch User...</source>
        <translation>Cambia &amp;utente...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
    <message>
        <source>&amp;Web Bookings</source>
        <translation>Prenotazioni &amp;web</translation>
    </message>
    <message>
        <source>&amp;Configure Web Bookings...</source>
        <translation>&amp;Configura prenotazioni web...</translation>
    </message>
    <message>
        <source>C&amp;reate Web Booking Page...</source>
        <translation>C&amp;rea pagina di prenotazione web...</translation>
    </message>
    <message>
        <source>&amp;Bookings</source>
        <translation>&amp;Prenotazioni</translation>
    </message>
    <message>
        <source>&amp;Add Booking</source>
        <translation>&amp;Nuova prenotazione</translation>
    </message>
    <message>
        <source>&amp;Find Booking...</source>
        <translation>&amp;Cerca prenotazione...</translation>
    </message>
    <message>
        <source>View &amp;Reports</source>
        <translation>&amp;Report</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;cash-up...</source>
        <translation>C&amp;hiusura di cassa di oggi...</translation>
    </message>
    <message>
        <source>C&amp;ontracts...</source>
        <translation>Con&amp;tratti...</translation>
    </message>
    <message>
        <source>Rene&amp;w Contracts...</source>
        <translation>Rinno&amp;va contratti...</translation>
    </message>
    <message>
        <source>Contract L&amp;ists...</source>
        <translation>&amp;Elenchi contratti...</translation>
    </message>
    <message>
        <source>Re&amp;minders...</source>
        <translation>&amp;Solleciti...</translation>
    </message>
    <message>
        <source>Close&amp;d Months...</source>
        <translation>&amp;Mesi chiusi...</translation>
    </message>
    <message>
        <source>View Ad&amp;vanced Calendar</source>
        <translation>Calendario &amp;avanzato</translation>
    </message>
    <message>
        <source>View &amp;Simple Calendar</source>
        <translation>Calendario sem&amp;plice</translation>
    </message>
    <message>
        <source>Booking C&amp;hart</source>
        <translation>P&amp;lanning prenotazioni</translation>
    </message>
    <message>
        <source>Berth / Rentals  &amp;Notes...</source>
        <translation>Note posti barca / noleg&amp;gi...</translation>
    </message>
    <message>
        <source>&amp;Customers</source>
        <translation>&amp;Clienti</translation>
    </message>
    <message>
        <source>&amp;View Customers</source>
        <translation>&amp;Visualizza clienti</translation>
    </message>
    <message>
        <source>&amp;Find Customer...</source>
        <translation>&amp;Cerca cliente...</translation>
    </message>
    <message>
        <source>&amp;Waiting List...</source>
        <translation>&amp;Lista d&apos;attesa...</translation>
    </message>
    <message>
        <source>&amp;Email Mailing List Wizard...</source>
        <translation>Procedura guidata &amp;mailing list e-mail...</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>C&amp;onfigurazione</translation>
    </message>
    <message>
        <source>Configuration &amp;Wizard...</source>
        <translation>Configurazione &amp;guidata...</translation>
    </message>
    <message>
        <source>&amp;Company...</source>
        <translation>&amp;Azienda...</translation>
    </message>
    <message>
        <source>Re&amp;gional Settings...</source>
        <translation>&amp;Impostazioni internazionali...</translation>
    </message>
    <message>
        <source>&amp;Berths...</source>
        <translation>&amp;Posti barca...</translation>
    </message>
    <message>
        <source>Berth &amp;Owners...</source>
        <translation>Pr&amp;oprietari posti barca...</translation>
    </message>
    <message>
        <source>&amp;Rates...</source>
        <translation>&amp;Tariffe...</translation>
    </message>
    <message>
        <source>&amp;Meters...</source>
        <translation>&amp;Contatori...</translation>
    </message>
    <message>
        <source>Ca&amp;lendars...</source>
        <translation>Ca&amp;lendari...</translation>
    </message>
    <message>
        <source>E-mail &amp;Templates...</source>
        <translation>&amp;Modelli e-mail...</translation>
    </message>
    <message>
        <source>&amp;Users...</source>
        <translation>&amp;Utenti...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommario...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>&amp;Indice...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day...</source>
        <translation>Su&amp;ggerimento del giorno...</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>&amp;Assistenza online</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>I&amp;nformazioni su...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Aggiungi prenotazione</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Advanced Calendar</source>
        <translation>Calendario avanzato</translation>
    </message>
    <message>
        <source>View Customers</source>
        <translation>Visualizza clienti</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Booking Chart</source>
        <translation>Planning prenotazioni</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Prenotazione</translation>
    </message>
    <message>
        <source>Web Bookings</source>
        <translation>Prenotazioni web</translation>
    </message>
    <message>
        <source>Zem Harbour and Campsite Reservation</source>
        <translation>Zem Harbour – prenotazioni per porti e campeggi</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>R&amp;ichieste...</translation>
    </message>
</context>
<context>
    <name>MaintenanceMenu</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>Backup archives (*.SPA)</source>
        <translation>Archivi di backup (*.SPA)</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Nome di file errato</translation>
    </message>
    <message>
        <source>Select your database backup file ...</source>
        <translation>Selezionare il file di backup del database...</translation>
    </message>
    <message>
        <source>Error detected when make database backup!</source>
        <translation>Si è verificato un errore durante il backup del database!</translation>
    </message>
    <message>
        <source>Database backuped</source>
        <translation>Backup del database eseguito</translation>
    </message>
    <message>
        <source>Select your backuped database ...</source>
        <translation>Selezionare il database di backup...</translation>
    </message>
    <message>
        <source>Replace the database with the backup %1 of %2 (%3)?

The database as it is now is kept as %4, and can be restored from there.</source>
        <translation>Sostituire il database con il backup %1 del %2 (%3)?

Il database attuale viene conservato come %4 e può essere ripristinato da lì.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Error detected when restoring database backup!</source>
        <translation>Si è verificato un errore durante il ripristino del backup!</translation>
    </message>
    <message>
        <source>Database restored</source>
        <translation>Database ripristinato</translation>
    </message>
    <message>
        <source>Database compacted</source>
        <translation>Database compattato</translation>
    </message>
</context>
<context>
    <name>MeterImport</name>
    <message>
        <source>accepted</source>
        <translation>accettata</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>azzerato</translation>
    </message>
    <message>
        <source>unknown meter</source>
        <translation>contatore sconosciuto</translation>
    </message>
    <message>
        <source>earlier than the last</source>
        <translation>anteriore all&apos;ultima</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rifiutata</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time.</source>
        <translation>«%1» non è una data e ora.</translation>
    </message>
    <message>
        <source>Meter %1 was last read on %2.</source>
        <translation>L&apos;ultima lettura del contatore %1 risale al %2.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
</context>
<context>
    <name>MeterInvoice</name>
    <message>
        <source>%1, berth %2</source>
        <translation>%1, posto barca %2</translation>
    </message>
    <message>
        <source>By the meter</source>
        <translation>A contatore</translation>
    </message>
</context>
<context>
    <name>MeterLists</name>
    <message numerus="yes">
        <source>Meters not read for more than %n day(s), on %1</source>
        <translation>
            <numerusform>Contatori non letti da più di %n giorno, al %1</numerusform>
            <numerusform>Contatori non letti da più di %n giorni, al %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 use by berth and month, %2 to %3</source>
        <translation>Consumo %1 per posto barca e mese, dal %2 al %3</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Use (%1)</source>
        <translation>Consumo (%1)</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Ultima lettura</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>never read</source>
        <translation>mai letto</translation>
    </message>
    <message>
        <source>Readings flagged, %1 to %2</source>
        <translation>Letture segnalate, dal %1 al %2</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Letto il</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>over three times the usual</source>
        <translation>oltre il triplo del solito</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>azzerato</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>corretta, era %1</translation>
    </message>
</context>
<context>
    <name>MeterListsWindow</name>
    <message>
        <source>Meter lists</source>
        <translation>Elenchi contatori</translation>
    </message>
    <message>
        <source>Use by berth and month</source>
        <translation>Consumo per posto barca e mese</translation>
    </message>
    <message>
        <source>Meters not read</source>
        <translation>Contatori non letti</translation>
    </message>
    <message>
        <source>Readings flagged</source>
        <translation>Letture segnalate</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Elenco:</translation>
    </message>
    <message>
        <source>&amp;Kind (use):</source>
        <translation>&amp;Tipo (consumo):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>Not read for more than (&amp;days):</source>
        <translation>Non letti da più di (gio&amp;rni):</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Il periodo finisce prima di cominciare.</translation>
    </message>
</context>
<context>
    <name>MeterStore</name>
    <message>
        <source>Contract %1 has been billed for this meter&apos;s period already.</source>
        <translation>Il contratto %1 è già stato fatturato per il periodo di questo contatore.</translation>
    </message>
    <message>
        <source>Another meter has the serial number %1.</source>
        <translation>Un altro contatore ha il numero di serie %1.</translation>
    </message>
    <message>
        <source>Berth %1 already has %2 meter %3: swap it, or remove it first.</source>
        <translation>Il posto barca %1 ha già il contatore %2 %3: sostituirlo, oppure toglierlo prima.</translation>
    </message>
    <message>
        <source>The meter no longer exists.</source>
        <translation>Il contatore non esiste più.</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3): if the meter rolled over, say so; otherwise type the reading again.</source>
        <translation>%1 è inferiore all&apos;ultima lettura del contatore %2 (%3): se il contatore si è azzerato, indicarlo; altrimenti digitare di nuovo la lettura.</translation>
    </message>
    <message>
        <source>The reading no longer exists.</source>
        <translation>La lettura non esiste più.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>La lettura ha più cifre delle %1 del contatore.</translation>
    </message>
    <message>
        <source>%1 is below the reading before it (%2): if the meter rolled over, say so.</source>
        <translation>%1 è inferiore alla lettura precedente (%2): se il contatore si è azzerato, indicarlo.</translation>
    </message>
    <message>
        <source>%1 is above the reading after it (%2).</source>
        <translation>%1 è superiore alla lettura successiva (%2).</translation>
    </message>
    <message>
        <source>Meter %1 was already removed on %2.</source>
        <translation>Il contatore %1 è già stato tolto il %2.</translation>
    </message>
</context>
<context>
    <name>MeterWalk</name>
    <message>
        <source>Meter Walk</source>
        <translation>Giro letture</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Stampato il %1</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Ultima lettura</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Letto il</translation>
    </message>
    <message>
        <source>New reading</source>
        <translation>Nuova lettura</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p di %P</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>(no berth)</source>
        <translation>(nessun posto barca)</translation>
    </message>
    <message>
        <source>No meters are in service.</source>
        <translation>Nessun contatore è in servizio.</translation>
    </message>
</context>
<context>
    <name>Meters</name>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Elettricità</translation>
    </message>
    <message>
        <source>Type the meter&apos;s serial number.</source>
        <translation>Digitare il numero di serie del contatore.</translation>
    </message>
    <message>
        <source>A serial number has at most 40 characters.</source>
        <translation>Un numero di serie ha al massimo 40 caratteri.</translation>
    </message>
    <message>
        <source>Type the unit the meter counts in (kWh, m³).</source>
        <translation>Digitare l&apos;unità del contatore (kWh, m³).</translation>
    </message>
    <message>
        <source>A meter&apos;s counter has from %1 to %2 whole digits.</source>
        <translation>Il totalizzatore di un contatore ha da %1 a %2 cifre intere.</translation>
    </message>
    <message>
        <source>Type the day the meter was fitted.</source>
        <translation>Digitare il giorno di installazione del contatore.</translation>
    </message>
    <message>
        <source>The meter cannot be removed before it was fitted.</source>
        <translation>Il contatore non può essere tolto prima dell&apos;installazione.</translation>
    </message>
    <message>
        <source>Type the reading.</source>
        <translation>Digitare la lettura.</translation>
    </message>
    <message>
        <source>A reading is never below zero: &quot;%1&quot;.</source>
        <translation>Una lettura non è mai negativa: «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reading: type the digits the meter shows.</source>
        <translation>«%1» non è una lettura: digitare le cifre mostrate dal contatore.</translation>
    </message>
    <message>
        <source>A reading has at most three decimals: &quot;%1&quot;.</source>
        <translation>Una lettura ha al massimo tre decimali: «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more digits than the meter&apos;s %2.</source>
        <translation>«%1» ha più cifre delle %2 del contatore.</translation>
    </message>
    <message>
        <source>Type the day and time of the reading.</source>
        <translation>Digitare giorno e ora della lettura.</translation>
    </message>
    <message>
        <source>A reading cannot be dated in the future (%1).</source>
        <translation>Una lettura non può avere una data futura (%1).</translation>
    </message>
    <message>
        <source>Meter %1 was fitted on %2: a reading cannot be dated before that.</source>
        <translation>Il contatore %1 è stato installato il %2: una lettura non può essere anteriore.</translation>
    </message>
    <message>
        <source>Meter %1 was removed on %2: a reading cannot be dated after that.</source>
        <translation>Il contatore %1 è stato tolto il %2: una lettura non può essere posteriore.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>La lettura ha più cifre delle %1 del contatore.</translation>
    </message>
    <message>
        <source>The last reading of meter %1 was taken on %2: a new one cannot be dated before it.</source>
        <translation>L&apos;ultima lettura del contatore %1 è del %2: una nuova non può essere anteriore.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a band: type the units, &quot;at&quot; and the price, as &quot;10 at 0.10&quot;.</source>
        <translation>«%1» non è una fascia: digitare le unità, «at» e il prezzo, come «10 at 0.10».</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Type the day the tariff takes effect.</source>
        <translation>Digitare il giorno di entrata in vigore della tariffa.</translation>
    </message>
    <message>
        <source>A price per unit or per day is from %1 to %2.</source>
        <translation>Un prezzo per unità o per giorno va da %1 a %2.</translation>
    </message>
    <message>
        <source>Band %1: a price is from %2 to %3.</source>
        <translation>Fascia %1: un prezzo va da %2 a %3.</translation>
    </message>
    <message>
        <source>Band %1 must end above %2 units: the bands run upwards in order.</source>
        <translation>La fascia %1 deve finire oltre %2 unità: le fasce vanno in ordine crescente.</translation>
    </message>
    <message>
        <source>Two %1 tariffs take effect on %2: keep one.</source>
        <translation>Due tariffe %1 entrano in vigore il %2: tenerne una.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>1 day at %1 a day, %2: %3</source>
        <translation>1 giorno a %1 al giorno, %2: %3</translation>
    </message>
    <message>
        <source>%1 days at %2 a day, %3: %4</source>
        <translation>%1 giorni a %2 al giorno, %3: %4</translation>
    </message>
    <message>
        <source>%1 %2 at %3, %4: %5</source>
        <translation>%1 %2 a %3, %4: %5</translation>
    </message>
    <message>
        <source>Meter %1: %2 %3 on %4 to %5 %3 on %6, %7 %3 used</source>
        <translation>Contatore %1: %2 %3 il %4 fino a %5 %3 il %6, %7 %3 consumati</translation>
    </message>
</context>
<context>
    <name>MetersDialog</name>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <source>Fitted</source>
        <translation>Installato</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Tolto</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Letto alle</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Segnalazioni</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Chi</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Contatori</translation>
    </message>
    <message>
        <source>&amp;Meters:</source>
        <translation>Contato&amp;ri:</translation>
    </message>
    <message>
        <source>R&amp;eadings of the chosen meter:</source>
        <translation>L&amp;etture del contatore scelto:</translation>
    </message>
    <message>
        <source>&amp;Add Meter...</source>
        <translation>&amp;Aggiungi contatore...</translation>
    </message>
    <message>
        <source>E&amp;dit Meter...</source>
        <translation>Mo&amp;difica contatore...</translation>
    </message>
    <message>
        <source>S&amp;wap Meter...</source>
        <translation>&amp;Sostituisci contatore...</translation>
    </message>
    <message>
        <source>Add &amp;Reading...</source>
        <translation>Aggiungi &amp;lettura...</translation>
    </message>
    <message>
        <source>C&amp;orrect Reading...</source>
        <translation>C&amp;orreggi lettura...</translation>
    </message>
    <message>
        <source>&amp;Tariffs...</source>
        <translation>&amp;Tariffe...</translation>
    </message>
    <message>
        <source>&amp;Print Walk List...</source>
        <translation>Stam&amp;pa giro letture...</translation>
    </message>
    <message>
        <source>&amp;Import Readings...</source>
        <translation>&amp;Importa letture...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>azzerato</translation>
    </message>
    <message>
        <source>over three times usual</source>
        <translation>oltre il triplo del solito</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>corretta, era %1</translation>
    </message>
    <message>
        <source>Add Meter</source>
        <translation>Aggiungi contatore</translation>
    </message>
    <message>
        <source>Edit Meter</source>
        <translation>Modifica contatore</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>Numero di &amp;serie:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unità:</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Cifre:</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Posto barca:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>&amp;Fitted:</source>
        <translation>&amp;Installato il:</translation>
    </message>
    <message>
        <source>&amp;Removed:</source>
        <translation>T&amp;olto:</translation>
    </message>
    <message>
        <source>Removed &amp;on:</source>
        <translation>Tolto i&amp;l:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>Swap Meter %1</source>
        <translation>Sostituisci contatore %1</translation>
    </message>
    <message>
        <source>&amp;Swapped at:</source>
        <translation>&amp;Sostituito alle:</translation>
    </message>
    <message>
        <source>&amp;Closing reading of %1:</source>
        <translation>Lettura &amp;finale di %1:</translation>
    </message>
    <message>
        <source>&amp;New meter&apos;s serial:</source>
        <translation>N. di serie del &amp;nuovo contatore:</translation>
    </message>
    <message>
        <source>&amp;Opening reading:</source>
        <translation>Lettura &amp;iniziale:</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Lettura di %1</translation>
    </message>
    <message>
        <source>&amp;Read at:</source>
        <translation>&amp;Letto alle:</translation>
    </message>
    <message>
        <source>R&amp;eading (%1):</source>
        <translation>L&amp;ettura (%1):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>%1 is below the last reading (%2).

Yes: the meter rolled over and started again from zero. No: go back and correct the reading.</source>
        <translation>%1 è inferiore all&apos;ultima lettura (%2).

Sì: il contatore si è azzerato ed è ripartito da zero. No: tornare indietro e correggere la lettura.</translation>
    </message>
    <message>
        <source>The use since the last reading is more than three times the berth&apos;s usual: the reading is kept and marked.</source>
        <translation>Il consumo dall&apos;ultima lettura supera il triplo del solito per il posto barca: la lettura è tenuta e segnata.</translation>
    </message>
    <message>
        <source>Correct the reading of %1</source>
        <translation>Correggi la lettura di %1</translation>
    </message>
    <message>
        <source>&amp;Reading (%1):</source>
        <translation>&amp;Lettura (%1):</translation>
    </message>
    <message>
        <source>Rolled &amp;over:</source>
        <translation>A&amp;zzerato:</translation>
    </message>
    <message>
        <source>&amp;Why:</source>
        <translation>&amp;Motivo:</translation>
    </message>
    <message>
        <source>Meter Tariffs</source>
        <translation>Tariffe dei contatori</translation>
    </message>
    <message>
        <source>One tariff a line, in force from its date until the next of its kind. Bands: &quot;10 at 0.10; 30 at 0.20&quot;, the first units of a bill at those prices.</source>
        <translation>Una tariffa per riga, in vigore dalla sua data fino alla successiva dello stesso genere. Fasce: «10 at 0.10; 30 at 0.20», le prime unità di una fattura a quei prezzi.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>Per unit</source>
        <translation>Per unità</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Per giorno</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Fasce</translation>
    </message>
    <message>
        <source>&amp;Add a Line</source>
        <translation>&amp;Aggiungi riga</translation>
    </message>
    <message>
        <source>&amp;Remove the Line</source>
        <translation>&amp;Elimina riga</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>type a price in pounds and pence, as 0.32.</source>
        <translation>digitare un prezzo in unità e centesimi, come 0.32.</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Importa letture</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>File CSV (*.csv *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 %4: %5%6</source>
        <translation>Riga %1: %2 %3 %4: %5%6</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e altre %1.</translation>
    </message>
    <message>
        <source>No reading in the file can be added:
%1</source>
        <translation>Nessuna lettura del file può essere aggiunta:
%1</translation>
    </message>
    <message>
        <source>%1 of %2 readings can be added:
%3

Yes adds those %1 now; No adds nothing.</source>
        <translation>Si possono aggiungere %1 letture su %2:
%3

Sì aggiunge ora queste %1; No non aggiunge nulla.</translation>
    </message>
</context>
<context>
    <name>NamePicker</name>
    <message>
        <source>Type part of a name</source>
        <translation>Digitare parte di un nome</translation>
    </message>
</context>
<context>
    <name>NoShowDialog</name>
    <message>
        <source>No-shows</source>
        <translation>Mancati arrivi</translation>
    </message>
    <message>
        <source>These guests were due today and have not been checked in.
Tick those who will not come, then mark them:</source>
        <translation>Questi ospiti erano attesi oggi e non sono arrivati.
Spuntare quelli che non verranno, poi segnarli:</translation>
    </message>
    <message>
        <source>%1  %2  (booking %3)</source>
        <translation>%1  %2  (prenotazione %3)</translation>
    </message>
    <message>
        <source>Tick &amp;all</source>
        <translation>Spunta &amp;tutti</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>Spunta &amp;nessuno</translation>
    </message>
    <message>
        <source>&amp;Mark as no-shows</source>
        <translation>&amp;Segna come mancati arrivi</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>OccupancyModel</name>
    <message>
        <source>%1
%2 to %3</source>
        <translation>%1
dal %2 al %3</translation>
    </message>
</context>
<context>
    <name>OffersDialog</name>
    <message>
        <source>Berths came free</source>
        <translation>Si sono liberati posti barca</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barca</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Berths that fit</source>
        <translation>Posti barca adatti</translation>
    </message>
    <message>
        <source>A booking was cancelled or changed. These entries on the waiting list can take the berths that came free:</source>
        <translation>Una prenotazione è stata annullata o modificata. Queste iscrizioni della lista d&apos;attesa possono prendere i posti barca liberati:</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>&amp;Prenota...</translation>
    </message>
    <message>
        <source>&amp;E-mail Offer</source>
        <translation>Offerta via &amp;e-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The offer was not queued: %1</source>
        <translation>L&apos;offerta non è stata messa in coda: %1</translation>
    </message>
    <message>
        <source>Waiting-list offer to %1</source>
        <translation>Offerta dalla lista d&apos;attesa a %1</translation>
    </message>
    <message>
        <source>The offer to %1 is in the outbox and goes out in the background; the entry is marked offered.</source>
        <translation>L&apos;offerta a %1 è nella posta in uscita e parte in background; l&apos;iscrizione è segnata come offerta.</translation>
    </message>
</context>
<context>
    <name>OldReference</name>
    <message>
        <source>Old reference:</source>
        <translation>Vecchio riferimento:</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>A name or subject holds a line break, which an e-mail header may not: %1</source>
        <translation>Un nome o un oggetto contiene un a capo, che un&apos;intestazione e-mail non ammette: %1</translation>
    </message>
    <message>
        <source>The message has no subject.</source>
        <translation>Il messaggio non ha oggetto.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Inviato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>The database did not add every message.</source>
        <translation>Il database non ha aggiunto tutti i messaggi.</translation>
    </message>
    <message>
        <source>The message is no longer in the outbox.</source>
        <translation>Il messaggio non è più nella posta in uscita.</translation>
    </message>
    <message>
        <source>The message has been sent meanwhile.</source>
        <translation>Il messaggio è stato inviato nel frattempo.</translation>
    </message>
    <message>
        <source>The message is being sent right now; try again in a moment.</source>
        <translation>Il messaggio è in invio proprio ora; riprovare tra un momento.</translation>
    </message>
</context>
<context>
    <name>OwnerDialog</name>
    <message>
        <source>Add Owner</source>
        <translation>Aggiungi proprietario</translation>
    </message>
    <message>
        <source>Edit Owner</source>
        <translation>Modifica proprietario</translation>
    </message>
</context>
<context>
    <name>OwnerListWindow</name>
    <message>
        <source>Owners</source>
        <translation>Proprietari</translation>
    </message>
    <message>
        <source>&amp;Add Owner</source>
        <translation>&amp;Aggiungi proprietario</translation>
    </message>
    <message>
        <source>View/&amp;Edit Owner</source>
        <translation>Visualizza/&amp;modifica proprietario</translation>
    </message>
    <message>
        <source>&amp;Delete Owner</source>
        <translation>&amp;Elimina proprietario</translation>
    </message>
</context>
<context>
    <name>OwnerStore</name>
    <message>
        <source>Deleting this owner will also remove all owners berth. This would affect historic reports. Are you sure you want to delete this owner?</source>
        <translation>Eliminando questo proprietario si eliminano anche tutti i suoi posti barca, alterando i report storici. Eliminare davvero questo proprietario?</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>A password needs at least %1 characters.</source>
        <translation>Una password deve avere almeno %1 caratteri.</translation>
    </message>
    <message>
        <source>A password may have at most %1 characters.</source>
        <translation>Una password può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>A PIN is %1 to %2 digits.</source>
        <translation>Un PIN ha da %1 a %2 cifre.</translation>
    </message>
    <message>
        <source>The password library could not start.</source>
        <translation>Impossibile avviare la libreria delle password.</translation>
    </message>
    <message>
        <source>There is not enough memory to protect the password.</source>
        <translation>La memoria non basta per proteggere la password.</translation>
    </message>
</context>
<context>
    <name>PaymentDialog</name>
    <message>
        <source>Refund</source>
        <translation>Rimborso</translation>
    </message>
    <message>
        <source>Record Payment</source>
        <translation>Registra pagamento</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metodo:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Importo:</translation>
    </message>
    <message>
        <source>&amp;Reference (card slip, transfer):</source>
        <translation>&amp;Riferimento (scontrino carta, bonifico):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Total payable: %1    Paid so far: %2</source>
        <translation>Totale da pagare: %1    Pagato finora: %2</translation>
    </message>
    <message>
        <source>Type the amount, for example %1.</source>
        <translation>Digitare l&apos;importo, per esempio %1.</translation>
    </message>
    <message>
        <source>The payment could not be saved: %1</source>
        <translation>Impossibile salvare il pagamento: %1</translation>
    </message>
    <message>
        <source>%1 of %2 on booking %3</source>
        <translation>%1 di %2 sulla prenotazione %3</translation>
    </message>
    <message>
        <source>%1 was issued. It prints from the booking&apos;s summary, under Credit Notes.</source>
        <translation>%1 è stata emessa. Si stampa dal riepilogo della prenotazione, alla voce Note di credito.</translation>
    </message>
    <message>
        <source>No credit note was issued: the refund gives back money paid beyond what invoice %1 still asks after its credit notes.</source>
        <translation>Non è stata emessa alcuna nota di credito: il rimborso restituisce denaro pagato oltre quanto la fattura %1 richiede ancora dopo le sue note di credito.</translation>
    </message>
</context>
<context>
    <name>PaymentTerms</name>
    <message>
        <source>Deposit %1 due by %2</source>
        <translation>Acconto %1 entro il %2</translation>
    </message>
    <message>
        <source>%1 still owed, all due by %2</source>
        <translation>%1 ancora dovuto, tutto entro il %2</translation>
    </message>
    <message>
        <source>%1 overdue</source>
        <translation>%1 scaduto</translation>
    </message>
    <message>
        <source>%1 overdue since %2</source>
        <translation>%1 scaduto dal %2</translation>
    </message>
    <message>
        <source>%1 due by %2</source>
        <translation>%1 entro il %2</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to %2.</source>
        <translation>Un acconto va da %1 a %2.</translation>
    </message>
    <message>
        <source>A deposit&apos;s percentage runs from 0 to 100 %.</source>
        <translation>La percentuale di un acconto va da 0 a 100 %.</translation>
    </message>
    <message>
        <source>The balance falls due from 0 to %1 days before arrival.</source>
        <translation>Il saldo scade da 0 a %1 giorni prima dell&apos;arrivo.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s amount, or choose no deposit.</source>
        <translation>Inserire l&apos;importo dell&apos;acconto, oppure scegliere Nessun acconto.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s percentage, or choose no deposit.</source>
        <translation>Inserire la percentuale dell&apos;acconto, oppure scegliere Nessun acconto.</translation>
    </message>
    <message>
        <source>The deposit and due dates have been changed at another desk since you opened this window. Nothing was saved: press Refresh to see them.</source>
        <translation>Acconto e scadenze sono stati modificati da un&apos;altra postazione dopo l&apos;apertura di questa finestra. Non è stato salvato nulla: premere Ricarica per vederli.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>The PDF could not be divided into letters: it is not laid out as expected.</source>
        <translation>Impossibile dividere il PDF in lettere: l&apos;impaginazione non è quella prevista.</translation>
    </message>
    <message>
        <source>Pages %1 to %2 are not in the PDF of %3 pages.</source>
        <translation>Le pagine da %1 a %2 non sono nel PDF di %3 pagine.</translation>
    </message>
</context>
<context>
    <name>PeopleFields</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>House Name:</source>
        <translation>Edificio:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Via:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Località:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>Post Code:</source>
        <translation>CAP:</translation>
    </message>
    <message>
        <source>Mobile Phone:</source>
        <translation>Cellulare:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Indirizzo e-mail:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefono:</translation>
    </message>
    <message>
        <source>Membership No:</source>
        <translation>N. tessera:</translation>
    </message>
</context>
<context>
    <name>PeopleListModel</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>PeopleListWindow</name>
    <message>
        <source>The record could not be deleted: %1</source>
        <translation>Impossibile eliminare la scheda: %1</translation>
    </message>
</context>
<context>
    <name>PeopleLists</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Edificio</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Tel No</source>
        <translation>Tel.</translation>
    </message>
    <message>
        <source>Mobile No</source>
        <translation>Cellulare</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Membership No</source>
        <translation>N. tessera</translation>
    </message>
    <message>
        <source>Boats</source>
        <translation>Barche</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Indirizzo e-mail</translation>
    </message>
</context>
<context>
    <name>PeopleRecords</name>
    <message>
        <source>There is no record with the ID %1.</source>
        <translation>Non esiste alcuna scheda con ID %1.</translation>
    </message>
    <message>
        <source>It was deleted at another desk while you were editing it. What you typed is still in the boxes; nothing was saved.</source>
        <translation>È stata eliminata da un&apos;altra postazione mentre la modificavate. Quanto digitato è ancora nei campi; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>The record with the ID %1 no longer exists.</source>
        <translation>La scheda con ID %1 non esiste più.</translation>
    </message>
    <message>
        <source>Club member:</source>
        <translation>Socio del club:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Document language:</source>
        <translation>Lingua dei documenti:</translation>
    </message>
</context>
<context>
    <name>PeopleWidgets</name>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>&amp;Ask a manager...</source>
        <translation>&amp;Chiedi a un responsabile...</translation>
    </message>
</context>
<context>
    <name>Permissions</name>
    <message>
        <source>An administrator always manages users and permissions, so they can be given back.</source>
        <translation>Un amministratore gestisce sempre utenti e permessi, in modo che possano essere restituiti.</translation>
    </message>
    <message>
        <source>No role may %1 at present; an administrator can allow it in Users.</source>
        <translation>Al momento nessun ruolo può %1; un amministratore può consentirlo in Utenti.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Only %1 may %2.</source>
        <translation>Solo %1 può %2.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it at another desk. Please sign in again as another user (File, Switch User).</source>
        <translation>Il server non accetta più il vostro utente: un amministratore lo ha eliminato o disattivato da un&apos;altra postazione. Accedere di nuovo come altro utente (File, Cambia utente).</translation>
    </message>
    <message>
        <source>Nobody has signed in at this desk.</source>
        <translation>Nessuno ha effettuato l&apos;accesso a questa postazione.</translation>
    </message>
    <message>
        <source>Your user has been removed by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Il vostro utente è stato eliminato da un amministratore: accedere di nuovo come altro utente (File, Cambia utente).</translation>
    </message>
    <message>
        <source>Your user has been deactivated by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Il vostro utente è stato disattivato da un amministratore: accedere di nuovo come altro utente (File, Cambia utente).</translation>
    </message>
    <message>
        <source>The server did not accept the approval: the PIN or password is wrong, or %1 is locked or no longer active.</source>
        <translation>Il server non ha accettato l&apos;autorizzazione: il PIN o la password sono errati, oppure %1 è bloccato o non più attivo.</translation>
    </message>
    <message>
        <source>The server does not let %1 approve this.</source>
        <translation>Il server non consente a %1 di autorizzare questa operazione.</translation>
    </message>
    <message>
        <source>%1 may not approve this. %2</source>
        <translation>%1 non può autorizzare questa operazione. %2</translation>
    </message>
</context>
<context>
    <name>PersonDialog</name>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>proprietario</translation>
    </message>
    <message>
        <source>What you typed has not been saved. Close and lose it?</source>
        <translation>Quanto digitato non è stato salvato. Chiudere e perderlo?</translation>
    </message>
</context>
<context>
    <name>Pricing</name>
    <message>
        <source>%1 night</source>
        <translation>%1 notte</translation>
    </message>
    <message>
        <source>%1 nights</source>
        <translation>%1 notti</translation>
    </message>
    <message>
        <source>%1 weekend night</source>
        <translation>%1 notte nel fine settimana</translation>
    </message>
    <message>
        <source>%1 weekend nights</source>
        <translation>%1 notti nel fine settimana</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 settimana</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 settimane</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 mese</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 mesi</translation>
    </message>
    <message>
        <source>A season needs a name.</source>
        <translation>Una stagione deve avere un nome.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; needs its first and last nights.</source>
        <translation>La stagione «%1» deve avere la prima e l&apos;ultima notte.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; ends before it starts.</source>
        <translation>La stagione «%1» finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>La stagione «%1» si ripete ogni anno, quindi non può durare più di un anno.</translation>
    </message>
    <message>
        <source>The priority of the season &quot;%1&quot; must be from 0 to 999.</source>
        <translation>La priorità della stagione «%1» deve essere da 0 a 999.</translation>
    </message>
    <message>
        <source>A rate must be from %1 to %2.</source>
        <translation>Una tariffa deve essere da %1 a %2.</translation>
    </message>
    <message>
        <source>The seasons &quot;%1&quot; and &quot;%2&quot; have the same priority and share the night of %3: give one of them a higher priority.</source>
        <translation>Le stagioni «%1» e «%2» hanno la stessa priorità e condividono la notte del %3: dare a una delle due una priorità più alta.</translation>
    </message>
    <message>
        <source>A tax needs a name.</source>
        <translation>Un&apos;imposta deve avere un nome.</translation>
    </message>
    <message>
        <source>A tax rate must be from 0 % to 100 %.</source>
        <translation>Un&apos;aliquota deve essere da 0 % a 100 %.</translation>
    </message>
    <message>
        <source>A tax rate needs the date it takes effect.</source>
        <translation>Un&apos;aliquota deve avere la data di entrata in vigore.</translation>
    </message>
    <message>
        <source>Tax row %1: %2</source>
        <translation>Riga imposta %1: %2</translation>
    </message>
    <message>
        <source>type the rate as a percent with at most two decimals, as 17.5.</source>
        <translation>digitare l&apos;aliquota in percentuale con al massimo due decimali, come 17.5.</translation>
    </message>
    <message>
        <source>it takes effect on %1, as row %2 does: keep one.</source>
        <translation>entra in vigore il %1, come la riga %2: tenerne una.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Illegal property value</source>
        <translation>Valore di proprietà non ammesso</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>No default printer is installed.</source>
        <translation>Nessuna stampante predefinita installata.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the document.</source>
        <translation>La stampante %1 non ha accettato il documento.</translation>
    </message>
</context>
<context>
    <name>QuickSearch</name>
    <message>
        <source>Booking %1</source>
        <translation>Prenotazione %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N. %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>(cancelled)</source>
        <translation>(annullata)</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Cliente: %1</translation>
    </message>
</context>
<context>
    <name>QuickSearchBox</name>
    <message>
        <source>Search (Ctrl+K)</source>
        <translation>Cerca (Ctrl+K)</translation>
    </message>
    <message>
        <source>Part of a name, a confirmation number, a boat&apos;s name or a berth: finds bookings and customers. Enter opens the booking&apos;s summary or the customer.</source>
        <translation>Parte di un nome, numero di conferma, nome di barca o posto barca: trova prenotazioni e clienti. Invio apre il riepilogo della prenotazione o il cliente.</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Nessun risultato</translation>
    </message>
</context>
<context>
    <name>RateStore</name>
    <message>
        <source>A minimum length must be from 0 to 1,000 metres.</source>
        <translation>Una lunghezza minima deve essere da 0 a 1.000 metri.</translation>
    </message>
    <message>
        <source>A rate belongs to a season that is not in the table.</source>
        <translation>Una tariffa appartiene a una stagione assente dalla tabella.</translation>
    </message>
    <message>
        <source>A rate is either a berth type&apos;s or one berth&apos;s.</source>
        <translation>Una tariffa è di un tipo di posto barca oppure di un singolo posto barca.</translation>
    </message>
    <message>
        <source>A season has two rates for the same berth or berth type.</source>
        <translation>Una stagione ha due tariffe per lo stesso posto barca o tipo di posto barca.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>%1 to %2, priority %3%4</source>
        <translation>dal %1 al %2, priorità %3%4</translation>
    </message>
    <message>
        <source>, every year</source>
        <translation>, ogni anno</translation>
    </message>
    <message>
        <source>nightly %1</source>
        <translation>a notte %1</translation>
    </message>
    <message>
        <source>weekend night %1</source>
        <translation>notte nel fine settimana %1</translation>
    </message>
    <message>
        <source>weekly %1</source>
        <translation>a settimana %1</translation>
    </message>
    <message>
        <source>monthly %1</source>
        <translation>al mese %1</translation>
    </message>
    <message>
        <source>per metre</source>
        <translation>al metro</translation>
    </message>
    <message>
        <source>Season %1:</source>
        <translation>Stagione %1:</translation>
    </message>
    <message>
        <source>Rate of %1 in %2:</source>
        <translation>Tariffa di %1 in %2:</translation>
    </message>
    <message>
        <source>Least length of %1:</source>
        <translation>Lunghezza minima di %1:</translation>
    </message>
    <message>
        <source>Two tax rates take effect on %1: keep one.</source>
        <translation>Due aliquote entrano in vigore il %1: tenerne una.</translation>
    </message>
    <message>
        <source>Another desk changed the tax rates since this window read them, so nothing was saved. Close the window and open it again to see their changes.</source>
        <translation>Un&apos;altra postazione ha modificato le aliquote dopo che questa finestra le ha lette, quindi non è stato salvato nulla. Chiudere la finestra e riaprirla per vedere le modifiche.</translation>
    </message>
</context>
<context>
    <name>RatesDialog</name>
    <message>
        <source>Rates</source>
        <translation>Tariffe</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Stagione</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Prima notte</translation>
    </message>
    <message>
        <source>Last night</source>
        <translation>Ultima notte</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Ogni anno</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Berth type or berth</source>
        <translation>Tipo di posto barca o posto barca</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Al metro</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>A notte</translation>
    </message>
    <message>
        <source>Weekend night</source>
        <translation>Notte nel fine settimana</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>A settimana</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Al mese</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo di posto barca</translation>
    </message>
    <message>
        <source>Minimum length (m)</source>
        <translation>Lunghezza min. (m)</translation>
    </message>
    <message>
        <source>&amp;Seasons (a night takes the highest priority that covers it; nights outside every season take the berth&apos;s daily charge):</source>
        <translation>&amp;Stagioni (una notte prende la priorità più alta che la copre; le notti fuori stagione prendono la tariffa giornaliera del posto barca):</translation>
    </message>
    <message>
        <source>Ra&amp;tes in the chosen season (leave Nightly empty for no rate):</source>
        <translation>&amp;Tariffe della stagione scelta (lasciare vuoto A notte per nessuna tariffa):</translation>
    </message>
    <message>
        <source>Per-metre rates count at &amp;least:</source>
        <translation>Le tariffe al metro contano al&amp;meno:</translation>
    </message>
    <message>
        <source>&amp;Add Season</source>
        <translation>A&amp;ggiungi stagione</translation>
    </message>
    <message>
        <source>&amp;Remove Season</source>
        <translation>&amp;Elimina stagione</translation>
    </message>
    <message>
        <source>Add &amp;Berth&apos;s Own Rate</source>
        <translation>Aggiungi tariffa propria del &amp;posto barca</translation>
    </message>
    <message>
        <source>Remove Berth&apos;s O&amp;wn Rate</source>
        <translation>Elimina tariffa p&amp;ropria del posto barca</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Berth %1</source>
        <translation>Posto barca %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>«%1» non è un importo.</translation>
    </message>
    <message>
        <source>Give %1 a nightly rate, or leave its other rates empty.</source>
        <translation>Dare a %1 una tariffa a notte, oppure lasciarne vuote le altre tariffe.</translation>
    </message>
    <message>
        <source>The priority is a whole number from 0 to 999.</source>
        <translation>La priorità è un numero intero da 0 a 999.</translation>
    </message>
    <message>
        <source>The minimum length is a number of metres from 0 to 1,000.</source>
        <translation>La lunghezza minima è un numero di metri da 0 a 1.000.</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Nuova stagione</translation>
    </message>
    <message>
        <source>The berth register holds weekly or monthly charges for %1 berth(s). Make them those berths&apos; own rates in the new season?</source>
        <translation>Il registro dei posti barca contiene tariffe settimanali o mensili per %1 posto/i barca. Farne le tariffe proprie di quei posti barca nella nuova stagione?</translation>
    </message>
    <message>
        <source>Berth %1 has its own rate in this season already.</source>
        <translation>Il posto barca %1 ha già una tariffa propria in questa stagione.</translation>
    </message>
    <message>
        <source>rate table</source>
        <translation>tabella tariffe</translation>
    </message>
    <message>
        <source>Close without saving the changes to the rates?</source>
        <translation>Chiudere senza salvare le modifiche alle tariffe?</translation>
    </message>
</context>
<context>
    <name>ReadErrorLine</name>
    <message>
        <source>The rows could not be read: %1</source>
        <translation>Impossibile leggere le righe: %1</translation>
    </message>
</context>
<context>
    <name>RegionalSettingsDialog</name>
    <message>
        <source>Regional Settings</source>
        <translation>Impostazioni internazionali</translation>
    </message>
    <message>
        <source>Configure the system to show your regional settings and preferences</source>
        <translation>Configurare il sistema secondo le impostazioni internazionali e le preferenze</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>Codice ZIP</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Metri</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Piedi</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>giorno/mese/anno</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>mese/giorno/anno</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>giorno.mese.anno</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>anno-mese-giorno</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Adults and No Kids</source>
        <translation>N. adulti e bambini</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>CAP / codice ZIP:</translation>
    </message>
    <message>
        <source>Currency Symbol:</source>
        <translation>Simbolo di valuta:</translation>
    </message>
    <message>
        <source>Check-in time:</source>
        <translation>Ora di arrivo:</translation>
    </message>
    <message>
        <source>Check out time:</source>
        <translation>Ora di partenza:</translation>
    </message>
    <message>
        <source>Office closing &amp;time:</source>
        <translation>Ora di &amp;chiusura dell&apos;ufficio:</translation>
    </message>
    <message>
        <source>Boat sizes in:</source>
        <translation>Misure delle barche in:</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>The language is applied at the next start.</source>
        <translation>La lingua si applica al prossimo avvio.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Solleciti</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Prenotazione</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Sollecito</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Due by</source>
        <translation>Entro il</translation>
    </message>
    <message>
        <source>&amp;Send the ticked reminders</source>
        <translation>&amp;Invia i solleciti spuntati</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The reminders could not be read: %1</source>
        <translation>Impossibile leggere i solleciti: %1</translation>
    </message>
    <message>
        <source>%1 (overdue)</source>
        <translation>%1 (scaduto)</translation>
    </message>
    <message>
        <source>(no address)</source>
        <translation>(nessun indirizzo)</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) due today; untick any that should not go.</source>
        <translation>
            <numerusform>%n sollecito da inviare oggi; togliere la spunta se non deve partire.</numerusform>
            <numerusform>%n solleciti da inviare oggi; togliere la spunta a quelli che non devono partire.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bookings chosen owe nothing that has not been reminded already.</source>
        <translation>Le prenotazioni scelte non devono nulla che non sia già stato sollecitato.</translation>
    </message>
    <message>
        <source>No reminders are due today.</source>
        <translation>Oggi non ci sono solleciti da inviare.</translation>
    </message>
    <message>
        <source>No reminder was queued: %1</source>
        <translation>Nessun sollecito è stato messo in coda: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s)</source>
        <translation>
            <numerusform>%n sollecito</numerusform>
            <numerusform>%n solleciti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) are in the outbox and go out in the background.</source>
        <translation>
            <numerusform>%n sollecito è nella posta in uscita e parte in background.</numerusform>
            <numerusform>%n solleciti sono nella posta in uscita e partono in background.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Removal</name>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Eliminare davvero questo elemento?</translation>
    </message>
</context>
<context>
    <name>RenewalsDialog</name>
    <message>
        <source>Renew contracts</source>
        <translation>Rinnova contratti</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Elenca</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Rinnova</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contratto</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titolare</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barca</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Posti barca</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Durata attuale</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Durata successiva</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Renewal price</source>
        <translation>Prezzo di rinnovo</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleziona &amp;tutti</translation>
    </message>
    <message>
        <source>Re&amp;new chosen</source>
        <translation>Rin&amp;nova i selezionati</translation>
    </message>
    <message>
        <source>&amp;Send renewal letters</source>
        <translation>&amp;Invia lettere di rinnovo</translation>
    </message>
    <message>
        <source>&amp;Print renewal letters</source>
        <translation>Stam&amp;pa lettere di rinnovo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Ending &amp;from:</source>
        <translation>In scadenza &amp;dal:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;al:</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Il periodo finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>nessuna tariffa</translation>
    </message>
    <message>
        <source>No contract in force ends in this period unrenewed.</source>
        <translation>Nessun contratto in vigore termina senza rinnovo in questo periodo.</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) have no rate for next term: type their price.</source>
        <translation>
            <numerusform>%n contratto non ha tariffa per la durata successiva: digitarne il prezzo.</numerusform>
            <numerusform>%n contratti non hanno tariffa per la durata successiva: digitarne il prezzo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1: type the renewal price as an amount, such as 1200.00.</source>
        <translation>Contratto %1: digitare il prezzo di rinnovo come importo, per esempio 1200.00.</translation>
    </message>
    <message>
        <source>Tick the contracts to renew first, or Select all.</source>
        <translation>Spuntare prima i contratti da rinnovare, oppure Seleziona tutti.</translation>
    </message>
    <message numerus="yes">
        <source>Renew %n contract(s) at %1 before tax in all?

Yes makes each renewal a new contract with its plan and keeps its renewal letter; nothing is renewed if one cannot be.
No goes back to the list.</source>
        <translation>
            <numerusform>Rinnovare %n contratto per %1 in tutto, imposte escluse?

Sì fa di ogni rinnovo un nuovo contratto con il suo piano e ne conserva la lettera di rinnovo; nulla viene rinnovato se uno non può esserlo.
No torna all&apos;elenco.</numerusform>
            <numerusform>Rinnovare %n contratti per %1 in tutto, imposte escluse?

Sì fa di ogni rinnovo un nuovo contratto con il suo piano e ne conserva la lettera di rinnovo; nulla viene rinnovato se uno non può esserlo.
No torna all&apos;elenco.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1 renewed as contract %2, %3</source>
        <translation>Contratto %1 rinnovato come contratto %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Send renewal letters queues their letters by e-mail.</source>
        <translation>
            <numerusform>%n contratto rinnovato. Invia lettere di rinnovo mette in coda la sua lettera per e-mail.</numerusform>
            <numerusform>%n contratti rinnovati. Invia lettere di rinnovo mette in coda le loro lettere per e-mail.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Print renewal letters prints their letters.</source>
        <translation>
            <numerusform>%n contratto rinnovato. Stampa lettere di rinnovo ne stampa la lettera.</numerusform>
            <numerusform>%n contratti rinnovati. Stampa lettere di rinnovo ne stampa le lettere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s)</source>
        <translation>
            <numerusform>%n lettera di rinnovo</numerusform>
            <numerusform>%n lettere di rinnovo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued.</source>
        <translation>
            <numerusform>%n lettera di rinnovo messa in coda.</numerusform>
            <numerusform>%n lettere di rinnovo messe in coda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued. These contracts&apos; holders have no e-mail address, so their letters are to be printed: %1.</source>
        <translation>
            <numerusform>%n lettera di rinnovo messa in coda. I titolari di questi contratti non hanno indirizzo e-mail, quindi le loro lettere vanno stampate: %1.</numerusform>
            <numerusform>%n lettere di rinnovo messe in coda. I titolari di questi contratti non hanno indirizzo e-mail, quindi le loro lettere vanno stampate: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract Renewal %1.pdf</source>
        <translation>Rinnovo contratto %1.pdf</translation>
    </message>
</context>
<context>
    <name>ReportLayouts</name>
    <message>
        <source>Booking added:</source>
        <translation>Prenotazione aggiunta:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Dal:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Al:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Posto/i barca:</translation>
    </message>
    <message>
        <source>Report of Booking</source>
        <translation>Report di prenotazione</translation>
    </message>
    <message>
        <source>List of all up comming bookings</source>
        <translation>Elenco di tutte le prenotazioni future</translation>
    </message>
    <message>
        <source>List of today bookings</source>
        <translation>Elenco delle prenotazioni di oggi</translation>
    </message>
    <message>
        <source>List of todays checkouts left to be completed</source>
        <translation>Elenco delle partenze di oggi ancora da completare</translation>
    </message>
    <message>
        <source>Arrivals today</source>
        <translation>Arrivi di oggi</translation>
    </message>
    <message>
        <source>Departures today</source>
        <translation>Partenze di oggi</translation>
    </message>
    <message>
        <source>Period Sales</source>
        <translation>Vendite del periodo</translation>
    </message>
    <message>
        <source>List: %p of %P</source>
        <translation>Elenco: %p di %P</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Hire </source>
        <translation>Noleggio </translation>
    </message>
    <message>
        <source>Other </source>
        <translation>Altro </translation>
    </message>
    <message>
        <source>VAT </source>
        <translation>IVA </translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Totale </translation>
    </message>
    <message>
        <source>Reservations With Balance Due</source>
        <translation>Prenotazioni con saldo dovuto</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Reservation:</source>
        <translation>Prenotazione:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Altri costi:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>IVA:</translation>
    </message>
    <message>
        <source>Payable:</source>
        <translation>Da pagare:</translation>
    </message>
    <message>
        <source>Payed:</source>
        <translation>Pagato:</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Pagamenti dovuti</translation>
    </message>
    <message>
        <source>Conf. No:</source>
        <translation>N. conf.:</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Arrivo:</translation>
    </message>
    <message>
        <source>Due by:</source>
        <translation>Entro il:</translation>
    </message>
    <message>
        <source>Paid:</source>
        <translation>Pagato:</translation>
    </message>
    <message>
        <source>Owed:</source>
        <translation>Dovuto:</translation>
    </message>
    <message>
        <source>Due now:</source>
        <translation>Dovuto ora:</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Scaduto</translation>
    </message>
    <message>
        <source>Due within 7 days</source>
        <translation>In scadenza entro 7 giorni</translation>
    </message>
    <message>
        <source>Due later</source>
        <translation>In scadenza più avanti</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Totale %1</translation>
    </message>
</context>
<context>
    <name>ReportManager</name>
    <message>
        <source>From:</source>
        <translation>Dal:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Al:</translation>
    </message>
    <message>
        <source>Report Manager</source>
        <translation>Gestione report</translation>
    </message>
    <message>
        <source>&amp;List of all up comming bookings</source>
        <translation>&amp;Elenco di tutte le prenotazioni future</translation>
    </message>
    <message>
        <source>List of bookings &amp;taken today</source>
        <translation>Elenco delle prenotazioni &amp;prese oggi</translation>
    </message>
    <message>
        <source>List of todays &amp;checkouts left to be completed</source>
        <translation>Elenco delle pa&amp;rtenze di oggi ancora da completare</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Arrivi di oggi</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>Parten&amp;ze di oggi</translation>
    </message>
    <message>
        <source>Outstanding &amp;Balance A/Cs</source>
        <translation>Conti con &amp;saldo aperto</translation>
    </message>
    <message>
        <source>&amp;Payments due</source>
        <translation>Pagamen&amp;ti dovuti</translation>
    </message>
    <message>
        <source>Send reminders for pa&amp;yments due...</source>
        <translation>Invia solleciti per i pagamenti d&amp;ovuti...</translation>
    </message>
    <message>
        <source>Period sales summa&amp;ry</source>
        <translation>Riepilogo &amp;vendite del periodo</translation>
    </message>
    <message>
        <source>Takings</source>
        <translation>Incassi</translation>
    </message>
    <message>
        <source>Cash-&amp;up...</source>
        <translation>&amp;Chiusura di cassa...</translation>
    </message>
    <message>
        <source>E&amp;xport cash-up (CSV)...</source>
        <translation>Esporta c&amp;hiusura di cassa (CSV)...</translation>
    </message>
    <message>
        <source>Export payme&amp;nts (CSV)...</source>
        <translation>Esporta paga&amp;menti (CSV)...</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Grafici</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Occupazione</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Ricavi per mese</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Durata del soggiorno e anticipo</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>I posti barca più occupati</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Consumo dei contatori per mese</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Show fi&amp;gure</source>
        <translation>Mostra &amp;grafico</translation>
    </message>
    <message>
        <source>F&amp;igure:</source>
        <translation>Gra&amp;fico:</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>Da&amp;l:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>Fi&amp;no al:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Unità:</translation>
    </message>
    <message>
        <source>** If you have the need for a specific report, please contact our support team and we will endevour to create the report that you are looking for **</source>
        <translation>** Se vi serve un report specifico, contattate la nostra assistenza: faremo il possibile per creare il report che cercate **</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Chiu&amp;di</translation>
    </message>
    <message>
        <source>&amp;View meter lists...</source>
        <translation>Elenchi contator&amp;i...</translation>
    </message>
    <message>
        <source>The list could not be read: %1</source>
        <translation>Impossibile leggere l&apos;elenco: %1</translation>
    </message>
    <message>
        <source>Nothing to print!</source>
        <translation>Niente da stampare!</translation>
    </message>
    <message>
        <source>No booking has money owing.</source>
        <translation>Nessuna prenotazione ha importi dovuti.</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Pagamenti dovuti</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>Il periodo finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>The cash-up could not be read: %1</source>
        <translation>Impossibile leggere la chiusura di cassa: %1</translation>
    </message>
    <message>
        <source>Export Cash-up</source>
        <translation>Esporta chiusura di cassa</translation>
    </message>
    <message>
        <source>The figures could not be read: %1</source>
        <translation>Impossibile leggere i grafici: %1</translation>
    </message>
</context>
<context>
    <name>RequestActions</name>
    <message>
        <source>length %1</source>
        <translation>lunghezza %1</translation>
    </message>
    <message>
        <source>beam %1</source>
        <translation>larghezza %1</translation>
    </message>
    <message>
        <source>draft %1</source>
        <translation>pescaggio %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>No free berth fits a boat of %1 %2.</source>
        <translation>Nessun posto barca libero è adatto a una barca di %1 %2.</translation>
    </message>
    <message>
        <source>No berth is free %1.</source>
        <translation>Nessun posto barca è libero %1.</translation>
    </message>
    <message>
        <source>From the booking request received %1.</source>
        <translation>Dalla richiesta di prenotazione ricevuta il %1.</translation>
    </message>
    <message>
        <source>Boat of %1</source>
        <translation>Barca di %1</translation>
    </message>
    <message>
        <source>The request has no e-mail address to answer: %1</source>
        <translation>La richiesta non ha un indirizzo e-mail a cui rispondere: %1</translation>
    </message>
    <message>
        <source>Another desk booked one of these berths meanwhile. Nothing was saved: choose again.</source>
        <translation>Un&apos;altra postazione ha nel frattempo prenotato uno di questi posti barca. Non è stato salvato nulla: scegliere di nuovo.</translation>
    </message>
</context>
<context>
    <name>RequestMailboxPanel</name>
    <message>
        <source>empty: no requests are read</source>
        <translation>vuoto: nessuna richiesta viene letta</translation>
    </message>
    <message>
        <source>None (inside the office only)</source>
        <translation>Nessuna (solo all&apos;interno dell&apos;ufficio)</translation>
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
        <translation>Accetta il certi&amp;ficato del server senza verifica</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Mail ser&amp;ver:</source>
        <translation>Ser&amp;ver di posta:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>Securit&amp;y:</source>
        <translation>Sicure&amp;zza:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utente:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Car&amp;tella:</translation>
    </message>
    <message>
        <source>Read every (&amp;minutes):</source>
        <translation>Leggi ogni (&amp;minuti):</translation>
    </message>
    <message>
        <source>A hold las&amp;ts (hours):</source>
        <translation>Un&apos;opzione &amp;dura (ore):</translation>
    </message>
    <message>
        <source>The mailbox settings were not saved.
%1</source>
        <translation>Le impostazioni della casella di posta non sono state salvate.
%1</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Richieste</translation>
    </message>
</context>
<context>
    <name>RequestMessage</name>
    <message>
        <source>This message is not a booking request from the web page.</source>
        <translation>Questo messaggio non è una richiesta di prenotazione dalla pagina web.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>La partenza non segue l&apos;arrivo.</translation>
    </message>
    <message>
        <source>The dates cannot be read as days, months and years: enter them from the message.</source>
        <translation>Le date non si leggono come giorni, mesi e anni: inserirle dal messaggio.</translation>
    </message>
    <message>
        <source>The dates are written in another style: enter them from the message.</source>
        <translation>Le date sono scritte in un altro formato: inserirle dal messaggio.</translation>
    </message>
    <message>
        <source>The request gives no dates.</source>
        <translation>La richiesta non indica date.</translation>
    </message>
    <message>
        <source>The request gives no name.</source>
        <translation>La richiesta non indica un nome.</translation>
    </message>
    <message>
        <source>The request gives no e-mail address.</source>
        <translation>La richiesta non indica un indirizzo e-mail.</translation>
    </message>
    <message>
        <source>The e-mail address &quot;%1&quot; cannot be written to.</source>
        <translation>Impossibile scrivere all&apos;indirizzo e-mail &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot;</source>
        <translation>la lunghezza &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the beam &quot;%1&quot;</source>
        <translation>la larghezza &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the draft &quot;%1&quot;</source>
        <translation>il pescaggio &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The boat&apos;s size cannot be read (%1).</source>
        <translation>Le dimensioni della barca non sono leggibili (%1).</translation>
    </message>
    <message>
        <source>The message is %1 KB, too large to read here: read it in the mailbox.</source>
        <translation>Il messaggio è di %1 KB, troppo grande per leggerlo qui: leggerlo nella casella di posta.</translation>
    </message>
</context>
<context>
    <name>RequestSettings</name>
    <message>
        <source>The mailbox is read every 1 to %1 minutes.</source>
        <translation>La casella di posta si legge ogni 1-%1 minuti.</translation>
    </message>
    <message>
        <source>A hold lasts 1 to %1 hours.</source>
        <translation>Un&apos;opzione dura da 1 a %1 ore.</translation>
    </message>
    <message>
        <source>The user name must be one line of at most 200 characters.</source>
        <translation>Il nome utente deve essere una riga di al massimo 200 caratteri.</translation>
    </message>
</context>
<context>
    <name>RequestStore</name>
    <message>
        <source>%1 declined this request at %2.</source>
        <translation>%1 ha rifiutato questa richiesta il %2.</translation>
    </message>
    <message>
        <source>This request was booked by %1 at %2 (booking %3).</source>
        <translation>Questa richiesta è stata prenotata da %1 il %2 (prenotazione %3).</translation>
    </message>
    <message>
        <source>%1 accepted this request at %2 and is booking it.</source>
        <translation>%1 ha accettato questa richiesta il %2 e la sta prenotando.</translation>
    </message>
    <message>
        <source>The request changed meanwhile: look at it again.</source>
        <translation>Nel frattempo la richiesta è cambiata: riesaminarla.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>To check</source>
        <translation>Da verificare</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Prenotata</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>In opzione</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Accettata</translation>
    </message>
    <message>
        <source>Declined</source>
        <translation>Rifiutata</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Scaduta</translation>
    </message>
    <message>
        <source>The request is no longer there.</source>
        <translation>La richiesta non esiste più.</translation>
    </message>
    <message>
        <source>The request has no dates to hold a berth for: book it through the wizard instead.</source>
        <translation>La richiesta non ha date per cui tenere un posto barca: prenotarla piuttosto con la procedura guidata.</translation>
    </message>
    <message>
        <source>The request holds %1 already.</source>
        <translation>La richiesta tiene già %1.</translation>
    </message>
    <message>
        <source>A hold must end after now.</source>
        <translation>Un&apos;opzione deve finire nel futuro.</translation>
    </message>
    <message>
        <source>Held for %1 until %2</source>
        <translation>Tenuto per %1 fino al %2</translation>
    </message>
    <message>
        <source>Request from %1 (%2)</source>
        <translation>Richiesta di %1 (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
</context>
<context>
    <name>RequestsWindow</name>
    <message>
        <source>Received</source>
        <translation>Ricevuta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Partenza</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barca</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Show answ&amp;ered requests too</source>
        <translation>Mostra anche le richieste &amp;gestite</translation>
    </message>
    <message>
        <source>&amp;Accept...</source>
        <translation>&amp;Accetta...</translation>
    </message>
    <message>
        <source>&amp;Hold...</source>
        <translation>&amp;Opzione...</translation>
    </message>
    <message>
        <source>&amp;Decline...</source>
        <translation>&amp;Rifiuta...</translation>
    </message>
    <message>
        <source>&amp;Read now</source>
        <translation>&amp;Leggi ora</translation>
    </message>
    <message>
        <source>Re&amp;quests</source>
        <translation>R&amp;ichieste</translation>
    </message>
    <message>
        <source>Mai&amp;lbox</source>
        <translation>&amp;Casella di posta</translation>
    </message>
    <message>
        <source>Booking Requests</source>
        <translation>Richieste di prenotazione</translation>
    </message>
    <message>
        <source>The requests could not be read: %1</source>
        <translation>Impossibile leggere le richieste: %1</translation>
    </message>
    <message>
        <source>To check: %1</source>
        <translation>Da verificare: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nome: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Telefono: %1</translation>
    </message>
    <message>
        <source>Dates: %1 to %2</source>
        <translation>Date: dal %1 al %2</translation>
    </message>
    <message>
        <source>Boat (length × beam × draft): %1</source>
        <translation>Barca (lunghezza × larghezza × pescaggio): %1</translation>
    </message>
    <message>
        <source>Berth type: %1</source>
        <translation>Tipo di posto barca: %1</translation>
    </message>
    <message>
        <source>Comments: %1</source>
        <translation>Commenti: %1</translation>
    </message>
    <message>
        <source>Holds %1 until %2</source>
        <translation>Tiene %1 fino al %2</translation>
    </message>
    <message>
        <source>%1 by %2 at %3</source>
        <translation>%1 da %2 il %3</translation>
    </message>
    <message>
        <source>The message:</source>
        <translation>Il messaggio:</translation>
    </message>
    <message>
        <source>%1
Open the booking wizard all the same?</source>
        <translation>%1
Aprire comunque la procedura guidata di prenotazione?</translation>
    </message>
    <message>
        <source>Accepted by %1: %2</source>
        <translation>Accettata da %1: %2</translation>
    </message>
    <message>
        <source>No free berth fits this request over its dates: there is nothing to hold.</source>
        <translation>Nessun posto barca libero è adatto a questa richiesta nelle sue date: non c&apos;è nulla da tenere.</translation>
    </message>
    <message>
        <source>Hold which berth for %1 hours?</source>
        <translation>Quale posto barca tenere per %1 ore?</translation>
    </message>
    <message>
        <source>%1 held for %2 hours: %3</source>
        <translation>%1 tenuto per %2 ore: %3</translation>
    </message>
    <message>
        <source>Decline the request</source>
        <translation>Rifiuta la richiesta</translation>
    </message>
    <message>
        <source>&amp;Decline and send the reply</source>
        <translation>&amp;Rifiuta e invia la risposta</translation>
    </message>
    <message>
        <source>&amp;Keep the request</source>
        <translation>&amp;Tieni la richiesta</translation>
    </message>
    <message>
        <source>To %1 &lt;%2&gt;</source>
        <translation>A %1 &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Declined by %1: %2</source>
        <translation>Rifiutata da %1: %2</translation>
    </message>
</context>
<context>
    <name>RestoreScript</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>a table %1</source>
        <translation>una tabella %1</translation>
    </message>
    <message>
        <source>the rows of a table %1</source>
        <translation>le righe di una tabella %1</translation>
    </message>
    <message>
        <source>a function %1</source>
        <translation>una funzione %1</translation>
    </message>
    <message>
        <source>a procedure %1</source>
        <translation>una procedura %1</translation>
    </message>
    <message>
        <source>a trigger %1</source>
        <translation>un trigger %1</translation>
    </message>
    <message>
        <source>an index %1</source>
        <translation>un indice %1</translation>
    </message>
    <message>
        <source>a view %1</source>
        <translation>una vista %1</translation>
    </message>
    <message>
        <source>a rule %1</source>
        <translation>una regola %1</translation>
    </message>
    <message>
        <source>a policy %1</source>
        <translation>una policy %1</translation>
    </message>
    <message>
        <source>a sequence %1</source>
        <translation>una sequenza %1</translation>
    </message>
    <message>
        <source>a column default %1</source>
        <translation>un valore predefinito di colonna %1</translation>
    </message>
    <message>
        <source>a constraint %1</source>
        <translation>un vincolo %1</translation>
    </message>
    <message>
        <source>a %1 %2</source>
        <translation>un/una %1 %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>altri %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>a statement &quot;%1&quot;</source>
        <translation>un&apos;istruzione «%1»</translation>
    </message>
    <message>
        <source>it holds %1 that is not part of a harbour database.</source>
        <translation>contiene %1 che non fa parte di un database portuale.</translation>
    </message>
    <message>
        <source>it holds %1 that are not part of a harbour database.</source>
        <translation>contiene %1 che non fanno parte di un database portuale.</translation>
    </message>
    <message>
        <source>it holds %1 with a definition that is not ours.</source>
        <translation>contiene %1 con una definizione che non è la nostra.</translation>
    </message>
    <message>
        <source>it holds %1 with definitions that are not ours.</source>
        <translation>contiene %1 con definizioni che non sono le nostre.</translation>
    </message>
    <message>
        <source>it lacks %1 of a harbour database.</source>
        <translation>gli manca %1 di un database portuale.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Refunds and corrections</source>
        <translation>Rimborsi e rettifiche</translation>
    </message>
    <message>
        <source>give refunds or corrections</source>
        <translation>fare rimborsi o rettifiche</translation>
    </message>
    <message>
        <source>Prices typed over the rates</source>
        <translation>Prezzi digitati al posto delle tariffe</translation>
    </message>
    <message>
        <source>type a price over the rates or keep it after a change</source>
        <translation>digitare un prezzo al posto delle tariffe o mantenerlo dopo una modifica</translation>
    </message>
    <message>
        <source>Cancelling a paid booking</source>
        <translation>Annullamento di una prenotazione pagata</translation>
    </message>
    <message>
        <source>cancel a paid booking</source>
        <translation>annullare una prenotazione pagata</translation>
    </message>
    <message>
        <source>Deleting customers, berths and owners</source>
        <translation>Eliminazione di clienti, posti barca e proprietari</translation>
    </message>
    <message>
        <source>delete customers, berths or owners</source>
        <translation>eliminare clienti, posti barca o proprietari</translation>
    </message>
    <message>
        <source>Rates and taxes</source>
        <translation>Tariffe e imposte</translation>
    </message>
    <message>
        <source>change rates and taxes</source>
        <translation>modificare tariffe e imposte</translation>
    </message>
    <message>
        <source>Company details</source>
        <translation>Dati aziendali</translation>
    </message>
    <message>
        <source>change the company&apos;s details</source>
        <translation>modificare i dati aziendali</translation>
    </message>
    <message>
        <source>Restoring and compacting the database</source>
        <translation>Ripristino e compattazione del database</translation>
    </message>
    <message>
        <source>restore or compact the database</source>
        <translation>ripristinare o compattare il database</translation>
    </message>
    <message>
        <source>Exports of personal data</source>
        <translation>Esportazioni di dati personali</translation>
    </message>
    <message>
        <source>export personal data</source>
        <translation>esportare dati personali</translation>
    </message>
    <message>
        <source>Users and permissions</source>
        <translation>Utenti e permessi</translation>
    </message>
    <message>
        <source>manage users and permissions</source>
        <translation>gestire utenti e permessi</translation>
    </message>
    <message>
        <source>Clerk</source>
        <translation>Impiegato</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Responsabile</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Amministratore</translation>
    </message>
    <message>
        <source>a clerk</source>
        <translation>un impiegato</translation>
    </message>
    <message>
        <source>a manager</source>
        <translation>un responsabile</translation>
    </message>
    <message>
        <source>an administrator</source>
        <translation>un amministratore</translation>
    </message>
</context>
<context>
    <name>SafeFiles</name>
    <message>
        <source>Cannot rename %1 to %2.</source>
        <translation>Impossibile rinominare %1 in %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Cannot link %1 to %2.</source>
        <translation>Impossibile collegare %1 a %2.</translation>
    </message>
</context>
<context>
    <name>SendEmail</name>
    <message>
        <source>No e-mail program could be started for this address.</source>
        <translation>Impossibile avviare un programma di posta per questo indirizzo.</translation>
    </message>
</context>
<context>
    <name>ServerArchive</name>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>Impossibile avviare %1: %2</translation>
    </message>
    <message>
        <source>%1 did not finish: %2</source>
        <translation>%1 non è terminato: %2</translation>
    </message>
    <message>
        <source>%1 is not installed (Debian: postgresql-client).</source>
        <translation>%1 non è installato (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>pg_dump is not installed (Debian: postgresql-client).</source>
        <translation>pg_dump non è installato (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>pg_restore is not installed (Debian: postgresql-client).</source>
        <translation>pg_restore non è installato (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>it is the backup of a database file, and this desk works on a server; it restores at a desk that works on a file.</source>
        <translation>è il backup di un file di database e questa postazione lavora su un server; si ripristina su una postazione che lavora su un file.</translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>non è un archivio di backup di Zem Harbour.</translation>
    </message>
    <message>
        <source>it holds no table %1: it is not a backup of a harbour database.</source>
        <translation>non contiene alcuna tabella %1: non è il backup di un database portuale.</translation>
    </message>
    <message>
        <source>it holds schema version %1; this program understands 1 to %2.</source>
        <translation>contiene la versione di schema %1; questo programma comprende le versioni da 1 a %2.</translation>
    </message>
    <message>
        <source>Only the database&apos;s owner, the office&apos;s role, may restore or compact it on a server, and this desk&apos;s address signs in as %1. Please do it at a desk whose address (and password file) name the office&apos;s role.</source>
        <translation>Solo il proprietario del database, il ruolo dell&apos;ufficio, può ripristinarlo o compattarlo su un server, e l&apos;indirizzo di questa postazione accede come %1. Eseguire l&apos;operazione da una postazione il cui indirizzo (e file delle password) indichi il ruolo dell&apos;ufficio.</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>the login was removed or deactivated, or its password changed, at another desk (%1)</source>
        <translation>l&apos;accesso è stato eliminato o disattivato, o la sua password cambiata, da un&apos;altra postazione (%1)</translation>
    </message>
    <message>
        <source>the server cannot be reached (%1)</source>
        <translation>il server non è raggiungibile (%1)</translation>
    </message>
    <message>
        <source>The server did not let %1 in, so this desk stays connected as before: %2</source>
        <translation>Il server non ha accettato %1, quindi questa postazione resta collegata come prima: %2</translation>
    </message>
    <message>
        <source>The server did not let your user do this: your role may not (a manager may approve it at this desk), or an administrator has changed or removed your user at another desk. Nothing was changed.</source>
        <translation>Il server non ha consentito l&apos;operazione al Suo utente: il Suo ruolo non lo permette (un responsabile può approvarla da questa postazione), oppure un amministratore ha modificato o eliminato il Suo utente da un&apos;altra postazione. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it, or given it a new password, at another desk. Please sign in again (File, Switch User).</source>
        <translation>Il server non accetta più il Suo utente: un amministratore lo ha eliminato, disattivato o gli ha dato una nuova password da un&apos;altra postazione. Accedere di nuovo (File, Cambia utente).</translation>
    </message>
    <message>
        <source>The server said: %1</source>
        <translation>Il server ha risposto: %1</translation>
    </message>
</context>
<context>
    <name>ServerRoles</name>
    <message>
        <source>Logins are kept by a database server; a file has none.</source>
        <translation>Gli accessi sono gestiti da un server di database; un file non ne ha.</translation>
    </message>
    <message>
        <source>A login is 1 to 63 lower-case letters, digits and _, starting with a letter, and not one the server or the program keeps for itself.</source>
        <translation>Un accesso ha da 1 a 63 lettere minuscole, cifre e _, inizia con una lettera e non è un nome riservato dal server o dal programma.</translation>
    </message>
    <message>
        <source>A login needs a password.</source>
        <translation>Un accesso deve avere una password.</translation>
    </message>
    <message>
        <source>A password is at most %1 characters.</source>
        <translation>Una password ha al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>%1 is not a login of Zem Harbour&apos;s roles.</source>
        <translation>%1 non è un accesso dei ruoli di Zem Harbour.</translation>
    </message>
    <message>
        <source>The login %1 exists already.</source>
        <translation>L&apos;accesso %1 esiste già.</translation>
    </message>
    <message>
        <source>This server has no sign-in role: the office&apos;s role could not make roles when the database was made.</source>
        <translation>Questo server non ha un ruolo di accesso: il ruolo dell&apos;ufficio non ha potuto creare ruoli quando è stato creato il database.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Please sign in with your sign-in name and password.</source>
        <translation>Accedere con nome utente e password.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Cambia utente</translation>
    </message>
    <message>
        <source>Type the sign-in name and password of the user who takes over this desk.</source>
        <translation>Digitare nome utente e password dell&apos;utente che prende questa postazione.</translation>
    </message>
    <message>
        <source>Type the sign-in name and PIN of the user who takes over this desk.</source>
        <translation>Digitare nome utente e PIN dell&apos;utente che prende questa postazione.</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>&amp;PIN:</translation>
    </message>
    <message>
        <source>Ask a Manager</source>
        <translation>Chiedi a un responsabile</translation>
    </message>
    <message>
        <source>A manager or an administrator approves this once: to %1.
Type your sign-in name and PIN or password.</source>
        <translation>Un responsabile o un amministratore autorizza una volta: %1.
Digitare il proprio nome utente e PIN o password.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>&amp;PIN o password:</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>(not a user&apos;s sign-in name)</source>
        <translation>(non è il nome utente di un utente)</translation>
    </message>
    <message>
        <source>%1 approved for %2: %3</source>
        <translation>%1 ha autorizzato per %2: %3</translation>
    </message>
</context>
<context>
    <name>SmtpSender</name>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information.</source>
        <translation>Nessun server e-mail configurato: inserirlo in Dati aziendali.</translation>
    </message>
    <message>
        <source>%1 is not a server name.</source>
        <translation>%1 non è un nome di server.</translation>
    </message>
    <message>
        <source>The mail server&apos;s port must be from 1 to 65535.</source>
        <translation>La porta del server e-mail deve essere da 1 a 65535.</translation>
    </message>
    <message>
        <source>The mail library could not start.</source>
        <translation>Impossibile avviare la libreria di posta.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>Impossibile trovare il server e-mail %1.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>Il server e-mail %1 non ha risposto sulla porta %2.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>Il server e-mail ha rifiutato nome utente o password: %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>Il server e-mail non offre una connessione sicura (STARTTLS): %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Harbour, marina and campsite reservations</source>
        <translation>Prenotazioni per porti e campeggi</translation>
    </message>
    <message>
        <source>Version:  1.0.1</source>
        <translation>Versione:  1.0.1</translation>
    </message>
</context>
<context>
    <name>Sql</name>
    <message>
        <source>The database has been restored or compacted at another desk since this desk opened it. Nothing was read or saved from the old copy: the program works on the new one from your next action. Enter again what you were saving.</source>
        <translation>Il database è stato ripristinato o compattato da un&apos;altra postazione dopo che questa lo ha aperto. Non è stato letto né salvato nulla dalla vecchia copia: il programma lavora sulla nuova dalla prossima azione. Inserire di nuovo quanto si stava salvando.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost. What you were saving may not have been saved: look it up before you enter it again. The program connects again with your next action.</source>
        <translation>La connessione al server di database è stata persa. Quanto si stava salvando potrebbe non essere stato salvato: verificarlo prima di inserirlo di nuovo. Il programma si ricollega alla prossima azione.</translation>
    </message>
    <message>
        <source>The statement returned no row.</source>
        <translation>L&apos;istruzione non ha restituito righe.</translation>
    </message>
    <message>
        <source>The database gave the new record no ID.</source>
        <translation>Il database non ha dato alcun ID al nuovo record.</translation>
    </message>
    <message>
        <source>No transaction is open.</source>
        <translation>Nessuna transazione aperta.</translation>
    </message>
</context>
<context>
    <name>StaffStore</name>
    <message>
        <source>This user has been removed at another desk.</source>
        <translation>Questo utente è stato eliminato da un&apos;altra postazione.</translation>
    </message>
    <message>
        <source>%1 is the last active administrator: someone must be able to manage the users, so this user cannot be removed, deactivated or given another role.</source>
        <translation>%1 è l&apos;ultimo amministratore attivo: qualcuno deve poter gestire gli utenti, quindi questo utente non può essere eliminato, disattivato né cambiare ruolo.</translation>
    </message>
    <message>
        <source>The sign-in name &quot;%1&quot; is already in use.</source>
        <translation>Il nome utente «%1» è già in uso.</translation>
    </message>
    <message>
        <source>The sign-in name or the password is wrong.</source>
        <translation>Nome utente o password errati.</translation>
    </message>
    <message>
        <source>The sign-in name or the PIN is wrong.</source>
        <translation>Nome utente o PIN errati.</translation>
    </message>
    <message>
        <source>The sign-in name, or the PIN or password, is wrong.</source>
        <translation>Nome utente, oppure PIN o password, errati.</translation>
    </message>
    <message>
        <source>%1 is locked after %2 wrong tries in a row; try again after %3.</source>
        <translation>%1 è bloccato dopo %2 tentativi errati di fila; riprovare dopo le %3.</translation>
    </message>
    <message>
        <source>%1 is no longer an active user; an administrator can make the user active again.</source>
        <translation>%1 non è più un utente attivo; un amministratore può riattivarlo.</translation>
    </message>
    <message>
        <source>This user has been removed by an administrator.</source>
        <translation>Questo utente è stato eliminato da un amministratore.</translation>
    </message>
    <message>
        <source>Please type the user&apos;s name.</source>
        <translation>Digitare il nome dell&apos;utente.</translation>
    </message>
    <message>
        <source>Please type a sign-in name.</source>
        <translation>Digitare un nome utente.</translation>
    </message>
    <message>
        <source>A name or sign-in name may have at most %1 characters.</source>
        <translation>Un nome o nome utente può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>That is longer than any password may be.</source>
        <translation>È più lungo di qualsiasi password ammessa.</translation>
    </message>
    <message>
        <source>Please type your PIN or password.</source>
        <translation>Digitare il PIN o la password.</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>DB Connection Error</source>
        <translation>Errore di connessione al database</translation>
    </message>
    <message>
        <source>Database opened read-only: changes cannot be saved.

%1</source>
        <translation>Database aperto in sola lettura: le modifiche non possono essere salvate.

%1</translation>
    </message>
</context>
<context>
    <name>StayMeters</name>
    <message>
        <source>Meter %1 of berth %2 has not been read.</source>
        <translation>Il contatore %1 del posto barca %2 non è stato letto.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La prenotazione non esiste più.</translation>
    </message>
    <message>
        <source>The booking&apos;s total would pass %1.</source>
        <translation>Il totale della prenotazione supererebbe %1.</translation>
    </message>
</context>
<context>
    <name>StayReadingsDialog</name>
    <message>
        <source>Meter readings</source>
        <translation>Letture dei contatori</translation>
    </message>
    <message>
        <source>Berth and meter</source>
        <translation>Posto barca e contatore</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Ultima lettura</translation>
    </message>
    <message>
        <source>Reading now</source>
        <translation>Lettura attuale</translation>
    </message>
    <message>
        <source>%1  %2 %3 (%4)</source>
        <translation>%1  %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>nessuna finora</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3).

Yes: the meter rolled over past %4 and started again from zero. No: the reading was mistyped, go back to correct it.</source>
        <translation>%1 è inferiore all&apos;ultima lettura del contatore %2 (%3).

Sì: il contatore ha superato %4 ed è ripartito da zero. No: la lettura è stata digitata male, tornare indietro a correggerla.</translation>
    </message>
</context>
<context>
    <name>StepWizard</name>
    <message>
        <source>Welcome to the %1</source>
        <translation>Benvenuti nella %1</translation>
    </message>
    <message>
        <source>To contionue, click Next.</source>
        <translation>Per continuare, fare clic su Avanti.</translation>
    </message>
    <message>
        <source>Display this welcome screen at startup</source>
        <translation>Mostra questa schermata di benvenuto all&apos;avvio</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fine</translation>
    </message>
</context>
<context>
    <name>TermPricing</name>
    <message>
        <source>A term needs a name.</source>
        <translation>Una durata richiede un nome.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; needs its first and last days.</source>
        <translation>La durata &quot;%1&quot; richiede il primo e l&apos;ultimo giorno.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; ends before it starts.</source>
        <translation>La durata &quot;%1&quot; finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>La durata &quot;%1&quot; si ripete ogni anno, quindi non può superare un anno.</translation>
    </message>
    <message>
        <source>A term&apos;s price is for a berth type or for one berth.</source>
        <translation>Il prezzo di una durata vale per un tipo di posto barca o per un posto barca.</translation>
    </message>
    <message>
        <source>A term&apos;s price must be from %1 to %2.</source>
        <translation>Il prezzo di una durata deve essere da %1 a %2.</translation>
    </message>
    <message>
        <source>A term&apos;s price needs the date it takes effect.</source>
        <translation>Il prezzo di una durata richiede la data di decorrenza.</translation>
    </message>
</context>
<context>
    <name>TermRates</name>
    <message>
        <source>A price names a term that is not in the list.</source>
        <translation>Un prezzo indica una durata che non è nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Another desk changed the terms meanwhile: close the list and open it again.</source>
        <translation>Un&apos;altra postazione ha modificato le durate nel frattempo: chiudere l&apos;elenco e riaprirlo.</translation>
    </message>
</context>
<context>
    <name>TermsDialog</name>
    <message>
        <source>Terms and prices</source>
        <translation>Durate e prezzi</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primo giorno</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Ultimo giorno</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Ogni anno</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo di posto barca</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>T&amp;erms:</source>
        <translation>D&amp;urate:</translation>
    </message>
    <message>
        <source>&amp;Prices:</source>
        <translation>&amp;Prezzi:</translation>
    </message>
    <message>
        <source>&amp;Add term</source>
        <translation>A&amp;ggiungi durata</translation>
    </message>
    <message>
        <source>&amp;Remove term</source>
        <translation>&amp;Elimina durata</translation>
    </message>
    <message>
        <source>A&amp;dd price</source>
        <translation>Aggiungi pre&amp;zzo</translation>
    </message>
    <message>
        <source>Re&amp;move price</source>
        <translation>Eli&amp;mina prezzo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Per berth</source>
        <translation>Per posto barca</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Al metro</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>type the name of a term in the list above.</source>
        <translation>digitare il nome di una durata dell&apos;elenco qui sopra.</translation>
    </message>
    <message>
        <source>type the term&apos;s price, such as 1200.00.</source>
        <translation>digitare il prezzo della durata, per esempio 1200.00.</translation>
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
        <translation>Suggerimento del giorno</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Lo sapevate...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Mostra suggerimenti all&apos;avvio</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Suggerimento &amp;successivo</translation>
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
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Posto barca</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barca</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>%1, arrived %2</source>
        <translation>%1, arrivato alle %2</translation>
    </message>
    <message>
        <source>%1, left %2</source>
        <translation>%1, partito alle %2</translation>
    </message>
    <message>
        <source>%1, no-show</source>
        <translation>%1, mancato arrivo</translation>
    </message>
    <message>
        <source>Arrives</source>
        <translation>Arriva</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Parte</translation>
    </message>
    <message>
        <source>&amp;Show this window when the program starts</source>
        <translation>Mostra all&apos;avvio del pro&amp;gramma</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Con&amp;firmation</source>
        <translation>Con&amp;ferma</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Arrivi di oggi</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>Partenze &amp;di oggi</translation>
    </message>
    <message>
        <source>&amp;In the harbour now</source>
        <translation>Ora &amp;in porto</translation>
    </message>
    <message>
        <source>&amp;Money owing, arriving within 7 days</source>
        <translation>Im&amp;porti dovuti, arrivi entro 7 giorni</translation>
    </message>
    <message>
        <source>R&amp;eminders...</source>
        <translation>S&amp;olleciti...</translation>
    </message>
    <message>
        <source>Arri&amp;ve</source>
        <translation>Arri&amp;vo</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>Par&amp;tenza...</translation>
    </message>
    <message>
        <source>&amp;No-shows...</source>
        <translation>&amp;Mancati arrivi...</translation>
    </message>
    <message>
        <source>Today&apos;s bookings could not be read: %1</source>
        <translation>Impossibile leggere le prenotazioni di oggi: %1</translation>
    </message>
    <message>
        <source>Choose the arrival to check in.</source>
        <translation>Scegliere l&apos;arrivo da registrare.</translation>
    </message>
    <message>
        <source>Choose the guest to check out.</source>
        <translation>Scegliere l&apos;ospite in partenza.</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>Ric&amp;hieste...</translation>
    </message>
    <message>
        <source>The booking requests could not be read: %1</source>
        <translation>Impossibile leggere le richieste di prenotazione: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n booking request(s) waiting for an answer</source>
        <translation>
            <numerusform>%n richiesta di prenotazione attende risposta</numerusform>
            <numerusform>%n richieste di prenotazione attendono risposta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hold(s) for a request ending today</source>
        <translation>
            <numerusform>%n blocco per una richiesta scade oggi</numerusform>
            <numerusform>%n blocchi per richieste scadono oggi</numerusform>
        </translation>
    </message>
    <message>
        <source>No booking requests waiting</source>
        <translation>Nessuna richiesta di prenotazione in attesa</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Ruolo:</translation>
    </message>
    <message>
        <source>&amp;Active (may sign in)</source>
        <translation>&amp;Attivo (può accedere)</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Password a&amp;gain:</source>
        <translation>Ripeti pass&amp;word:</translation>
    </message>
    <message>
        <source>P&amp;IN (4 to 8 digits):</source>
        <translation>P&amp;IN (da 4 a 8 cifre):</translation>
    </message>
    <message>
        <source>PIN a&amp;gain:</source>
        <translation>Ripe&amp;ti PIN:</translation>
    </message>
    <message>
        <source>First Administrator</source>
        <translation>Primo amministratore</translation>
    </message>
    <message>
        <source>Nobody has been signed up yet. Please make the first administrator: the one who adds the other users and says what each role may do. There is no default password.</source>
        <translation>Non è ancora registrato nessuno. Creare il primo amministratore: colui che aggiunge gli altri utenti e stabilisce cosa può fare ogni ruolo. Non esiste una password predefinita.</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Nuovo utente</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>A new password for %1.</source>
        <translation>Una nuova password per %1.</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nuovo PIN</translation>
    </message>
    <message>
        <source>A new PIN for %1.</source>
        <translation>Un nuovo PIN per %1.</translation>
    </message>
    <message>
        <source>The two passwords differ: please type the same password twice.</source>
        <translation>Le due password sono diverse: digitare due volte la stessa password.</translation>
    </message>
    <message>
        <source>The two PINs differ: please type the same PIN twice.</source>
        <translation>I due PIN sono diversi: digitare due volte lo stesso PIN.</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>questo utente</translation>
    </message>
    <message>
        <source>%1: new password</source>
        <translation>%1: nuova password</translation>
    </message>
    <message>
        <source>%1: new PIN</source>
        <translation>%1: nuovo PIN</translation>
    </message>
    <message>
        <source>Sign-in Role</source>
        <translation>Ruolo di accesso</translation>
    </message>
    <message>
        <source>Desks may start as the server&apos;s sign-in role, zem_signin, instead of the office&apos;s role: it reads only what a sign-in needs, and each user then works as their own login. Type its new password, and put it in each desk&apos;s password file (.pgpass) in place of the office&apos;s. Leave both boxes empty to stop desks from starting that way.</source>
        <translation>Le postazioni possono avviarsi con il ruolo di accesso del server, zem_signin, invece del ruolo dell&apos;ufficio: legge solo ciò che serve all&apos;accesso, poi ogni utente lavora con il proprio login. Digitare la sua nuova password e inserirla nel file delle password (.pgpass) di ogni postazione al posto di quella dell&apos;ufficio. Lasciare vuote entrambe le caselle perché le postazioni non si avviino più così.</translation>
    </message>
    <message>
        <source>zem_signin: desks may no longer start with it</source>
        <translation>zem_signin: le postazioni non possono più avviarsi con esso</translation>
    </message>
    <message>
        <source>zem_signin: new password</source>
        <translation>zem_signin: nuova password</translation>
    </message>
</context>
<context>
    <name>UsersWindow</name>
    <message>
        <source>Users</source>
        <translation>Utenti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>U&amp;sers:</source>
        <translation>U&amp;tenti:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>New &amp;Password...</source>
        <translation>Nuova &amp;password...</translation>
    </message>
    <message>
        <source>New P&amp;IN...</source>
        <translation>Nuovo P&amp;IN...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>What each role ma&amp;y do:</source>
        <translation>Cosa può fare &amp;ogni ruolo:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minuti</translation>
    </message>
    <message>
        <source>&amp;Lock after idle:</source>
        <translation>&amp;Blocca dopo inattività:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>allowed</source>
        <translation>consentito</translation>
    </message>
    <message>
        <source>not allowed</source>
        <translation>non consentito</translation>
    </message>
    <message>
        <source>Remove %1? The user can no longer sign in; what the user did keeps their name.</source>
        <translation>Eliminare %1? L&apos;utente non potrà più accedere; ciò che ha fatto mantiene il suo nome.</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 eliminato</translation>
    </message>
    <message>
        <source>Si&amp;gn-in Role...</source>
        <translation>&amp;Ruolo di accesso...</translation>
    </message>
</context>
<context>
    <name>WaitingEntryDialog</name>
    <message>
        <source>Edit Waiting Entry</source>
        <translation>Modifica iscrizione in attesa</translation>
    </message>
    <message>
        <source>Add Waiting Entry</source>
        <translation>Aggiungi iscrizione in attesa</translation>
    </message>
    <message>
        <source>&amp;Any length of stay</source>
        <translation>&amp;Qualsiasi durata del soggiorno</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>C&amp;liente:</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Barca:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>T&amp;ipo di posto barca:</translation>
    </message>
    <message>
        <source>&amp;Minimum length (ft):</source>
        <translation>Lunghezza &amp;minima (ft):</translation>
    </message>
    <message>
        <source>&amp;Minimum length (m):</source>
        <translation>Lunghezza &amp;minima (m):</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Any type</source>
        <translation>Qualsiasi tipo</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(nessuna barca)</translation>
    </message>
    <message>
        <source>The customer&apos;s boats could not be read: %1</source>
        <translation>Impossibile leggere le barche del cliente: %1</translation>
    </message>
    <message>
        <source>Type the minimum length in feet, such as 38.</source>
        <translation>Digitare la lunghezza minima in piedi, per esempio 38.</translation>
    </message>
    <message>
        <source>Type the minimum length in metres, such as 11.5.</source>
        <translation>Digitare la lunghezza minima in metri, per esempio 11.5.</translation>
    </message>
    <message>
        <source>waiting entry</source>
        <translation>iscrizione in attesa</translation>
    </message>
</context>
<context>
    <name>WaitingList</name>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Offered</source>
        <translation>Offerto</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Prenotato</translation>
    </message>
    <message>
        <source>Withdrawn</source>
        <translation>Ritirato</translation>
    </message>
    <message>
        <source>Choose the customer who is waiting.</source>
        <translation>Scegliere il cliente in attesa.</translation>
    </message>
    <message>
        <source>Give the first night wanted.</source>
        <translation>Indicare la prima notte desiderata.</translation>
    </message>
    <message>
        <source>The period wanted has started already: a waiting entry is for nights to come.</source>
        <translation>Il periodo desiderato è già iniziato: un&apos;iscrizione in attesa riguarda notti future.</translation>
    </message>
    <message>
        <source>The period wanted ends before it starts.</source>
        <translation>Il periodo desiderato finisce prima di cominciare.</translation>
    </message>
    <message>
        <source>A period wanted may last five years at the most.</source>
        <translation>Un periodo desiderato può durare al massimo cinque anni.</translation>
    </message>
    <message>
        <source>A minimum length must be more than 0 and at most 200 m.</source>
        <translation>Una lunghezza minima deve essere maggiore di 0 e al massimo 200 m.</translation>
    </message>
    <message>
        <source>The entry was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>L&apos;iscrizione è stata eliminata nel frattempo da un&apos;altra postazione, quindi non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Barca:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Dal:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Al:</translation>
    </message>
    <message>
        <source>Berth type:</source>
        <translation>Tipo di posto barca:</translation>
    </message>
    <message>
        <source>Minimum length:</source>
        <translation>Lunghezza minima:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
</context>
<context>
    <name>WaitingListRows</name>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barca</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo di posto barca</translation>
    </message>
    <message>
        <source>Minimum length</source>
        <translation>Lunghezza minima</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Aggiunti</translation>
    </message>
    <message>
        <source>Offered on</source>
        <translation>Offerto il</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>any length</source>
        <translation>qualsiasi lunghezza</translation>
    </message>
    <message>
        <source>Waiting List</source>
        <translation>Lista d&apos;attesa</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Stampato il %1</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Pagina %p di %P</translation>
    </message>
    <message>
        <source>No entries.</source>
        <translation>Nessuna iscrizione.</translation>
    </message>
</context>
<context>
    <name>WaitingListWindow</name>
    <message>
        <source>Waiting List</source>
        <translation>Lista d&apos;attesa</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>&amp;Status:</source>
        <translation>&amp;Stato:</translation>
    </message>
    <message>
        <source>Berth &amp;type:</source>
        <translation>T&amp;ipo di posto barca:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation>&amp;Ritira</translation>
    </message>
    <message>
        <source>Mark &amp;Offered</source>
        <translation>Segna &amp;offerto</translation>
    </message>
    <message>
        <source>Mark Boo&amp;ked</source>
        <translation>Segna pre&amp;notato</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>&amp;Prenota...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The waiting list could not be read for the berths that came free: %1</source>
        <translation>Impossibile leggere la lista d&apos;attesa per i posti barca liberati: %1</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tutti i tipi</translation>
    </message>
    <message>
        <source>The lists for the entry could not be read: %1</source>
        <translation>Impossibile leggere gli elenchi per l&apos;iscrizione: %1</translation>
    </message>
</context>
<context>
    <name>WaitingOfferMail</name>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 non ha un indirizzo e-mail utilizzabile: %2</translation>
    </message>
</context>
<context>
    <name>WebBookMenu</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>WebBookPage</name>
    <message>
        <source>Invalid HTML resource</source>
        <translation>Risorsa HTML non valida</translation>
    </message>
    <message>
        <source>Can&apos;t generate Webbook:<byte value="xd"/>
%1</source>
        <translation>Impossibile generare la pagina di prenotazione web:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The booking form would be sent to &quot;%1&quot;, which is not a web address. Enter one that starts with http:// or https:// in the web booking settings.</source>
        <translation>Il modulo di prenotazione verrebbe inviato a «%1», che non è un indirizzo web. Inserirne uno che inizi con http:// o https:// nelle impostazioni delle prenotazioni web.</translation>
    </message>
    <message>
        <source>No value is stored for %1. Configure the web bookings first.</source>
        <translation>Nessun valore memorizzato per %1. Configurare prima le prenotazioni web.</translation>
    </message>
    <message>
        <source>Save Web Book as...</source>
        <translation>Salva pagina di prenotazione web come...</translation>
    </message>
    <message>
        <source>HTML files (*.HTML)</source>
        <translation>File HTML (*.HTML)</translation>
    </message>
    <message>
        <source>Can&apos;t save HTML file:<byte value="xd"/>
%1</source>
        <translation>Impossibile salvare il file HTML:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Online Booking Form</source>
        <translation>Modulo di prenotazione online</translation>
    </message>
    <message>
        <source>Thank you for your booking</source>
        <translation>Grazie per la Sua prenotazione</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Please complete the form below to make an online booking.</source>
        <translation>Compili il modulo qui sotto per prenotare online.</translation>
    </message>
    <message>
        <source>Arrival date:</source>
        <translation>Data di arrivo:</translation>
    </message>
    <message>
        <source>Arrival day</source>
        <translation>Giorno di arrivo</translation>
    </message>
    <message>
        <source>Arrival month</source>
        <translation>Mese di arrivo</translation>
    </message>
    <message>
        <source>Arrival year</source>
        <translation>Anno di arrivo</translation>
    </message>
    <message>
        <source>Departure date:</source>
        <translation>Data di partenza:</translation>
    </message>
    <message>
        <source>Departure day</source>
        <translation>Giorno di partenza</translation>
    </message>
    <message>
        <source>Departure month</source>
        <translation>Mese di partenza</translation>
    </message>
    <message>
        <source>Departure year</source>
        <translation>Anno di partenza</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Il Suo nome:</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Il Suo indirizzo e-mail:</translation>
    </message>
    <message>
        <source>Any comments?</source>
        <translation>Commenti?</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>What is free</source>
        <translation>Disponibilità</translation>
    </message>
    <message>
        <source>Choose your dates above and give your boat&apos;s size to see which kinds of berth are free.</source>
        <translation>Scelga le date qui sopra e indichi le dimensioni della barca per vedere quali tipi di posto barca sono liberi.</translation>
    </message>
    <message>
        <source>Length (m):</source>
        <translation>Lunghezza (m):</translation>
    </message>
    <message>
        <source>Beam (m):</source>
        <translation>Larghezza (m):</translation>
    </message>
    <message>
        <source>Draft (m):</source>
        <translation>Pescaggio (m):</translation>
    </message>
    <message>
        <source>Choose an arrival before the departure.</source>
        <translation>Scelga un arrivo precedente alla partenza.</translation>
    </message>
    <message>
        <source>We show what is free up to </source>
        <translation>Mostriamo la disponibilità fino al </translation>
    </message>
    <message>
        <source>: send the form and we will look.</source>
        <translation>: invii il modulo e verificheremo.</translation>
    </message>
    <message>
        <source>Free for those nights: </source>
        <translation>Libero per quelle notti: </translation>
    </message>
    <message>
        <source>. Send the form to ask for it.</source>
        <translation>. Invii il modulo per richiederlo.</translation>
    </message>
    <message>
        <source>Nothing free fits those nights and that boat: send the form and we will look.</source>
        <translation>Nulla di libero è adatto a quelle notti e a quella barca: invii il modulo e verificheremo.</translation>
    </message>
</context>
<context>
    <name>WebBookSettings</name>
    <message>
        <source>Response-o-Matic (default)</source>
        <translation>Response-o-Matic (predefinito)</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizzato...</translation>
    </message>
</context>
<context>
    <name>WebBookStore</name>
    <message>
        <source>The web booking settings have been created.</source>
        <translation>Le impostazioni delle prenotazioni web sono state create.</translation>
    </message>
    <message>
        <source>The web booking settings have been removed.</source>
        <translation>Le impostazioni delle prenotazioni web sono state eliminate.</translation>
    </message>
    <message>
        <source>Booking email address: now %1, was %2</source>
        <translation>Indirizzo e-mail delle prenotazioni: ora %1, prima %2</translation>
    </message>
    <message>
        <source>Email provider: now %1, was %2</source>
        <translation>Provider e-mail: ora %1, prima %2</translation>
    </message>
    <message>
        <source>Custom provider: now %1, was %2</source>
        <translation>Provider personalizzato: ora %1, prima %2</translation>
    </message>
</context>
<context>
    <name>WebBookWizard</name>
    <message>
        <source>Web Booking Configuration Wizard</source>
        <translation>Configurazione guidata delle prenotazioni web</translation>
    </message>
    <message>
        <source>Enter your email booking address</source>
        <translation>Inserire l&apos;indirizzo e-mail per le prenotazioni</translation>
    </message>
    <message>
        <source>Choose your email provider</source>
        <translation>Scegliere il provider e-mail</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Inserire i dati</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your website to accept online bookings.</source>
        <translation>Con questa procedura guidata è possibile configurare il sito web per accettare prenotazioni online.</translation>
    </message>
    <message>
        <source>Enter the email address that should receive the bookings made from the website.</source>
        <translation>Inserire l&apos;indirizzo e-mail che deve ricevere le prenotazioni fatte dal sito web.</translation>
    </message>
    <message>
        <source>Booking email address:</source>
        <translation>Indirizzo e-mail delle prenotazioni:</translation>
    </message>
    <message>
        <source>Select the email provider to use to send your email confirmations. If you are not sure, then leave the default setting.</source>
        <translation>Selezionare il provider e-mail da usare per inviare le conferme. In caso di dubbio, lasciare l&apos;impostazione predefinita.</translation>
    </message>
    <message>
        <source>Email provider:</source>
        <translation>Provider e-mail:</translation>
    </message>
    <message>
        <source>Custom provider:</source>
        <translation>Provider personalizzato:</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Fare clic su Fine per completare la configurazione</translation>
    </message>
    <message>
        <source>The web booking settings could not be read.

%1</source>
        <translation>Impossibile leggere le impostazioni delle prenotazioni web.

%1</translation>
    </message>
    <message>
        <source>The web booking settings were changed elsewhere while this wizard was open:

%1

Nothing was saved. Click Finish again to store your entries instead, or Cancel to keep the stored ones.</source>
        <translation>Le impostazioni delle prenotazioni web sono state modificate altrove mentre questa procedura era aperta:

%1

Non è stato salvato nulla. Fare di nuovo clic su Fine per memorizzare invece i propri dati, o su Annulla per tenere quelli memorizzati.</translation>
    </message>
    <message>
        <source>The web booking settings could not be saved; nothing was changed.

%1</source>
        <translation>Impossibile salvare le impostazioni delle prenotazioni web; non è stato modificato nulla.

%1</translation>
    </message>
    <message>
        <source>Would you like to create a booking web page now?</source>
        <translation>Creare ora una pagina web di prenotazione?</translation>
    </message>
</context>
<context>
    <name>ttsgz</name>
    <message>
        <source>No error</source>
        <translation>Nessun errore</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Nome di file errato</translation>
    </message>
    <message>
        <source>User abort</source>
        <translation>Interrotto dall&apos;utente</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Errore di lettura</translation>
    </message>
    <message>
        <source>Write error</source>
        <translation>Errore di scrittura</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
</TS>
