<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version: 1.0.1</source>
        <translation>Version : 1.0.1</translation>
    </message>
    <message>
        <source>Bookings, berths, customers and calendars for marinas, harbours and caravan and camping parks.</source>
        <translation>Réservations, anneaux, clients et calendriers pour ports de plaisance, ports, campings et parcs de caravanes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info ...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>ActorSession</name>
    <message>
        <source>The SQLite driver gives no handle to name who acts.</source>
        <translation>Le pilote SQLite ne fournit aucun accès permettant de nommer qui agit.</translation>
    </message>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>La connexion SQLite n&apos;est pas ouverte.</translation>
    </message>
</context>
<context>
    <name>AdvancedCalendarWindow</name>
    <message>
        <source>Advanced Calendar</source>
        <translation>Calendrier avancé</translation>
    </message>
    <message>
        <source>One slot earlier</source>
        <translation>Un créneau plus tôt</translation>
    </message>
    <message>
        <source>One slot later</source>
        <translation>Un créneau plus tard</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Half Hourly</source>
        <translation>Par demi-heure</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Réservé</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Double click on booking to view details and financial information</source>
        <translation>Double-cliquez sur une réservation pour voir ses détails et ses informations financières</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>Les réservations n&apos;ont pas pu être lues.
%1</translation>
    </message>
</context>
<context>
    <name>AwayDialog</name>
    <message>
        <source>Away: %1</source>
        <translation>Absence : %1</translation>
    </message>
    <message>
        <source>Away from</source>
        <translation>Absent du</translation>
    </message>
    <message>
        <source>Back on</source>
        <translation>Retour le</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Nuits</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Away &amp;from:</source>
        <translation>Absent &amp;du :</translation>
    </message>
    <message>
        <source>&amp;Back on:</source>
        <translation>&amp;Retour le :</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ote :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Awa&amp;y...</source>
        <translation>A&amp;bsences...</translation>
    </message>
    <message>
        <source>Choose the absence to change.</source>
        <translation>Choisissez l&apos;absence à modifier.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3</source>
        <translation>Contrat %1 : absent du %2, retour le %3</translation>
    </message>
    <message>
        <source>Choose the absence to remove.</source>
        <translation>Choisissez l&apos;absence à supprimer.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3, removed</source>
        <translation>Contrat %1 : absent du %2, retour le %3, supprimée</translation>
    </message>
</context>
<context>
    <name>AwayPeriods</name>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Un autre poste a supprimé ce contrat entre-temps.</translation>
    </message>
    <message>
        <source>Enter the first day away and the day back.</source>
        <translation>Saisissez le premier jour d&apos;absence et le jour du retour.</translation>
    </message>
    <message>
        <source>The day back must come after the first day away.</source>
        <translation>Le jour du retour doit suivre le premier jour d&apos;absence.</translation>
    </message>
    <message>
        <source>The absence must lie within the contract&apos;s term, %1 to %2.</source>
        <translation>L&apos;absence doit se situer dans la durée du contrat, du %1 au %2.</translation>
    </message>
    <message>
        <source>The note is longer than %1 characters.</source>
        <translation>La note dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its berths are no longer held.</source>
        <translation>Le contrat a été résilié : ses anneaux ne sont plus réservés.</translation>
    </message>
    <message>
        <source>The holder is already away from %1 to %2: change that absence instead.</source>
        <translation>Le titulaire est déjà absent du %1 au %2 : modifiez plutôt cette absence.</translation>
    </message>
    <message>
        <source>Another desk removed this absence meanwhile.</source>
        <translation>Un autre poste a supprimé cette absence entre-temps.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: move it before shortening the absence.</source>
        <translation>La réservation %1 (%2, du %3 au %4) occupe l&apos;anneau pendant l&apos;absence du titulaire : déplacez-la avant de raccourcir l&apos;absence.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was not changed.</source>
        <translation>Un visiteur a été réservé sur l&apos;anneau entre-temps : l&apos;absence n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: the absence cannot be removed.</source>
        <translation>La réservation %1 (%2, du %3 au %4) occupe l&apos;anneau pendant l&apos;absence du titulaire : l&apos;absence ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was kept.</source>
        <translation>Un visiteur a été réservé sur l&apos;anneau entre-temps : l&apos;absence a été conservée.</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Can&apos;t add </source>
        <translation>Impossible d&apos;ajouter </translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>ce n&apos;est pas une archive de sauvegarde de Zem Harbour.</translation>
    </message>
    <message>
        <source>it is damaged at byte %1.</source>
        <translation>elle est endommagée à l&apos;octet %1.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it: it needs %1, and %2 is free.</source>
        <translation>l&apos;espace disque libre ne suffit pas pour la décompresser : il faut %1 et %2 sont libres.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it (%1 free).</source>
        <translation>l&apos;espace disque libre ne suffit pas pour la décompresser (%1 libres).</translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation>elle ne peut pas être lue.</translation>
    </message>
    <message>
        <source>there is not enough memory to unpack it.</source>
        <translation>la mémoire ne suffit pas pour la décompresser.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Other desks are connected to the database. Close Zem Harbour at the other desks, then restore again.</source>
        <translation>D&apos;autres postes sont connectés à la base de données. Fermez Zem Harbour sur les autres postes, puis relancez la restauration.</translation>
    </message>
    <message>
        <source>Can&apos;t continue if file exist!</source>
        <translation>Impossible de continuer si le fichier existe !</translation>
    </message>
    <message>
        <source>Can&apos;t create SPA file<byte value="xd"/>
Error:%1</source>
        <translation>Impossible de créer le fichier SPA<byte value="xd"/>
Erreur : %1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 est endommagé(e) : %2</translation>
    </message>
    <message>
        <source>%1 has %2 free pages as soon as it is written.</source>
        <translation>%1 a %2 pages libres dès son écriture.</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 n&apos;est pas une base de données Zem Harbour.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it has %2, which this program does not make.</source>
        <translation>%1 n&apos;est pas exactement celle de Zem Harbour : elle contient %2, que ce programme ne crée pas.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it lacks %2, which this program makes.</source>
        <translation>%1 n&apos;est pas exactement celle de Zem Harbour : il lui manque %2, que ce programme crée.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>the database in it</source>
        <translation>la base de données qu&apos;elle contient</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
</context>
<context>
    <name>BackupWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Database backup...</source>
        <translation>Sauvegarde de la base de données...</translation>
    </message>
    <message>
        <source>Do you really want to cancel current operation</source>
        <translation>Voulez-vous vraiment annuler l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>BerthBlocks</name>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Un autre poste a modifié ce blocage entre-temps.</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Un autre poste a levé ce blocage entre-temps.</translation>
    </message>
    <message>
        <source>A contract holds this berth over the period: change or cancel the contract in Contracts.</source>
        <translation>Un contrat occupe cet anneau sur la période : modifiez ou résiliez le contrat dans Contrats.</translation>
    </message>
    <message>
        <source>Please choose the berth to block.</source>
        <translation>Veuillez choisir l&apos;anneau à bloquer.</translation>
    </message>
    <message>
        <source>The block must end after it starts.</source>
        <translation>Le blocage doit finir après son début.</translation>
    </message>
    <message>
        <source>A block must lie between %1 and %2.</source>
        <translation>Un blocage doit se situer entre le %1 et le %2.</translation>
    </message>
    <message>
        <source>Please give the reason for the block.</source>
        <translation>Veuillez indiquer le motif du blocage.</translation>
    </message>
    <message>
        <source>The reason may be at most %1 characters long.</source>
        <translation>Le motif compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The berth is no longer in the register.</source>
        <translation>L&apos;anneau ne figure plus au registre.</translation>
    </message>
    <message>
        <source>%1 is already blocked from %2 to %3: %4</source>
        <translation>%1 est déjà bloqué du %2 au %3 : %4</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) holds %5 over the period: the block was not saved.</source>
        <translation>La réservation %1 (%2, du %3 au %4) occupe %5 sur la période : le blocage n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>%1 was booked over the period meanwhile: the block was not saved.</source>
        <translation>%1 a été réservé sur la période entre-temps : le blocage n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Anneau :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motif :</translation>
    </message>
    <message>
        <source>%1 blocked from %2 to %3: %4</source>
        <translation>%1 bloqué du %2 au %3 : %4</translation>
    </message>
</context>
<context>
    <name>BerthChangeSet</name>
    <message>
        <source> (booked)</source>
        <translation> (réservé)</translation>
    </message>
    <message>
        <source> - Active </source>
        <translation> - Actif </translation>
    </message>
    <message>
        <source> - Inactive</source>
        <translation> - Inactif</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been deleted at another desk meanwhile. Nothing was saved, and the changes to it are dropped: press OK to save the other changes.</source>
        <translation>L&apos;anneau « %1 » a été supprimé entre-temps sur un autre poste. Rien n&apos;a été enregistré et ses modifications sont abandonnées : appuyez sur OK pour enregistrer les autres modifications.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (1 new booking). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>L&apos;anneau « %1 » a été réservé sur un autre poste depuis que vous l&apos;avez retiré (1 nouvelle réservation). Rien n&apos;a été enregistré et l&apos;anneau est de nouveau listé : retirez-le encore pour le supprimer avec ses réservations, ou appuyez sur OK pour enregistrer les autres modifications.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (%2 new bookings). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>L&apos;anneau « %1 » a été réservé sur un autre poste depuis que vous l&apos;avez retiré (%2 nouvelles réservations). Rien n&apos;a été enregistré et l&apos;anneau est de nouveau listé : retirez-le encore pour le supprimer avec ses réservations, ou appuyez sur OK pour enregistrer les autres modifications.</translation>
    </message>
</context>
<context>
    <name>BerthEntry</name>
    <message>
        <source>Takes &amp;multihulls</source>
        <translation>Accepte les m&amp;ulticoques</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propriétaire :</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Électricité :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Anneau :</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur :</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Max. draft:</source>
        <translation>Tirant d&apos;eau max. :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Hire charges</source>
        <translation>Tarifs de location</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>Par jour :</translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation>Par semaine :</translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation>Par mois :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Anneaux disponibles :</translation>
    </message>
    <message>
        <source>The berths could not be read.</source>
        <translation>Les anneaux n&apos;ont pas pu être lus.</translation>
    </message>
    <message>
        <source>The berths could not be read again.</source>
        <translation>Les anneaux n&apos;ont pas pu être relus.</translation>
    </message>
    <message>
        <source>The berth&apos;s bookings could not be counted.</source>
        <translation>Les réservations de l&apos;anneau n&apos;ont pas pu être comptées.</translation>
    </message>
</context>
<context>
    <name>BerthFit</name>
    <message>
        <source>length</source>
        <translation>longueur</translation>
    </message>
    <message>
        <source>beam</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>draft</source>
        <translation>tirant d&apos;eau</translation>
    </message>
    <message>
        <source>multihull</source>
        <translation>multicoque</translation>
    </message>
</context>
<context>
    <name>BerthGridModel</name>
    <message>
        <source>%1 (holder&apos;s, back %2)</source>
        <translation>%1 (du titulaire, retour le %2)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>A holder&apos;s berth: %1 is away from %2 and back on %3; a stay here must leave by noon that day.</source>
        <translation>Anneau d&apos;un titulaire : %1 est absent du %2 et revient le %3 ; un séjour ici doit partir avant midi ce jour-là.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>HasPower</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>DailyHireCharge</source>
        <translation>Location/jour</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Convient</translation>
    </message>
</context>
<context>
    <name>BerthInput</name>
    <message>
        <source>No berth name has been entered. Please enter a berth name (or number) to continue.</source>
        <translation>Aucun nom d&apos;anneau n&apos;a été saisi. Saisissez un nom (ou un numéro) d&apos;anneau pour continuer.</translation>
    </message>
    <message>
        <source>Please select owner from the list</source>
        <translation>Veuillez choisir le propriétaire dans la liste</translation>
    </message>
    <message>
        <source>Please select berth type from the list</source>
        <translation>Veuillez choisir le type d&apos;anneau dans la liste</translation>
    </message>
</context>
<context>
    <name>BerthNotes</name>
    <message>
        <source>Berth &apos;%1&apos; was deleted at another desk meanwhile, so nothing was saved.</source>
        <translation>L&apos;anneau « %1 » a été supprimé entre-temps sur un autre poste ; rien n&apos;a donc été enregistré.</translation>
    </message>
</context>
<context>
    <name>BerthNotesDialog</name>
    <message>
        <source>Berth  Notes</source>
        <translation>Notes des anneaux</translation>
    </message>
    <message>
        <source>Add notes to berths.</source>
        <translation>Ajoutez des notes aux anneaux.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Anneaux disponibles :</translation>
    </message>
    <message>
        <source>The berths could not be read.

%1</source>
        <translation>Les anneaux n&apos;ont pas pu être lus.

%1</translation>
    </message>
    <message>
        <source>berth&apos;s notes</source>
        <translation>notes de l&apos;anneau</translation>
    </message>
    <message>
        <source>The notes could not be saved; nothing was changed.

%1</source>
        <translation>Les notes n&apos;ont pas pu être enregistrées ; rien n&apos;a été modifié.

%1</translation>
    </message>
</context>
<context>
    <name>BerthRegister</name>
    <message>
        <source>Configure Berths </source>
        <translation>Configurer les anneaux </translation>
    </message>
    <message>
        <source>Configure the berths that should be available for booking</source>
        <translation>Configurez les anneaux qui doivent être proposés à la réservation</translation>
    </message>
    <message>
        <source>Ac&amp;tivate</source>
        <translation>Ac&amp;tiver</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>&amp;Bloquer l&apos;anneau...</translation>
    </message>
    <message>
        <source>&amp;Edit Berths</source>
        <translation>&amp;Modifier les anneaux</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Inac&amp;tivate</source>
        <translation>Désac&amp;tiver</translation>
    </message>
    <message>
        <source>The changes to the berths could not be saved; nothing was changed. Press OK to try again or Cancel to drop the changes.</source>
        <translation>Les modifications des anneaux n&apos;ont pas pu être enregistrées ; rien n&apos;a été modifié. Appuyez sur OK pour réessayer ou sur Annuler pour abandonner les modifications.</translation>
    </message>
</context>
<context>
    <name>BerthRemoval</name>
    <message>
        <source>Deleting this customer will also remove any reservations that have been made with it. Are you sure you want to delete the berth?</source>
        <translation>La suppression supprimera aussi toutes les réservations faites sur cet anneau. Voulez-vous vraiment supprimer l&apos;anneau ?</translation>
    </message>
    <message>
        <source>1 berth was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>1 anneau a été créé sur un autre poste depuis la question. Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>%1 berths were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>%1 anneaux ont été créés sur un autre poste depuis la question. Rien n&apos;a été supprimé.</translation>
    </message>
</context>
<context>
    <name>BerthRowCheck</name>
    <message>
        <source>This berth was deleted at another desk while you were editing it. Nothing was saved.</source>
        <translation>Cet anneau a été supprimé sur un autre poste pendant que vous le modifiiez. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>BerthSetupWizard</name>
    <message>
        <source>Post Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>Code ZIP</translation>
    </message>
    <message>
        <source>Configuration Wizard</source>
        <translation>Assistant de configuration</translation>
    </message>
    <message>
        <source>Enter Your Regional Information</source>
        <translation>Saisissez vos paramètres régionaux</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Saisissez vos anneaux</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your reservation information.</source>
        <translation>Cet assistant vous permet de configurer vos données de réservation.</translation>
    </message>
    <message>
        <source>Enter your regional information</source>
        <translation>Saisissez vos paramètres régionaux</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>Code postal / code ZIP :</translation>
    </message>
    <message>
        <source>Enter your Berth information. For each berth / slip enter it`s details and then click Add.</source>
        <translation>Saisissez vos anneaux. Pour chaque anneau, saisissez ses caractéristiques puis cliquez sur Ajouter.</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Cliquez sur Terminer pour achever la configuration</translation>
    </message>
    <message>
        <source>Please select Post Code or Zip Code</source>
        <translation>Veuillez choisir Code postal ou Code ZIP</translation>
    </message>
    <message>
        <source>The berths could not be saved; nothing was changed. Press Finish to try again or Cancel to drop the changes.</source>
        <translation>Les anneaux n&apos;ont pas pu être enregistrés ; rien n&apos;a été modifié. Appuyez sur Terminer pour réessayer ou sur Annuler pour abandonner les modifications.</translation>
    </message>
</context>
<context>
    <name>BerthTableEditor</name>
    <message>
        <source>Edit Berths</source>
        <translation>Modifier les anneaux</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur :</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>DailyHireCharge:</source>
        <translation>Location/jour :</translation>
    </message>
    <message>
        <source>MonthlyHireCharge:</source>
        <translation>Location/mois :</translation>
    </message>
    <message>
        <source>WeeklyHireCharge:</source>
        <translation>Location/semaine :</translation>
    </message>
    <message>
        <source>Maximum draft (m):</source>
        <translation>Tirant d&apos;eau max. (m) :</translation>
    </message>
    <message>
        <source>HasPower:</source>
        <translation>Électricité :</translation>
    </message>
    <message>
        <source>Active:</source>
        <translation>Actif :</translation>
    </message>
    <message>
        <source>Multihulls:</source>
        <translation>Multicoques :</translation>
    </message>
    <message>
        <source>TypeID:</source>
        <translation>ID type :</translation>
    </message>
    <message>
        <source>OwnerID:</source>
        <translation>ID propriétaire :</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>Fiche : </translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Erreur de données : %1</translation>
    </message>
    <message>
        <source>berth</source>
        <translation>anneau</translation>
    </message>
</context>
<context>
    <name>BerthTitles</name>
    <message>
        <source>Add berth</source>
        <translation>Ajouter un anneau</translation>
    </message>
    <message>
        <source>Berth length</source>
        <translation>Longueur de l&apos;anneau</translation>
    </message>
    <message>
        <source>Berth width</source>
        <translation>Largeur de l&apos;anneau</translation>
    </message>
    <message>
        <source>Daily Hire Charge</source>
        <translation>Location par jour</translation>
    </message>
    <message>
        <source>Weekly Hire Charge</source>
        <translation>Location par semaine</translation>
    </message>
    <message>
        <source>Monthly Hire Charge</source>
        <translation>Location par mois</translation>
    </message>
    <message>
        <source>Maximum draft</source>
        <translation>Tirant d&apos;eau max.</translation>
    </message>
</context>
<context>
    <name>BlockBerthDialog</name>
    <message>
        <source>Block Berth</source>
        <translation>Bloquer l&apos;anneau</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Anneau :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To (the last day blocked):</source>
        <translation>A&amp;u (dernier jour bloqué) :</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Motif :</translation>
    </message>
    <message>
        <source>Re&amp;move Block</source>
        <translation>&amp;Lever le blocage</translation>
    </message>
    <message>
        <source>The berths cannot be read.
%1</source>
        <translation>Les anneaux ne peuvent pas être lus.
%1</translation>
    </message>
    <message>
        <source>Booking %1: %2, %3 to %4</source>
        <translation>Réservation %1 : %2, du %3 au %4</translation>
    </message>
    <message>
        <source>These bookings hold %1 over the period:
%2

Block the berth all the same? The bookings keep it and are marked on the booking chart to be moved.</source>
        <translation>Ces réservations occupent %1 pendant la période :
%2

Bloquer quand même l&apos;anneau ? Les réservations le conservent et sont signalées à déplacer sur le planning.</translation>
    </message>
    <message>
        <source>block</source>
        <translation>blocage</translation>
    </message>
    <message>
        <source>The block was not saved.
%1</source>
        <translation>Le blocage n&apos;a pas été enregistré.
%1</translation>
    </message>
    <message>
        <source>Remove the block of %1?</source>
        <translation>Lever le blocage de %1 ?</translation>
    </message>
    <message>
        <source>The block was not removed.
%1</source>
        <translation>Le blocage n&apos;a pas été levé.
%1</translation>
    </message>
</context>
<context>
    <name>BoatDialog</name>
    <message>
        <source>Edit Boat or Vehicle</source>
        <translation>Modifier le bateau ou le véhicule</translation>
    </message>
    <message>
        <source>Add Boat or Vehicle</source>
        <translation>Ajouter un bateau ou un véhicule</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ype :</translation>
    </message>
    <message>
        <source>&amp;Length overall (ft):</source>
        <translation>&amp;Longueur hors tout (ft) :</translation>
    </message>
    <message>
        <source>&amp;Length overall (m):</source>
        <translation>&amp;Longueur hors tout (m) :</translation>
    </message>
    <message>
        <source>&amp;Beam (ft):</source>
        <translation>Lar&amp;geur (ft) :</translation>
    </message>
    <message>
        <source>&amp;Beam (m):</source>
        <translation>Lar&amp;geur (m) :</translation>
    </message>
    <message>
        <source>&amp;Draft (ft):</source>
        <translation>&amp;Tirant d&apos;eau (ft) :</translation>
    </message>
    <message>
        <source>&amp;Draft (m):</source>
        <translation>&amp;Tirant d&apos;eau (m) :</translation>
    </message>
    <message>
        <source>&amp;Height (ft):</source>
        <translation>&amp;Hauteur (ft) :</translation>
    </message>
    <message>
        <source>&amp;Height (m):</source>
        <translation>&amp;Hauteur (m) :</translation>
    </message>
    <message>
        <source>&amp;Registration or sail number:</source>
        <translation>&amp;Immatriculation ou n° de voile :</translation>
    </message>
    <message>
        <source>&amp;Insurance company:</source>
        <translation>Ass&amp;ureur :</translation>
    </message>
    <message>
        <source>&amp;Policy number:</source>
        <translation>N° de &amp;police :</translation>
    </message>
    <message>
        <source>Insurance &amp;expires:</source>
        <translation>&amp;Expiration de l&apos;assurance :</translation>
    </message>
    <message>
        <source>No&amp;tes:</source>
        <translation>Note&amp;s :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Type a size in feet, more than 0 and at most 656.</source>
        <translation>Saisissez une dimension en pieds, supérieure à 0 et au plus 656.</translation>
    </message>
    <message>
        <source>Type a size in metres, more than 0 and at most 200.</source>
        <translation>Saisissez une dimension en mètres, supérieure à 0 et au plus 200.</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>bateau</translation>
    </message>
</context>
<context>
    <name>BoatFitting</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>Non : %1</translation>
    </message>
    <message>
        <source>%1 does not fit %2. Book it there all the same?</source>
        <translation>%1 ne convient pas à %2. Le réserver là quand même ?</translation>
    </message>
    <message>
        <source>The insurance of %1 runs out on %2, before the departure.</source>
        <translation>L&apos;assurance de %1 expire le %2, avant le départ.</translation>
    </message>
</context>
<context>
    <name>Boats</name>
    <message>
        <source>The boat &quot;%1&quot; was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>Le bateau « %1 » a été supprimé entre-temps sur un autre poste ; rien n&apos;a donc été enregistré.</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; was changed at another desk meanwhile, so nothing was saved. Open it again to see the change.</source>
        <translation>Le bateau « %1 » a été modifié entre-temps sur un autre poste ; rien n&apos;a donc été enregistré. Rouvrez-le pour voir la modification.</translation>
    </message>
    <message>
        <source>Sail monohull</source>
        <translation>Voilier monocoque</translation>
    </message>
    <message>
        <source>Sail multihull</source>
        <translation>Voilier multicoque</translation>
    </message>
    <message>
        <source>Motor boat</source>
        <translation>Bateau à moteur</translation>
    </message>
    <message>
        <source>Other boat</source>
        <translation>Autre bateau</translation>
    </message>
    <message>
        <source>Caravan</source>
        <translation>Caravane</translation>
    </message>
    <message>
        <source>Motorhome</source>
        <translation>Camping-car</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tente</translation>
    </message>
    <message>
        <source>Other vehicle</source>
        <translation>Autre véhicule</translation>
    </message>
    <message>
        <source>A boat or vehicle needs a name.</source>
        <translation>Un bateau ou un véhicule doit avoir un nom.</translation>
    </message>
    <message>
        <source>A name may have 100 characters at the most.</source>
        <translation>Un nom peut compter 100 caractères au plus.</translation>
    </message>
    <message>
        <source>A size must be more than 0 and at most 200 m.</source>
        <translation>Une dimension doit être supérieure à 0 et au plus 200 m.</translation>
    </message>
    <message>
        <source>The boat no longer exists.</source>
        <translation>Le bateau n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Length overall:</source>
        <translation>Longueur hors tout :</translation>
    </message>
    <message>
        <source>Beam:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Draft:</source>
        <translation>Tirant d&apos;eau :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Registration or sail number:</source>
        <translation>Immatriculation ou n° de voile :</translation>
    </message>
    <message>
        <source>Insurance company:</source>
        <translation>Assureur :</translation>
    </message>
    <message>
        <source>Policy number:</source>
        <translation>N° de police :</translation>
    </message>
    <message>
        <source>Insurance expires:</source>
        <translation>Expiration de l&apos;assurance :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Client :</translation>
    </message>
</context>
<context>
    <name>BookingBerthsPage</name>
    <message>
        <source>Berth / slips  available:</source>
        <translation>Anneaux disponibles :</translation>
    </message>
    <message>
        <source>Select the Berth to use. (Items selected will appear in blue)</source>
        <translation>Choisissez l&apos;anneau à utiliser. (Les éléments choisis apparaissent en bleu)</translation>
    </message>
    <message>
        <source>New Boa&amp;t...</source>
        <translation>Nouveau ba&amp;teau...</translation>
    </message>
    <message>
        <source>&amp;Only berths that fit</source>
        <translation>&amp;Uniquement les anneaux qui conviennent</translation>
    </message>
    <message>
        <source>Bo&amp;at:</source>
        <translation>&amp;Bateau :</translation>
    </message>
    <message>
        <source>Select the unit for this booking. (Items highlighted in blue have been booked)</source>
        <translation>Choisissez l&apos;emplacement de cette réservation. (Les éléments en bleu sont déjà réservés)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(aucun bateau)</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (nouveau)</translation>
    </message>
    <message>
        <source>Please select one or more units</source>
        <translation>Veuillez choisir un ou plusieurs emplacements</translation>
    </message>
</context>
<context>
    <name>BookingChargesPage</name>
    <message>
        <source>No Adults</source>
        <translation>Nb adultes</translation>
    </message>
    <message>
        <source>No Kids</source>
        <translation>Nb enfants</translation>
    </message>
    <message>
        <source>Berth Confirmation No.</source>
        <translation>N° de confirmation</translation>
    </message>
    <message>
        <source>Cost of Hire</source>
        <translation>Coût de la location</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Autres frais</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Total à payer</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Montant payé</translation>
    </message>
    <message>
        <source>Enter your customer&apos;s details.</source>
        <translation>Saisissez les coordonnées de votre client.</translation>
    </message>
    <message>
        <source>No Adults:</source>
        <translation>Nb adultes :</translation>
    </message>
    <message>
        <source>No Kids:</source>
        <translation>Nb enfants :</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Membre du club</translation>
    </message>
    <message>
        <source>Power requirements:</source>
        <translation>Besoins électriques :</translation>
    </message>
    <message>
        <source>Confirmation No.:</source>
        <translation>N° de confirmation :</translation>
    </message>
    <message>
        <source>Guest Confirmation No.:</source>
        <translation>N° de confirmation client :</translation>
    </message>
    <message>
        <source>Berth Hire:</source>
        <translation>Location de l&apos;anneau :</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Autres frais :</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>TVA :</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Total à payer :</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Montant payé :</translation>
    </message>
    <message>
        <source>The rates could not be read, so the hire cannot be worked out.
%1</source>
        <translation>Les tarifs n&apos;ont pas pu être lus ; la location ne peut donc pas être calculée.
%1</translation>
    </message>
    <message>
        <source>The period or the berths changed, so the hire has been worked out again.</source>
        <translation>La période ou les anneaux ont changé ; la location a donc été recalculée.</translation>
    </message>
    <message>
        <source>The period or the berths of this booking have changed.
Agreed price: hire %1, total payable %2.
With today&apos;s rates: hire %3, total payable %4.

Keep the agreed price?</source>
        <translation>La période ou les anneaux de cette réservation ont changé.
Prix convenu : location %1, total à payer %2.
Aux tarifs actuels : location %3, total à payer %4.

Conserver le prix convenu ?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>&amp;Garder %1</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Recalculer à %1</translation>
    </message>
    <message>
        <source>The agreed price is kept.</source>
        <translation>Le prix convenu est conservé.</translation>
    </message>
</context>
<context>
    <name>BookingChart</name>
    <message>
        <source>No berth type</source>
        <translation>Sans type d&apos;anneau</translation>
    </message>
    <message>
        <source>Contract %1: %2 holds %3 from %4 to %5</source>
        <translation>Contrat %1 : %2 occupe %3 du %4 au %5</translation>
    </message>
    <message>
        <source>Booking %1: %2
%3 to %4
Total %5, paid %6</source>
        <translation>Réservation %1 : %2
du %3 au %4
Total %5, payé %6</translation>
    </message>
    <message>
        <source>
To be moved: the berth is blocked.</source>
        <translation>
À déplacer : l&apos;anneau est bloqué.</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>Ce n&apos;est pas un anneau.</translation>
    </message>
    <message>
        <source>%1 is not in use.</source>
        <translation>%1 n&apos;est pas en service.</translation>
    </message>
    <message>
        <source>%1 is blocked.</source>
        <translation>%1 est bloqué.</translation>
    </message>
    <message>
        <source>%1 is blocked: %2.</source>
        <translation>%1 est bloqué : %2.</translation>
    </message>
    <message>
        <source>%1 is taken by booking %2.</source>
        <translation>%1 est occupé par la réservation %2.</translation>
    </message>
    <message>
        <source>%1 is taken by %2.</source>
        <translation>%1 est occupé par %2.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>Le départ doit suivre l&apos;arrivée.</translation>
    </message>
    <message>
        <source>The booking already holds %1.</source>
        <translation>La réservation occupe déjà %1.</translation>
    </message>
    <message>
        <source>%1 away, back %2</source>
        <translation>%1 absent, retour le %2</translation>
    </message>
    <message>
        <source>Contract %1: %2 is away from %3 and back on %4. Free to let to visitors until noon that day; the berth stays the holder&apos;s.</source>
        <translation>Contrat %1 : %2 est absent du %3 et revient le %4. Peut être loué aux visiteurs jusqu&apos;à midi ce jour-là ; l&apos;anneau reste au titulaire.</translation>
    </message>
</context>
<context>
    <name>BookingChartPrint</name>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Page %p sur %P</translation>
    </message>
</context>
<context>
    <name>BookingChartView</name>
    <message>
        <source>Taken of %1</source>
        <translation>Occupés sur %1</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>No berth above this one is free for these days.</source>
        <translation>Aucun anneau au-dessus de celui-ci n&apos;est libre pour ces jours.</translation>
    </message>
    <message>
        <source>No berth below this one is free for these days.</source>
        <translation>Aucun anneau au-dessous de celui-ci n&apos;est libre pour ces jours.</translation>
    </message>
    <message>
        <source>Drop it on a berth and days of the chart.</source>
        <translation>Déposez-la sur un anneau et des jours du planning.</translation>
    </message>
</context>
<context>
    <name>BookingChartWindow</name>
    <message>
        <source>Booking Chart</source>
        <translation>Planning des réservations</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>T&amp;oday</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>&amp;Bloquer l&apos;anneau...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Guest</source>
        <translation>&amp;Client</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Arrivée</translation>
    </message>
    <message>
        <source>&amp;Depart...</source>
        <translation>Dé&amp;part...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>A&amp;nnuler l&apos;arrivée ou le départ...</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>Affic&amp;her :</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>T&amp;ype d&apos;anneau :</translation>
    </message>
    <message>
        <source>The booking was not moved.
%1</source>
        <translation>La réservation n&apos;a pas été déplacée.
%1</translation>
    </message>
    <message>
        <source>All berth types</source>
        <translation>Tous les types d&apos;anneau</translation>
    </message>
    <message>
        <source>Choose a booking&apos;s bar first: its guest is the one checked in or out.</source>
        <translation>Choisissez d&apos;abord la barre d&apos;une réservation : c&apos;est son client qui arrive ou qui part.</translation>
    </message>
    <message>
        <source>The booking could not be moved. Nothing was changed.
%1</source>
        <translation>La réservation n&apos;a pas pu être déplacée. Rien n&apos;a été modifié.
%1</translation>
    </message>
    <message>
        <source>Agreed price: total payable %1.
With today&apos;s rates for the new days and berths: total payable %2.

Keep the agreed price?</source>
        <translation>Prix convenu : total à payer %1.
Aux tarifs actuels pour les nouveaux jours et anneaux : total à payer %2.

Conserver le prix convenu ?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>&amp;Garder %1</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Recalculer à %1</translation>
    </message>
    <message>
        <source>No booking can be made there.
%1</source>
        <translation>Aucune réservation n&apos;est possible à cet endroit.
%1</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile.</source>
        <translation>La réservation a été modifiée entre-temps sur un autre poste.</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Annuler la réservation</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Un autre poste a levé ce blocage entre-temps.</translation>
    </message>
    <message>
        <source>The block was not moved. Nothing was changed.
%1</source>
        <translation>Le blocage n&apos;a pas été déplacé. Rien n&apos;a été modifié.
%1</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>Ce n&apos;est pas un anneau.</translation>
    </message>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Un autre poste a modifié ce blocage entre-temps.</translation>
    </message>
</context>
<context>
    <name>BookingConfirmationPage</name>
    <message>
        <source>Booking confirmation details:</source>
        <translation>Détails de la confirmation :</translation>
    </message>
    <message>
        <source>ph:</source>
        <translation>tél. :</translation>
    </message>
    <message>
        <source>Show the booking con&amp;firmation when saved</source>
        <translation>Afficher la con&amp;firmation à l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Send confirmation by e-ma&amp;il</source>
        <translation>Envoyer la confirmation par e-ma&amp;il</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Bateau : %1</translation>
    </message>
    <message>
        <source>Confirmation number %1 was given to a booking made at another desk meanwhile. This booking has been saved with number %2.</source>
        <translation>Le numéro de confirmation %1 a été attribué entre-temps à une réservation faite sur un autre poste. Cette réservation a été enregistrée sous le numéro %2.</translation>
    </message>
    <message>
        <source>The booking has been saved with confirmation number %1.</source>
        <translation>La réservation a été enregistrée sous le numéro de confirmation %1.</translation>
    </message>
    <message>
        <source>The booking has been saved.</source>
        <translation>La réservation a été enregistrée.</translation>
    </message>
    <message>
        <source>Show its summary?</source>
        <translation>Afficher son récapitulatif ?</translation>
    </message>
</context>
<context>
    <name>BookingCustomerPanel</name>
    <message>
        <source>Ne&amp;w...</source>
        <translation>Nou&amp;veau...</translation>
    </message>
    <message>
        <source>Select customer:</source>
        <translation>Choisir le client :</translation>
    </message>
    <message>
        <source>Please select customer</source>
        <translation>Veuillez choisir le client</translation>
    </message>
    <message>
        <source>%1 is not a boat of %2. Choose its owner as the customer, or no boat on the berths page.</source>
        <translation>%1 n&apos;est pas un bateau de %2. Choisissez son propriétaire comme client, ou aucun bateau sur la page des anneaux.</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (nouveau)</translation>
    </message>
</context>
<context>
    <name>BookingDatesPage</name>
    <message>
        <source>Set Arrival date and Arrival time, then set Departure date and Departure time</source>
        <translation>Indiquez la date et l&apos;heure d&apos;arrivée, puis la date et l&apos;heure de départ</translation>
    </message>
    <message>
        <source>Arrival Date:</source>
        <translation>Date d&apos;arrivée :</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Date de départ :</translation>
    </message>
    <message>
        <source>Booked by (your name):</source>
        <translation>Réservé par (votre nom) :</translation>
    </message>
    <message>
        <source>Departure date must be after the Arrival date. Please change the Departure date and try again.</source>
        <translation>La date de départ doit suivre la date d&apos;arrivée. Modifiez la date de départ et réessayez.</translation>
    </message>
    <message>
        <source>Booking interval is invalid</source>
        <translation>La période de réservation n&apos;est pas valable</translation>
    </message>
</context>
<context>
    <name>BookingDeposit</name>
    <message>
        <source>A deposit cannot be less than %1.</source>
        <translation>Un acompte ne peut pas être inférieur à %1.</translation>
    </message>
    <message>
        <source>The deposit cannot be more than the total payable, %1.</source>
        <translation>L&apos;acompte ne peut pas dépasser le total à payer, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due before the day the booking was made, %1.</source>
        <translation>L&apos;acompte ne peut pas être échu avant le jour de la réservation, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due after the balance, %1.</source>
        <translation>L&apos;acompte ne peut pas être échu après le solde, %1.</translation>
    </message>
    <message>
        <source>The balance cannot fall due after the arrival, %1.</source>
        <translation>Le solde ne peut pas être échu après l&apos;arrivée, %1.</translation>
    </message>
</context>
<context>
    <name>BookingDepositPanel</name>
    <message>
        <source>Deposit</source>
        <translation>Acompte</translation>
    </message>
    <message>
        <source>&amp;Deposit:</source>
        <translation>&amp;Acompte :</translation>
    </message>
    <message>
        <source>Deposit d&amp;ue by:</source>
        <translation>Acompte &amp;dû le :</translation>
    </message>
    <message>
        <source>Balanc&amp;e due by:</source>
        <translation>S&amp;olde dû le :</translation>
    </message>
    <message>
        <source>The deposit typed was more than the total payable, so it is now %1.</source>
        <translation>L&apos;acompte saisi dépassait le total à payer ; il est donc ramené à %1.</translation>
    </message>
    <message>
        <source>Total payable %1 due by %2</source>
        <translation>Total à payer %1, dû le %2</translation>
    </message>
    <message>
        <source>Deposit %1 due by %2, balance %3 due by %4</source>
        <translation>Acompte %1 dû le %2, solde %3 dû le %4</translation>
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
        <translation>Adultes et</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Booking from</source>
        <translation>Réservation du</translation>
    </message>
</context>
<context>
    <name>BookingDocuments</name>
    <message>
        <source>Telephone No:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>N° TVA :</translation>
    </message>
    <message>
        <source>There is no booking to print.</source>
        <translation>Il n&apos;y a aucune réservation à imprimer.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La réservation n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Signature: %1 Date: %2</source>
        <translation>Signature : %1 Date : %2</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>FACTURE</translation>
    </message>
    <message>
        <source>Invoice Number:</source>
        <translation>N° de facture :</translation>
    </message>
    <message>
        <source>Booking Date:</source>
        <translation>Date de réservation :</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Date de départ :</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Anneau(x) :</translation>
    </message>
    <message>
        <source>Booked By:</source>
        <translation>Réservé par :</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Bateau :</translation>
    </message>
    <message>
        <source>Booking charges,</source>
        <translation>Frais de réservation,</translation>
    </message>
    <message>
        <source>Cost Of Hire:</source>
        <translation>Coût de la location :</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Autres frais :</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>TVA :</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Total à payer :</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Montant payé :</translation>
    </message>
    <message>
        <source>In Credit:</source>
        <translation>Crédit :</translation>
    </message>
    <message>
        <source>Balance Due:</source>
        <translation>Solde dû :</translation>
    </message>
    <message>
        <source>Credit notes,</source>
        <translation>Avoirs,</translation>
    </message>
    <message>
        <source>    Credit note %1  %2</source>
        <translation>    Avoir %1  %2</translation>
    </message>
    <message>
        <source>Net after credit notes:</source>
        <translation>Net après avoirs :</translation>
    </message>
    <message>
        <source>Berth Confirmation Number:</source>
        <translation>N° de confirmation :</translation>
    </message>
    <message>
        <source>Guest Confirmation Number:</source>
        <translation>N° de confirmation client :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Reservation Form</source>
        <translation>Bon de réservation</translation>
    </message>
    <message>
        <source>Reservation Number:</source>
        <translation>N° de réservation :</translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To Date:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>HouseName:</source>
        <translation>Résidence :</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Quartier :</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>TelNo:</source>
        <translation>Tél. :</translation>
    </message>
    <message>
        <source>MobileNo:</source>
        <translation>Portable :</translation>
    </message>
    <message>
        <source>EmailAddress:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Client Notes:</source>
        <translation>Notes client :</translation>
    </message>
    <message>
        <source>ClubMember:</source>
        <translation>Membre du club :</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>MembershipNo:</source>
        <translation>N° de membre :</translation>
    </message>
    <message>
        <source>Reservation Notes:</source>
        <translation>Notes de réservation :</translation>
    </message>
    <message>
        <source>Reservation Terms and Conditions:</source>
        <translation>Conditions générales de réservation :</translation>
    </message>
    <message>
        <source>BOOKING CONFIRMATION</source>
        <translation>CONFIRMATION DE RÉSERVATION</translation>
    </message>
    <message>
        <source>Booking Number:</source>
        <translation>N° de réservation :</translation>
    </message>
    <message>
        <source>Confirmation Number:</source>
        <translation>N° de confirmation :</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Arrivée :</translation>
    </message>
    <message>
        <source>Departure:</source>
        <translation>Départ :</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Paid to date:</source>
        <translation>Déjà payé :</translation>
    </message>
    <message>
        <source>Deposit due:</source>
        <translation>Acompte dû :</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>deposit of %1 paid</source>
        <translation>acompte de %1 payé</translation>
    </message>
    <message>
        <source>Balance due:</source>
        <translation>Solde dû :</translation>
    </message>
    <message>
        <source>paid in full</source>
        <translation>payé intégralement</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Conditions générales :</translation>
    </message>
    <message>
        <source>CREDIT NOTE</source>
        <translation>AVOIR</translation>
    </message>
    <message>
        <source>Credit Note Number:</source>
        <translation>N° d&apos;avoir :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Against Invoice Number:</source>
        <translation>Sur la facture n° :</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Amount Credited:</source>
        <translation>Montant crédité :</translation>
    </message>
</context>
<context>
    <name>BookingHistory</name>
    <message>
        <source>Customer number</source>
        <translation>N° de client</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Booked by</source>
        <translation>Réservé par</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Adultes</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Cost of hire</source>
        <translation>Coût de la location</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Autres frais</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Total payable</source>
        <translation>Total à payer</translation>
    </message>
    <message>
        <source>Payment method number</source>
        <translation>N° du mode de paiement</translation>
    </message>
    <message>
        <source>Card type</source>
        <translation>Type de carte</translation>
    </message>
    <message>
        <source>Confirmation number</source>
        <translation>N° de confirmation</translation>
    </message>
    <message>
        <source>Guest&apos;s confirmation number</source>
        <translation>N° de confirmation du client</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Club member</source>
        <translation>Membre du club</translation>
    </message>
    <message>
        <source>Tax rate (hundredths of a per cent)</source>
        <translation>Taux de taxe (centièmes de pour cent)</translation>
    </message>
    <message>
        <source>Boat number</source>
        <translation>N° du bateau</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <source>Berths when cancelled</source>
        <translation>Anneaux à l&apos;annulation</translation>
    </message>
    <message>
        <source>Invoice number</source>
        <translation>N° de facture</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Séjour</translation>
    </message>
    <message>
        <source>Checked in</source>
        <translation>Arrivé</translation>
    </message>
    <message>
        <source>Checked in at</source>
        <translation>Arrivé à</translation>
    </message>
    <message>
        <source>Checked out</source>
        <translation>Parti</translation>
    </message>
    <message>
        <source>Checked out at</source>
        <translation>Parti à</translation>
    </message>
    <message>
        <source>Deposit agreed</source>
        <translation>Acompte convenu</translation>
    </message>
    <message>
        <source>Deposit due by</source>
        <translation>Acompte dû le</translation>
    </message>
    <message>
        <source>Balance due by</source>
        <translation>Solde dû le</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>daily charge</source>
        <translation>tarif journalier</translation>
    </message>
    <message>
        <source>%1, %2: %3 x %4 = %5</source>
        <translation>%1, %2 : %3 x %4 = %5</translation>
    </message>
    <message>
        <source>Booking made</source>
        <translation>Réservation créée</translation>
    </message>
    <message>
        <source>Booking deleted</source>
        <translation>Réservation supprimée</translation>
    </message>
    <message>
        <source>Berth added</source>
        <translation>Anneau ajouté</translation>
    </message>
    <message>
        <source>Berth removed</source>
        <translation>Anneau retiré</translation>
    </message>
    <message>
        <source>Berth changed</source>
        <translation>Anneau modifié</translation>
    </message>
    <message>
        <source>Charge line added</source>
        <translation>Ligne de frais ajoutée</translation>
    </message>
    <message>
        <source>Charge line removed</source>
        <translation>Ligne de frais retirée</translation>
    </message>
    <message>
        <source>Ledger line</source>
        <translation>Ligne du grand livre</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Page %p sur %P</translation>
    </message>
    <message>
        <source>No changes are recorded for this booking.</source>
        <translation>Aucune modification n&apos;est enregistrée pour cette réservation.</translation>
    </message>
</context>
<context>
    <name>BookingHistoryDialog</name>
    <message>
        <source>Booking history</source>
        <translation>Historique de la réservation</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Booking %1 history.pdf</source>
        <translation>Historique réservation %1.pdf</translation>
    </message>
    <message>
        <source>The booking&apos;s history could not be read: %1</source>
        <translation>L&apos;historique de la réservation n&apos;a pas pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>BookingImport</name>
    <message>
        <source>booking %1</source>
        <translation>réservation %1</translation>
    </message>
</context>
<context>
    <name>BookingMail</name>
    <message>
        <source>The booking has been cancelled: no message is sent about it.</source>
        <translation>La réservation a été annulée : aucun message n&apos;est envoyé à son sujet.</translation>
    </message>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 n&apos;a pas d&apos;adresse e-mail utilisable : %2</translation>
    </message>
    <message>
        <source>Reminder days must be from 0 to %1.</source>
        <translation>Les jours de relance doivent aller de 0 à %1.</translation>
    </message>
    <message>
        <source>Booking %1 no longer exists.</source>
        <translation>La réservation %1 n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>BookingMailMenu</name>
    <message>
        <source>Send confirmation</source>
        <translation>Envoyer la confirmation</translation>
    </message>
    <message>
        <source>The confirmation was not queued: %1</source>
        <translation>La confirmation n&apos;a pas été mise en file d&apos;envoi : %1</translation>
    </message>
    <message>
        <source>Confirmation of booking %1</source>
        <translation>Confirmation de la réservation %1</translation>
    </message>
    <message>
        <source>E-mail invoice</source>
        <translation>Envoyer la facture par e-mail</translation>
    </message>
    <message>
        <source>The invoice was not queued: %1</source>
        <translation>La facture n&apos;a pas été mise en file d&apos;envoi : %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Facture %1 de la réservation %2</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2 by e-mail</source>
        <translation>Facture %1 de la réservation %2 par e-mail</translation>
    </message>
    <message>
        <source>Invoice %1 is in the outbox and goes out in the background.</source>
        <translation>La facture %1 est dans la boîte d&apos;envoi et part en arrière-plan.</translation>
    </message>
    <message>
        <source>E-mail Invoice</source>
        <translation>Envoyer la facture par e-mail</translation>
    </message>
</context>
<context>
    <name>BookingMessagesPanel</name>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En file</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Server&apos;s answer</source>
        <translation>Réponse du serveur</translation>
    </message>
    <message>
        <source>Re&amp;send now</source>
        <translation>Ren&amp;voyer maintenant</translation>
    </message>
    <message>
        <source>Edit messa&amp;ge...</source>
        <translation>Modifier le messa&amp;ge...</translation>
    </message>
    <message>
        <source>E-mail sent about this booking:</source>
        <translation>E-mails envoyés pour cette réservation :</translation>
    </message>
    <message>
        <source>The messages could not be read: %1</source>
        <translation>Les messages n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Envoyé le %1</translation>
    </message>
    <message>
        <source>Edit Message</source>
        <translation>Modifier le message</translation>
    </message>
    <message>
        <source>&amp;Queue again</source>
        <translation>Remettre en &amp;file</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Destinataire :</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Objet :</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Message :</translation>
    </message>
</context>
<context>
    <name>BookingMove</name>
    <message>
        <source>The booking stays where it was.</source>
        <translation>La réservation reste où elle était.</translation>
    </message>
    <message>
        <source>The booking was cancelled at another desk meanwhile. Nothing was moved.</source>
        <translation>La réservation a été annulée entre-temps sur un autre poste. Rien n&apos;a été déplacé.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile. Nothing was moved; the chart shows it as it is now.</source>
        <translation>La réservation a été modifiée entre-temps sur un autre poste. Rien n&apos;a été déplacé ; le planning l&apos;affiche telle qu&apos;elle est maintenant.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>Le départ doit suivre l&apos;arrivée.</translation>
    </message>
    <message>
        <source>Bookings can only be made from %1 to %2.</source>
        <translation>Les réservations ne sont possibles que du %1 au %2.</translation>
    </message>
    <message>
        <source>The booking already holds that berth.</source>
        <translation>La réservation occupe déjà cet anneau.</translation>
    </message>
    <message>
        <source>That berth is not in use: a booking cannot be moved onto it.</source>
        <translation>Cet anneau n&apos;est pas en service : on ne peut pas y déplacer une réservation.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk since it was moved. Nothing was undone.</source>
        <translation>La réservation a été modifiée sur un autre poste depuis son déplacement. Rien n&apos;a été annulé.</translation>
    </message>
</context>
<context>
    <name>BookingPaymentPanel</name>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>Enregistrer un paie&amp;ment...</translation>
    </message>
    <message>
        <source>Payment Method:</source>
        <translation>Mode de paiement :</translation>
    </message>
    <message>
        <source>Credit Card No.:</source>
        <translation>N° de carte :</translation>
    </message>
    <message>
        <source>Credit Card Expiry:</source>
        <translation>Expiration de la carte :</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Type de carte :</translation>
    </message>
</context>
<context>
    <name>BookingPricing</name>
    <message>
        <source>daily charge</source>
        <translation>tarif journalier</translation>
    </message>
    <message>
        <source>%1, %2: %3 at %4</source>
        <translation>%1, %2 : %3 à %4</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>No rate prices %1: counted at %2.</source>
        <translation>Aucun tarif ne fixe le prix de %1 : compté à %2.</translation>
    </message>
</context>
<context>
    <name>BookingReports</name>
    <message>
        <source>From: %1 to: %2</source>
        <translation>Du : %1 au : %2</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Du : %1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>Au : %1</translation>
    </message>
</context>
<context>
    <name>BookingRules</name>
    <message>
        <source>Berth(s): %1</source>
        <translation>Anneau(x) : %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
</context>
<context>
    <name>BookingStore</name>
    <message>
        <source>Bookings can be made from %1 to %2.</source>
        <translation>Les réservations sont possibles du %1 au %2.</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Un montant dépasse %1.</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to the total payable, %2.</source>
        <translation>Un acompte va de %1 au total à payer, %2.</translation>
    </message>
    <message>
        <source>The tax rate runs from 0 to 100 %.</source>
        <translation>Le taux de taxe va de 0 à 100 %.</translation>
    </message>
    <message>
        <source>The numbers of adults and children run from 0 to %1.</source>
        <translation>Le nombre d&apos;adultes et d&apos;enfants va de 0 à %1.</translation>
    </message>
    <message>
        <source>arrival</source>
        <translation>arrivée</translation>
    </message>
    <message>
        <source>departure</source>
        <translation>départ</translation>
    </message>
    <message>
        <source>booked by</source>
        <translation>réservé par</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>client</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>adults</source>
        <translation>adultes</translation>
    </message>
    <message>
        <source>children</source>
        <translation>enfants</translation>
    </message>
    <message>
        <source>other charges</source>
        <translation>autres frais</translation>
    </message>
    <message>
        <source>tax</source>
        <translation>taxe</translation>
    </message>
    <message>
        <source>total payable</source>
        <translation>total à payer</translation>
    </message>
    <message>
        <source>payment method</source>
        <translation>mode de paiement</translation>
    </message>
    <message>
        <source>card number</source>
        <translation>numéro de carte</translation>
    </message>
    <message>
        <source>card expiry</source>
        <translation>expiration de la carte</translation>
    </message>
    <message>
        <source>card type</source>
        <translation>type de carte</translation>
    </message>
    <message>
        <source>security code</source>
        <translation>code de sécurité</translation>
    </message>
    <message>
        <source>cost of hire</source>
        <translation>coût de la location</translation>
    </message>
    <message>
        <source>confirmation number</source>
        <translation>numéro de confirmation</translation>
    </message>
    <message>
        <source>guest confirmation number</source>
        <translation>numéro de confirmation client</translation>
    </message>
    <message>
        <source>power requirements</source>
        <translation>besoins électriques</translation>
    </message>
    <message>
        <source>club member</source>
        <translation>membre du club</translation>
    </message>
    <message>
        <source>tax rate</source>
        <translation>taux de taxe</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>bateau</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>acompte</translation>
    </message>
    <message>
        <source>deposit due by</source>
        <translation>acompte dû le</translation>
    </message>
    <message>
        <source>balance due by</source>
        <translation>solde dû le</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>anneaux</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La réservation n&apos;existe plus.</translation>
    </message>
    <message>
        <source>%1 has been blocked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 a été bloqué pour cette période depuis l&apos;affichage de la liste. Rien n&apos;a été enregistré : choisissez de nouveau les emplacements.</translation>
    </message>
    <message>
        <source>%1 has been booked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 a été réservé pour cette période depuis l&apos;affichage de la liste. Rien n&apos;a été enregistré : choisissez de nouveau les emplacements.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it (changed: %1). Nothing was saved: cancel and open it again to see the changes.</source>
        <translation>Cette réservation a été modifiée ou annulée sur un autre poste depuis que vous l&apos;avez ouverte (modifié : %1). Rien n&apos;a été enregistré : annulez et rouvrez-la pour voir les modifications.</translation>
    </message>
    <message>
        <source>The boat has been removed or given to another customer since the list was shown. Nothing was saved: please choose the boat again.</source>
        <translation>Le bateau a été supprimé ou attribué à un autre client depuis l&apos;affichage de la liste. Rien n&apos;a été enregistré : choisissez de nouveau le bateau.</translation>
    </message>
    <message>
        <source>The customer has been deleted since the list was shown. Nothing was saved.</source>
        <translation>Le client a été supprimé depuis l&apos;affichage de la liste. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>A cancelled booking cannot be changed.</source>
        <translation>Une réservation annulée ne peut pas être modifiée.</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was deleted: close it and open it again to see the changes.</source>
        <translation>Cette réservation a été modifiée ou annulée sur un autre poste depuis que vous l&apos;avez ouverte. Rien n&apos;a été supprimé : fermez-la et rouvrez-la pour voir les modifications.</translation>
    </message>
    <message>
        <source>Money has been taken on this booking: it is cancelled from its summary, which keeps its payments.</source>
        <translation>Cette réservation a déjà été encaissée : elle s&apos;annule depuis son récapitulatif, qui conserve ses paiements.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was cancelled: close it and open it again to see the changes.</source>
        <translation>Cette réservation a été modifiée ou annulée sur un autre poste depuis que vous l&apos;avez ouverte. Rien n&apos;a été annulé : fermez-la et rouvrez-la pour voir les modifications.</translation>
    </message>
    <message>
        <source>The booking has already been cancelled.</source>
        <translation>La réservation a déjà été annulée.</translation>
    </message>
    <message>
        <source>Booking cancelled</source>
        <translation>Réservation annulée</translation>
    </message>
</context>
<context>
    <name>BookingSummaryData</name>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La réservation n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>BookingSummaryWindow</name>
    <message>
        <source>Reservation summary</source>
        <translation>Récapitulatif de la réservation</translation>
    </message>
    <message>
        <source>Ph:</source>
        <translation>Tél. :</translation>
    </message>
    <message>
        <source>Berth  Charges</source>
        <translation>Frais d&apos;anneau</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Autres frais</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Total à payer</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Montant payé</translation>
    </message>
    <message>
        <source>Reservation notes:</source>
        <translation>Notes de réservation :</translation>
    </message>
    <message>
        <source>Customer Notes</source>
        <translation>Notes client</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>Enregistrer un &amp;paiement...</translation>
    </message>
    <message>
        <source>Re&amp;fund...</source>
        <translation>&amp;Rembourser...</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Arrivée</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>Dépar&amp;t...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>A&amp;nnuler l&apos;arrivée ou le départ...</translation>
    </message>
    <message>
        <source>To amend financial details press the Edit Booking Button</source>
        <translation>Pour modifier les données financières, appuyez sur le bouton Modifier</translation>
    </message>
    <message>
        <source>&amp;Edit booking</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Cancel booking</source>
        <translation>Annu&amp;ler la réservation</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Print Receipt</source>
        <translation>&amp;Imprimer le reçu</translation>
    </message>
    <message>
        <source>&amp;Booking Form</source>
        <translation>&amp;Bon de réservation</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Booking Form</source>
        <translation>Bon de réservation</translation>
    </message>
    <message>
        <source>Confir&amp;mation</source>
        <translation>&amp;Confirmation</translation>
    </message>
    <message>
        <source>Credit N&amp;otes</source>
        <translation>Av&amp;oirs</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>Booking %1: history</source>
        <translation>Réservation %1 : historique</translation>
    </message>
    <message>
        <source>The booking could not be shown: %1</source>
        <translation>La réservation n&apos;a pas pu être affichée : %1</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Bateau : %1</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Annulée. %1</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be read: %1</source>
        <translation>Le séjour du client n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Arrived %1 at %2</source>
        <translation>Arrivé le %1 à %2</translation>
    </message>
    <message>
        <source>Departed %1 at %2</source>
        <translation>Parti le %1 à %2</translation>
    </message>
    <message>
        <source>Guest: %1</source>
        <translation>Client : %1</translation>
    </message>
    <message>
        <source>The payments could not be read: %1</source>
        <translation>Les paiements n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>Cancelled: paid %1</source>
        <translation>Annulée : payé %1</translation>
    </message>
    <message>
        <source>Paid %1 of %2: in credit %3</source>
        <translation>Payé %1 sur %2 : crédit %3</translation>
    </message>
    <message>
        <source>Paid %1 of %2: balance due %3</source>
        <translation>Payé %1 sur %2 : solde dû %3</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>Le client dispose d&apos;un crédit de %1.</translation>
    </message>
    <message>
        <source>Credit note %1: %2</source>
        <translation>Avoir %1 : %2</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Annuler la réservation</translation>
    </message>
    <message>
        <source>The invoice could not be numbered: %1</source>
        <translation>La facture n&apos;a pas pu être numérotée : %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Facture %1 de la réservation %2</translation>
    </message>
    <message>
        <source>The booking shown could not be printed: %1</source>
        <translation>La réservation affichée n&apos;a pas pu être imprimée : %1</translation>
    </message>
    <message>
        <source>The document could not be read: %1</source>
        <translation>Le document n&apos;a pas pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>BookingWizard</name>
    <message>
        <source>Berth / Caravan Reservation</source>
        <translation>Réservation d&apos;anneau / d&apos;emplacement</translation>
    </message>
    <message>
        <source>Booking Progress</source>
        <translation>Avancement de la réservation</translation>
    </message>
    <message>
        <source>Step 1 - Dates</source>
        <translation>Étape 1 - Dates</translation>
    </message>
    <message>
        <source>Step 2 - Select Berth</source>
        <translation>Étape 2 - Choix de l&apos;anneau</translation>
    </message>
    <message>
        <source>Step 3 - Customer</source>
        <translation>Étape 3 - Client</translation>
    </message>
    <message>
        <source>Step 4 - Confirmation</source>
        <translation>Étape 4 - Confirmation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Cancel Booking</source>
        <translation>Annuler la réservation</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>F&amp;ermer</translation>
    </message>
    <message>
        <source>Booking Notes</source>
        <translation>Notes de réservation</translation>
    </message>
    <message>
        <source>The booking wizard holds a booking that has not been saved. Confirm or cancel it first.</source>
        <translation>L&apos;assistant de réservation contient une réservation non enregistrée. Confirmez-la ou annulez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>The booking has not been saved. Close the wizard and lose it?</source>
        <translation>La réservation n&apos;a pas été enregistrée. Fermer l&apos;assistant et la perdre ?</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>The customer %1 has been deleted since the list was shown. Nothing was saved: please choose the customer again.</source>
        <translation>Le client %1 a été supprimé depuis l&apos;affichage de la liste. Rien n&apos;a été enregistré : choisissez de nouveau le client.</translation>
    </message>
    <message>
        <source>The booking could not be saved. Nothing was changed.
%1</source>
        <translation>La réservation n&apos;a pas pu être enregistrée. Rien n&apos;a été modifié.
%1</translation>
    </message>
    <message>
        <source>Do you want to delete existing reservation?</source>
        <translation>Voulez-vous supprimer la réservation existante ?</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Réservation</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <source>Not available</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>The address did not give a calendar (no BEGIN:VCALENDAR at its start).</source>
        <translation>L&apos;adresse n&apos;a pas fourni de calendrier (pas de BEGIN:VCALENDAR au début).</translation>
    </message>
    <message>
        <source>The address gave text that could not be read as a calendar.</source>
        <translation>L&apos;adresse a fourni un texte illisible comme calendrier.</translation>
    </message>
    <message>
        <source>The calendar has more than %1 events to come: it was not read.</source>
        <translation>Le calendrier compte plus de %1 événements à venir : il n&apos;a pas été lu.</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>Simple Calendar</source>
        <translation>Calendrier simple</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Ajouter une réservation</translation>
    </message>
    <message>
        <source>Edit Reservation</source>
        <translation>Modifier la réservation</translation>
    </message>
    <message>
        <source>Show Summary</source>
        <translation>Afficher le récapitulatif</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Annuler la réservation</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>Les réservations n&apos;ont pas pu être lues.
%1</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Annuler la réservation</translation>
    </message>
</context>
<context>
    <name>CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Dernière lecture</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>https://... or webcal://... (the other site&apos;s calendar of this berth)</source>
        <translation>https://... ou webcal://... (le calendrier de cet anneau sur l&apos;autre site)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Read &amp;now</source>
        <translation>&amp;Lire maintenant</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>A&amp;nneau :</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>A&amp;dresse :</translation>
    </message>
    <message>
        <source>&amp;Feeds</source>
        <translation>&amp;Flux</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Réservation</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Stays here that another site&apos;s calendar also holds: move each stay to another berth, or ask the other site to free its dates.</source>
        <translation>Séjours d&apos;ici que le calendrier d&apos;un autre site contient aussi : déplacez chaque séjour sur un autre anneau, ou demandez à l&apos;autre site de libérer ses dates.</translation>
    </message>
    <message>
        <source>C&amp;onflicts</source>
        <translation>C&amp;onflits</translation>
    </message>
    <message>
        <source>empty: this desk publishes no calendars</source>
        <translation>vide : ce poste ne publie aucun calendrier</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Parcour&amp;ir...</translation>
    </message>
    <message>
        <source>This desk is the &amp;gateway: it reads the feeds of other sites</source>
        <translation>Ce poste est la &amp;passerelle : il lit les flux des autres sites</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Publish calendars into:</source>
        <translation>P&amp;ublier les calendriers dans :</translation>
    </message>
    <message>
        <source>Each berth&apos;s calendar is berth-&lt;number&gt;.ics and each berth type&apos;s type-&lt;number&gt;.ics in that folder; put the folder on the office&apos;s web site.</source>
        <translation>Dans ce dossier, le calendrier de chaque anneau est berth-&lt;numéro&gt;.ics et celui de chaque type d&apos;anneau type-&lt;numéro&gt;.ics ; placez le dossier sur le site web du bureau.</translation>
    </message>
    <message>
        <source>This &amp;desk</source>
        <translation>Ce pos&amp;te</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Only the gateway desk reads the feeds: set it on the &quot;This desk&quot; page.</source>
        <translation>Seul le poste passerelle lit les flux : réglez-le sur la page « Ce poste ».</translation>
    </message>
    <message>
        <source>Publish calendars into</source>
        <translation>Publier les calendriers dans</translation>
    </message>
    <message>
        <source>Calendars (*.ics)</source>
        <translation>Calendriers (*.ics)</translation>
    </message>
    <message>
        <source>The calendars could not be read: %1</source>
        <translation>Les calendriers n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>pas encore</translation>
    </message>
    <message>
        <source>Stop reading %1? The berth&apos;s blocks from this calendar are released.</source>
        <translation>Arrêter de lire %1 ? Les blocages de l&apos;anneau issus de ce calendrier sont levés.</translation>
    </message>
    <message>
        <source>The feed was not removed: %1</source>
        <translation>Le flux n&apos;a pas été supprimé : %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Calendars: publish folder &quot;%1&quot;, gateway %2</source>
        <translation>Calendriers : dossier de publication « %1 », passerelle %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>CancelPaidDialog</name>
    <message>
        <source>Cancel booking</source>
        <translation>Annuler la réservation</translation>
    </message>
    <message>
        <source>%1 has been paid on this booking. Cancel it and:</source>
        <translation>%1 a été payé sur cette réservation. L&apos;annuler et :</translation>
    </message>
    <message>
        <source>This booking has payments on record. Cancel it and keep them?</source>
        <translation>Cette réservation a des paiements enregistrés. L&apos;annuler et les conserver ?</translation>
    </message>
    <message>
        <source>&amp;Refund what was paid</source>
        <translation>&amp;Rembourser ce qui a été payé</translation>
    </message>
    <message>
        <source>&amp;Keep it as a cancellation fee</source>
        <translation>&amp;Garder comme frais d&apos;annulation</translation>
    </message>
    <message>
        <source>Keep it as the customer&apos;s c&amp;redit</source>
        <translation>Garder comme &amp;crédit du client</translation>
    </message>
    <message>
        <source>Cancel &amp;Booking</source>
        <translation>A&amp;nnuler la réservation</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>Re&amp;venir</translation>
    </message>
    <message>
        <source>The booking could not be cancelled: %1</source>
        <translation>La réservation n&apos;a pas pu être annulée : %1</translation>
    </message>
</context>
<context>
    <name>CashUpReport</name>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>Refunded</source>
        <translation>Remboursé</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Corrections</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Cash-up</source>
        <translation>Clôture de caisse</translation>
    </message>
    <message>
        <source>Cash-up: page %p of %P</source>
        <translation>Clôture de caisse : page %p sur %P</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Payments, refunds and corrections recorded in the period; printed %1.</source>
        <translation>Paiements, remboursements et corrections enregistrés sur la période ; imprimé le %1.</translation>
    </message>
    <message>
        <source>Nothing was recorded in this period.</source>
        <translation>Rien n&apos;a été enregistré sur cette période.</translation>
    </message>
    <message>
        <source>By method</source>
        <translation>Par mode</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>By desk</source>
        <translation>Par poste</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Poste</translation>
    </message>
</context>
<context>
    <name>CheckIn</name>
    <message>
        <source>The booking has been cancelled: its guest cannot be checked in or out.</source>
        <translation>La réservation a été annulée : son client ne peut ni arriver ni partir.</translation>
    </message>
    <message>
        <source>The guest was already checked in at %1 on %2.</source>
        <translation>Le client est déjà arrivé à %1 le %2.</translation>
    </message>
    <message>
        <source>The guest has already left (checked out at %1 on %2).</source>
        <translation>Le client est déjà parti (départ à %1 le %2).</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile.</source>
        <translation>Un autre poste a modifié le séjour du client entre-temps.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Arrivé</translation>
    </message>
    <message>
        <source>Departed</source>
        <translation>Parti</translation>
    </message>
    <message>
        <source>No-show</source>
        <translation>Non présenté</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La réservation n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The stay ended on %1: change the booking&apos;s dates before checking the guest in.</source>
        <translation>Le séjour s&apos;est terminé le %1 : modifiez les dates de la réservation avant d&apos;enregistrer l&apos;arrivée du client.</translation>
    </message>
    <message>
        <source>%1 is booked to arrive on %2, later than today.
Check the guest in early? The booking&apos;s dates stay as they are.</source>
        <translation>%1 doit arriver le %2, après aujourd&apos;hui.
Enregistrer l&apos;arrivée en avance ? Les dates de la réservation restent inchangées.</translation>
    </message>
    <message>
        <source>%1 was booked to arrive on %2, earlier than today.
Check the guest in late? The booking&apos;s dates stay as they are.</source>
        <translation>%1 devait arriver le %2, avant aujourd&apos;hui.
Enregistrer l&apos;arrivée en retard ? Les dates de la réservation restent inchangées.</translation>
    </message>
    <message>
        <source>
The guest was not checked in: confirm the other day first.</source>
        <translation>
L&apos;arrivée du client n&apos;a pas été enregistrée : confirmez d&apos;abord l&apos;autre jour.</translation>
    </message>
    <message>
        <source>The guest was already checked out at %1 on %2.</source>
        <translation>Le client est déjà parti à %1 le %2.</translation>
    </message>
    <message>
        <source>The guest has not been checked in: check the guest in before checking out.</source>
        <translation>L&apos;arrivée du client n&apos;a pas été enregistrée : enregistrez son arrivée avant son départ.</translation>
    </message>
    <message>
        <source>Only a guest still expected can be marked as a no-show; this one is %1.</source>
        <translation>Seul un client encore attendu peut être marqué non présenté ; celui-ci est %1.</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile: it is now %1.</source>
        <translation>Un autre poste a modifié le séjour du client entre-temps : il est maintenant %1.</translation>
    </message>
    <message>
        <source>The guest is expected: there is nothing to put back.</source>
        <translation>Le client est attendu : il n&apos;y a rien à rétablir.</translation>
    </message>
</context>
<context>
    <name>CheckInMenu</name>
    <message>
        <source>Check-in and check-out</source>
        <translation>Arrivées et départs</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be changed: %1</source>
        <translation>Le séjour du client n&apos;a pas pu être modifié : %1</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest in:</source>
        <translation>Relevez les compteurs des anneaux de %1 avant d&apos;enregistrer l&apos;arrivée du client :</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest out:</source>
        <translation>Relevez les compteurs des anneaux de %1 avant d&apos;enregistrer le départ du client :</translation>
    </message>
    <message>
        <source>%1 still owes %2 (paid %3 of %4).

Yes takes the payment now, No checks the guest out with the balance owing, Cancel goes back without checking out.</source>
        <translation>%1 doit encore %2 (payé %3 sur %4).

Oui encaisse le paiement maintenant, Non enregistre le départ avec le solde dû, Annuler revient sans enregistrer le départ.</translation>
    </message>
    <message>
        <source>The meters&apos; use, %1 before tax, was added to the booking&apos;s other charges. The balance is now %2.</source>
        <translation>La consommation des compteurs, %1 HT, a été ajoutée aux autres frais de la réservation. Le solde est maintenant de %2.</translation>
    </message>
    <message>
        <source>%1 is expected: there is no arrival, departure or no-show to undo.</source>
        <translation>%1 est attendu : il n&apos;y a aucune arrivée, aucun départ ni aucune non-présentation à annuler.</translation>
    </message>
    <message>
        <source>%1 is %2. Put the stay back to %3?</source>
        <translation>%1 est %2. Remettre le séjour à l&apos;état %3 ?</translation>
    </message>
    <message>
        <source>Every guest due today has been checked in or marked.</source>
        <translation>Tous les clients attendus aujourd&apos;hui sont arrivés ou ont été marqués.</translation>
    </message>
    <message>
        <source>Some were not marked:
%1</source>
        <translation>Certains n&apos;ont pas été marqués :
%1</translation>
    </message>
</context>
<context>
    <name>ClosedBookings</name>
    <message>
        <source>%1 is closed: its ledger takes no more lines. Date the correction today.</source>
        <translation>%1 est clôturé : son grand livre n&apos;accepte plus de lignes. Datez la correction d&apos;aujourd&apos;hui.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriodDialog</name>
    <message>
        <source>Closed Months</source>
        <translation>Mois clôturés</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois :</translation>
    </message>
    <message>
        <source>Close the mon&amp;th</source>
        <translation>Clô&amp;turer le mois</translation>
    </message>
    <message>
        <source>&amp;Reopen the month</source>
        <translation>&amp;Rouvrir le mois</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fait</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>A closed month&apos;s bookings (by their departure) and ledger lines can no longer be changed: they are put right by lines dated today.</source>
        <translation>Les réservations d&apos;un mois clôturé (selon leur départ) et ses lignes du grand livre ne peuvent plus être modifiées : on les rectifie par des lignes datées d&apos;aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>The closed months could not be read: %1</source>
        <translation>Les mois clôturés n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Clôturé</translation>
    </message>
    <message>
        <source>Reopened</source>
        <translation>Rouvert</translation>
    </message>
    <message>
        <source>Close %1? Its bookings and ledger lines can then only be put right by lines dated today.</source>
        <translation>Clôturer %1 ? Ses réservations et ses lignes du grand livre ne pourront alors être rectifiées que par des lignes datées d&apos;aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Reopen %1? Its bookings and ledger lines can then be changed again.</source>
        <translation>Rouvrir %1 ? Ses réservations et ses lignes du grand livre pourront alors de nouveau être modifiées.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriods</name>
    <message>
        <source>%1 is already closed.</source>
        <translation>%1 est déjà clôturé.</translation>
    </message>
    <message>
        <source>%1 is not closed.</source>
        <translation>%1 n&apos;est pas clôturé.</translation>
    </message>
    <message>
        <source>Only a manager may close a month.</source>
        <translation>Seul un responsable peut clôturer un mois.</translation>
    </message>
    <message>
        <source>Only an administrator may reopen a month.</source>
        <translation>Seul un administrateur peut rouvrir un mois.</translation>
    </message>
    <message>
        <source>Choose a month from 2000 to 2100.</source>
        <translation>Choisissez un mois de 2000 à 2100.</translation>
    </message>
    <message>
        <source>%1 is not over yet: a month is closed once it has ended.</source>
        <translation>%1 n&apos;est pas encore terminé : un mois se clôture une fois fini.</translation>
    </message>
    <message>
        <source>Choose a month to reopen.</source>
        <translation>Choisissez un mois à rouvrir.</translation>
    </message>
    <message>
        <source>%1 is closed: its bookings and ledger lines are kept as they are. Put it right with a correction dated today.</source>
        <translation>%1 est clôturé : ses réservations et ses lignes du grand livre restent telles quelles. Rectifiez par une correction datée d&apos;aujourd&apos;hui.</translation>
    </message>
</context>
<context>
    <name>CompactWindow</name>
    <message>
        <source>Operation in progress</source>
        <translation>Opération en cours</translation>
    </message>
    <message>
        <source>Compacting &amp; repairing database ...</source>
        <translation>Compactage &amp; réparation de la base de données...</translation>
    </message>
</context>
<context>
    <name>CompanyDialog</name>
    <message>
        <source>Setup Company Information</source>
        <translation>Informations sur l&apos;entreprise</translation>
    </message>
    <message>
        <source>Copy  and paste or type your reservation terms and conditions below. These will appear on the booking form.</source>
        <translation>Copiez-collez ou saisissez ci-dessous vos conditions générales de réservation. Elles figureront sur le bon de réservation.</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Rate %</source>
        <translation>Taux %</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Supprim&amp;er</translation>
    </message>
    <message>
        <source>Deposits and due dates</source>
        <translation>Acomptes et échéances</translation>
    </message>
    <message>
        <source>No deposit</source>
        <translation>Sans acompte</translation>
    </message>
    <message>
        <source>A fixed amount</source>
        <translation>Un montant fixe</translation>
    </message>
    <message>
        <source>A percentage of the total</source>
        <translation>Un pourcentage du total</translation>
    </message>
    <message>
        <source>D&amp;eposit at booking:</source>
        <translation>Acom&amp;pte à la réservation :</translation>
    </message>
    <message>
        <source>Fixed a&amp;mount:</source>
        <translation>&amp;Montant fixe :</translation>
    </message>
    <message>
        <source>Percen&amp;tage (%):</source>
        <translation>Pource&amp;ntage (%) :</translation>
    </message>
    <message>
        <source>Mi&amp;nimum deposit:</source>
        <translation>Acompte m&amp;inimum :</translation>
    </message>
    <message>
        <source>Balance due (days &amp;before arrival):</source>
        <translation>Sol&amp;de dû (jours avant l&apos;arrivée) :</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Mettre à &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>E-ma&amp;il server...</source>
        <translation>&amp;Serveur e-mail...</translation>
    </message>
    <message>
        <source>company information</source>
        <translation>informations sur l&apos;entreprise</translation>
    </message>
    <message>
        <source>Type the deposit as an amount, for example %1.</source>
        <translation>Saisissez l&apos;acompte sous forme de montant, par exemple %1.</translation>
    </message>
    <message>
        <source>Type the minimum deposit as an amount, for example %1.</source>
        <translation>Saisissez l&apos;acompte minimum sous forme de montant, par exemple %1.</translation>
    </message>
    <message>
        <source>Type the deposit&apos;s percentage, for example 25.</source>
        <translation>Saisissez le pourcentage de l&apos;acompte, par exemple 25.</translation>
    </message>
    <message>
        <source>Type the number of days before arrival the balance falls due.</source>
        <translation>Saisissez le nombre de jours avant l&apos;arrivée où le solde est dû.</translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Erreur de données : %1</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Raison sociale :</translation>
    </message>
    <message>
        <source>Trading Name:</source>
        <translation>Nom commercial :</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Quartier :</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>County:</source>
        <translation>Département :</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Telephone No:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>N° TVA :</translation>
    </message>
    <message>
        <source>Receipt Footer:</source>
        <translation>Pied de reçu :</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Conditions générales :</translation>
    </message>
</context>
<context>
    <name>CompanyMailPanel</name>
    <message>
        <source>smtp.example.com; empty: no mail is sent from here</source>
        <translation>smtp.example.com ; vide : aucun e-mail n&apos;est envoyé d&apos;ici</translation>
    </message>
    <message>
        <source>None (a server inside the office only)</source>
        <translation>Aucune (serveur interne au bureau uniquement)</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587)</source>
        <translation>STARTTLS (en général port 587)</translation>
    </message>
    <message>
        <source>TLS (usually port 465)</source>
        <translation>TLS (en général port 465)</translation>
    </message>
    <message>
        <source>empty: the certificates this computer trusts</source>
        <translation>vide : les certificats de confiance de cet ordinateur</translation>
    </message>
    <message>
        <source>&amp;Accept the server&apos;s own certificate without a check</source>
        <translation>&amp;Accepter le certificat du serveur sans vérification</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Sé&amp;curité :</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>Sender &amp;name:</source>
        <translation>&amp;Nom de l&apos;expéditeur :</translation>
    </message>
    <message>
        <source>Sender a&amp;ddress:</source>
        <translation>A&amp;dresse de l&apos;expéditeur :</translation>
    </message>
    <message>
        <source>CA certificate &amp;file:</source>
        <translation>&amp;Fichier du certificat CA :</translation>
    </message>
    <message>
        <source>(unchanged unless typed here)</source>
        <translation>(inchangé sauf saisie ici)</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Le port doit être un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>E-mail Server</source>
        <translation>Serveur e-mail</translation>
    </message>
    <message>
        <source>Messages wait in the outbox and go in the background. The password is kept in this computer&apos;s secret store, or else in a file only you can read; never in the database.</source>
        <translation>Les messages attendent dans la boîte d&apos;envoi et partent en arrière-plan. Le mot de passe est conservé dans le coffre secret de cet ordinateur, ou à défaut dans un fichier que vous seul pouvez lire ; jamais dans la base de données.</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>CompanyStore</name>
    <message>
        <source>%1 %2 % from %3</source>
        <translation>%1 %2 % à partir du %3</translation>
    </message>
    <message>
        <source>Deposit at booking:</source>
        <translation>Acompte à la réservation :</translation>
    </message>
    <message>
        <source>Fixed amount:</source>
        <translation>Montant fixe :</translation>
    </message>
    <message>
        <source>Percentage (%):</source>
        <translation>Pourcentage (%) :</translation>
    </message>
    <message>
        <source>Minimum deposit:</source>
        <translation>Acompte minimum :</translation>
    </message>
    <message>
        <source>Balance due (days before arrival):</source>
        <translation>Solde dû (jours avant l&apos;arrivée) :</translation>
    </message>
    <message>
        <source>These company details were deleted at another desk meanwhile, so nothing was saved. Refresh shows what is left; what you typed is still in the boxes.</source>
        <translation>Ces informations sur l&apos;entreprise ont été supprimées entre-temps sur un autre poste ; rien n&apos;a donc été enregistré. Actualiser montre ce qui reste ; ce que vous avez saisi est toujours dans les champs.</translation>
    </message>
    <message>
        <source>Taxes:</source>
        <translation>Taxes :</translation>
    </message>
</context>
<context>
    <name>ContractActionsPanel</name>
    <message>
        <source>E&amp;dit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Print contr&amp;act...</source>
        <translation>Imprimer le contr&amp;at...</translation>
    </message>
    <message>
        <source>In&amp;voice...</source>
        <translation>Fact&amp;urer...</translation>
    </message>
    <message>
        <source>Rene&amp;w contracts...</source>
        <translation>Renou&amp;veler les contrats...</translation>
    </message>
    <message>
        <source>Li&amp;sts...</source>
        <translation>Li&amp;stes...</translation>
    </message>
    <message>
        <source>Contract %1 ended on %2 unrenewed</source>
        <translation>Contrat %1 terminé le %2 sans renouvellement</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Contract %1.pdf</source>
        <translation>Contrat %1.pdf</translation>
    </message>
    <message>
        <source>No instalment of this contract has been invoiced yet: use Invoice next instalment first.</source>
        <translation>Aucune échéance de ce contrat n&apos;a encore été facturée : utilisez d&apos;abord Facturer l&apos;échéance.</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Facture %1.pdf</translation>
    </message>
</context>
<context>
    <name>ContractBatch</name>
    <message>
        <source>%1 is held over the contract&apos;s days: the contract was not saved.</source>
        <translation>%1 est occupé pendant les jours du contrat : le contrat n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>%1 would be held twice from %2 to %3 by contracts of this run: nothing was saved.</source>
        <translation>%1 serait occupé deux fois du %2 au %3 par des contrats de ce traitement : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The renewal letters were not laid out.</source>
        <translation>Les lettres de renouvellement n&apos;ont pas été mises en page.</translation>
    </message>
</context>
<context>
    <name>ContractDialog</name>
    <message>
        <source>New Contract</source>
        <translation>Nouveau contrat</translation>
    </message>
    <message>
        <source>In full</source>
        <translation>En une fois</translation>
    </message>
    <message>
        <source>Two instalments</source>
        <translation>Deux échéances</translation>
    </message>
    <message>
        <source>Four instalments</source>
        <translation>Quatre échéances</translation>
    </message>
    <message>
        <source>Twelve instalments</source>
        <translation>Douze échéances</translation>
    </message>
    <message>
        <source>Dates and amounts as typed</source>
        <translation>Dates et montants saisis</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>P&amp;ropose price</source>
        <translation>P&amp;roposer un prix</translation>
    </message>
    <message>
        <source>Add a ro&amp;w</source>
        <translation>Ajouter une li&amp;gne</translation>
    </message>
    <message>
        <source>&amp;Holder:</source>
        <translation>&amp;Titulaire :</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Bateau :</translation>
    </message>
    <message>
        <source>B&amp;erth:</source>
        <translation>A&amp;nneau :</translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation>&amp;Durée :</translation>
    </message>
    <message>
        <source>&amp;First day:</source>
        <translation>Premier &amp;jour :</translation>
    </message>
    <message>
        <source>&amp;Last day:</source>
        <translation>Dernier jo&amp;ur :</translation>
    </message>
    <message>
        <source>Pr&amp;ice before tax:</source>
        <translation>Pr&amp;ix HT :</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plan :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>Note&amp;s :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>(the days as typed)</source>
        <translation>(les jours saisis)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(aucun bateau)</translation>
    </message>
    <message>
        <source>The holder&apos;s boats could not be read: %1</source>
        <translation>Les bateaux du titulaire n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>The terms could not be read: %1</source>
        <translation>Les durées n&apos;ont pas pu être lues : %1</translation>
    </message>
    <message>
        <source>No term prices some of these days: type the price.</source>
        <translation>Aucune durée ne fixe le prix de certains de ces jours : saisissez le prix.</translation>
    </message>
    <message>
        <source>Type the price as an amount, such as 1200.00.</source>
        <translation>Saisissez le prix sous forme de montant, par exemple 1200.00.</translation>
    </message>
    <message>
        <source>Tax %1, total %2</source>
        <translation>Taxe %1, total %2</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Veuillez choisir le titulaire.</translation>
    </message>
    <message>
        <source>Instalment %1: %2</source>
        <translation>Échéance %1 : %2</translation>
    </message>
    <message>
        <source>Instalment %1: type the amount, such as 300.00.</source>
        <translation>Échéance %1 : saisissez le montant, par exemple 300.00.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>Le contrat a été résilié : il ne peut plus être modifié.</translation>
    </message>
    <message>
        <source>Contract %1</source>
        <translation>Contrat %1</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. échéance %2 : %3, facture %4</translation>
    </message>
    <message>
        <source>Invoiced, and kept as they are:
%1</source>
        <translation>Facturées, et conservées telles quelles :
%1</translation>
    </message>
    <message>
        <source>contract</source>
        <translation>contrat</translation>
    </message>
</context>
<context>
    <name>ContractDocuments</name>
    <message>
        <source>Contract No:</source>
        <translation>Contrat n° :</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Anneau(x) :</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Bateau :</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Premier jour :</translation>
    </message>
    <message>
        <source>Last day:</source>
        <translation>Dernier jour :</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Prix HT :</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>TVA :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Payable in instalments</source>
        <translation>Payable en échéances</translation>
    </message>
    <message>
        <source>%1. due %2</source>
        <translation>%1. échéance le %2</translation>
    </message>
    <message>
        <source>invoice %1</source>
        <translation>facture %1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>CONTRACT</source>
        <translation>CONTRAT</translation>
    </message>
    <message>
        <source>%1 lets to %2 the berth(s) below for the days below, on the office&apos;s terms that follow.</source>
        <translation>%1 loue à %2 le ou les anneaux ci-dessous pour les jours ci-dessous, aux conditions du bureau qui suivent.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>For the holder</source>
        <translation>Pour le titulaire</translation>
    </message>
    <message>
        <source>For %1</source>
        <translation>Pour %1</translation>
    </message>
    <message>
        <source>CONTRACT RENEWAL</source>
        <translation>RENOUVELLEMENT DE CONTRAT</translation>
    </message>
    <message>
        <source>Dear %1,</source>
        <translation>Bonjour %1,</translation>
    </message>
    <message>
        <source>Your contract %1 for %2 comes to its end. We are pleased to renew it from %3 to %4 at %5, payable as below.</source>
        <translation>Votre contrat %1 pour %2 arrive à son terme. Nous avons le plaisir de le renouveler du %3 au %4 pour %5, payable comme indiqué ci-dessous.</translation>
    </message>
    <message>
        <source>Yours sincerely,</source>
        <translation>Cordialement,</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>FACTURE</translation>
    </message>
    <message>
        <source>Invoice No:</source>
        <translation>Facture n° :</translation>
    </message>
    <message>
        <source>not issued</source>
        <translation>non émise</translation>
    </message>
    <message>
        <source>Instalment:</source>
        <translation>Échéance :</translation>
    </message>
    <message>
        <source>%1 of %2, due %3</source>
        <translation>%1 sur %2, échue le %3</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>This instalment:</source>
        <translation>Cette échéance :</translation>
    </message>
    <message>
        <source>Contract total:</source>
        <translation>Total du contrat :</translation>
    </message>
    <message>
        <source>Paid so far:</source>
        <translation>Déjà payé :</translation>
    </message>
    <message>
        <source>Balance of the contract:</source>
        <translation>Solde du contrat :</translation>
    </message>
    <message>
        <source>The contract terms run to at most %1 characters.</source>
        <translation>Les conditions du contrat comptent au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Contract terms:</source>
        <translation>Conditions du contrat :</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Compteurs</translation>
    </message>
    <message>
        <source>Before tax:</source>
        <translation>HT :</translation>
    </message>
    <message>
        <source>The renewal letter of contract %1 is no longer kept.</source>
        <translation>La lettre de renouvellement du contrat %1 n&apos;est plus conservée.</translation>
    </message>
</context>
<context>
    <name>ContractEdit</name>
    <message>
        <source>Boat:</source>
        <translation>Bateau :</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Berths:</source>
        <translation>Anneaux :</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Jours :</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Prix HT :</translation>
    </message>
    <message>
        <source>Plan:</source>
        <translation>Plan :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>Le contrat a été résilié : il ne peut plus être modifié.</translation>
    </message>
    <message>
        <source>An instalment of this contract has been invoiced, so its days stay as they are: cancel it and make a new one to change them.</source>
        <translation>Une échéance de ce contrat a été facturée, ses jours restent donc inchangés : résiliez-le et créez-en un nouveau pour les changer.</translation>
    </message>
</context>
<context>
    <name>ContractImport</name>
    <message>
        <source>contract %1</source>
        <translation>contrat %1</translation>
    </message>
</context>
<context>
    <name>ContractLists</name>
    <message>
        <source>Contracts by berth type</source>
        <translation>Contrats par type d&apos;anneau</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Type d&apos;anneau</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titulaire</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Anneaux</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Renewals due from %1 to %2</source>
        <translation>Renouvellements à faire du %1 au %2</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Durée actuelle</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Durée suivante</translation>
    </message>
    <message>
        <source>Instalments due to %1</source>
        <translation>Échéances jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Instalment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>À payer le</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Owing</source>
        <translation>Reste dû</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Page %p sur %P</translation>
    </message>
    <message>
        <source>Nothing to list.</source>
        <translation>Rien à lister.</translation>
    </message>
</context>
<context>
    <name>ContractListsWindow</name>
    <message>
        <source>Contract lists</source>
        <translation>Listes de contrats</translation>
    </message>
    <message>
        <source>Contracts by berth type</source>
        <translation>Contrats par type d&apos;anneau</translation>
    </message>
    <message>
        <source>Renewals due</source>
        <translation>Renouvellements à faire</translation>
    </message>
    <message>
        <source>Instalments due and overdue</source>
        <translation>Échéances dues et en retard</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To (renewals and instalments):</source>
        <translation>&amp;Jusqu&apos;au (renouvellements et échéances) :</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>ContractMeters</name>
    <message>
        <source>Billed already up to the reading of %1.</source>
        <translation>Déjà facturé jusqu&apos;au relevé du %1.</translation>
    </message>
    <message>
        <source>Not read twice in the period.</source>
        <translation>Pas relevé deux fois sur la période.</translation>
    </message>
    <message>
        <source>No %1 tariff is in force on %2.</source>
        <translation>Aucun tarif %1 n&apos;est en vigueur le %2.</translation>
    </message>
    <message>
        <source>Nothing used in the period.</source>
        <translation>Aucune consommation sur la période.</translation>
    </message>
    <message>
        <source>Contract %1 was cancelled meanwhile.</source>
        <translation>Le contrat %1 a été résilié entre-temps.</translation>
    </message>
    <message>
        <source>Choose the first and the last day of the period to bill.</source>
        <translation>Choisissez le premier et le dernier jour de la période à facturer.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>La période se termine avant de commencer.</translation>
    </message>
    <message>
        <source>A period billed at once is at most %1 days.</source>
        <translation>Une période facturée en une fois compte au plus %1 jours.</translation>
    </message>
</context>
<context>
    <name>ContractMetersDialog</name>
    <message>
        <source>Bill contracts&apos; meters</source>
        <translation>Facturer les compteurs des contrats</translation>
    </message>
    <message>
        <source>&amp;Dry run</source>
        <translation>&amp;Essai à blanc</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titulaire</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Consommation</translation>
    </message>
    <message>
        <source>Before tax</source>
        <translation>HT</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Run the period dry first: nothing is billed until you choose Bill.</source>
        <translation>Faites d&apos;abord un essai à blanc de la période : rien n&apos;est facturé avant que vous choisissiez Facturer.</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>&amp;Bill...</source>
        <translation>&amp;Facturer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;Bill meters...</source>
        <translation>&amp;Facturer compteurs...</translation>
    </message>
    <message numerus="yes">
        <source>Bill the meters of %n contract(s) from %1 to %2, %3 with tax? Each contract gets an invoice of its own.</source>
        <translation>
            <numerusform>Facturer les compteurs de %n contrat du %1 au %2, %3 TTC ? Chaque contrat reçoit sa propre facture.</numerusform>
            <numerusform>Facturer les compteurs de %n contrats du %1 au %2, %3 TTC ? Chaque contrat reçoit sa propre facture.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go back without billing</source>
        <translation>&amp;Revenir sans facturer</translation>
    </message>
    <message>
        <source>&amp;Bill %1</source>
        <translation>&amp;Facturer %1</translation>
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
            <numerusform>Facturé : %n facture (%1), %2 HT, %3 TTC.</numerusform>
            <numerusform>Facturé : %n factures (%1), %2 HT, %3 TTC.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dry run, nothing billed: %n invoice(s) would be issued, %1 before tax, %2 with tax.</source>
        <translation>
            <numerusform>Essai à blanc, rien n&apos;est facturé : %n facture serait émise, %1 HT, %2 TTC.</numerusform>
            <numerusform>Essai à blanc, rien n&apos;est facturé : %n factures seraient émises, %1 HT, %2 TTC.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContractPaymentDialog</name>
    <message>
        <source>Contract %1: %2</source>
        <translation>Contrat %1 : %2</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Remboursement</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ype :</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Montant :</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>M&amp;ode :</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Référence :</translation>
    </message>
    <message>
        <source>Recor&amp;d</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Type the amount, such as 300.00.</source>
        <translation>Saisissez le montant, par exemple 300.00.</translation>
    </message>
</context>
<context>
    <name>ContractPlan</name>
    <message>
        <source>A plan needs at least one instalment.</source>
        <translation>Un plan doit compter au moins une échéance.</translation>
    </message>
    <message>
        <source>A plan has at most %1 instalments.</source>
        <translation>Un plan compte au plus %1 échéances.</translation>
    </message>
    <message>
        <source>Instalment %1 needs the date it falls due.</source>
        <translation>L&apos;échéance %1 doit avoir une date.</translation>
    </message>
    <message>
        <source>Instalment %1 falls due after the contract ends, on %2.</source>
        <translation>L&apos;échéance %1 tombe après la fin du contrat, le %2.</translation>
    </message>
    <message>
        <source>Instalment %1 must be an amount of whole pence, not below %2.</source>
        <translation>L&apos;échéance %1 doit être un montant en centimes entiers, d&apos;au moins %2.</translation>
    </message>
    <message>
        <source>The instalments add up to %1, not the contract&apos;s %2: %3 %4.</source>
        <translation>Les échéances totalisent %1 et non les %2 du contrat : %3 %4.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>ajoutez</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>retirez</translation>
    </message>
    <message>
        <source>Invoices of %1 were issued on this contract already: its total cannot go below them (%2). Record a refund or a correction instead.</source>
        <translation>Des factures de %1 ont déjà été émises sur ce contrat : son total ne peut pas leur être inférieur (%2). Enregistrez plutôt un remboursement ou une correction.</translation>
    </message>
</context>
<context>
    <name>ContractRenewals</name>
    <message>
        <source>No term price covers %1 from %2 to %3: type the price, or add it in Terms and prices.</source>
        <translation>Aucun prix de durée ne couvre %1 du %2 au %3 : saisissez le prix ou ajoutez-le dans Durées et prix.</translation>
    </message>
    <message>
        <source>The renewal price of contract %1 (%2) must be from %3 to %4 in whole pence: nothing was renewed.</source>
        <translation>Le prix de renouvellement du contrat %1 (%2) doit aller de %3 à %4 en centimes entiers : rien n&apos;a été renouvelé.</translation>
    </message>
    <message>
        <source>Contract %1 (%2): %3</source>
        <translation>Contrat %1 (%2) : %3</translation>
    </message>
    <message>
        <source>Contract %1 (%2) was renewed, cancelled or changed at another desk meanwhile: nothing was renewed. Read the list again.</source>
        <translation>Le contrat %1 (%2) a été renouvelé, résilié ou modifié sur un autre poste entre-temps : rien n&apos;a été renouvelé. Relisez la liste.</translation>
    </message>
    <message>
        <source>Contract %1 (%2) could not be renewed, so nothing was: %3</source>
        <translation>Le contrat %1 (%2) n&apos;a pas pu être renouvelé, donc rien ne l&apos;a été : %3</translation>
    </message>
</context>
<context>
    <name>ContractStore</name>
    <message>
        <source>The holder is no longer in the customer list.</source>
        <translation>Le titulaire ne figure plus dans la liste des clients.</translation>
    </message>
    <message>
        <source>A berth of the contract is no longer in the register.</source>
        <translation>Un anneau du contrat ne figure plus au registre.</translation>
    </message>
    <message>
        <source>%1 is not in use: make it active in the berth register first.</source>
        <translation>%1 n&apos;est pas en service : activez-le d&apos;abord dans le registre des anneaux.</translation>
    </message>
    <message>
        <source>%1 is booked from %2 to %3 (booking %4, %5): the contract was not saved.</source>
        <translation>%1 est réservé du %2 au %3 (réservation %4, %5) : le contrat n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>%1 is blocked from %2 to %3 (%4): the contract was not saved.</source>
        <translation>%1 est bloqué du %2 au %3 (%4) : le contrat n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>%1 is held by contract %2 (%3) from %4 to %5: the contract was not saved.</source>
        <translation>%1 est occupé par le contrat %2 (%3) du %4 au %5 : le contrat n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Un autre poste a supprimé ce contrat entre-temps.</translation>
    </message>
    <message>
        <source>The contract has no instalment %1.</source>
        <translation>Le contrat n&apos;a pas d&apos;échéance %1.</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Veuillez choisir le titulaire.</translation>
    </message>
    <message>
        <source>Please choose the berth the contract holds.</source>
        <translation>Veuillez choisir l&apos;anneau du contrat.</translation>
    </message>
    <message>
        <source>A berth is chosen twice.</source>
        <translation>Un anneau est choisi deux fois.</translation>
    </message>
    <message>
        <source>Please give the contract&apos;s first and last days.</source>
        <translation>Veuillez indiquer le premier et le dernier jour du contrat.</translation>
    </message>
    <message>
        <source>The contract ends before it starts.</source>
        <translation>Le contrat se termine avant de commencer.</translation>
    </message>
    <message>
        <source>A contract must lie between %1 and %2.</source>
        <translation>Un contrat doit se situer entre le %1 et le %2.</translation>
    </message>
    <message>
        <source>A contract runs for at most %1 days: make a new one for what follows.</source>
        <translation>Un contrat dure au plus %1 jours : créez-en un nouveau pour la suite.</translation>
    </message>
    <message>
        <source>The price must be from %1 to %2 in whole pence.</source>
        <translation>Le prix doit aller de %1 à %2 en centimes entiers.</translation>
    </message>
    <message>
        <source>The notes run to at most %1 characters.</source>
        <translation>Les notes comptent au plus %1 caractères.</translation>
    </message>
    <message>
        <source>%1 was booked over the contract&apos;s days meanwhile: the contract was not saved.</source>
        <translation>%1 a été réservé pendant les jours du contrat entre-temps : le contrat n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>The contract has already been cancelled.</source>
        <translation>Le contrat a déjà été résilié.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its instalments are not invoiced.</source>
        <translation>Le contrat a été résilié : ses échéances ne sont pas facturées.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: only a refund or a correction can be recorded.</source>
        <translation>Le contrat a été résilié : seuls un remboursement ou une correction peuvent être enregistrés.</translation>
    </message>
    <message>
        <source>This customer holds a contract, kept for the accounts even once cancelled, so the customer cannot be deleted.</source>
        <translation>Ce client est titulaire d&apos;un contrat, conservé pour la comptabilité même résilié ; le client ne peut donc pas être supprimé.</translation>
    </message>
    <message>
        <source>This berth is let under a contract, kept for the accounts even once cancelled or ended, so the berth cannot be deleted. Make it inactive instead.</source>
        <translation>Cet anneau est loué sous contrat, conservé pour la comptabilité même résilié ou terminé ; l&apos;anneau ne peut donc pas être supprimé. Désactivez-le plutôt.</translation>
    </message>
    <message>
        <source>A berth of this owner is let under a contract, kept for the accounts even once cancelled or ended, so the owner cannot be deleted.</source>
        <translation>Un anneau de ce propriétaire est loué sous contrat, conservé pour la comptabilité même résilié ou terminé ; le propriétaire ne peut donc pas être supprimé.</translation>
    </message>
    <message>
        <source>Contract %1: %2, %3 from %4 to %5, %6</source>
        <translation>Contrat %1 : %2, %3 du %4 au %5, %6</translation>
    </message>
</context>
<context>
    <name>ContractTermsPanel</name>
    <message>
        <source>Contract &amp;terms, printed on every contract above the signatures:</source>
        <translation>Conditions du con&amp;trat, imprimées sur chaque contrat au-dessus des signatures :</translation>
    </message>
    <message>
        <source>Contract terms</source>
        <translation>Conditions du contrat</translation>
    </message>
    <message>
        <source>contract terms</source>
        <translation>conditions du contrat</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>C&amp;ontract terms...</source>
        <translation>C&amp;onditions du contrat...</translation>
    </message>
</context>
<context>
    <name>ContractsWindow</name>
    <message>
        <source>Contracts</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled contracts</source>
        <translation>Afficher les contrats rési&amp;liés</translation>
    </message>
    <message>
        <source>N&amp;ew contract...</source>
        <translation>&amp;Nouveau contrat...</translation>
    </message>
    <message>
        <source>&amp;Payment...</source>
        <translation>&amp;Paiement...</translation>
    </message>
    <message>
        <source>&amp;Invoice next instalment</source>
        <translation>Facturer l&apos;é&amp;chéance</translation>
    </message>
    <message>
        <source>Cance&amp;l contract...</source>
        <translation>&amp;Résilier...</translation>
    </message>
    <message>
        <source>&amp;Terms and prices...</source>
        <translation>&amp;Durées et prix...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ferm&amp;er</translation>
    </message>
    <message>
        <source>Contract %1, instalment %2 of %3: invoice %4</source>
        <translation>Contrat %1, échéance %2 sur %3 : facture %4</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Type d&apos;anneau</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titulaire</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>%1 (cancelled)</source>
        <translation>%1 (résilié)</translation>
    </message>
    <message>
        <source>No contract chosen.</source>
        <translation>Aucun contrat choisi.</translation>
    </message>
    <message>
        <source>Contract %1 of %2, boat %3: %4 before tax, tax %5, paid %6</source>
        <translation>Contrat %1 de %2, bateau %3 : %4 HT, taxe %5, payé %6</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. échéance %2 : %3, facture %4</translation>
    </message>
    <message>
        <source>%1. due %2: %3</source>
        <translation>%1. échéance %2 : %3</translation>
    </message>
    <message>
        <source>Contract %1: %2 %3, paid now %4</source>
        <translation>Contrat %1 : %2 %3, payé maintenant %4</translation>
    </message>
    <message>
        <source>Every instalment of this contract has its invoice.</source>
        <translation>Chaque échéance de ce contrat a sa facture.</translation>
    </message>
    <message>
        <source>Cancel contract %1 of %2?

Yes frees %3 from %4 to %5; the %6 paid stays on the contract&apos;s ledger, to be refunded with Payment if it is due back.
No keeps the contract.</source>
        <translation>Résilier le contrat %1 de %2 ?

Oui libère %3 du %4 au %5 ; les %6 payés restent au grand livre du contrat, à rembourser par Paiement s&apos;ils sont dus.
Non conserve le contrat.</translation>
    </message>
</context>
<context>
    <name>CreditNotes</name>
    <message>
        <source>Enter the company&apos;s details before issuing a credit note.</source>
        <translation>Saisissez les informations sur l&apos;entreprise avant d&apos;émettre un avoir.</translation>
    </message>
    <message>
        <source>Credit note %1 of %2 against invoice %3 for booking %4</source>
        <translation>Avoir %1 du %2 sur la facture %3 de la réservation %4</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>There is no data to export</source>
        <translation>Il n&apos;y a aucune donnée à exporter</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Export Customers</source>
        <translation>Exporter les clients</translation>
    </message>
    <message>
        <source>Export Reservations</source>
        <translation>Exporter les réservations</translation>
    </message>
    <message>
        <source>Export Payments</source>
        <translation>Exporter les paiements</translation>
    </message>
    <message>
        <source>Export Today&apos;s Reservations</source>
        <translation>Exporter les réservations du jour</translation>
    </message>
</context>
<context>
    <name>CsvRead</name>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>The file has a field longer than a million characters (%1): it does not look like a list of records.</source>
        <translation>Le fichier contient un champ de plus d&apos;un million de caractères (%1) : ce ne semble pas être une liste d&apos;enregistrements.</translation>
    </message>
    <message>
        <source>The file holds binary data (a NUL byte near %1): it is not a CSV file.</source>
        <translation>Le fichier contient des données binaires (un octet NUL vers %1) : ce n&apos;est pas un fichier CSV.</translation>
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
        <translation>Ajouter un client</translation>
    </message>
    <message>
        <source>Edit Customer</source>
        <translation>Modifier le client</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Membre du club</translation>
    </message>
    <message>
        <source>Boats and vehicles</source>
        <translation>Bateaux et véhicules</translation>
    </message>
    <message>
        <source>Add &amp;Boat...</source>
        <translation>Ajouter un &amp;bateau...</translation>
    </message>
    <message>
        <source>Edi&amp;t Boat...</source>
        <translation>Modifier le ba&amp;teau...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Boat</source>
        <translation>Supprimer le bat&amp;eau</translation>
    </message>
    <message>
        <source>Save the customer first, then open it again to add boats.</source>
        <translation>Enregistrez d&apos;abord le client, puis rouvrez-le pour ajouter des bateaux.</translation>
    </message>
    <message>
        <source>Remove the boat &quot;%1&quot; from this customer?</source>
        <translation>Retirer le bateau « %1 » de ce client ?</translation>
    </message>
    <message>
        <source>Document lan&amp;guage:</source>
        <translation>&amp;Langue des documents :</translation>
    </message>
</context>
<context>
    <name>CustomerListWindow</name>
    <message>
        <source>Customers</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>&amp;Add Customer</source>
        <translation>&amp;Ajouter un client</translation>
    </message>
    <message>
        <source>View/&amp;Edit Customer</source>
        <translation>Afficher/&amp;modifier le client</translation>
    </message>
    <message>
        <source>&amp;Delete Customer</source>
        <translation>&amp;Supprimer le client</translation>
    </message>
</context>
<context>
    <name>CustomerSearchModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Résidence</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Quartier</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Tel. No.</source>
        <translation>Tél.</translation>
    </message>
    <message>
        <source>Mobile No.</source>
        <translation>Portable</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Membre du club</translation>
    </message>
    <message>
        <source>Membership No.</source>
        <translation>N° de membre</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>CustomerStore</name>
    <message>
        <source>Deleting this customer will also remove all past reservations. This would affect historic reports. Are you sure you want to delete this customer?</source>
        <translation>La suppression de ce client supprimera aussi toutes ses réservations passées, ce qui faussera les rapports historiques. Voulez-vous vraiment supprimer ce client ?</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The database is not open.</source>
        <translation>La base de données n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Fiche : %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The schema is missing from the program.</source>
        <translation>Le schéma manque dans le programme.</translation>
    </message>
    <message>
        <source>The tables cannot be read.</source>
        <translation>Les tables ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>table %1</translation>
    </message>
    <message>
        <source>column %1.%2</source>
        <translation>colonne %1.%2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql).</source>
        <translation>Le pilote PostgreSQL de Qt n&apos;est pas installé (Debian : libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 n&apos;est pas une base de données Zem Harbour.</translation>
    </message>
    <message>
        <source>%1 was written by a newer release.</source>
        <translation>%1 a été écrit par une version plus récente.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded from version %2: %3</source>
        <translation>%1 n&apos;a pas pu être mis à niveau depuis la version %2 : %3</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database: %2.</source>
        <translation>%1 n&apos;est pas une base de données Zem Harbour : %2.</translation>
    </message>
    <message>
        <source>The database %1 already holds tables; it was left as it is.</source>
        <translation>La base de données %1 contient déjà des tables ; elle a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 existe déjà ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>DateBox</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>La date doit être comprise entre le %1 et le %2.</translation>
    </message>
</context>
<context>
    <name>DateTimes</name>
    <message>
        <source>&quot;%1&quot; is not a date. %2</source>
        <translation>« %1 » n&apos;est pas une date. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not written as dates are written here (%2). %3</source>
        <translation>« %1 » n&apos;est pas écrit comme les dates le sont ici (%2). %3</translation>
    </message>
    <message>
        <source>There is no %1: %2 %3 has %4 days.</source>
        <translation>Le %1 n&apos;existe pas : %2 %3 compte %4 jours.</translation>
    </message>
    <message>
        <source>Type a date as %1, for example %2 or %3</source>
        <translation>Saisissez une date sous la forme %1, par exemple %2 ou %3</translation>
    </message>
</context>
<context>
    <name>DayList</name>
    <message>
        <source>n/a</source>
        <translation>s.o.</translation>
    </message>
</context>
<context>
    <name>DayListModel</name>
    <message>
        <source>No reservations exist for this date</source>
        <translation>Aucune réservation à cette date</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Berth(s)</source>
        <translation>Anneau(x)</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>DependentBookings</name>
    <message>
        <source>Payments have been recorded on this customer&apos;s bookings. They are kept for the accounts, so the customer cannot be deleted.</source>
        <translation>Des paiements ont été enregistrés sur les réservations de ce client. Ils sont conservés pour la comptabilité ; le client ne peut donc pas être supprimé.</translation>
    </message>
    <message>
        <source>Payments have been recorded on bookings of this berth. They are kept for the accounts: cancel those bookings first.</source>
        <translation>Des paiements ont été enregistrés sur des réservations de cet anneau. Ils sont conservés pour la comptabilité : annulez d&apos;abord ces réservations.</translation>
    </message>
    <message>
        <source>1 booking was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>1 réservation a été faite sur un autre poste depuis la question. Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>%1 bookings were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>%1 réservations ont été faites sur un autre poste depuis la question. Rien n&apos;a été supprimé.</translation>
    </message>
</context>
<context>
    <name>Dialect</name>
    <message>
        <source>No schema version.</source>
        <translation>Aucune version de schéma.</translation>
    </message>
</context>
<context>
    <name>DocumentLanguage</name>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>Il n&apos;existe aucune langue de code « %1 ».</translation>
    </message>
    <message>
        <source>The office&apos;s language</source>
        <translation>La langue du bureau</translation>
    </message>
</context>
<context>
    <name>DocumentLanguageDialog</name>
    <message>
        <source>Document language</source>
        <translation>Langue des documents</translation>
    </message>
    <message>
        <source>Confirmations, invoices, reminders and e-mails go out in this language to customers who have none of their own.</source>
        <translation>Les confirmations, factures, relances et e-mails partent dans cette langue vers les clients qui n&apos;en ont pas de propre.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Document lan&amp;guage...</source>
        <translation>&amp;Langue des documents...</translation>
    </message>
    <message>
        <source>Document language: %1</source>
        <translation>Langue des documents : %1</translation>
    </message>
</context>
<context>
    <name>DocumentRenderer</name>
    <message>
        <source>The document could not be laid out.</source>
        <translation>La mise en page du document a échoué.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print on the default printer (%1)</source>
        <translation>Imprimer sur l&apos;imprimante par défaut (%1)</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Save as a PDF file (%1)</source>
        <translation>Enregistrer en fichier PDF (%1)</translation>
    </message>
    <message>
        <source>The document could not be printed: %1</source>
        <translation>Le document n&apos;a pas pu être imprimé : %1</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save the document as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est installée. Voulez-vous plutôt enregistrer le document en fichier PDF ?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Le fichier PDF %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>DocumentsMenu</name>
    <message>
        <source>The booking could not be read: %1</source>
        <translation>La réservation n&apos;a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>Booking Confirmation</source>
        <translation>Confirmation de réservation</translation>
    </message>
    <message>
        <source>The booking has been cancelled: it cannot be confirmed.</source>
        <translation>La réservation a été annulée : elle ne peut pas être confirmée.</translation>
    </message>
    <message>
        <source>Credit Note</source>
        <translation>Avoir</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Choose a booking in one of the lists first.</source>
        <translation>Choisissez d&apos;abord une réservation dans l&apos;une des listes.</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Do you want to delete traces older than 7 days?</source>
        <translation>Voulez-vous supprimer les traces de plus de 7 jours ?</translation>
    </message>
    <message>
        <source>End of workday</source>
        <translation>Fin de journée</translation>
    </message>
    <message>
        <source>These trace folders could not be deleted:
%1</source>
        <translation>Ces dossiers de traces n&apos;ont pas pu être supprimés :
%1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
</context>
<context>
    <name>EventLogViewer</name>
    <message>
        <source>View Event Log File</source>
        <translation>Afficher le journal des événements</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file is too large to show whole: only its beginning is shown.</source>
        <translation>Le fichier est trop volumineux pour être affiché en entier : seul son début est affiché.</translation>
    </message>
    <message>
        <source>Open Trace Log File</source>
        <translation>Ouvrir un journal de traces</translation>
    </message>
    <message>
        <source>All Files (*);;Log Files (*.log *.Log)</source>
        <translation>Tous les fichiers (*);;Journaux (*.log *.Log)</translation>
    </message>
    <message>
        <source>Log Files (*.log *.Log)</source>
        <translation>Journaux (*.log *.Log)</translation>
    </message>
</context>
<context>
    <name>ExportMenu</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>FeedFetch</name>
    <message>
        <source>&quot;%1&quot; is not a calendar address: it should start with https://, http:// or webcal://.</source>
        <translation>« %1 » n&apos;est pas une adresse de calendrier : elle doit commencer par https://, http:// ou webcal://.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: the transfer library did not start.</source>
        <translation>Le calendrier n&apos;a pas pu être récupéré : la bibliothèque de transfert n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>The calendar is larger than %1 kB: it was not read.</source>
        <translation>Le calendrier dépasse %1 Ko : il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times: it was not read.</source>
        <translation>L&apos;adresse redirige plus de %1 fois : elle n&apos;a pas été lue.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Le serveur n&apos;a pas répondu en %1 secondes.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: %1</source>
        <translation>Le calendrier n&apos;a pas pu être récupéré : %1</translation>
    </message>
    <message>
        <source>The server answered %1 instead of the calendar.</source>
        <translation>Le serveur a répondu %1 au lieu du calendrier.</translation>
    </message>
</context>
<context>
    <name>FeedPublisher</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>The calendar was read but its blocks could not be saved: %1</source>
        <translation>Le calendrier a été lu mais ses blocages n&apos;ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>%1: %2 blocks added, %3 moved, %4 released</source>
        <translation>%1 : %2 blocages ajoutés, %3 déplacés, %4 levés</translation>
    </message>
    <message>
        <source>; over booking %1 (%2) from %3 to %4</source>
        <translation>; sur la réservation %1 (%2) du %3 au %4</translation>
    </message>
</context>
<context>
    <name>FeedStore</name>
    <message>
        <source>The address may be at most %1 characters long.</source>
        <translation>L&apos;adresse compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Please choose the berth whose calendar this is.</source>
        <translation>Veuillez choisir l&apos;anneau auquel appartient ce calendrier.</translation>
    </message>
    <message>
        <source>%1 already reads this calendar.</source>
        <translation>%1 lit déjà ce calendrier.</translation>
    </message>
    <message>
        <source>Booked elsewhere (%1)</source>
        <translation>Réservé ailleurs (%1)</translation>
    </message>
</context>
<context>
    <name>FieldChanges</name>
    <message>
        <source>Another desk changed the same fields while you were editing, so nothing was saved.</source>
        <translation>Un autre poste a modifié les mêmes champs pendant votre saisie ; rien n&apos;a donc été enregistré.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>%1 theirs %2, yours %3</source>
        <translation>%1 : l&apos;autre poste %2, vous %3</translation>
    </message>
    <message>
        <source>Another desk changed this %1 while you were editing it:

%2

Yes keeps theirs, No saves yours over theirs, Cancel goes back to editing. Your other changes are saved either way.</source>
        <translation>Un autre poste a modifié cet élément (%1) pendant votre saisie :

%2

Oui garde leur version, Non enregistre la vôtre par-dessus, Annuler revient à la saisie. Vos autres modifications sont enregistrées dans tous les cas.</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Enregistrer en &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exporter %1</translation>
    </message>
</context>
<context>
    <name>FileConnection</name>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>La connexion SQLite n&apos;est pas ouverte.</translation>
    </message>
</context>
<context>
    <name>FileSecurity</name>
    <message>
        <source>Cannot restrict %1 to its owner: %2</source>
        <translation>Impossible de réserver %1 à son seul propriétaire : %2</translation>
    </message>
</context>
<context>
    <name>FindBookingModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Arriving on</source>
        <translation>Arrivée le</translation>
    </message>
    <message>
        <source>Depating on</source>
        <translation>Départ le</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
</context>
<context>
    <name>FindBookingWindow</name>
    <message>
        <source>Find Booking</source>
        <translation>Rechercher une réservation</translation>
    </message>
    <message>
        <source>Arriving on:</source>
        <translation>Arrivée le :</translation>
    </message>
    <message>
        <source>Departing on:</source>
        <translation>Départ le :</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled bookings</source>
        <translation>Afficher les réservations a&amp;nnulées</translation>
    </message>
    <message>
        <source>Part of the customer&apos;s name</source>
        <translation>Partie du nom du client</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>No&amp;m :</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>&amp;Lancer la recherche</translation>
    </message>
    <message>
        <source>&amp;View/Edit Booking</source>
        <translation>&amp;Afficher/modifier la réservation</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Total matches:</source>
        <translation>Résultats :</translation>
    </message>
    <message>
        <source>The bookings could not be searched: %1</source>
        <translation>La recherche des réservations a échoué : %1</translation>
    </message>
</context>
<context>
    <name>FindCustomerDialog</name>
    <message>
        <source>Find Customer</source>
        <translation>Rechercher un client</translation>
    </message>
    <message>
        <source>any part of the name, house name, town, post code, phone or e-mail</source>
        <translation>toute partie du nom, de la résidence, de la ville, du code postal, du téléphone ou de l&apos;e-mail</translation>
    </message>
    <message>
        <source>&amp;Any part:</source>
        <translation>&amp;Recherche :</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Membre du club</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>&amp;Lancer la recherche</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Add Customer</source>
        <translation>Ajouter un client</translation>
    </message>
    <message>
        <source>View/Edit Customer</source>
        <translation>Afficher/modifier le client</translation>
    </message>
    <message>
        <source>Delete Customer</source>
        <translation>Supprimer le client</translation>
    </message>
    <message>
        <source>Total customer matches:</source>
        <translation>Clients trouvés :</translation>
    </message>
    <message>
        <source>The customer could not be deleted: %1</source>
        <translation>Le client n&apos;a pas pu être supprimé : %1</translation>
    </message>
</context>
<context>
    <name>HarbourFigures</name>
    <message>
        <source>no berths</source>
        <translation>aucun anneau</translation>
    </message>
    <message>
        <source>by day</source>
        <translation>par jour</translation>
    </message>
    <message>
        <source>by week</source>
        <translation>par semaine</translation>
    </message>
    <message>
        <source>by month</source>
        <translation>par mois</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>by month read</source>
        <translation>par mois de relevé</translation>
    </message>
    <message>
        <source>by month of arrival</source>
        <translation>par mois d&apos;arrivée</translation>
    </message>
    <message>
        <source>No type</source>
        <translation>Sans type</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Taux d&apos;occupation</translation>
    </message>
    <message>
        <source>Nights sold on the berths active now, of the nights they had; %1 berths active.</source>
        <translation>Nuits vendues sur les anneaux actuellement actifs, par rapport à leurs nuits disponibles ; %1 anneaux actifs.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Nuits vendues</translation>
    </message>
    <message>
        <source>Nights available</source>
        <translation>Nuits disponibles</translation>
    </message>
    <message>
        <source>All berths</source>
        <translation>Tous les anneaux</translation>
    </message>
    <message>
        <source>No berths are active, so there is no occupancy to show (no berths).</source>
        <translation>Aucun anneau n&apos;est actif ; il n&apos;y a donc aucune occupation à afficher (aucun anneau).</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Chiffre d&apos;affaires par mois</translation>
    </message>
    <message>
        <source>The agreed prices of the bookings, cancelled ones left out.</source>
        <translation>Les prix convenus des réservations, hors réservations annulées.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Réservations</translation>
    </message>
    <message>
        <source>Hire</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Autres frais</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>No booking arrives in this period.</source>
        <translation>Aucune réservation n&apos;arrive sur cette période.</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Consommation des compteurs par mois</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unités</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No meter counted any use in this period.</source>
        <translation>Aucun compteur n&apos;a relevé de consommation sur cette période.</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Durée de séjour et délai de réservation</translation>
    </message>
    <message>
        <source>Lead time: the days from taking the booking to the arrival.</source>
        <translation>Délai de réservation : les jours entre la prise de la réservation et l&apos;arrivée.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Average stay (nights)</source>
        <translation>Séjour moyen (nuits)</translation>
    </message>
    <message>
        <source>Average lead time (days)</source>
        <translation>Délai moyen (jours)</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>Les anneaux les plus occupés</translation>
    </message>
    <message>
        <source>The %1 berths with the most nights sold.</source>
        <translation>Les %1 anneaux qui ont vendu le plus de nuits.</translation>
    </message>
    <message>
        <source>nights</source>
        <translation>nuits</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>No night is sold in this period.</source>
        <translation>Aucune nuit n&apos;est vendue sur cette période.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Saisissez le premier et le dernier jour de la période.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>La période se termine avant de commencer.</translation>
    </message>
    <message>
        <source>A period of more than %1 years cannot be shown.</source>
        <translation>Une période de plus de %1 ans ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>The chart would have %1 bars, more than %2: choose weeks or months for a period this long.</source>
        <translation>Le graphique aurait %1 barres, plus de %2 : choisissez les semaines ou les mois pour une période aussi longue.</translation>
    </message>
    <message>
        <source>No such figure.</source>
        <translation>Ce chiffre n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The next 14 nights</source>
        <translation>Les 14 prochaines nuits</translation>
    </message>
    <message>
        <source>Berths taken for the night, of %1 active</source>
        <translation>Anneaux occupés pour la nuit, sur %1 actifs</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>anneaux</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Berths taken</source>
        <translation>Anneaux occupés</translation>
    </message>
    <message>
        <source>No berths are active (no berths).</source>
        <translation>Aucun anneau n&apos;est actif (aucun anneau).</translation>
    </message>
    <message>
        <source>%1: page %p of %P</source>
        <translation>%1 : page %p sur %P</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>The help page %1 cannot be found.</source>
        <translation>La page d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no web browser answered.</source>
        <translation>La page d&apos;aide %1 n&apos;a pas pu être ouverte : aucun navigateur web n&apos;a répondu.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser answered. Type the address into a browser.</source>
        <translation>%1 n&apos;a pas pu être ouvert : aucun navigateur web n&apos;a répondu. Saisissez l&apos;adresse dans un navigateur.</translation>
    </message>
</context>
<context>
    <name>HolderCredits</name>
    <message>
        <source>The holder&apos;s share is a percentage from 0 to %1.</source>
        <translation>La part du titulaire est un pourcentage de 0 à %1.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before setting the holder&apos;s share.</source>
        <translation>Saisissez les coordonnées de l&apos;entreprise avant de fixer la part du titulaire.</translation>
    </message>
    <message>
        <source>Share of the hire of booking %1 while away</source>
        <translation>Part de la location de la réservation %1 pendant l&apos;absence</translation>
    </message>
    <message>
        <source>Enter a period that ends on or after its first day.</source>
        <translation>Saisissez une période qui finit le jour de son début ou après.</translation>
    </message>
</context>
<context>
    <name>HolderCreditsDialog</name>
    <message>
        <source>Credits earned by holders away</source>
        <translation>Crédits acquis par les titulaires absents</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titulaire</translation>
    </message>
    <message>
        <source>Visitor&apos;s booking</source>
        <translation>Réservation du visiteur</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>A&amp;u :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>C&amp;redits...</source>
        <translation>Crédi&amp;ts...</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n credit(s), %1 in all</source>
        <translation>
            <numerusform>%n crédit, %1 au total</numerusform>
            <numerusform>%n crédits, %1 au total</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HolderShareDialog</name>
    <message>
        <source>Holders&apos; share</source>
        <translation>Part des titulaires</translation>
    </message>
    <message>
        <source>A holder away is credited this share of the hire a visitor pays for the berth.</source>
        <translation>Un titulaire absent est crédité de cette part de la location payée par un visiteur pour l&apos;anneau.</translation>
    </message>
    <message>
        <source>&amp;Share of the visitor&apos;s hire:</source>
        <translation>&amp;Part de la location du visiteur :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Holders&apos; share...</source>
        <translation>Part des titulai&amp;res...</translation>
    </message>
    <message>
        <source>%1 % of a visitor&apos;s hire</source>
        <translation>%1 % de la location d&apos;un visiteur</translation>
    </message>
</context>
<context>
    <name>ImapMailbox</name>
    <message>
        <source>The folder name &quot;%1&quot; may hold letters, digits, spaces and . _ / - only.</source>
        <translation>Le nom de dossier « %1 » ne peut contenir que lettres, chiffres, espaces et . _ / -.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: the transfer library did not start.</source>
        <translation>La boîte aux lettres n&apos;a pas pu être lue : la bibliothèque de transfert n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>The message is larger than %1 KB.</source>
        <translation>Le message dépasse %1 Ko.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>Le serveur e-mail %1 est introuvable.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>Le serveur e-mail %1 n&apos;a pas répondu sur le port %2.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>Le serveur e-mail a refusé le nom d&apos;utilisateur ou le mot de passe : %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>Le serveur e-mail ne propose pas de connexion sécurisée (STARTTLS) : %1</translation>
    </message>
    <message>
        <source>The mail server did not answer within %1 seconds.</source>
        <translation>Le serveur e-mail n&apos;a pas répondu en %1 secondes.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: %1</source>
        <translation>La boîte aux lettres n&apos;a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>The mail server did not give the size of message %1.</source>
        <translation>Le serveur e-mail n&apos;a pas donné la taille du message %1.</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Berths and berth types</source>
        <translation>Anneaux et types d&apos;anneau</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Réservations</translation>
    </message>
    <message>
        <source>Opening balances</source>
        <translation>Soldes d&apos;ouverture</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Customers with boats</source>
        <translation>Clients avec bateaux</translation>
    </message>
    <message>
        <source>Old reference</source>
        <translation>Ancienne référence</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>House name</source>
        <translation>Résidence</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Quartier</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Portable</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Boat reference</source>
        <translation>Référence du bateau</translation>
    </message>
    <message>
        <source>Boat name</source>
        <translation>Nom du bateau</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Immatriculation</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Longueur (m)</translation>
    </message>
    <message>
        <source>Beam (m)</source>
        <translation>Largeur (m)</translation>
    </message>
    <message>
        <source>Draft (m)</source>
        <translation>Tirant d&apos;eau (m)</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Type d&apos;anneau</translation>
    </message>
    <message>
        <source>Width (m)</source>
        <translation>Largeur (m)</translation>
    </message>
    <message>
        <source>Maximum draft (m)</source>
        <translation>Tirant d&apos;eau max. (m)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Daily charge</source>
        <translation>Tarif journalier</translation>
    </message>
    <message>
        <source>Customer reference</source>
        <translation>Référence client</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Boat registration</source>
        <translation>Immatriculation du bateau</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Adultes</translation>
    </message>
    <message>
        <source>Booking reference</source>
        <translation>Référence de réservation</translation>
    </message>
    <message>
        <source>Amount paid</source>
        <translation>Montant payé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Instalments</source>
        <translation>Échéances</translation>
    </message>
    <message>
        <source>The date is missing.</source>
        <translation>La date manque.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money (written as %2).</source>
        <translation>« %1 » n&apos;est pas un montant (écrit sous la forme %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size in metres above 0 and up to %2 m.</source>
        <translation>« %1 » n&apos;est pas une dimension en mètres supérieure à 0 et au plus %2 m.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>« %1 » n&apos;est pas un nombre de 0 à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither yes nor no.</source>
        <translation>« %1 » n&apos;est ni oui ni non.</translation>
    </message>
    <message>
        <source>Please give the mapping a name.</source>
        <translation>Veuillez nommer la correspondance.</translation>
    </message>
    <message>
        <source>There is no mapping called %1.</source>
        <translation>Il n&apos;existe aucune correspondance nommée %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>ImportRun</name>
    <message>
        <source>No customer has the reference &quot;%1&quot;.</source>
        <translation>Aucun client n&apos;a la référence « %1 ».</translation>
    </message>
    <message>
        <source>The berth &quot;%1&quot; is unknown.</source>
        <translation>L&apos;anneau « %1 » est inconnu.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>Le départ ne suit pas l&apos;arrivée.</translation>
    </message>
    <message>
        <source>No boat has the registration &quot;%1&quot;.</source>
        <translation>Aucun bateau n&apos;a l&apos;immatriculation « %1 ».</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; is another customer&apos;s.</source>
        <translation>Le bateau « %1 » appartient à un autre client.</translation>
    </message>
    <message>
        <source>The boat is too big for berth %1 (%2).</source>
        <translation>Le bateau est trop grand pour l&apos;anneau %1 (%2).</translation>
    </message>
    <message>
        <source>old reference</source>
        <translation>ancienne référence</translation>
    </message>
    <message>
        <source>On record (same old reference): skipped.</source>
        <translation>Déjà enregistré (même ancienne référence) : ignoré.</translation>
    </message>
    <message>
        <source>Berth %1 is blocked over these dates.</source>
        <translation>L&apos;anneau %1 est bloqué à ces dates.</translation>
    </message>
    <message>
        <source>Berth %1 is booked over these dates.</source>
        <translation>L&apos;anneau %1 est réservé à ces dates.</translation>
    </message>
    <message>
        <source>Another row of the file books berth %1 over these dates.</source>
        <translation>Une autre ligne du fichier réserve l&apos;anneau %1 à ces dates.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>On record (same old reference): updated.</source>
        <translation>Déjà enregistré (même ancienne référence) : mis à jour.</translation>
    </message>
    <message>
        <source>The booking on record is cancelled.</source>
        <translation>La réservation enregistrée est annulée.</translation>
    </message>
    <message>
        <source>No term is called &quot;%1&quot;.</source>
        <translation>Aucune durée ne s&apos;appelle « %1 ».</translation>
    </message>
    <message>
        <source>The row needs its first and last days, or a term.</source>
        <translation>La ligne doit avoir son premier et son dernier jour, ou une durée.</translation>
    </message>
    <message>
        <source>The row has no price and the rates do not price berth %1 over its days.</source>
        <translation>La ligne n&apos;a pas de prix et les tarifs ne fixent pas le prix de l&apos;anneau %1 sur ses jours.</translation>
    </message>
    <message>
        <source>Another row of the file holds berth %1 on these days.</source>
        <translation>Une autre ligne du fichier occupe l&apos;anneau %1 ces jours-là.</translation>
    </message>
    <message>
        <source>The contract on record is cancelled.</source>
        <translation>Le contrat enregistré est résilié.</translation>
    </message>
    <message>
        <source>The row has %1 columns where the headings have %2.</source>
        <translation>La ligne a %1 colonnes alors que les en-têtes en ont %2.</translation>
    </message>
    <message>
        <source>Line %1 of the file has the same %2.</source>
        <translation>La ligne %1 du fichier a la même valeur (%2).</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Le nom est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>« %1 » n&apos;est pas une adresse e-mail.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>adresse e-mail</translation>
    </message>
    <message>
        <source>boat registration</source>
        <translation>immatriculation du bateau</translation>
    </message>
    <message>
        <source>On record (same %1): updated.</source>
        <translation>Déjà enregistré (même %1) : mis à jour.</translation>
    </message>
    <message>
        <source>On record (same %1): skipped.</source>
        <translation>Déjà enregistré (même %1) : ignoré.</translation>
    </message>
    <message>
        <source>The berth&apos;s name is empty.</source>
        <translation>Le nom de l&apos;anneau est vide.</translation>
    </message>
    <message>
        <source>berth name</source>
        <translation>nom de l&apos;anneau</translation>
    </message>
    <message>
        <source>On record: updated.</source>
        <translation>Déjà enregistré : mis à jour.</translation>
    </message>
    <message>
        <source>On record: skipped.</source>
        <translation>Déjà enregistré : ignoré.</translation>
    </message>
    <message>
        <source>No booking has the reference &quot;%1&quot;.</source>
        <translation>Aucune réservation n&apos;a la référence « %1 ».</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Import %1</translation>
    </message>
    <message>
        <source>The amount is nothing.</source>
        <translation>Le montant est nul.</translation>
    </message>
    <message>
        <source>booking reference</source>
        <translation>référence de réservation</translation>
    </message>
    <message>
        <source>The booking has its opening balance already: skipped (a ledger line is put right with a correction).</source>
        <translation>La réservation a déjà son solde d&apos;ouverture : ignoré (une ligne du grand livre se rectifie par une correction).</translation>
    </message>
    <message>
        <source>The booking is cancelled.</source>
        <translation>La réservation est annulée.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Every required field needs a column: %1 has none.</source>
        <translation>Chaque champ obligatoire doit avoir une colonne : %1 n&apos;en a aucune.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file holds its headings and no row.</source>
        <translation>Le fichier contient ses en-têtes et aucune ligne.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Doublon</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Accepté</translation>
    </message>
    <message>
        <source>Another desk booked a berth over a booking of this file while it was imported. Nothing was imported: run the dry run and the import again.</source>
        <translation>Un autre poste a réservé un anneau sur une réservation de ce fichier pendant l&apos;import. Rien n&apos;a été importé : relancez l&apos;essai à blanc puis l&apos;import.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>This import is no longer on record.</source>
        <translation>Cet import n&apos;est plus enregistré.</translation>
    </message>
    <message>
        <source>This import has been undone already.</source>
        <translation>Cet import a déjà été annulé.</translation>
    </message>
    <message>
        <source>Opening balances are ledger lines, which are never removed: put a balance right with a correction on its booking.</source>
        <translation>Les soldes d&apos;ouverture sont des lignes du grand livre, qui ne sont jamais supprimées : rectifiez un solde par une correction sur sa réservation.</translation>
    </message>
    <message>
        <source>customer %1</source>
        <translation>client %1</translation>
    </message>
    <message>
        <source>boat %1</source>
        <translation>bateau %1</translation>
    </message>
    <message>
        <source>berth %1</source>
        <translation>anneau %1</translation>
    </message>
    <message>
        <source>booking %1</source>
        <translation>réservation %1</translation>
    </message>
    <message>
        <source>contract %1</source>
        <translation>contrat %1</translation>
    </message>
    <message>
        <source>boat %1 (added since)</source>
        <translation>bateau %1 (ajouté depuis)</translation>
    </message>
    <message>
        <source>booking %1 (made or paid since)</source>
        <translation>réservation %1 (faite ou payée depuis)</translation>
    </message>
    <message>
        <source>%1 (invoiced or paid since)</source>
        <translation>%1 (facturé ou payé depuis)</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>This import cannot be undone: what it brought in has been changed since (%1). Nothing was removed.</source>
        <translation>Cet import ne peut pas être annulé : ce qu&apos;il a apporté a été modifié depuis (%1). Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language documents are written in.</source>
        <translation>« %1 » n&apos;est pas une langue de rédaction des documents.</translation>
    </message>
</context>
<context>
    <name>ImportWizard</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europe occidentale)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Virgule (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Point-virgule (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>The first row holds &amp;headings</source>
        <translation>La première ligne contient les &amp;en-têtes</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importé</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajoutés</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Mis à jour</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorés</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>&amp;Undo this import</source>
        <translation>A&amp;nnuler cet import</translation>
    </message>
    <message>
        <source>&amp;Kind of records:</source>
        <translation>&amp;Type d&apos;enregistrements :</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codage :</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Délimiteur :</translation>
    </message>
    <message>
        <source>&amp;Past imports:</source>
        <translation>&amp;Imports passés :</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Colonne du fichier</translation>
    </message>
    <message>
        <source>&amp;Skip rows already on record</source>
        <translation>I&amp;gnorer les lignes déjà enregistrées</translation>
    </message>
    <message>
        <source>&amp;Update rows already on record from the file</source>
        <translation>&amp;Mettre à jour les lignes déjà enregistrées depuis le fichier</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Saved &amp;mappings:</source>
        <translation>Correspondances enregis&amp;trées :</translation>
    </message>
    <message>
        <source>&amp;Dates written as:</source>
        <translation>&amp;Dates écrites sous la forme :</translation>
    </message>
    <message>
        <source>&amp;Amounts written as:</source>
        <translation>Mont&amp;ants écrits sous la forme :</translation>
    </message>
    <message>
        <source>Rows already on record:</source>
        <translation>Lignes déjà enregistrées :</translation>
    </message>
    <message>
        <source>&amp;Columns (fields marked * are needed):</source>
        <translation>&amp;Colonnes (les champs marqués * sont obligatoires) :</translation>
    </message>
    <message>
        <source>&amp;Save list...</source>
        <translation>Enregistrer la &amp;liste...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>&amp;Verdicts (nothing has been written yet):</source>
        <translation>&amp;Verdicts (rien n&apos;a encore été écrit) :</translation>
    </message>
    <message>
        <source>Import: the file</source>
        <translation>Import : le fichier</translation>
    </message>
    <message>
        <source>Import: the columns</source>
        <translation>Import : les colonnes</translation>
    </message>
    <message>
        <source>Import: the dry run</source>
        <translation>Import : l&apos;essai à blanc</translation>
    </message>
    <message>
        <source>Please choose the file to import.</source>
        <translation>Veuillez choisir le fichier à importer.</translation>
    </message>
    <message>
        <source>Please choose a column for: %1.</source>
        <translation>Veuillez choisir une colonne pour : %1.</translation>
    </message>
    <message>
        <source>Choose the file to import</source>
        <translation>Choisir le fichier à importer</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Lecture du fichier...</translation>
    </message>
    <message>
        <source>The dry run was stopped.</source>
        <translation>L&apos;essai à blanc a été arrêté.</translation>
    </message>
    <message>
        <source>%1 rows to add, %2 already on record, %3 refused.</source>
        <translation>%1 lignes à ajouter, %2 déjà enregistrées, %3 refusées.</translation>
    </message>
    <message>
        <source>The backup before the import failed, so nothing was imported.

%1</source>
        <translation>La sauvegarde avant l&apos;import a échoué ; rien n&apos;a donc été importé.

%1</translation>
    </message>
    <message>
        <source>The import was stopped: nothing was imported.</source>
        <translation>L&apos;import a été arrêté : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 rows added, %2 already on record, %3 refused.</source>
        <translation>%1 lignes ajoutées, %2 déjà enregistrées, %3 refusées.</translation>
    </message>
    <message>
        <source>The file has been imported: %1

A backup of the database as it was is in %2.</source>
        <translation>Le fichier a été importé : %1

Une sauvegarde de la base de données telle qu&apos;elle était se trouve dans %2.</translation>
    </message>
    <message>
        <source>Save the dry run&apos;s list</source>
        <translation>Enregistrer la liste de l&apos;essai à blanc</translation>
    </message>
    <message>
        <source> - dry run.csv</source>
        <translation> - essai à blanc.csv</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Remove everything the import of %1 added?</source>
        <translation>Supprimer tout ce que l&apos;import du %1 a ajouté ?</translation>
    </message>
    <message>
        <source>Undo this import</source>
        <translation>Annuler cet import</translation>
    </message>
    <message>
        <source>The import of %1 has been undone.</source>
        <translation>L&apos;import du %1 a été annulé.</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>Please enter a valid number to continue</source>
        <translation>Veuillez saisir un nombre valable pour continuer</translation>
    </message>
    <message>
        <source>Amounts are in pounds and pence: type at most two decimals, for example %1.</source>
        <translation>Les montants sont en unités et centimes : saisissez au plus deux décimales, par exemple %1.</translation>
    </message>
    <message>
        <source>An amount cannot be more than %1.</source>
        <translation>Un montant ne peut pas dépasser %1.</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>Deposit</source>
        <translation>Acompte</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Remboursement</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Kept as credit</source>
        <translation>Gardé en crédit</translation>
    </message>
    <message>
        <source>Credit used</source>
        <translation>Crédit utilisé</translation>
    </message>
    <message>
        <source>A contract is paid, refunded or corrected.</source>
        <translation>Un contrat est payé, remboursé ou corrigé.</translation>
    </message>
    <message>
        <source>The refund is more than the %1 paid.</source>
        <translation>Le remboursement dépasse les %1 payés.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La réservation n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Enter an amount other than %1.</source>
        <translation>Saisissez un montant différent de %1.</translation>
    </message>
    <message>
        <source>Enter the amount without a minus sign: money given back is recorded as a refund, a mistake as a correction.</source>
        <translation>Saisissez le montant sans signe moins : l&apos;argent rendu s&apos;enregistre comme remboursement, une erreur comme correction.</translation>
    </message>
    <message>
        <source>The reference runs to 100 characters and the note to 250.</source>
        <translation>La référence compte au plus 100 caractères et la note 250.</translation>
    </message>
    <message>
        <source>The booking has been cancelled: no payment can be recorded on it.</source>
        <translation>La réservation a été annulée : aucun paiement ne peut y être enregistré.</translation>
    </message>
    <message>
        <source>A refund cannot be more than what was paid (%1).</source>
        <translation>Un remboursement ne peut pas dépasser ce qui a été payé (%1).</translation>
    </message>
    <message>
        <source>A correction cannot take what was paid below %1 (%2 was paid).</source>
        <translation>Une correction ne peut pas ramener le montant payé sous %1 (%2 payés).</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Un montant dépasse %1.</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>Le client dispose d&apos;un crédit de %1.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before issuing an invoice.</source>
        <translation>Saisissez les informations sur l&apos;entreprise avant d&apos;émettre une facture.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Saisissez le premier et le dernier jour de la période.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>La période se termine avant de commencer.</translation>
    </message>
    <message>
        <source>No method</source>
        <translation>Sans mode</translation>
    </message>
    <message>
        <source>Method %1 (removed)</source>
        <translation>Mode %1 (supprimé)</translation>
    </message>
    <message>
        <source>No desk</source>
        <translation>Sans poste</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
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
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>This desk is locked. %1, type your PIN or password to go on.</source>
        <translation>Ce poste est verrouillé. %1, saisissez votre code PIN ou votre mot de passe pour continuer.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>Code &amp;PIN ou mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Déverrouiller</translation>
    </message>
    <message>
        <source>S&amp;witch User...</source>
        <translation>&amp;Changer d&apos;utilisateur...</translation>
    </message>
</context>
<context>
    <name>MailMessage</name>
    <message>
        <source>There is no e-mail address to send to.</source>
        <translation>Il n&apos;y a aucune adresse e-mail à laquelle envoyer.</translation>
    </message>
    <message>
        <source>The e-mail address %1 holds a line break.</source>
        <translation>L&apos;adresse e-mail %1 contient un saut de ligne.</translation>
    </message>
    <message>
        <source>%1 is not an e-mail address (name@example.com).</source>
        <translation>%1 n&apos;est pas une adresse e-mail (nom@exemple.fr).</translation>
    </message>
    <message>
        <source>The sender&apos;s name</source>
        <translation>Le nom de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>The recipient&apos;s name</source>
        <translation>Le nom du destinataire</translation>
    </message>
    <message>
        <source>The subject</source>
        <translation>L&apos;objet</translation>
    </message>
    <message>
        <source>The attachment&apos;s name</source>
        <translation>Le nom de la pièce jointe</translation>
    </message>
    <message>
        <source>%1 holds a line break, which an e-mail header may not: %2</source>
        <translation>%1 contient un saut de ligne, ce qu&apos;un en-tête d&apos;e-mail n&apos;admet pas : %2</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <source>The sender&apos;s address: %1</source>
        <translation>L&apos;adresse de l&apos;expéditeur : %1</translation>
    </message>
    <message>
        <source>The sender&apos;s name must be one line.</source>
        <translation>Le nom de l&apos;expéditeur doit tenir sur une ligne.</translation>
    </message>
    <message>
        <source>The certificate file %1 cannot be read.</source>
        <translation>Le fichier de certificat %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information first.</source>
        <translation>Aucun serveur e-mail n&apos;est configuré : saisissez-le d&apos;abord dans Informations sur l&apos;entreprise.</translation>
    </message>
    <message>
        <source>The password file %1 could not be removed.</source>
        <translation>Le fichier de mot de passe %1 n&apos;a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>MailTemplates</name>
    <message>
        <source>Booking confirmation</source>
        <translation>Confirmation de réservation</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Deposit reminder</source>
        <translation>Relance d&apos;acompte</translation>
    </message>
    <message>
        <source>Balance reminder</source>
        <translation>Relance de solde</translation>
    </message>
    <message>
        <source>Waiting-list offer</source>
        <translation>Offre de la liste d&apos;attente</translation>
    </message>
    <message>
        <source>Contract renewal letter</source>
        <translation>Lettre de renouvellement de contrat</translation>
    </message>
    <message>
        <source>Your booking {ConfirmationNo} at {Company}</source>
        <translation>Votre réservation {ConfirmationNo} chez {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for booking with us. We look forward to welcoming you from {Arrival} to {Departure} on berth {Berths}.

Your booking confirmation is attached. The total is {Total}; {DepositDue} is due by {DueBy}.

If anything is not as you expected, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Bonjour {CustomerName},

Merci pour votre réservation. Nous nous réjouissons de vous accueillir du {Arrival} au {Departure} sur l&apos;anneau {Berths}.

Vous trouverez ci-joint la confirmation de votre réservation. Le total s&apos;élève à {Total} ; {DepositDue} sont à régler avant le {DueBy}.

Si quelque chose ne correspond pas à vos attentes, répondez simplement à ce message ou appelez-nous au {CompanyPhone}.

Cordialement,
{Company}</translation>
    </message>
    <message>
        <source>Your invoice from {Company}</source>
        <translation>Votre facture de {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Please find attached the invoice for your stay from {Arrival} to {Departure} (booking {ConfirmationNo}). The total is {Total}, of which {Paid} has been paid; {Balance} remains.

Kind regards,
{Company}</source>
        <translation>Bonjour {CustomerName},

Veuillez trouver ci-jointe la facture de votre séjour du {Arrival} au {Departure} (réservation {ConfirmationNo}). Le total s&apos;élève à {Total}, dont {Paid} déjà payés ; il reste {Balance}.

Cordialement,
{Company}</translation>
    </message>
    <message>
        <source>Deposit for your booking {ConfirmationNo}</source>
        <translation>Acompte de votre réservation {ConfirmationNo}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

A friendly reminder that the deposit of {AmountDue} for your stay from {Arrival} to {Departure} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Bonjour {CustomerName},

Nous vous rappelons que l&apos;acompte de {AmountDue} pour votre séjour du {Arrival} au {Departure} est à régler avant le {DueBy}. Si vous l&apos;avez déjà réglé, merci, et veuillez ne pas tenir compte de ce message.

Cordialement,
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>Balance for your stay from {Arrival}</source>
        <translation>Solde de votre séjour à partir du {Arrival}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your stay with us from {Arrival} to {Departure} is coming up. The balance of {AmountDue} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

We look forward to seeing you.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Bonjour {CustomerName},

Votre séjour chez nous du {Arrival} au {Departure} approche. Le solde de {AmountDue} est à régler avant le {DueBy}. Si vous l&apos;avez déjà réglé, merci, et veuillez ne pas tenir compte de ce message.

Au plaisir de vous accueillir.

Cordialement,
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>A berth has come free at {Company}</source>
        <translation>Un anneau s&apos;est libéré chez {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Good news: a berth has come free for the dates you asked about, {Arrival} to {Departure}. Please call us on {CompanyPhone} or reply to this message soon if you would like it; we offer it to the next on our list otherwise.

Kind regards,
{Company}</source>
        <translation>Bonjour {CustomerName},

Bonne nouvelle : un anneau s&apos;est libéré pour les dates demandées, du {Arrival} au {Departure}. Si vous le souhaitez, appelez-nous rapidement au {CompanyPhone} ou répondez à ce message ; à défaut, nous le proposerons au suivant sur notre liste.

Cordialement,
{Company}</translation>
    </message>
    <message>
        <source>Renewal of your contract for {Berths}</source>
        <translation>Renouvellement de votre contrat pour {Berths}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your contract for berth {Berths} is renewed from {Arrival} to {Departure} at {Total}. The letter attached gives the details and the instalments.

If you have any questions, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Bonjour {CustomerName},

Votre contrat pour l&apos;anneau {Berths} est renouvelé du {Arrival} au {Departure} pour {Total}. La lettre ci-jointe en donne le détail et les échéances.

Pour toute question, répondez simplement à ce message ou appelez-nous au {CompanyPhone}.

Cordialement,
{Company}</translation>
    </message>
    <message>
        <source>There is no kind of message called %1.</source>
        <translation>Il n&apos;existe aucun genre de message nommé %1.</translation>
    </message>
    <message>
        <source>The subject may not be empty.</source>
        <translation>L&apos;objet ne peut pas être vide.</translation>
    </message>
    <message>
        <source>The subject must be one line.</source>
        <translation>L&apos;objet doit tenir sur une ligne.</translation>
    </message>
    <message>
        <source>The template holds what is not a placeholder: %1.
The placeholders are: %2</source>
        <translation>Le modèle contient ce qui n&apos;est pas un champ de fusion : %1.
Les champs de fusion sont : %2</translation>
    </message>
    <message>
        <source>Booking request declined</source>
        <translation>Demande de réservation refusée</translation>
    </message>
    <message>
        <source>Your booking request at {Company}</source>
        <translation>Votre demande de réservation chez {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for your request for {Arrival} to {Departure}. We are sorry that we have no berth for you on those dates.

If other dates would suit you, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Bonjour {CustomerName},

Nous vous remercions de votre demande du {Arrival} au {Departure}. Nous regrettons de ne pas avoir d&apos;anneau libre pour vous à ces dates.

Si d&apos;autres dates vous conviennent, il vous suffit de répondre à ce message ou de nous appeler au {CompanyPhone}.

Cordialement,
{Company}</translation>
    </message>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>Il n&apos;existe aucune langue de code « %1 ».</translation>
    </message>
</context>
<context>
    <name>MailTemplatesDialog</name>
    <message>
        <source>E-mail Templates</source>
        <translation>Modèles d&apos;e-mail</translation>
    </message>
    <message>
        <source>Placeholders: %1</source>
        <translation>Champs de fusion : %1</translation>
    </message>
    <message>
        <source>Reminders proposed each morning (0: none)</source>
        <translation>Relances proposées chaque matin (0 : aucune)</translation>
    </message>
    <message>
        <source>&amp;Deposit reminder, days before it falls due:</source>
        <translation>Relance d&apos;&amp;acompte, jours avant l&apos;échéance :</translation>
    </message>
    <message>
        <source>&amp;Balance reminder, days before it falls due:</source>
        <translation>Relance de &amp;solde, jours avant l&apos;échéance :</translation>
    </message>
    <message>
        <source>&amp;Overdue reminder, days after it fell due:</source>
        <translation>Relance de &amp;retard, jours après l&apos;échéance :</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Reset to the program&apos;s wording</source>
        <translation>Rétablir le te&amp;xte du programme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Message :</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Objet :</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>The template could not be read: %1</source>
        <translation>Le modèle n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>Enregistrer les modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>The template was not saved: %1</source>
        <translation>Le modèle n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>E-mail template: %1</source>
        <translation>Modèle d&apos;e-mail : %1</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
</context>
<context>
    <name>MailingListWizard</name>
    <message>
        <source>Mailing list</source>
        <translation>Liste de diffusion</translation>
    </message>
    <message>
        <source>Email Mailing List Wizard</source>
        <translation>Assistant de liste de diffusion e-mail</translation>
    </message>
    <message>
        <source>Enter the Mailing List filename</source>
        <translation>Saisissez le nom du fichier de la liste de diffusion</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Using this wizard you can create a mailing list of your customers.</source>
        <translation>Cet assistant vous permet de créer une liste de diffusion de vos clients.</translation>
    </message>
    <message>
        <source>Enter the filename you would like to populate with your email list.</source>
        <translation>Saisissez le nom du fichier dans lequel écrire votre liste d&apos;adresses e-mail.</translation>
    </message>
    <message>
        <source>Mailing list filename:</source>
        <translation>Fichier de la liste de diffusion :</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Cliquez sur Terminer pour achever la configuration</translation>
    </message>
    <message>
        <source>Please enter a file name</source>
        <translation>Veuillez saisir un nom de fichier</translation>
    </message>
    <message>
        <source>Mailing list file</source>
        <translation>Fichier de la liste de diffusion</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The customers&apos; email addresses could not be read; no file was written.

%1</source>
        <translation>Les adresses e-mail des clients n&apos;ont pas pu être lues ; aucun fichier n&apos;a été écrit.

%1</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valable</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Export C&amp;ustomers...</source>
        <translation>Exporter les &amp;clients...</translation>
    </message>
    <message>
        <source>Export Reser&amp;vations</source>
        <translation>Exporter les &amp;réservations</translation>
    </message>
    <message>
        <source>Export T&amp;oday&apos;s Reservations</source>
        <translation>Exporter les réservations du &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Compact &amp;&amp; repair database</source>
        <translation>Com&amp;pacter &amp;&amp; réparer la base de données</translation>
    </message>
    <message>
        <source>&amp;Backup database ...</source>
        <translation>&amp;Sauvegarder la base de données...</translation>
    </message>
    <message>
        <source>&amp;Restore database ...</source>
        <translation>Res&amp;taurer la base de données...</translation>
    </message>
    <message>
        <source>End of &amp;workday</source>
        <translation>&amp;Fin de journée</translation>
    </message>
    <message>
        <source>View &amp;trace log</source>
        <translation>Afficher le journal de tr&amp;aces</translation>
    </message>
    <message>
        <source>&amp;Switch User...</source>
        <translation>Changer d&apos;&amp;utilisateur...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Web Bookings</source>
        <translation>Réservations &amp;web</translation>
    </message>
    <message>
        <source>&amp;Configure Web Bookings...</source>
        <translation>&amp;Configurer les réservations web...</translation>
    </message>
    <message>
        <source>C&amp;reate Web Booking Page...</source>
        <translation>C&amp;réer la page de réservation web...</translation>
    </message>
    <message>
        <source>&amp;Bookings</source>
        <translation>&amp;Réservations</translation>
    </message>
    <message>
        <source>&amp;Add Booking</source>
        <translation>&amp;Ajouter une réservation</translation>
    </message>
    <message>
        <source>&amp;Find Booking...</source>
        <translation>Re&amp;chercher une réservation...</translation>
    </message>
    <message>
        <source>View &amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;cash-up...</source>
        <translation>Clôture de caisse du j&amp;our...</translation>
    </message>
    <message>
        <source>C&amp;ontracts...</source>
        <translation>Co&amp;ntrats...</translation>
    </message>
    <message>
        <source>Rene&amp;w Contracts...</source>
        <translation>Renou&amp;veler les contrats...</translation>
    </message>
    <message>
        <source>Contract L&amp;ists...</source>
        <translation>&amp;Listes de contrats...</translation>
    </message>
    <message>
        <source>Re&amp;minders...</source>
        <translation>R&amp;elances...</translation>
    </message>
    <message>
        <source>Close&amp;d Months...</source>
        <translation>&amp;Mois clôturés...</translation>
    </message>
    <message>
        <source>View Ad&amp;vanced Calendar</source>
        <translation>Calen&amp;drier avancé</translation>
    </message>
    <message>
        <source>View &amp;Simple Calendar</source>
        <translation>Calendrier &amp;simple</translation>
    </message>
    <message>
        <source>Booking C&amp;hart</source>
        <translation>&amp;Planning des réservations</translation>
    </message>
    <message>
        <source>Berth / Rentals  &amp;Notes...</source>
        <translation>No&amp;tes des anneaux / locations...</translation>
    </message>
    <message>
        <source>&amp;Customers</source>
        <translation>&amp;Clients</translation>
    </message>
    <message>
        <source>&amp;View Customers</source>
        <translation>&amp;Afficher les clients</translation>
    </message>
    <message>
        <source>&amp;Find Customer...</source>
        <translation>&amp;Rechercher un client...</translation>
    </message>
    <message>
        <source>&amp;Waiting List...</source>
        <translation>&amp;Liste d&apos;attente...</translation>
    </message>
    <message>
        <source>&amp;Email Mailing List Wizard...</source>
        <translation>Assistant de liste de diffusion &amp;e-mail...</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>C&amp;onfiguration</translation>
    </message>
    <message>
        <source>Configuration &amp;Wizard...</source>
        <translation>&amp;Assistant de configuration...</translation>
    </message>
    <message>
        <source>&amp;Company...</source>
        <translation>&amp;Entreprise...</translation>
    </message>
    <message>
        <source>Re&amp;gional Settings...</source>
        <translation>Paramètres ré&amp;gionaux...</translation>
    </message>
    <message>
        <source>&amp;Berths...</source>
        <translation>A&amp;nneaux...</translation>
    </message>
    <message>
        <source>Berth &amp;Owners...</source>
        <translation>&amp;Propriétaires d&apos;anneaux...</translation>
    </message>
    <message>
        <source>&amp;Rates...</source>
        <translation>&amp;Tarifs...</translation>
    </message>
    <message>
        <source>&amp;Meters...</source>
        <translation>&amp;Compteurs...</translation>
    </message>
    <message>
        <source>Ca&amp;lendars...</source>
        <translation>Ca&amp;lendriers...</translation>
    </message>
    <message>
        <source>E-mail &amp;Templates...</source>
        <translation>&amp;Modèles d&apos;e-mail...</translation>
    </message>
    <message>
        <source>&amp;Users...</source>
        <translation>&amp;Utilisateurs...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>&amp;Index...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day...</source>
        <translation>&amp;Astuce du jour...</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>Assistance en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Ajouter une réservation</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Advanced Calendar</source>
        <translation>Calendrier avancé</translation>
    </message>
    <message>
        <source>View Customers</source>
        <translation>Afficher les clients</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Booking Chart</source>
        <translation>Planning des réservations</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Réservation</translation>
    </message>
    <message>
        <source>Web Bookings</source>
        <translation>Réservations web</translation>
    </message>
    <message>
        <source>Zem Harbour and Campsite Reservation</source>
        <translation>Zem Harbour – réservations de ports et de campings</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>Demandes reç&amp;ues...</translation>
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
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Backup archives (*.SPA)</source>
        <translation>Archives de sauvegarde (*.SPA)</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Nom de fichier incorrect</translation>
    </message>
    <message>
        <source>Select your database backup file ...</source>
        <translation>Choisissez le fichier de sauvegarde de la base de données...</translation>
    </message>
    <message>
        <source>Error detected when make database backup!</source>
        <translation>Une erreur s&apos;est produite lors de la sauvegarde de la base de données !</translation>
    </message>
    <message>
        <source>Database backuped</source>
        <translation>Base de données sauvegardée</translation>
    </message>
    <message>
        <source>Select your backuped database ...</source>
        <translation>Choisissez la base de données sauvegardée...</translation>
    </message>
    <message>
        <source>Replace the database with the backup %1 of %2 (%3)?

The database as it is now is kept as %4, and can be restored from there.</source>
        <translation>Remplacer la base de données par la sauvegarde %1 du %2 (%3) ?

La base de données actuelle est conservée sous %4 et peut être restaurée à partir de là.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Error detected when restoring database backup!</source>
        <translation>Une erreur s&apos;est produite lors de la restauration de la sauvegarde !</translation>
    </message>
    <message>
        <source>Database restored</source>
        <translation>Base de données restaurée</translation>
    </message>
    <message>
        <source>Database compacted</source>
        <translation>Base de données compactée</translation>
    </message>
</context>
<context>
    <name>MeterImport</name>
    <message>
        <source>accepted</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>remis à zéro</translation>
    </message>
    <message>
        <source>unknown meter</source>
        <translation>compteur inconnu</translation>
    </message>
    <message>
        <source>earlier than the last</source>
        <translation>antérieur au dernier</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time.</source>
        <translation>« %1 » n&apos;est pas une date et une heure.</translation>
    </message>
    <message>
        <source>Meter %1 was last read on %2.</source>
        <translation>Le compteur %1 a été relevé pour la dernière fois le %2.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>MeterInvoice</name>
    <message>
        <source>%1, berth %2</source>
        <translation>%1, anneau %2</translation>
    </message>
    <message>
        <source>By the meter</source>
        <translation>Au compteur</translation>
    </message>
</context>
<context>
    <name>MeterLists</name>
    <message numerus="yes">
        <source>Meters not read for more than %n day(s), on %1</source>
        <translation>
            <numerusform>Compteurs non relevés depuis plus de %n jour, au %1</numerusform>
            <numerusform>Compteurs non relevés depuis plus de %n jours, au %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 use by berth and month, %2 to %3</source>
        <translation>Consommation %1 par anneau et par mois, du %2 au %3</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Use (%1)</source>
        <translation>Consommation (%1)</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Dernier relevé</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>never read</source>
        <translation>jamais relevé</translation>
    </message>
    <message>
        <source>Readings flagged, %1 to %2</source>
        <translation>Relevés signalés, du %1 au %2</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Relevé le</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Relevé</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>over three times the usual</source>
        <translation>plus du triple de l&apos;habituel</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>remis à zéro</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>corrigé, était %1</translation>
    </message>
</context>
<context>
    <name>MeterListsWindow</name>
    <message>
        <source>Meter lists</source>
        <translation>Listes de compteurs</translation>
    </message>
    <message>
        <source>Use by berth and month</source>
        <translation>Consommation par anneau et par mois</translation>
    </message>
    <message>
        <source>Meters not read</source>
        <translation>Compteurs non relevés</translation>
    </message>
    <message>
        <source>Readings flagged</source>
        <translation>Relevés signalés</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste :</translation>
    </message>
    <message>
        <source>&amp;Kind (use):</source>
        <translation>&amp;Type (consommation) :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>A&amp;u :</translation>
    </message>
    <message>
        <source>Not read for more than (&amp;days):</source>
        <translation>Non relevés depuis plus de (&amp;jours) :</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>La période se termine avant de commencer.</translation>
    </message>
</context>
<context>
    <name>MeterStore</name>
    <message>
        <source>Contract %1 has been billed for this meter&apos;s period already.</source>
        <translation>Le contrat %1 a déjà été facturé pour la période de ce compteur.</translation>
    </message>
    <message>
        <source>Another meter has the serial number %1.</source>
        <translation>Un autre compteur porte le numéro de série %1.</translation>
    </message>
    <message>
        <source>Berth %1 already has %2 meter %3: swap it, or remove it first.</source>
        <translation>L&apos;anneau %1 a déjà le compteur %2 %3 : remplacez-le, ou retirez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>The meter no longer exists.</source>
        <translation>Le compteur n&apos;existe plus.</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3): if the meter rolled over, say so; otherwise type the reading again.</source>
        <translation>%1 est inférieur au dernier relevé du compteur %2 (%3) : si le compteur est repassé par zéro, indiquez-le ; sinon, saisissez de nouveau le relevé.</translation>
    </message>
    <message>
        <source>The reading no longer exists.</source>
        <translation>Le relevé n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>Le relevé a plus de chiffres que les %1 du compteur.</translation>
    </message>
    <message>
        <source>%1 is below the reading before it (%2): if the meter rolled over, say so.</source>
        <translation>%1 est inférieur au relevé précédent (%2) : si le compteur est repassé par zéro, indiquez-le.</translation>
    </message>
    <message>
        <source>%1 is above the reading after it (%2).</source>
        <translation>%1 est supérieur au relevé suivant (%2).</translation>
    </message>
    <message>
        <source>Meter %1 was already removed on %2.</source>
        <translation>Le compteur %1 a déjà été retiré le %2.</translation>
    </message>
</context>
<context>
    <name>MeterWalk</name>
    <message>
        <source>Meter Walk</source>
        <translation>Tournée de relevés</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Dernier relevé</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Relevé le</translation>
    </message>
    <message>
        <source>New reading</source>
        <translation>Nouveau relevé</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Page %p sur %P</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>(no berth)</source>
        <translation>(aucun anneau)</translation>
    </message>
    <message>
        <source>No meters are in service.</source>
        <translation>Aucun compteur n&apos;est en service.</translation>
    </message>
</context>
<context>
    <name>Meters</name>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Type the meter&apos;s serial number.</source>
        <translation>Saisissez le numéro de série du compteur.</translation>
    </message>
    <message>
        <source>A serial number has at most 40 characters.</source>
        <translation>Un numéro de série compte au plus 40 caractères.</translation>
    </message>
    <message>
        <source>Type the unit the meter counts in (kWh, m³).</source>
        <translation>Saisissez l&apos;unité du compteur (kWh, m³).</translation>
    </message>
    <message>
        <source>A meter&apos;s counter has from %1 to %2 whole digits.</source>
        <translation>Le totalisateur d&apos;un compteur a de %1 à %2 chiffres entiers.</translation>
    </message>
    <message>
        <source>Type the day the meter was fitted.</source>
        <translation>Saisissez le jour de pose du compteur.</translation>
    </message>
    <message>
        <source>The meter cannot be removed before it was fitted.</source>
        <translation>Le compteur ne peut pas être retiré avant sa pose.</translation>
    </message>
    <message>
        <source>Type the reading.</source>
        <translation>Saisissez le relevé.</translation>
    </message>
    <message>
        <source>A reading is never below zero: &quot;%1&quot;.</source>
        <translation>Un relevé n&apos;est jamais négatif : « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reading: type the digits the meter shows.</source>
        <translation>« %1 » n&apos;est pas un relevé : saisissez les chiffres affichés par le compteur.</translation>
    </message>
    <message>
        <source>A reading has at most three decimals: &quot;%1&quot;.</source>
        <translation>Un relevé a au plus trois décimales : « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more digits than the meter&apos;s %2.</source>
        <translation>« %1 » a plus de chiffres que les %2 du compteur.</translation>
    </message>
    <message>
        <source>Type the day and time of the reading.</source>
        <translation>Saisissez le jour et l&apos;heure du relevé.</translation>
    </message>
    <message>
        <source>A reading cannot be dated in the future (%1).</source>
        <translation>Un relevé ne peut pas être daté dans le futur (%1).</translation>
    </message>
    <message>
        <source>Meter %1 was fitted on %2: a reading cannot be dated before that.</source>
        <translation>Le compteur %1 a été posé le %2 : un relevé ne peut pas être antérieur.</translation>
    </message>
    <message>
        <source>Meter %1 was removed on %2: a reading cannot be dated after that.</source>
        <translation>Le compteur %1 a été retiré le %2 : un relevé ne peut pas être postérieur.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>Le relevé a plus de chiffres que les %1 du compteur.</translation>
    </message>
    <message>
        <source>The last reading of meter %1 was taken on %2: a new one cannot be dated before it.</source>
        <translation>Le dernier relevé du compteur %1 date du %2 : un nouveau relevé ne peut pas être antérieur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a band: type the units, &quot;at&quot; and the price, as &quot;10 at 0.10&quot;.</source>
        <translation>« %1 » n&apos;est pas une tranche : saisissez les unités, « at » et le prix, comme « 10 at 0.10 ».</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Type the day the tariff takes effect.</source>
        <translation>Saisissez le jour d&apos;entrée en vigueur du tarif.</translation>
    </message>
    <message>
        <source>A price per unit or per day is from %1 to %2.</source>
        <translation>Un prix par unité ou par jour va de %1 à %2.</translation>
    </message>
    <message>
        <source>Band %1: a price is from %2 to %3.</source>
        <translation>Tranche %1 : un prix va de %2 à %3.</translation>
    </message>
    <message>
        <source>Band %1 must end above %2 units: the bands run upwards in order.</source>
        <translation>La tranche %1 doit finir au-delà de %2 unités : les tranches vont en ordre croissant.</translation>
    </message>
    <message>
        <source>Two %1 tariffs take effect on %2: keep one.</source>
        <translation>Deux tarifs %1 entrent en vigueur le %2 : gardez-en un.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>1 day at %1 a day, %2: %3</source>
        <translation>1 jour à %1 par jour, %2 : %3</translation>
    </message>
    <message>
        <source>%1 days at %2 a day, %3: %4</source>
        <translation>%1 jours à %2 par jour, %3 : %4</translation>
    </message>
    <message>
        <source>%1 %2 at %3, %4: %5</source>
        <translation>%1 %2 à %3, %4 : %5</translation>
    </message>
    <message>
        <source>Meter %1: %2 %3 on %4 to %5 %3 on %6, %7 %3 used</source>
        <translation>Compteur %1 : %2 %3 le %4 à %5 %3 le %6, %7 %3 consommés</translation>
    </message>
</context>
<context>
    <name>MetersDialog</name>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Fitted</source>
        <translation>Posé</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Retiré</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Relevé à</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Relevé</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Consommation</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Compteurs</translation>
    </message>
    <message>
        <source>&amp;Meters:</source>
        <translation>&amp;Compteurs :</translation>
    </message>
    <message>
        <source>R&amp;eadings of the chosen meter:</source>
        <translation>R&amp;elevés du compteur choisi :</translation>
    </message>
    <message>
        <source>&amp;Add Meter...</source>
        <translation>&amp;Ajouter un compteur...</translation>
    </message>
    <message>
        <source>E&amp;dit Meter...</source>
        <translation>Mo&amp;difier le compteur...</translation>
    </message>
    <message>
        <source>S&amp;wap Meter...</source>
        <translation>Rem&amp;placer le compteur...</translation>
    </message>
    <message>
        <source>Add &amp;Reading...</source>
        <translation>Ajouter un &amp;relevé...</translation>
    </message>
    <message>
        <source>C&amp;orrect Reading...</source>
        <translation>C&amp;orriger le relevé...</translation>
    </message>
    <message>
        <source>&amp;Tariffs...</source>
        <translation>&amp;Tarifs...</translation>
    </message>
    <message>
        <source>&amp;Print Walk List...</source>
        <translation>&amp;Imprimer la tournée...</translation>
    </message>
    <message>
        <source>&amp;Import Readings...</source>
        <translation>I&amp;mporter des relevés...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>remis à zéro</translation>
    </message>
    <message>
        <source>over three times usual</source>
        <translation>plus du triple de l&apos;habituel</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>corrigé, était %1</translation>
    </message>
    <message>
        <source>Add Meter</source>
        <translation>Ajouter un compteur</translation>
    </message>
    <message>
        <source>Edit Meter</source>
        <translation>Modifier le compteur</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>N° de &amp;série :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ype :</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unité :</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Chiffres :</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Anneau :</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>&amp;Fitted:</source>
        <translation>&amp;Posé le :</translation>
    </message>
    <message>
        <source>&amp;Removed:</source>
        <translation>&amp;Retiré :</translation>
    </message>
    <message>
        <source>Removed &amp;on:</source>
        <translation>Retiré &amp;le :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>No&amp;tes :</translation>
    </message>
    <message>
        <source>Swap Meter %1</source>
        <translation>Remplacer le compteur %1</translation>
    </message>
    <message>
        <source>&amp;Swapped at:</source>
        <translation>&amp;Remplacé à :</translation>
    </message>
    <message>
        <source>&amp;Closing reading of %1:</source>
        <translation>Relevé &amp;final de %1 :</translation>
    </message>
    <message>
        <source>&amp;New meter&apos;s serial:</source>
        <translation>N° de série du &amp;nouveau compteur :</translation>
    </message>
    <message>
        <source>&amp;Opening reading:</source>
        <translation>Relevé d&apos;&amp;ouverture :</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Relevé de %1</translation>
    </message>
    <message>
        <source>&amp;Read at:</source>
        <translation>&amp;Relevé à :</translation>
    </message>
    <message>
        <source>R&amp;eading (%1):</source>
        <translation>R&amp;elevé (%1) :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>%1 is below the last reading (%2).

Yes: the meter rolled over and started again from zero. No: go back and correct the reading.</source>
        <translation>%1 est inférieur au dernier relevé (%2).

Oui : le compteur est repassé par zéro. Non : revenir corriger le relevé.</translation>
    </message>
    <message>
        <source>The use since the last reading is more than three times the berth&apos;s usual: the reading is kept and marked.</source>
        <translation>La consommation depuis le dernier relevé dépasse le triple de l&apos;habituel pour l&apos;anneau : le relevé est conservé et marqué.</translation>
    </message>
    <message>
        <source>Correct the reading of %1</source>
        <translation>Corriger le relevé de %1</translation>
    </message>
    <message>
        <source>&amp;Reading (%1):</source>
        <translation>&amp;Relevé (%1) :</translation>
    </message>
    <message>
        <source>Rolled &amp;over:</source>
        <translation>Repassé par &amp;zéro :</translation>
    </message>
    <message>
        <source>&amp;Why:</source>
        <translation>&amp;Motif :</translation>
    </message>
    <message>
        <source>Meter Tariffs</source>
        <translation>Tarifs des compteurs</translation>
    </message>
    <message>
        <source>One tariff a line, in force from its date until the next of its kind. Bands: &quot;10 at 0.10; 30 at 0.20&quot;, the first units of a bill at those prices.</source>
        <translation>Un tarif par ligne, en vigueur de sa date jusqu&apos;au suivant du même genre. Tranches : « 10 at 0.10; 30 at 0.20 », les premières unités d&apos;une facture à ces prix.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Per unit</source>
        <translation>Par unité</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Tranches</translation>
    </message>
    <message>
        <source>&amp;Add a Line</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>&amp;Remove the Line</source>
        <translation>&amp;Supprimer la ligne</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>type a price in pounds and pence, as 0.32.</source>
        <translation>saisissez un prix en unités et centimes, comme 0.32.</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Importer des relevés</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 %4: %5%6</source>
        <translation>Ligne %1 : %2 %3 %4 : %5%6</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>No reading in the file can be added:
%1</source>
        <translation>Aucun relevé du fichier ne peut être ajouté :
%1</translation>
    </message>
    <message>
        <source>%1 of %2 readings can be added:
%3

Yes adds those %1 now; No adds nothing.</source>
        <translation>%1 relevés sur %2 peuvent être ajoutés :
%3

Oui ajoute ces %1 maintenant ; Non n&apos;ajoute rien.</translation>
    </message>
</context>
<context>
    <name>NamePicker</name>
    <message>
        <source>Type part of a name</source>
        <translation>Saisissez une partie d&apos;un nom</translation>
    </message>
</context>
<context>
    <name>NoShowDialog</name>
    <message>
        <source>No-shows</source>
        <translation>Non-présentations</translation>
    </message>
    <message>
        <source>These guests were due today and have not been checked in.
Tick those who will not come, then mark them:</source>
        <translation>Ces clients étaient attendus aujourd&apos;hui et ne sont pas arrivés.
Cochez ceux qui ne viendront pas, puis marquez-les :</translation>
    </message>
    <message>
        <source>%1  %2  (booking %3)</source>
        <translation>%1  %2  (réservation %3)</translation>
    </message>
    <message>
        <source>Tick &amp;all</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Rien cocher</translation>
    </message>
    <message>
        <source>&amp;Mark as no-shows</source>
        <translation>&amp;Marquer non présentés</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>OccupancyModel</name>
    <message>
        <source>%1
%2 to %3</source>
        <translation>%1
du %2 au %3</translation>
    </message>
</context>
<context>
    <name>OffersDialog</name>
    <message>
        <source>Berths came free</source>
        <translation>Des anneaux se sont libérés</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Berths that fit</source>
        <translation>Anneaux qui conviennent</translation>
    </message>
    <message>
        <source>A booking was cancelled or changed. These entries on the waiting list can take the berths that came free:</source>
        <translation>Une réservation a été annulée ou modifiée. Ces inscriptions de la liste d&apos;attente peuvent prendre les anneaux libérés :</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>&amp;Réserver...</translation>
    </message>
    <message>
        <source>&amp;E-mail Offer</source>
        <translation>Offre par &amp;e-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The offer was not queued: %1</source>
        <translation>L&apos;offre n&apos;a pas été mise en file d&apos;envoi : %1</translation>
    </message>
    <message>
        <source>Waiting-list offer to %1</source>
        <translation>Offre de la liste d&apos;attente à %1</translation>
    </message>
    <message>
        <source>The offer to %1 is in the outbox and goes out in the background; the entry is marked offered.</source>
        <translation>L&apos;offre à %1 est dans la boîte d&apos;envoi et part en arrière-plan ; l&apos;inscription est marquée comme proposée.</translation>
    </message>
</context>
<context>
    <name>OldReference</name>
    <message>
        <source>Old reference:</source>
        <translation>Ancienne référence :</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>A name or subject holds a line break, which an e-mail header may not: %1</source>
        <translation>Un nom ou un objet contient un saut de ligne, ce qu&apos;un en-tête d&apos;e-mail n&apos;admet pas : %1</translation>
    </message>
    <message>
        <source>The message has no subject.</source>
        <translation>Le message n&apos;a pas d&apos;objet.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En file</translation>
    </message>
    <message>
        <source>The database did not add every message.</source>
        <translation>La base de données n&apos;a pas ajouté tous les messages.</translation>
    </message>
    <message>
        <source>The message is no longer in the outbox.</source>
        <translation>Le message n&apos;est plus dans la boîte d&apos;envoi.</translation>
    </message>
    <message>
        <source>The message has been sent meanwhile.</source>
        <translation>Le message a été envoyé entre-temps.</translation>
    </message>
    <message>
        <source>The message is being sent right now; try again in a moment.</source>
        <translation>Le message est en cours d&apos;envoi ; réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>OwnerDialog</name>
    <message>
        <source>Add Owner</source>
        <translation>Ajouter un propriétaire</translation>
    </message>
    <message>
        <source>Edit Owner</source>
        <translation>Modifier le propriétaire</translation>
    </message>
</context>
<context>
    <name>OwnerListWindow</name>
    <message>
        <source>Owners</source>
        <translation>Propriétaires</translation>
    </message>
    <message>
        <source>&amp;Add Owner</source>
        <translation>&amp;Ajouter un propriétaire</translation>
    </message>
    <message>
        <source>View/&amp;Edit Owner</source>
        <translation>Afficher/&amp;modifier le propriétaire</translation>
    </message>
    <message>
        <source>&amp;Delete Owner</source>
        <translation>&amp;Supprimer le propriétaire</translation>
    </message>
</context>
<context>
    <name>OwnerStore</name>
    <message>
        <source>Deleting this owner will also remove all owners berth. This would affect historic reports. Are you sure you want to delete this owner?</source>
        <translation>La suppression de ce propriétaire supprimera aussi tous ses anneaux, ce qui faussera les rapports historiques. Voulez-vous vraiment supprimer ce propriétaire ?</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>A password needs at least %1 characters.</source>
        <translation>Un mot de passe doit compter au moins %1 caractères.</translation>
    </message>
    <message>
        <source>A password may have at most %1 characters.</source>
        <translation>Un mot de passe peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A PIN is %1 to %2 digits.</source>
        <translation>Un code PIN compte de %1 à %2 chiffres.</translation>
    </message>
    <message>
        <source>The password library could not start.</source>
        <translation>La bibliothèque des mots de passe n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>There is not enough memory to protect the password.</source>
        <translation>La mémoire ne suffit pas pour protéger le mot de passe.</translation>
    </message>
</context>
<context>
    <name>PaymentDialog</name>
    <message>
        <source>Refund</source>
        <translation>Remboursement</translation>
    </message>
    <message>
        <source>Record Payment</source>
        <translation>Enregistrer un paiement</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>T&amp;ype :</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>Mo&amp;de :</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Montant :</translation>
    </message>
    <message>
        <source>&amp;Reference (card slip, transfer):</source>
        <translation>&amp;Référence (ticket de carte, virement) :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>No&amp;te :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Total payable: %1    Paid so far: %2</source>
        <translation>Total à payer : %1    Déjà payé : %2</translation>
    </message>
    <message>
        <source>Type the amount, for example %1.</source>
        <translation>Saisissez le montant, par exemple %1.</translation>
    </message>
    <message>
        <source>The payment could not be saved: %1</source>
        <translation>Le paiement n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>%1 of %2 on booking %3</source>
        <translation>%1 de %2 sur la réservation %3</translation>
    </message>
    <message>
        <source>%1 was issued. It prints from the booking&apos;s summary, under Credit Notes.</source>
        <translation>%1 a été émis. Il s&apos;imprime depuis le récapitulatif de la réservation, sous Avoirs.</translation>
    </message>
    <message>
        <source>No credit note was issued: the refund gives back money paid beyond what invoice %1 still asks after its credit notes.</source>
        <translation>Aucun avoir n&apos;a été émis : le remboursement rend un trop-perçu au-delà de ce que la facture %1 réclame encore après ses avoirs.</translation>
    </message>
</context>
<context>
    <name>PaymentTerms</name>
    <message>
        <source>Deposit %1 due by %2</source>
        <translation>Acompte %1 dû le %2</translation>
    </message>
    <message>
        <source>%1 still owed, all due by %2</source>
        <translation>%1 encore dû, le tout avant le %2</translation>
    </message>
    <message>
        <source>%1 overdue</source>
        <translation>%1 en retard</translation>
    </message>
    <message>
        <source>%1 overdue since %2</source>
        <translation>%1 en retard depuis le %2</translation>
    </message>
    <message>
        <source>%1 due by %2</source>
        <translation>%1 dû le %2</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to %2.</source>
        <translation>Un acompte va de %1 à %2.</translation>
    </message>
    <message>
        <source>A deposit&apos;s percentage runs from 0 to 100 %.</source>
        <translation>Le pourcentage d&apos;un acompte va de 0 à 100 %.</translation>
    </message>
    <message>
        <source>The balance falls due from 0 to %1 days before arrival.</source>
        <translation>Le solde est dû de 0 à %1 jours avant l&apos;arrivée.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s amount, or choose no deposit.</source>
        <translation>Saisissez le montant de l&apos;acompte, ou choisissez Sans acompte.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s percentage, or choose no deposit.</source>
        <translation>Saisissez le pourcentage de l&apos;acompte, ou choisissez Sans acompte.</translation>
    </message>
    <message>
        <source>The deposit and due dates have been changed at another desk since you opened this window. Nothing was saved: press Refresh to see them.</source>
        <translation>L&apos;acompte et les échéances ont été modifiés sur un autre poste depuis l&apos;ouverture de cette fenêtre. Rien n&apos;a été enregistré : appuyez sur Actualiser pour les voir.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>The PDF could not be divided into letters: it is not laid out as expected.</source>
        <translation>Le PDF n&apos;a pas pu être découpé en lettres : sa mise en page n&apos;est pas celle attendue.</translation>
    </message>
    <message>
        <source>Pages %1 to %2 are not in the PDF of %3 pages.</source>
        <translation>Les pages %1 à %2 ne figurent pas dans le PDF de %3 pages.</translation>
    </message>
</context>
<context>
    <name>PeopleFields</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>House Name:</source>
        <translation>Résidence :</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Quartier :</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Post Code:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Mobile Phone:</source>
        <translation>Portable :</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Membership No:</source>
        <translation>N° de membre :</translation>
    </message>
</context>
<context>
    <name>PeopleListModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>PeopleListWindow</name>
    <message>
        <source>The record could not be deleted: %1</source>
        <translation>La fiche n&apos;a pas pu être supprimée : %1</translation>
    </message>
</context>
<context>
    <name>PeopleLists</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Résidence</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Quartier</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Tel No</source>
        <translation>Tél.</translation>
    </message>
    <message>
        <source>Mobile No</source>
        <translation>Portable</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Membre du club</translation>
    </message>
    <message>
        <source>Membership No</source>
        <translation>N° de membre</translation>
    </message>
    <message>
        <source>Boats</source>
        <translation>Bateaux</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
</context>
<context>
    <name>PeopleRecords</name>
    <message>
        <source>There is no record with the ID %1.</source>
        <translation>Il n&apos;y a aucune fiche avec l&apos;ID %1.</translation>
    </message>
    <message>
        <source>It was deleted at another desk while you were editing it. What you typed is still in the boxes; nothing was saved.</source>
        <translation>Elle a été supprimée sur un autre poste pendant votre saisie. Ce que vous avez saisi est toujours dans les champs ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>The record with the ID %1 no longer exists.</source>
        <translation>La fiche avec l&apos;ID %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Club member:</source>
        <translation>Membre du club :</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Document language:</source>
        <translation>Langue des documents :</translation>
    </message>
</context>
<context>
    <name>PeopleWidgets</name>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>&amp;Ask a manager...</source>
        <translation>&amp;Demander à un responsable...</translation>
    </message>
</context>
<context>
    <name>Permissions</name>
    <message>
        <source>An administrator always manages users and permissions, so they can be given back.</source>
        <translation>Un administrateur gère toujours les utilisateurs et les droits, pour qu&apos;ils puissent être rendus.</translation>
    </message>
    <message>
        <source>No role may %1 at present; an administrator can allow it in Users.</source>
        <translation>Aucun rôle ne peut actuellement %1 ; un administrateur peut l&apos;autoriser dans Utilisateurs.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Only %1 may %2.</source>
        <translation>Seul %1 peut %2.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it at another desk. Please sign in again as another user (File, Switch User).</source>
        <translation>Le serveur n&apos;accepte plus votre utilisateur : un administrateur l&apos;a supprimé ou désactivé sur un autre poste. Veuillez vous reconnecter sous un autre utilisateur (Fichier, Changer d&apos;utilisateur).</translation>
    </message>
    <message>
        <source>Nobody has signed in at this desk.</source>
        <translation>Personne ne s&apos;est connecté sur ce poste.</translation>
    </message>
    <message>
        <source>Your user has been removed by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Votre utilisateur a été supprimé par un administrateur : veuillez vous reconnecter sous un autre utilisateur (Fichier, Changer d&apos;utilisateur).</translation>
    </message>
    <message>
        <source>Your user has been deactivated by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Votre utilisateur a été désactivé par un administrateur : veuillez vous reconnecter sous un autre utilisateur (Fichier, Changer d&apos;utilisateur).</translation>
    </message>
    <message>
        <source>The server did not accept the approval: the PIN or password is wrong, or %1 is locked or no longer active.</source>
        <translation>Le serveur n&apos;a pas accepté l&apos;autorisation : le code PIN ou le mot de passe est faux, ou %1 est verrouillé ou n&apos;est plus actif.</translation>
    </message>
    <message>
        <source>The server does not let %1 approve this.</source>
        <translation>Le serveur ne permet pas à %1 d&apos;autoriser ceci.</translation>
    </message>
    <message>
        <source>%1 may not approve this. %2</source>
        <translation>%1 ne peut pas autoriser ceci. %2</translation>
    </message>
</context>
<context>
    <name>PersonDialog</name>
    <message>
        <source>customer</source>
        <translation>client</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>propriétaire</translation>
    </message>
    <message>
        <source>What you typed has not been saved. Close and lose it?</source>
        <translation>Votre saisie n&apos;a pas été enregistrée. Fermer et la perdre ?</translation>
    </message>
</context>
<context>
    <name>Pricing</name>
    <message>
        <source>%1 night</source>
        <translation>%1 nuit</translation>
    </message>
    <message>
        <source>%1 nights</source>
        <translation>%1 nuits</translation>
    </message>
    <message>
        <source>%1 weekend night</source>
        <translation>%1 nuit de week-end</translation>
    </message>
    <message>
        <source>%1 weekend nights</source>
        <translation>%1 nuits de week-end</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 semaine</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semaines</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>A season needs a name.</source>
        <translation>Une saison doit avoir un nom.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; needs its first and last nights.</source>
        <translation>La saison « %1 » doit avoir sa première et sa dernière nuit.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; ends before it starts.</source>
        <translation>La saison « %1 » se termine avant de commencer.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>La saison « %1 » revient chaque année ; elle ne peut donc pas durer plus d&apos;un an.</translation>
    </message>
    <message>
        <source>The priority of the season &quot;%1&quot; must be from 0 to 999.</source>
        <translation>La priorité de la saison « %1 » doit aller de 0 à 999.</translation>
    </message>
    <message>
        <source>A rate must be from %1 to %2.</source>
        <translation>Un tarif doit aller de %1 à %2.</translation>
    </message>
    <message>
        <source>The seasons &quot;%1&quot; and &quot;%2&quot; have the same priority and share the night of %3: give one of them a higher priority.</source>
        <translation>Les saisons « %1 » et « %2 » ont la même priorité et partagent la nuit du %3 : donnez à l&apos;une d&apos;elles une priorité plus haute.</translation>
    </message>
    <message>
        <source>A tax needs a name.</source>
        <translation>Une taxe doit avoir un nom.</translation>
    </message>
    <message>
        <source>A tax rate must be from 0 % to 100 %.</source>
        <translation>Un taux de taxe doit aller de 0 % à 100 %.</translation>
    </message>
    <message>
        <source>A tax rate needs the date it takes effect.</source>
        <translation>Un taux de taxe doit avoir sa date d&apos;entrée en vigueur.</translation>
    </message>
    <message>
        <source>Tax row %1: %2</source>
        <translation>Ligne de taxe %1 : %2</translation>
    </message>
    <message>
        <source>type the rate as a percent with at most two decimals, as 17.5.</source>
        <translation>saisissez le taux en pourcentage avec au plus deux décimales, comme 17.5.</translation>
    </message>
    <message>
        <source>it takes effect on %1, as row %2 does: keep one.</source>
        <translation>il entre en vigueur le %1, comme la ligne %2 : gardez-en un.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Illegal property value</source>
        <translation>Valeur de propriété non autorisée</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>No default printer is installed.</source>
        <translation>Aucune imprimante par défaut n&apos;est installée.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the document.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté le document.</translation>
    </message>
</context>
<context>
    <name>QuickSearch</name>
    <message>
        <source>Booking %1</source>
        <translation>Réservation %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N° %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>(cancelled)</source>
        <translation>(annulée)</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Client : %1</translation>
    </message>
</context>
<context>
    <name>QuickSearchBox</name>
    <message>
        <source>Search (Ctrl+K)</source>
        <translation>Rechercher (Ctrl+K)</translation>
    </message>
    <message>
        <source>Part of a name, a confirmation number, a boat&apos;s name or a berth: finds bookings and customers. Enter opens the booking&apos;s summary or the customer.</source>
        <translation>Partie d&apos;un nom, numéro de confirmation, nom de bateau ou anneau : trouve les réservations et les clients. Entrée ouvre le récapitulatif de la réservation ou le client.</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Aucun résultat</translation>
    </message>
</context>
<context>
    <name>RateStore</name>
    <message>
        <source>A minimum length must be from 0 to 1,000 metres.</source>
        <translation>Une longueur minimale doit aller de 0 à 1 000 mètres.</translation>
    </message>
    <message>
        <source>A rate belongs to a season that is not in the table.</source>
        <translation>Un tarif appartient à une saison absente du tableau.</translation>
    </message>
    <message>
        <source>A rate is either a berth type&apos;s or one berth&apos;s.</source>
        <translation>Un tarif est soit celui d&apos;un type d&apos;anneau, soit celui d&apos;un anneau.</translation>
    </message>
    <message>
        <source>A season has two rates for the same berth or berth type.</source>
        <translation>Une saison a deux tarifs pour le même anneau ou type d&apos;anneau.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1 to %2, priority %3%4</source>
        <translation>du %1 au %2, priorité %3%4</translation>
    </message>
    <message>
        <source>, every year</source>
        <translation>, chaque année</translation>
    </message>
    <message>
        <source>nightly %1</source>
        <translation>par nuit %1</translation>
    </message>
    <message>
        <source>weekend night %1</source>
        <translation>nuit de week-end %1</translation>
    </message>
    <message>
        <source>weekly %1</source>
        <translation>par semaine %1</translation>
    </message>
    <message>
        <source>monthly %1</source>
        <translation>par mois %1</translation>
    </message>
    <message>
        <source>per metre</source>
        <translation>par mètre</translation>
    </message>
    <message>
        <source>Season %1:</source>
        <translation>Saison %1 :</translation>
    </message>
    <message>
        <source>Rate of %1 in %2:</source>
        <translation>Tarif de %1 en %2 :</translation>
    </message>
    <message>
        <source>Least length of %1:</source>
        <translation>Longueur minimale de %1 :</translation>
    </message>
    <message>
        <source>Two tax rates take effect on %1: keep one.</source>
        <translation>Deux taux de taxe entrent en vigueur le %1 : gardez-en un.</translation>
    </message>
    <message>
        <source>Another desk changed the tax rates since this window read them, so nothing was saved. Close the window and open it again to see their changes.</source>
        <translation>Un autre poste a modifié les taux de taxe depuis que cette fenêtre les a lus ; rien n&apos;a donc été enregistré. Fermez la fenêtre et rouvrez-la pour voir ses modifications.</translation>
    </message>
</context>
<context>
    <name>RatesDialog</name>
    <message>
        <source>Rates</source>
        <translation>Tarifs</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Première nuit</translation>
    </message>
    <message>
        <source>Last night</source>
        <translation>Dernière nuit</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Chaque année</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Berth type or berth</source>
        <translation>Type d&apos;anneau ou anneau</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Par mètre</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Par nuit</translation>
    </message>
    <message>
        <source>Weekend night</source>
        <translation>Nuit de week-end</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Par semaine</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Par mois</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Type d&apos;anneau</translation>
    </message>
    <message>
        <source>Minimum length (m)</source>
        <translation>Longueur min. (m)</translation>
    </message>
    <message>
        <source>&amp;Seasons (a night takes the highest priority that covers it; nights outside every season take the berth&apos;s daily charge):</source>
        <translation>&amp;Saisons (une nuit prend la plus haute priorité qui la couvre ; les nuits hors saison prennent le tarif journalier de l&apos;anneau) :</translation>
    </message>
    <message>
        <source>Ra&amp;tes in the chosen season (leave Nightly empty for no rate):</source>
        <translation>&amp;Tarifs de la saison choisie (laissez Par nuit vide pour aucun tarif) :</translation>
    </message>
    <message>
        <source>Per-metre rates count at &amp;least:</source>
        <translation>Les tarifs au mètre comptent au &amp;moins :</translation>
    </message>
    <message>
        <source>&amp;Add Season</source>
        <translation>A&amp;jouter une saison</translation>
    </message>
    <message>
        <source>&amp;Remove Season</source>
        <translation>Supp&amp;rimer la saison</translation>
    </message>
    <message>
        <source>Add &amp;Berth&apos;s Own Rate</source>
        <translation>Ajouter un tarif propre à l&apos;a&amp;nneau</translation>
    </message>
    <message>
        <source>Remove Berth&apos;s O&amp;wn Rate</source>
        <translation>Supprimer le tarif propre à l&apos;ann&amp;eau</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Berth %1</source>
        <translation>Anneau %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>« %1 » n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>Give %1 a nightly rate, or leave its other rates empty.</source>
        <translation>Donnez à %1 un tarif par nuit, ou laissez ses autres tarifs vides.</translation>
    </message>
    <message>
        <source>The priority is a whole number from 0 to 999.</source>
        <translation>La priorité est un nombre entier de 0 à 999.</translation>
    </message>
    <message>
        <source>The minimum length is a number of metres from 0 to 1,000.</source>
        <translation>La longueur minimale est un nombre de mètres de 0 à 1 000.</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Nouvelle saison</translation>
    </message>
    <message>
        <source>The berth register holds weekly or monthly charges for %1 berth(s). Make them those berths&apos; own rates in the new season?</source>
        <translation>Le registre des anneaux contient des tarifs à la semaine ou au mois pour %1 anneau(x). En faire les tarifs propres de ces anneaux dans la nouvelle saison ?</translation>
    </message>
    <message>
        <source>Berth %1 has its own rate in this season already.</source>
        <translation>L&apos;anneau %1 a déjà son propre tarif dans cette saison.</translation>
    </message>
    <message>
        <source>rate table</source>
        <translation>grille tarifaire</translation>
    </message>
    <message>
        <source>Close without saving the changes to the rates?</source>
        <translation>Fermer sans enregistrer les modifications des tarifs ?</translation>
    </message>
</context>
<context>
    <name>ReadErrorLine</name>
    <message>
        <source>The rows could not be read: %1</source>
        <translation>Les lignes n&apos;ont pas pu être lues : %1</translation>
    </message>
</context>
<context>
    <name>RegionalSettingsDialog</name>
    <message>
        <source>Regional Settings</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <source>Configure the system to show your regional settings and preferences</source>
        <translation>Configurez le système selon vos paramètres régionaux et vos préférences</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>Code ZIP</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>jour/mois/année</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>mois/jour/année</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>jour.mois.année</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>année-mois-jour</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Adults and No Kids</source>
        <translation>Nb d&apos;adultes et d&apos;enfants</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>Code postal / code ZIP :</translation>
    </message>
    <message>
        <source>Currency Symbol:</source>
        <translation>Symbole monétaire :</translation>
    </message>
    <message>
        <source>Check-in time:</source>
        <translation>Heure d&apos;arrivée :</translation>
    </message>
    <message>
        <source>Check out time:</source>
        <translation>Heure de départ :</translation>
    </message>
    <message>
        <source>Office closing &amp;time:</source>
        <translation>&amp;Heure de fermeture du bureau :</translation>
    </message>
    <message>
        <source>Boat sizes in:</source>
        <translation>Dimensions des bateaux en :</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Dates :</translation>
    </message>
    <message>
        <source>The language is applied at the next start.</source>
        <translation>La langue s&apos;applique au prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Relances</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Réservation</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Due by</source>
        <translation>Dû le</translation>
    </message>
    <message>
        <source>&amp;Send the ticked reminders</source>
        <translation>&amp;Envoyer les relances cochées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The reminders could not be read: %1</source>
        <translation>Les relances n&apos;ont pas pu être lues : %1</translation>
    </message>
    <message>
        <source>%1 (overdue)</source>
        <translation>%1 (en retard)</translation>
    </message>
    <message>
        <source>(no address)</source>
        <translation>(aucune adresse)</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) due today; untick any that should not go.</source>
        <translation>
            <numerusform>%n relance due aujourd&apos;hui ; décochez celle qui ne doit pas partir.</numerusform>
            <numerusform>%n relances dues aujourd&apos;hui ; décochez celles qui ne doivent pas partir.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bookings chosen owe nothing that has not been reminded already.</source>
        <translation>Les réservations choisies ne doivent rien qui n&apos;ait déjà été relancé.</translation>
    </message>
    <message>
        <source>No reminders are due today.</source>
        <translation>Aucune relance n&apos;est due aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>No reminder was queued: %1</source>
        <translation>Aucune relance n&apos;a été mise en file d&apos;envoi : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s)</source>
        <translation>
            <numerusform>%n relance</numerusform>
            <numerusform>%n relances</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) are in the outbox and go out in the background.</source>
        <translation>
            <numerusform>%n relance est dans la boîte d&apos;envoi et part en arrière-plan.</numerusform>
            <numerusform>%n relances sont dans la boîte d&apos;envoi et partent en arrière-plan.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Removal</name>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Voulez-vous vraiment supprimer cet élément ?</translation>
    </message>
</context>
<context>
    <name>RenewalsDialog</name>
    <message>
        <source>Renew contracts</source>
        <translation>Renouveler les contrats</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lister</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Renouveler</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titulaire</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Anneaux</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Durée actuelle</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Durée suivante</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Renewal price</source>
        <translation>Prix de renouvellement</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Re&amp;new chosen</source>
        <translation>Re&amp;nouveler la sélection</translation>
    </message>
    <message>
        <source>&amp;Send renewal letters</source>
        <translation>&amp;Envoyer les lettres de renouvellement</translation>
    </message>
    <message>
        <source>&amp;Print renewal letters</source>
        <translation>&amp;Imprimer les lettres de renouvellement</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Ending &amp;from:</source>
        <translation>Se terminant &amp;du :</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;au :</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>La période se termine avant de commencer.</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>aucun tarif</translation>
    </message>
    <message>
        <source>No contract in force ends in this period unrenewed.</source>
        <translation>Aucun contrat en vigueur ne se termine sans renouvellement sur cette période.</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) have no rate for next term: type their price.</source>
        <translation>
            <numerusform>%n contrat n&apos;a pas de tarif pour la durée suivante : saisissez son prix.</numerusform>
            <numerusform>%n contrats n&apos;ont pas de tarif pour la durée suivante : saisissez leur prix.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1: type the renewal price as an amount, such as 1200.00.</source>
        <translation>Contrat %1 : saisissez le prix de renouvellement sous forme de montant, par exemple 1200.00.</translation>
    </message>
    <message>
        <source>Tick the contracts to renew first, or Select all.</source>
        <translation>Cochez d&apos;abord les contrats à renouveler, ou Tout sélectionner.</translation>
    </message>
    <message numerus="yes">
        <source>Renew %n contract(s) at %1 before tax in all?

Yes makes each renewal a new contract with its plan and keeps its renewal letter; nothing is renewed if one cannot be.
No goes back to the list.</source>
        <translation>
            <numerusform>Renouveler %n contrat pour %1 HT au total ?

Oui fait de chaque renouvellement un nouveau contrat avec son plan et conserve sa lettre de renouvellement ; rien n&apos;est renouvelé si l&apos;un d&apos;eux ne peut pas l&apos;être.
Non revient à la liste.</numerusform>
            <numerusform>Renouveler %n contrats pour %1 HT au total ?

Oui fait de chaque renouvellement un nouveau contrat avec son plan et conserve sa lettre de renouvellement ; rien n&apos;est renouvelé si l&apos;un d&apos;eux ne peut pas l&apos;être.
Non revient à la liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1 renewed as contract %2, %3</source>
        <translation>Contrat %1 renouvelé en contrat %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Send renewal letters queues their letters by e-mail.</source>
        <translation>
            <numerusform>%n contrat renouvelé. Envoyer les lettres de renouvellement met sa lettre en file d&apos;envoi par e-mail.</numerusform>
            <numerusform>%n contrats renouvelés. Envoyer les lettres de renouvellement met leurs lettres en file d&apos;envoi par e-mail.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Print renewal letters prints their letters.</source>
        <translation>
            <numerusform>%n contrat renouvelé. Imprimer les lettres de renouvellement imprime sa lettre.</numerusform>
            <numerusform>%n contrats renouvelés. Imprimer les lettres de renouvellement imprime leurs lettres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s)</source>
        <translation>
            <numerusform>%n lettre de renouvellement</numerusform>
            <numerusform>%n lettres de renouvellement</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued.</source>
        <translation>
            <numerusform>%n lettre de renouvellement mise en file d&apos;envoi.</numerusform>
            <numerusform>%n lettres de renouvellement mises en file d&apos;envoi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued. These contracts&apos; holders have no e-mail address, so their letters are to be printed: %1.</source>
        <translation>
            <numerusform>%n lettre de renouvellement mise en file d&apos;envoi. Les titulaires de ces contrats n&apos;ont pas d&apos;adresse e-mail ; leurs lettres sont donc à imprimer : %1.</numerusform>
            <numerusform>%n lettres de renouvellement mises en file d&apos;envoi. Les titulaires de ces contrats n&apos;ont pas d&apos;adresse e-mail ; leurs lettres sont donc à imprimer : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract Renewal %1.pdf</source>
        <translation>Renouvellement de contrat %1.pdf</translation>
    </message>
</context>
<context>
    <name>ReportLayouts</name>
    <message>
        <source>Booking added:</source>
        <translation>Réservation ajoutée :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Anneau(x) :</translation>
    </message>
    <message>
        <source>Report of Booking</source>
        <translation>Rapport de réservation</translation>
    </message>
    <message>
        <source>List of all up comming bookings</source>
        <translation>Liste de toutes les réservations à venir</translation>
    </message>
    <message>
        <source>List of today bookings</source>
        <translation>Liste des réservations du jour</translation>
    </message>
    <message>
        <source>List of todays checkouts left to be completed</source>
        <translation>Liste des départs du jour restant à effectuer</translation>
    </message>
    <message>
        <source>Arrivals today</source>
        <translation>Arrivées du jour</translation>
    </message>
    <message>
        <source>Departures today</source>
        <translation>Départs du jour</translation>
    </message>
    <message>
        <source>Period Sales</source>
        <translation>Ventes de la période</translation>
    </message>
    <message>
        <source>List: %p of %P</source>
        <translation>Liste : %p sur %P</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Hire </source>
        <translation>Location </translation>
    </message>
    <message>
        <source>Other </source>
        <translation>Autres </translation>
    </message>
    <message>
        <source>VAT </source>
        <translation>TVA </translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Total </translation>
    </message>
    <message>
        <source>Reservations With Balance Due</source>
        <translation>Réservations avec solde dû</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Reservation:</source>
        <translation>Réservation :</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Autres frais :</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>TVA :</translation>
    </message>
    <message>
        <source>Payable:</source>
        <translation>À payer :</translation>
    </message>
    <message>
        <source>Payed:</source>
        <translation>Payé :</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Paiements dus</translation>
    </message>
    <message>
        <source>Conf. No:</source>
        <translation>N° conf. :</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Arrivée :</translation>
    </message>
    <message>
        <source>Due by:</source>
        <translation>Dû le :</translation>
    </message>
    <message>
        <source>Paid:</source>
        <translation>Payé :</translation>
    </message>
    <message>
        <source>Owed:</source>
        <translation>Dû :</translation>
    </message>
    <message>
        <source>Due now:</source>
        <translation>Dû maintenant :</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>Due within 7 days</source>
        <translation>Dû sous 7 jours</translation>
    </message>
    <message>
        <source>Due later</source>
        <translation>Dû plus tard</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
</context>
<context>
    <name>ReportManager</name>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Report Manager</source>
        <translation>Gestionnaire de rapports</translation>
    </message>
    <message>
        <source>&amp;List of all up comming bookings</source>
        <translation>&amp;Liste de toutes les réservations à venir</translation>
    </message>
    <message>
        <source>List of bookings &amp;taken today</source>
        <translation>Liste des réservations &amp;prises aujourd&apos;hui</translation>
    </message>
    <message>
        <source>List of todays &amp;checkouts left to be completed</source>
        <translation>Liste des &amp;départs du jour restant à effectuer</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Arrivées du jour</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>Dépa&amp;rts du jour</translation>
    </message>
    <message>
        <source>Outstanding &amp;Balance A/Cs</source>
        <translation>Comptes avec &amp;solde dû</translation>
    </message>
    <message>
        <source>&amp;Payments due</source>
        <translation>Paiemen&amp;ts dus</translation>
    </message>
    <message>
        <source>Send reminders for pa&amp;yments due...</source>
        <translation>Envoyer des relances pour les paiements d&amp;us...</translation>
    </message>
    <message>
        <source>Period sales summa&amp;ry</source>
        <translation>Récapitulatif des &amp;ventes de la période</translation>
    </message>
    <message>
        <source>Takings</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Cash-&amp;up...</source>
        <translation>&amp;Clôture de caisse...</translation>
    </message>
    <message>
        <source>E&amp;xport cash-up (CSV)...</source>
        <translation>E&amp;xporter la clôture de caisse (CSV)...</translation>
    </message>
    <message>
        <source>Export payme&amp;nts (CSV)...</source>
        <translation>Exporter les paieme&amp;nts (CSV)...</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Taux d&apos;occupation</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Chiffre d&apos;affaires par mois</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Durée de séjour et délai de réservation</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>Les anneaux les plus occupés</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Consommation des compteurs par mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Show fi&amp;gure</source>
        <translation>Afficher le &amp;graphique</translation>
    </message>
    <message>
        <source>F&amp;igure:</source>
        <translation>Chi&amp;ffre :</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>Dé&amp;but :</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>F&amp;in :</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>Regroupe&amp;ment :</translation>
    </message>
    <message>
        <source>** If you have the need for a specific report, please contact our support team and we will endevour to create the report that you are looking for **</source>
        <translation>** Si vous avez besoin d&apos;un rapport particulier, contactez notre assistance : nous nous efforcerons de créer le rapport que vous recherchez **</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Ferm&amp;er</translation>
    </message>
    <message>
        <source>&amp;View meter lists...</source>
        <translation>Listes de c&amp;ompteurs...</translation>
    </message>
    <message>
        <source>The list could not be read: %1</source>
        <translation>La liste n&apos;a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>Nothing to print!</source>
        <translation>Rien à imprimer !</translation>
    </message>
    <message>
        <source>No booking has money owing.</source>
        <translation>Aucune réservation n&apos;a de montant dû.</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Paiements dus</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>La période se termine avant de commencer.</translation>
    </message>
    <message>
        <source>The cash-up could not be read: %1</source>
        <translation>La clôture de caisse n&apos;a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>Export Cash-up</source>
        <translation>Exporter la clôture de caisse</translation>
    </message>
    <message>
        <source>The figures could not be read: %1</source>
        <translation>Les chiffres n&apos;ont pas pu être lus : %1</translation>
    </message>
</context>
<context>
    <name>RequestActions</name>
    <message>
        <source>length %1</source>
        <translation>longueur %1</translation>
    </message>
    <message>
        <source>beam %1</source>
        <translation>largeur %1</translation>
    </message>
    <message>
        <source>draft %1</source>
        <translation>tirant d&apos;eau %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>No free berth fits a boat of %1 %2.</source>
        <translation>Aucun anneau libre ne convient à un bateau de %1 %2.</translation>
    </message>
    <message>
        <source>No berth is free %1.</source>
        <translation>Aucun anneau n&apos;est libre %1.</translation>
    </message>
    <message>
        <source>From the booking request received %1.</source>
        <translation>D&apos;après la demande de réservation reçue le %1.</translation>
    </message>
    <message>
        <source>Boat of %1</source>
        <translation>Bateau de %1</translation>
    </message>
    <message>
        <source>The request has no e-mail address to answer: %1</source>
        <translation>La demande n&apos;a pas d&apos;adresse e-mail pour répondre : %1</translation>
    </message>
    <message>
        <source>Another desk booked one of these berths meanwhile. Nothing was saved: choose again.</source>
        <translation>Un autre poste a réservé entre-temps l&apos;un de ces anneaux. Rien n&apos;a été enregistré : choisissez à nouveau.</translation>
    </message>
</context>
<context>
    <name>RequestMailboxPanel</name>
    <message>
        <source>empty: no requests are read</source>
        <translation>vide : aucune demande n&apos;est lue</translation>
    </message>
    <message>
        <source>None (inside the office only)</source>
        <translation>Aucune (dans le bureau seulement)</translation>
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
        <translation>Accepter le &amp;certificat du serveur sans contrôle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Mail ser&amp;ver:</source>
        <translation>Ser&amp;veur e-mail :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>Securit&amp;y:</source>
        <translation>&amp;Sécurité :</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Doss&amp;ier :</translation>
    </message>
    <message>
        <source>Read every (&amp;minutes):</source>
        <translation>Relever toutes les (mi&amp;nutes) :</translation>
    </message>
    <message>
        <source>A hold las&amp;ts (hours):</source>
        <translation>Durée d&apos;une option (&amp;heures) :</translation>
    </message>
    <message>
        <source>The mailbox settings were not saved.
%1</source>
        <translation>Les paramètres de la boîte aux lettres n&apos;ont pas été enregistrés.
%1</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Demandes</translation>
    </message>
</context>
<context>
    <name>RequestMessage</name>
    <message>
        <source>This message is not a booking request from the web page.</source>
        <translation>Ce message n&apos;est pas une demande de réservation de la page web.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>Le départ ne suit pas l&apos;arrivée.</translation>
    </message>
    <message>
        <source>The dates cannot be read as days, months and years: enter them from the message.</source>
        <translation>Les dates ne se lisent pas en jours, mois et années : saisissez-les d&apos;après le message.</translation>
    </message>
    <message>
        <source>The dates are written in another style: enter them from the message.</source>
        <translation>Les dates sont écrites dans un autre format : saisissez-les d&apos;après le message.</translation>
    </message>
    <message>
        <source>The request gives no dates.</source>
        <translation>La demande n&apos;indique pas de dates.</translation>
    </message>
    <message>
        <source>The request gives no name.</source>
        <translation>La demande n&apos;indique pas de nom.</translation>
    </message>
    <message>
        <source>The request gives no e-mail address.</source>
        <translation>La demande n&apos;indique pas d&apos;adresse e-mail.</translation>
    </message>
    <message>
        <source>The e-mail address &quot;%1&quot; cannot be written to.</source>
        <translation>Impossible d&apos;écrire à l&apos;adresse e-mail « %1 ».</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot;</source>
        <translation>la longueur « %1 »</translation>
    </message>
    <message>
        <source>the beam &quot;%1&quot;</source>
        <translation>la largeur « %1 »</translation>
    </message>
    <message>
        <source>the draft &quot;%1&quot;</source>
        <translation>le tirant d&apos;eau « %1 »</translation>
    </message>
    <message>
        <source>The boat&apos;s size cannot be read (%1).</source>
        <translation>Les dimensions du bateau sont illisibles (%1).</translation>
    </message>
    <message>
        <source>The message is %1 KB, too large to read here: read it in the mailbox.</source>
        <translation>Le message fait %1 Ko, trop pour être lu ici : lisez-le dans la messagerie.</translation>
    </message>
</context>
<context>
    <name>RequestSettings</name>
    <message>
        <source>The mailbox is read every 1 to %1 minutes.</source>
        <translation>La boîte aux lettres est relevée toutes les 1 à %1 minutes.</translation>
    </message>
    <message>
        <source>A hold lasts 1 to %1 hours.</source>
        <translation>Une option dure de 1 à %1 heures.</translation>
    </message>
    <message>
        <source>The user name must be one line of at most 200 characters.</source>
        <translation>Le nom d&apos;utilisateur doit tenir sur une ligne de 200 caractères au plus.</translation>
    </message>
</context>
<context>
    <name>RequestStore</name>
    <message>
        <source>%1 declined this request at %2.</source>
        <translation>%1 a refusé cette demande le %2.</translation>
    </message>
    <message>
        <source>This request was booked by %1 at %2 (booking %3).</source>
        <translation>Cette demande a été réservée par %1 le %2 (réservation %3).</translation>
    </message>
    <message>
        <source>%1 accepted this request at %2 and is booking it.</source>
        <translation>%1 a accepté cette demande le %2 et la réserve.</translation>
    </message>
    <message>
        <source>The request changed meanwhile: look at it again.</source>
        <translation>La demande a changé entre-temps : consultez-la de nouveau.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>To check</source>
        <translation>À vérifier</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Réservée</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>En option</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Acceptée</translation>
    </message>
    <message>
        <source>Declined</source>
        <translation>Refusée</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Expirée</translation>
    </message>
    <message>
        <source>The request is no longer there.</source>
        <translation>La demande n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The request has no dates to hold a berth for: book it through the wizard instead.</source>
        <translation>La demande n&apos;a pas de dates pour lesquelles retenir un anneau : réservez-la plutôt avec l&apos;assistant.</translation>
    </message>
    <message>
        <source>The request holds %1 already.</source>
        <translation>La demande retient déjà %1.</translation>
    </message>
    <message>
        <source>A hold must end after now.</source>
        <translation>Une option doit se terminer dans le futur.</translation>
    </message>
    <message>
        <source>Held for %1 until %2</source>
        <translation>Retenu pour %1 jusqu&apos;au %2</translation>
    </message>
    <message>
        <source>Request from %1 (%2)</source>
        <translation>Demande de %1 (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
</context>
<context>
    <name>RequestsWindow</name>
    <message>
        <source>Received</source>
        <translation>Reçue</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Show answ&amp;ered requests too</source>
        <translation>Afficher aussi les demandes &amp;traitées</translation>
    </message>
    <message>
        <source>&amp;Accept...</source>
        <translation>&amp;Accepter...</translation>
    </message>
    <message>
        <source>&amp;Hold...</source>
        <translation>&amp;Option...</translation>
    </message>
    <message>
        <source>&amp;Decline...</source>
        <translation>&amp;Refuser...</translation>
    </message>
    <message>
        <source>&amp;Read now</source>
        <translation>&amp;Lire maintenant</translation>
    </message>
    <message>
        <source>Re&amp;quests</source>
        <translation>&amp;Demandes</translation>
    </message>
    <message>
        <source>Mai&amp;lbox</source>
        <translation>&amp;Boîte mail</translation>
    </message>
    <message>
        <source>Booking Requests</source>
        <translation>Demandes de réservation</translation>
    </message>
    <message>
        <source>The requests could not be read: %1</source>
        <translation>Les demandes n&apos;ont pas pu être lues : %1</translation>
    </message>
    <message>
        <source>To check: %1</source>
        <translation>À vérifier : %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Téléphone : %1</translation>
    </message>
    <message>
        <source>Dates: %1 to %2</source>
        <translation>Dates : du %1 au %2</translation>
    </message>
    <message>
        <source>Boat (length × beam × draft): %1</source>
        <translation>Bateau (longueur × largeur × tirant d&apos;eau) : %1</translation>
    </message>
    <message>
        <source>Berth type: %1</source>
        <translation>Type d&apos;anneau : %1</translation>
    </message>
    <message>
        <source>Comments: %1</source>
        <translation>Commentaires : %1</translation>
    </message>
    <message>
        <source>Holds %1 until %2</source>
        <translation>Retient %1 jusqu&apos;au %2</translation>
    </message>
    <message>
        <source>%1 by %2 at %3</source>
        <translation>%1 par %2 le %3</translation>
    </message>
    <message>
        <source>The message:</source>
        <translation>Le message :</translation>
    </message>
    <message>
        <source>%1
Open the booking wizard all the same?</source>
        <translation>%1
Ouvrir quand même l&apos;assistant de réservation ?</translation>
    </message>
    <message>
        <source>Accepted by %1: %2</source>
        <translation>Acceptée par %1 : %2</translation>
    </message>
    <message>
        <source>No free berth fits this request over its dates: there is nothing to hold.</source>
        <translation>Aucun anneau libre ne convient à cette demande à ses dates : il n&apos;y a rien à retenir.</translation>
    </message>
    <message>
        <source>Hold which berth for %1 hours?</source>
        <translation>Quel anneau retenir pendant %1 heures ?</translation>
    </message>
    <message>
        <source>%1 held for %2 hours: %3</source>
        <translation>%1 retenu pendant %2 heures : %3</translation>
    </message>
    <message>
        <source>Decline the request</source>
        <translation>Refuser la demande</translation>
    </message>
    <message>
        <source>&amp;Decline and send the reply</source>
        <translation>&amp;Refuser et envoyer la réponse</translation>
    </message>
    <message>
        <source>&amp;Keep the request</source>
        <translation>&amp;Garder la demande</translation>
    </message>
    <message>
        <source>To %1 &lt;%2&gt;</source>
        <translation>À %1 &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Declined by %1: %2</source>
        <translation>Refusée par %1 : %2</translation>
    </message>
</context>
<context>
    <name>RestoreScript</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>a table %1</source>
        <translation>une table %1</translation>
    </message>
    <message>
        <source>the rows of a table %1</source>
        <translation>les lignes d&apos;une table %1</translation>
    </message>
    <message>
        <source>a function %1</source>
        <translation>une fonction %1</translation>
    </message>
    <message>
        <source>a procedure %1</source>
        <translation>une procédure %1</translation>
    </message>
    <message>
        <source>a trigger %1</source>
        <translation>un déclencheur %1</translation>
    </message>
    <message>
        <source>an index %1</source>
        <translation>un index %1</translation>
    </message>
    <message>
        <source>a view %1</source>
        <translation>une vue %1</translation>
    </message>
    <message>
        <source>a rule %1</source>
        <translation>une règle %1</translation>
    </message>
    <message>
        <source>a policy %1</source>
        <translation>une politique %1</translation>
    </message>
    <message>
        <source>a sequence %1</source>
        <translation>une séquence %1</translation>
    </message>
    <message>
        <source>a column default %1</source>
        <translation>une valeur par défaut de colonne %1</translation>
    </message>
    <message>
        <source>a constraint %1</source>
        <translation>une contrainte %1</translation>
    </message>
    <message>
        <source>a %1 %2</source>
        <translation>un(e) %1 %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>a statement &quot;%1&quot;</source>
        <translation>une instruction « %1 »</translation>
    </message>
    <message>
        <source>it holds %1 that is not part of a harbour database.</source>
        <translation>elle contient %1 qui ne fait pas partie d&apos;une base de données de port.</translation>
    </message>
    <message>
        <source>it holds %1 that are not part of a harbour database.</source>
        <translation>elle contient %1 qui ne font pas partie d&apos;une base de données de port.</translation>
    </message>
    <message>
        <source>it holds %1 with a definition that is not ours.</source>
        <translation>elle contient %1 dont la définition n&apos;est pas la nôtre.</translation>
    </message>
    <message>
        <source>it holds %1 with definitions that are not ours.</source>
        <translation>elle contient %1 dont les définitions ne sont pas les nôtres.</translation>
    </message>
    <message>
        <source>it lacks %1 of a harbour database.</source>
        <translation>il lui manque %1 d&apos;une base de données de port.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Refunds and corrections</source>
        <translation>Remboursements et corrections</translation>
    </message>
    <message>
        <source>give refunds or corrections</source>
        <translation>faire des remboursements ou des corrections</translation>
    </message>
    <message>
        <source>Prices typed over the rates</source>
        <translation>Prix saisis par-dessus les tarifs</translation>
    </message>
    <message>
        <source>type a price over the rates or keep it after a change</source>
        <translation>saisir un prix par-dessus les tarifs ou le garder après une modification</translation>
    </message>
    <message>
        <source>Cancelling a paid booking</source>
        <translation>Annulation d&apos;une réservation payée</translation>
    </message>
    <message>
        <source>cancel a paid booking</source>
        <translation>annuler une réservation payée</translation>
    </message>
    <message>
        <source>Deleting customers, berths and owners</source>
        <translation>Suppression de clients, d&apos;anneaux et de propriétaires</translation>
    </message>
    <message>
        <source>delete customers, berths or owners</source>
        <translation>supprimer des clients, des anneaux ou des propriétaires</translation>
    </message>
    <message>
        <source>Rates and taxes</source>
        <translation>Tarifs et taxes</translation>
    </message>
    <message>
        <source>change rates and taxes</source>
        <translation>modifier les tarifs et les taxes</translation>
    </message>
    <message>
        <source>Company details</source>
        <translation>Informations sur l&apos;entreprise</translation>
    </message>
    <message>
        <source>change the company&apos;s details</source>
        <translation>modifier les informations sur l&apos;entreprise</translation>
    </message>
    <message>
        <source>Restoring and compacting the database</source>
        <translation>Restauration et compactage de la base de données</translation>
    </message>
    <message>
        <source>restore or compact the database</source>
        <translation>restaurer ou compacter la base de données</translation>
    </message>
    <message>
        <source>Exports of personal data</source>
        <translation>Exports de données personnelles</translation>
    </message>
    <message>
        <source>export personal data</source>
        <translation>exporter des données personnelles</translation>
    </message>
    <message>
        <source>Users and permissions</source>
        <translation>Utilisateurs et droits</translation>
    </message>
    <message>
        <source>manage users and permissions</source>
        <translation>gérer les utilisateurs et les droits</translation>
    </message>
    <message>
        <source>Clerk</source>
        <translation>Employé</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrateur</translation>
    </message>
    <message>
        <source>a clerk</source>
        <translation>un employé</translation>
    </message>
    <message>
        <source>a manager</source>
        <translation>un responsable</translation>
    </message>
    <message>
        <source>an administrator</source>
        <translation>un administrateur</translation>
    </message>
</context>
<context>
    <name>SafeFiles</name>
    <message>
        <source>Cannot rename %1 to %2.</source>
        <translation>Impossible de renommer %1 en %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot link %1 to %2.</source>
        <translation>Impossible de lier %1 à %2.</translation>
    </message>
</context>
<context>
    <name>SendEmail</name>
    <message>
        <source>No e-mail program could be started for this address.</source>
        <translation>Aucun logiciel de messagerie n&apos;a pu être lancé pour cette adresse.</translation>
    </message>
</context>
<context>
    <name>ServerArchive</name>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 n&apos;a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>%1 did not finish: %2</source>
        <translation>%1 ne s&apos;est pas terminé : %2</translation>
    </message>
    <message>
        <source>%1 is not installed (Debian: postgresql-client).</source>
        <translation>%1 n&apos;est pas installé (Debian : postgresql-client).</translation>
    </message>
    <message>
        <source>pg_dump is not installed (Debian: postgresql-client).</source>
        <translation>pg_dump n&apos;est pas installé (Debian : postgresql-client).</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>pg_restore is not installed (Debian: postgresql-client).</source>
        <translation>pg_restore n&apos;est pas installé (Debian : postgresql-client).</translation>
    </message>
    <message>
        <source>it is the backup of a database file, and this desk works on a server; it restores at a desk that works on a file.</source>
        <translation>c&apos;est la sauvegarde d&apos;un fichier de base de données, et ce poste travaille sur un serveur ; elle se restaure sur un poste qui travaille sur un fichier.</translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>ce n&apos;est pas une archive de sauvegarde de Zem Harbour.</translation>
    </message>
    <message>
        <source>it holds no table %1: it is not a backup of a harbour database.</source>
        <translation>elle ne contient aucune table %1 : ce n&apos;est pas la sauvegarde d&apos;une base de données de port.</translation>
    </message>
    <message>
        <source>it holds schema version %1; this program understands 1 to %2.</source>
        <translation>elle contient la version de schéma %1 ; ce programme comprend les versions 1 à %2.</translation>
    </message>
    <message>
        <source>Only the database&apos;s owner, the office&apos;s role, may restore or compact it on a server, and this desk&apos;s address signs in as %1. Please do it at a desk whose address (and password file) name the office&apos;s role.</source>
        <translation>Seul le propriétaire de la base, le rôle du bureau, peut la restaurer ou la compacter sur un serveur, et l&apos;adresse de ce poste se connecte en tant que %1. Faites-le sur un poste dont l&apos;adresse (et le fichier de mots de passe) désignent le rôle du bureau.</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>the login was removed or deactivated, or its password changed, at another desk (%1)</source>
        <translation>la connexion a été supprimée ou désactivée, ou son mot de passe changé, sur un autre poste (%1)</translation>
    </message>
    <message>
        <source>the server cannot be reached (%1)</source>
        <translation>le serveur est injoignable (%1)</translation>
    </message>
    <message>
        <source>The server did not let %1 in, so this desk stays connected as before: %2</source>
        <translation>Le serveur n&apos;a pas accepté %1 ; ce poste reste donc connecté comme avant : %2</translation>
    </message>
    <message>
        <source>The server did not let your user do this: your role may not (a manager may approve it at this desk), or an administrator has changed or removed your user at another desk. Nothing was changed.</source>
        <translation>Le serveur n&apos;a pas autorisé votre utilisateur à le faire : votre rôle ne le permet pas (un responsable peut l&apos;approuver à ce poste), ou un administrateur a modifié ou supprimé votre utilisateur sur un autre poste. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it, or given it a new password, at another desk. Please sign in again (File, Switch User).</source>
        <translation>Le serveur n&apos;accepte plus votre utilisateur : un administrateur l&apos;a supprimé, désactivé ou lui a donné un nouveau mot de passe sur un autre poste. Veuillez vous reconnecter (Fichier, Changer d&apos;utilisateur).</translation>
    </message>
    <message>
        <source>The server said: %1</source>
        <translation>Le serveur a répondu : %1</translation>
    </message>
</context>
<context>
    <name>ServerRoles</name>
    <message>
        <source>Logins are kept by a database server; a file has none.</source>
        <translation>Les connexions sont gérées par un serveur de base de données ; un fichier n&apos;en a pas.</translation>
    </message>
    <message>
        <source>A login is 1 to 63 lower-case letters, digits and _, starting with a letter, and not one the server or the program keeps for itself.</source>
        <translation>Une connexion compte de 1 à 63 minuscules, chiffres et _, commence par une lettre et n&apos;est pas un nom que le serveur ou le programme se réserve.</translation>
    </message>
    <message>
        <source>A login needs a password.</source>
        <translation>Une connexion doit avoir un mot de passe.</translation>
    </message>
    <message>
        <source>A password is at most %1 characters.</source>
        <translation>Un mot de passe compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>%1 is not a login of Zem Harbour&apos;s roles.</source>
        <translation>%1 n&apos;est pas une connexion des rôles de Zem Harbour.</translation>
    </message>
    <message>
        <source>The login %1 exists already.</source>
        <translation>La connexion %1 existe déjà.</translation>
    </message>
    <message>
        <source>This server has no sign-in role: the office&apos;s role could not make roles when the database was made.</source>
        <translation>Ce serveur n&apos;a pas de rôle de connexion : le rôle du bureau n&apos;a pas pu créer de rôles lors de la création de la base.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Please sign in with your sign-in name and password.</source>
        <translation>Veuillez vous connecter avec votre identifiant et votre mot de passe.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Changer d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Type the sign-in name and password of the user who takes over this desk.</source>
        <translation>Saisissez l&apos;identifiant et le mot de passe de l&apos;utilisateur qui prend ce poste.</translation>
    </message>
    <message>
        <source>Type the sign-in name and PIN of the user who takes over this desk.</source>
        <translation>Saisissez l&apos;identifiant et le code PIN de l&apos;utilisateur qui prend ce poste.</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>Code &amp;PIN :</translation>
    </message>
    <message>
        <source>Ask a Manager</source>
        <translation>Demander à un responsable</translation>
    </message>
    <message>
        <source>A manager or an administrator approves this once: to %1.
Type your sign-in name and PIN or password.</source>
        <translation>Un responsable ou un administrateur autorise ceci une fois : %1.
Saisissez votre identifiant et votre code PIN ou mot de passe.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>Code &amp;PIN ou mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>&amp;Identifiant :</translation>
    </message>
    <message>
        <source>(not a user&apos;s sign-in name)</source>
        <translation>(pas l&apos;identifiant d&apos;un utilisateur)</translation>
    </message>
    <message>
        <source>%1 approved for %2: %3</source>
        <translation>%1 a autorisé pour %2 : %3</translation>
    </message>
</context>
<context>
    <name>SmtpSender</name>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information.</source>
        <translation>Aucun serveur e-mail n&apos;est configuré : saisissez-le dans Informations sur l&apos;entreprise.</translation>
    </message>
    <message>
        <source>%1 is not a server name.</source>
        <translation>%1 n&apos;est pas un nom de serveur.</translation>
    </message>
    <message>
        <source>The mail server&apos;s port must be from 1 to 65535.</source>
        <translation>Le port du serveur e-mail doit aller de 1 à 65535.</translation>
    </message>
    <message>
        <source>The mail library could not start.</source>
        <translation>La bibliothèque de messagerie n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>Le serveur e-mail %1 est introuvable.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>Le serveur e-mail %1 n&apos;a pas répondu sur le port %2.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>Le serveur e-mail a refusé le nom d&apos;utilisateur ou le mot de passe : %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>Le serveur e-mail ne propose pas de connexion sécurisée (STARTTLS) : %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Harbour, marina and campsite reservations</source>
        <translation>Réservations de ports et de campings</translation>
    </message>
    <message>
        <source>Version:  1.0.1</source>
        <translation>Version :  1.0.1</translation>
    </message>
</context>
<context>
    <name>Sql</name>
    <message>
        <source>The database has been restored or compacted at another desk since this desk opened it. Nothing was read or saved from the old copy: the program works on the new one from your next action. Enter again what you were saving.</source>
        <translation>La base de données a été restaurée ou compactée sur un autre poste depuis que ce poste l&apos;a ouverte. Rien n&apos;a été lu ni enregistré dans l&apos;ancienne copie : le programme travaille sur la nouvelle dès votre prochaine action. Saisissez de nouveau ce que vous enregistriez.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost. What you were saving may not have been saved: look it up before you enter it again. The program connects again with your next action.</source>
        <translation>La connexion au serveur de base de données a été perdue. Ce que vous enregistriez ne l&apos;a peut-être pas été : vérifiez avant de le saisir de nouveau. Le programme se reconnecte à votre prochaine action.</translation>
    </message>
    <message>
        <source>The statement returned no row.</source>
        <translation>L&apos;instruction n&apos;a renvoyé aucune ligne.</translation>
    </message>
    <message>
        <source>The database gave the new record no ID.</source>
        <translation>La base de données n&apos;a donné aucun ID au nouvel enregistrement.</translation>
    </message>
    <message>
        <source>No transaction is open.</source>
        <translation>Aucune transaction n&apos;est ouverte.</translation>
    </message>
</context>
<context>
    <name>StaffStore</name>
    <message>
        <source>This user has been removed at another desk.</source>
        <translation>Cet utilisateur a été supprimé sur un autre poste.</translation>
    </message>
    <message>
        <source>%1 is the last active administrator: someone must be able to manage the users, so this user cannot be removed, deactivated or given another role.</source>
        <translation>%1 est le dernier administrateur actif : quelqu&apos;un doit pouvoir gérer les utilisateurs ; cet utilisateur ne peut donc être ni supprimé, ni désactivé, ni changer de rôle.</translation>
    </message>
    <message>
        <source>The sign-in name &quot;%1&quot; is already in use.</source>
        <translation>L&apos;identifiant « %1 » est déjà utilisé.</translation>
    </message>
    <message>
        <source>The sign-in name or the password is wrong.</source>
        <translation>L&apos;identifiant ou le mot de passe est faux.</translation>
    </message>
    <message>
        <source>The sign-in name or the PIN is wrong.</source>
        <translation>L&apos;identifiant ou le code PIN est faux.</translation>
    </message>
    <message>
        <source>The sign-in name, or the PIN or password, is wrong.</source>
        <translation>L&apos;identifiant, ou le code PIN ou mot de passe, est faux.</translation>
    </message>
    <message>
        <source>%1 is locked after %2 wrong tries in a row; try again after %3.</source>
        <translation>%1 est verrouillé après %2 essais erronés de suite ; réessayez après %3.</translation>
    </message>
    <message>
        <source>%1 is no longer an active user; an administrator can make the user active again.</source>
        <translation>%1 n&apos;est plus un utilisateur actif ; un administrateur peut le réactiver.</translation>
    </message>
    <message>
        <source>This user has been removed by an administrator.</source>
        <translation>Cet utilisateur a été supprimé par un administrateur.</translation>
    </message>
    <message>
        <source>Please type the user&apos;s name.</source>
        <translation>Veuillez saisir le nom de l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Please type a sign-in name.</source>
        <translation>Veuillez saisir un identifiant.</translation>
    </message>
    <message>
        <source>A name or sign-in name may have at most %1 characters.</source>
        <translation>Un nom ou un identifiant compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>That is longer than any password may be.</source>
        <translation>C&apos;est plus long que ne peut l&apos;être un mot de passe.</translation>
    </message>
    <message>
        <source>Please type your PIN or password.</source>
        <translation>Veuillez saisir votre code PIN ou votre mot de passe.</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>DB Connection Error</source>
        <translation>Erreur de connexion à la base</translation>
    </message>
    <message>
        <source>Database opened read-only: changes cannot be saved.

%1</source>
        <translation>Base de données ouverte en lecture seule : les modifications ne peuvent pas être enregistrées.

%1</translation>
    </message>
</context>
<context>
    <name>StayMeters</name>
    <message>
        <source>Meter %1 of berth %2 has not been read.</source>
        <translation>Le compteur %1 de l&apos;anneau %2 n&apos;a pas été relevé.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La réservation n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The booking&apos;s total would pass %1.</source>
        <translation>Le total de la réservation dépasserait %1.</translation>
    </message>
</context>
<context>
    <name>StayReadingsDialog</name>
    <message>
        <source>Meter readings</source>
        <translation>Relevés de compteurs</translation>
    </message>
    <message>
        <source>Berth and meter</source>
        <translation>Anneau et compteur</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Dernier relevé</translation>
    </message>
    <message>
        <source>Reading now</source>
        <translation>Relevé actuel</translation>
    </message>
    <message>
        <source>%1  %2 %3 (%4)</source>
        <translation>%1  %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3).

Yes: the meter rolled over past %4 and started again from zero. No: the reading was mistyped, go back to correct it.</source>
        <translation>%1 est inférieur au dernier relevé du compteur %2 (%3).

Oui : le compteur a dépassé %4 et est repassé par zéro. Non : le relevé a été mal saisi, revenir le corriger.</translation>
    </message>
</context>
<context>
    <name>StepWizard</name>
    <message>
        <source>Welcome to the %1</source>
        <translation>Bienvenue dans l&apos;%1</translation>
    </message>
    <message>
        <source>To contionue, click Next.</source>
        <translation>Pour continuer, cliquez sur Suivant.</translation>
    </message>
    <message>
        <source>Display this welcome screen at startup</source>
        <translation>Afficher cet écran d&apos;accueil au démarrage</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
</context>
<context>
    <name>TermPricing</name>
    <message>
        <source>A term needs a name.</source>
        <translation>Une durée doit avoir un nom.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; needs its first and last days.</source>
        <translation>La durée « %1 » doit avoir un premier et un dernier jour.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; ends before it starts.</source>
        <translation>La durée « %1 » se termine avant de commencer.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>La durée « %1 » revient chaque année, elle ne peut donc pas dépasser un an.</translation>
    </message>
    <message>
        <source>A term&apos;s price is for a berth type or for one berth.</source>
        <translation>Le prix d&apos;une durée vaut pour un type d&apos;anneau ou pour un anneau.</translation>
    </message>
    <message>
        <source>A term&apos;s price must be from %1 to %2.</source>
        <translation>Le prix d&apos;une durée doit aller de %1 à %2.</translation>
    </message>
    <message>
        <source>A term&apos;s price needs the date it takes effect.</source>
        <translation>Le prix d&apos;une durée doit avoir une date d&apos;effet.</translation>
    </message>
</context>
<context>
    <name>TermRates</name>
    <message>
        <source>A price names a term that is not in the list.</source>
        <translation>Un prix désigne une durée absente de la liste.</translation>
    </message>
    <message>
        <source>Another desk changed the terms meanwhile: close the list and open it again.</source>
        <translation>Un autre poste a modifié les durées entre-temps : fermez la liste et rouvrez-la.</translation>
    </message>
</context>
<context>
    <name>TermsDialog</name>
    <message>
        <source>Terms and prices</source>
        <translation>Durées et prix</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Chaque année</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Type d&apos;anneau</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>T&amp;erms:</source>
        <translation>Du&amp;rées :</translation>
    </message>
    <message>
        <source>&amp;Prices:</source>
        <translation>&amp;Prix :</translation>
    </message>
    <message>
        <source>&amp;Add term</source>
        <translation>A&amp;jouter une durée</translation>
    </message>
    <message>
        <source>&amp;Remove term</source>
        <translation>&amp;Supprimer la durée</translation>
    </message>
    <message>
        <source>A&amp;dd price</source>
        <translation>Ajouter un pri&amp;x</translation>
    </message>
    <message>
        <source>Re&amp;move price</source>
        <translation>Supprimer le pr&amp;ix</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Per berth</source>
        <translation>Par anneau</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Par mètre</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>type the name of a term in the list above.</source>
        <translation>saisissez le nom d&apos;une durée de la liste ci-dessus.</translation>
    </message>
    <message>
        <source>type the term&apos;s price, such as 1200.00.</source>
        <translation>saisissez le prix de la durée, par exemple 1200.00.</translation>
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
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Le saviez-vous...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>A&amp;stuce suivante</translation>
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
        <translation>Client</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>%1, arrived %2</source>
        <translation>%1, arrivé à %2</translation>
    </message>
    <message>
        <source>%1, left %2</source>
        <translation>%1, parti à %2</translation>
    </message>
    <message>
        <source>%1, no-show</source>
        <translation>%1, non présenté</translation>
    </message>
    <message>
        <source>Arrives</source>
        <translation>Arrive</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>&amp;Show this window when the program starts</source>
        <translation>Afficher au démarra&amp;ge</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Act&amp;ualiser</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>Con&amp;firmation</source>
        <translation>Con&amp;firmation</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Arrivées du jour</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>&amp;Départs du jour</translation>
    </message>
    <message>
        <source>&amp;In the harbour now</source>
        <translation>Actuellement au &amp;port</translation>
    </message>
    <message>
        <source>&amp;Money owing, arriving within 7 days</source>
        <translation>&amp;Montants dus, arrivées sous 7 jours</translation>
    </message>
    <message>
        <source>R&amp;eminders...</source>
        <translation>R&amp;elances...</translation>
    </message>
    <message>
        <source>Arri&amp;ve</source>
        <translation>Arri&amp;vée</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>Dépar&amp;t...</translation>
    </message>
    <message>
        <source>&amp;No-shows...</source>
        <translation>&amp;Non présentés...</translation>
    </message>
    <message>
        <source>Today&apos;s bookings could not be read: %1</source>
        <translation>Les réservations du jour n&apos;ont pas pu être lues : %1</translation>
    </message>
    <message>
        <source>Choose the arrival to check in.</source>
        <translation>Choisissez l&apos;arrivée à enregistrer.</translation>
    </message>
    <message>
        <source>Choose the guest to check out.</source>
        <translation>Choisissez le client qui part.</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>Demandes reçue&amp;s...</translation>
    </message>
    <message>
        <source>The booking requests could not be read: %1</source>
        <translation>Les demandes de réservation n&apos;ont pas pu être lues : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n booking request(s) waiting for an answer</source>
        <translation>
            <numerusform>%n demande de réservation attend une réponse</numerusform>
            <numerusform>%n demandes de réservation attendent une réponse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hold(s) for a request ending today</source>
        <translation>
            <numerusform>%n option pour une demande prend fin aujourd&apos;hui</numerusform>
            <numerusform>%n options pour des demandes prennent fin aujourd&apos;hui</numerusform>
        </translation>
    </message>
    <message>
        <source>No booking requests waiting</source>
        <translation>Aucune demande de réservation en attente</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>&amp;Identifiant :</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rôle :</translation>
    </message>
    <message>
        <source>&amp;Active (may sign in)</source>
        <translation>&amp;Actif (peut se connecter)</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>Password a&amp;gain:</source>
        <translation>Confirmer le mot de &amp;passe :</translation>
    </message>
    <message>
        <source>P&amp;IN (4 to 8 digits):</source>
        <translation>&amp;Code PIN (4 à 8 chiffres) :</translation>
    </message>
    <message>
        <source>PIN a&amp;gain:</source>
        <translation>Confirmer le c&amp;ode PIN :</translation>
    </message>
    <message>
        <source>First Administrator</source>
        <translation>Premier administrateur</translation>
    </message>
    <message>
        <source>Nobody has been signed up yet. Please make the first administrator: the one who adds the other users and says what each role may do. There is no default password.</source>
        <translation>Personne n&apos;est encore inscrit. Veuillez créer le premier administrateur : celui qui ajoute les autres utilisateurs et fixe ce que chaque rôle peut faire. Il n&apos;y a pas de mot de passe par défaut.</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>A new password for %1.</source>
        <translation>Un nouveau mot de passe pour %1.</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nouveau code PIN</translation>
    </message>
    <message>
        <source>A new PIN for %1.</source>
        <translation>Un nouveau code PIN pour %1.</translation>
    </message>
    <message>
        <source>The two passwords differ: please type the same password twice.</source>
        <translation>Les deux mots de passe diffèrent : veuillez saisir deux fois le même mot de passe.</translation>
    </message>
    <message>
        <source>The two PINs differ: please type the same PIN twice.</source>
        <translation>Les deux codes PIN diffèrent : veuillez saisir deux fois le même code PIN.</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>cet utilisateur</translation>
    </message>
    <message>
        <source>%1: new password</source>
        <translation>%1 : nouveau mot de passe</translation>
    </message>
    <message>
        <source>%1: new PIN</source>
        <translation>%1 : nouveau code PIN</translation>
    </message>
    <message>
        <source>Sign-in Role</source>
        <translation>Rôle de connexion</translation>
    </message>
    <message>
        <source>Desks may start as the server&apos;s sign-in role, zem_signin, instead of the office&apos;s role: it reads only what a sign-in needs, and each user then works as their own login. Type its new password, and put it in each desk&apos;s password file (.pgpass) in place of the office&apos;s. Leave both boxes empty to stop desks from starting that way.</source>
        <translation>Les postes peuvent démarrer avec le rôle de connexion du serveur, zem_signin, au lieu du rôle du bureau : il ne lit que ce dont une connexion a besoin, puis chaque utilisateur travaille avec sa propre connexion. Saisissez son nouveau mot de passe et placez-le dans le fichier de mots de passe (.pgpass) de chaque poste à la place de celui du bureau. Laissez les deux cases vides pour que les postes ne démarrent plus ainsi.</translation>
    </message>
    <message>
        <source>zem_signin: desks may no longer start with it</source>
        <translation>zem_signin : les postes ne peuvent plus démarrer avec</translation>
    </message>
    <message>
        <source>zem_signin: new password</source>
        <translation>zem_signin : nouveau mot de passe</translation>
    </message>
</context>
<context>
    <name>UsersWindow</name>
    <message>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>U&amp;sers:</source>
        <translation>U&amp;tilisateurs :</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>New &amp;Password...</source>
        <translation>Nouveau mot de &amp;passe...</translation>
    </message>
    <message>
        <source>New P&amp;IN...</source>
        <translation>Nouveau code P&amp;IN...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>What each role ma&amp;y do:</source>
        <translation>Ce que chaque rôle pe&amp;ut faire :</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source>&amp;Lock after idle:</source>
        <translation>&amp;Verrouiller après inactivité :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1 : %2 %3</translation>
    </message>
    <message>
        <source>allowed</source>
        <translation>autorisé</translation>
    </message>
    <message>
        <source>not allowed</source>
        <translation>non autorisé</translation>
    </message>
    <message>
        <source>Remove %1? The user can no longer sign in; what the user did keeps their name.</source>
        <translation>Supprimer %1 ? L&apos;utilisateur ne pourra plus se connecter ; ce qu&apos;il a fait garde son nom.</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>Si&amp;gn-in Role...</source>
        <translation>Rôle de &amp;connexion...</translation>
    </message>
</context>
<context>
    <name>WaitingEntryDialog</name>
    <message>
        <source>Edit Waiting Entry</source>
        <translation>Modifier l&apos;inscription en attente</translation>
    </message>
    <message>
        <source>Add Waiting Entry</source>
        <translation>Ajouter une inscription en attente</translation>
    </message>
    <message>
        <source>&amp;Any length of stay</source>
        <translation>Toute durée de &amp;séjour</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>C&amp;lient :</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Bateau :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>T&amp;ype d&apos;anneau :</translation>
    </message>
    <message>
        <source>&amp;Minimum length (ft):</source>
        <translation>Longueur &amp;minimale (ft) :</translation>
    </message>
    <message>
        <source>&amp;Minimum length (m):</source>
        <translation>Longueur &amp;minimale (m) :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>No&amp;tes :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Any type</source>
        <translation>Tout type</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(aucun bateau)</translation>
    </message>
    <message>
        <source>The customer&apos;s boats could not be read: %1</source>
        <translation>Les bateaux du client n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>Type the minimum length in feet, such as 38.</source>
        <translation>Saisissez la longueur minimale en pieds, par exemple 38.</translation>
    </message>
    <message>
        <source>Type the minimum length in metres, such as 11.5.</source>
        <translation>Saisissez la longueur minimale en mètres, par exemple 11.5.</translation>
    </message>
    <message>
        <source>waiting entry</source>
        <translation>inscription en attente</translation>
    </message>
</context>
<context>
    <name>WaitingList</name>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Offered</source>
        <translation>Proposé</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Réservé</translation>
    </message>
    <message>
        <source>Withdrawn</source>
        <translation>Retiré</translation>
    </message>
    <message>
        <source>Choose the customer who is waiting.</source>
        <translation>Choisissez le client en attente.</translation>
    </message>
    <message>
        <source>Give the first night wanted.</source>
        <translation>Indiquez la première nuit souhaitée.</translation>
    </message>
    <message>
        <source>The period wanted has started already: a waiting entry is for nights to come.</source>
        <translation>La période souhaitée a déjà commencé : une inscription en attente porte sur des nuits à venir.</translation>
    </message>
    <message>
        <source>The period wanted ends before it starts.</source>
        <translation>La période souhaitée se termine avant de commencer.</translation>
    </message>
    <message>
        <source>A period wanted may last five years at the most.</source>
        <translation>Une période souhaitée dure au plus cinq ans.</translation>
    </message>
    <message>
        <source>A minimum length must be more than 0 and at most 200 m.</source>
        <translation>Une longueur minimale doit être supérieure à 0 et au plus 200 m.</translation>
    </message>
    <message>
        <source>The entry was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>L&apos;inscription a été supprimée entre-temps sur un autre poste ; rien n&apos;a donc été enregistré.</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Bateau :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Berth type:</source>
        <translation>Type d&apos;anneau :</translation>
    </message>
    <message>
        <source>Minimum length:</source>
        <translation>Longueur minimale :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Statut :</translation>
    </message>
</context>
<context>
    <name>WaitingListRows</name>
    <message>
        <source>Position</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Type d&apos;anneau</translation>
    </message>
    <message>
        <source>Minimum length</source>
        <translation>Longueur minimale</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajoutés</translation>
    </message>
    <message>
        <source>Offered on</source>
        <translation>Proposé le</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>any length</source>
        <translation>toute longueur</translation>
    </message>
    <message>
        <source>Waiting List</source>
        <translation>Liste d&apos;attente</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Page %p sur %P</translation>
    </message>
    <message>
        <source>No entries.</source>
        <translation>Aucune inscription.</translation>
    </message>
</context>
<context>
    <name>WaitingListWindow</name>
    <message>
        <source>Waiting List</source>
        <translation>Liste d&apos;attente</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>&amp;Status:</source>
        <translation>&amp;Statut :</translation>
    </message>
    <message>
        <source>Berth &amp;type:</source>
        <translation>&amp;Type d&apos;anneau :</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation>Retir&amp;er</translation>
    </message>
    <message>
        <source>Mark &amp;Offered</source>
        <translation>Marquer &amp;proposé</translation>
    </message>
    <message>
        <source>Mark Boo&amp;ked</source>
        <translation>Marquer réser&amp;vé</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>&amp;Réserver...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The waiting list could not be read for the berths that came free: %1</source>
        <translation>La liste d&apos;attente n&apos;a pas pu être lue pour les anneaux libérés : %1</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>The lists for the entry could not be read: %1</source>
        <translation>Les listes de l&apos;inscription n&apos;ont pas pu être lues : %1</translation>
    </message>
</context>
<context>
    <name>WaitingOfferMail</name>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 n&apos;a pas d&apos;adresse e-mail utilisable : %2</translation>
    </message>
</context>
<context>
    <name>WebBookMenu</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>WebBookPage</name>
    <message>
        <source>Invalid HTML resource</source>
        <translation>Ressource HTML non valable</translation>
    </message>
    <message>
        <source>Can&apos;t generate Webbook:<byte value="xd"/>
%1</source>
        <translation>Impossible de générer la page de réservation web :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The booking form would be sent to &quot;%1&quot;, which is not a web address. Enter one that starts with http:// or https:// in the web booking settings.</source>
        <translation>Le formulaire de réservation serait envoyé à « %1 », qui n&apos;est pas une adresse web. Saisissez-en une qui commence par http:// ou https:// dans les paramètres des réservations web.</translation>
    </message>
    <message>
        <source>No value is stored for %1. Configure the web bookings first.</source>
        <translation>Aucune valeur n&apos;est enregistrée pour %1. Configurez d&apos;abord les réservations web.</translation>
    </message>
    <message>
        <source>Save Web Book as...</source>
        <translation>Enregistrer la page de réservation web sous...</translation>
    </message>
    <message>
        <source>HTML files (*.HTML)</source>
        <translation>Fichiers HTML (*.HTML)</translation>
    </message>
    <message>
        <source>Can&apos;t save HTML file:<byte value="xd"/>
%1</source>
        <translation>Impossible d&apos;enregistrer le fichier HTML :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Online Booking Form</source>
        <translation>Formulaire de réservation en ligne</translation>
    </message>
    <message>
        <source>Thank you for your booking</source>
        <translation>Merci pour votre réservation</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Please complete the form below to make an online booking.</source>
        <translation>Veuillez remplir le formulaire ci-dessous pour réserver en ligne.</translation>
    </message>
    <message>
        <source>Arrival date:</source>
        <translation>Date d&apos;arrivée :</translation>
    </message>
    <message>
        <source>Arrival day</source>
        <translation>Jour d&apos;arrivée</translation>
    </message>
    <message>
        <source>Arrival month</source>
        <translation>Mois d&apos;arrivée</translation>
    </message>
    <message>
        <source>Arrival year</source>
        <translation>Année d&apos;arrivée</translation>
    </message>
    <message>
        <source>Departure date:</source>
        <translation>Date de départ :</translation>
    </message>
    <message>
        <source>Departure day</source>
        <translation>Jour de départ</translation>
    </message>
    <message>
        <source>Departure month</source>
        <translation>Mois de départ</translation>
    </message>
    <message>
        <source>Departure year</source>
        <translation>Année de départ</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Votre adresse e-mail :</translation>
    </message>
    <message>
        <source>Any comments?</source>
        <translation>Des commentaires ?</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>What is free</source>
        <translation>Disponibilités</translation>
    </message>
    <message>
        <source>Choose your dates above and give your boat&apos;s size to see which kinds of berth are free.</source>
        <translation>Choisissez vos dates ci-dessus et indiquez les dimensions de votre bateau pour voir quels types d&apos;anneau sont libres.</translation>
    </message>
    <message>
        <source>Length (m):</source>
        <translation>Longueur (m) :</translation>
    </message>
    <message>
        <source>Beam (m):</source>
        <translation>Largeur (m) :</translation>
    </message>
    <message>
        <source>Draft (m):</source>
        <translation>Tirant d&apos;eau (m) :</translation>
    </message>
    <message>
        <source>Choose an arrival before the departure.</source>
        <translation>Choisissez une arrivée avant le départ.</translation>
    </message>
    <message>
        <source>We show what is free up to </source>
        <translation>Nous affichons les disponibilités jusqu&apos;au </translation>
    </message>
    <message>
        <source>: send the form and we will look.</source>
        <translation>: envoyez le formulaire et nous regarderons.</translation>
    </message>
    <message>
        <source>Free for those nights: </source>
        <translation>Libre pour ces nuits : </translation>
    </message>
    <message>
        <source>. Send the form to ask for it.</source>
        <translation>. Envoyez le formulaire pour le demander.</translation>
    </message>
    <message>
        <source>Nothing free fits those nights and that boat: send the form and we will look.</source>
        <translation>Rien de libre ne convient à ces nuits et à ce bateau : envoyez le formulaire et nous regarderons.</translation>
    </message>
</context>
<context>
    <name>WebBookSettings</name>
    <message>
        <source>Response-o-Matic (default)</source>
        <translation>Response-o-Matic (par défaut)</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisé...</translation>
    </message>
</context>
<context>
    <name>WebBookStore</name>
    <message>
        <source>The web booking settings have been created.</source>
        <translation>Les paramètres des réservations web ont été créés.</translation>
    </message>
    <message>
        <source>The web booking settings have been removed.</source>
        <translation>Les paramètres des réservations web ont été supprimés.</translation>
    </message>
    <message>
        <source>Booking email address: now %1, was %2</source>
        <translation>Adresse e-mail des réservations : maintenant %1, avant %2</translation>
    </message>
    <message>
        <source>Email provider: now %1, was %2</source>
        <translation>Fournisseur e-mail : maintenant %1, avant %2</translation>
    </message>
    <message>
        <source>Custom provider: now %1, was %2</source>
        <translation>Fournisseur personnalisé : maintenant %1, avant %2</translation>
    </message>
</context>
<context>
    <name>WebBookWizard</name>
    <message>
        <source>Web Booking Configuration Wizard</source>
        <translation>Assistant de configuration des réservations web</translation>
    </message>
    <message>
        <source>Enter your email booking address</source>
        <translation>Saisissez votre adresse e-mail de réservation</translation>
    </message>
    <message>
        <source>Choose your email provider</source>
        <translation>Choisissez votre fournisseur e-mail</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Saisissez vos informations</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your website to accept online bookings.</source>
        <translation>Cet assistant vous permet de configurer votre site web pour accepter les réservations en ligne.</translation>
    </message>
    <message>
        <source>Enter the email address that should receive the bookings made from the website.</source>
        <translation>Saisissez l&apos;adresse e-mail qui doit recevoir les réservations faites sur le site web.</translation>
    </message>
    <message>
        <source>Booking email address:</source>
        <translation>Adresse e-mail des réservations :</translation>
    </message>
    <message>
        <source>Select the email provider to use to send your email confirmations. If you are not sure, then leave the default setting.</source>
        <translation>Choisissez le fournisseur e-mail qui enverra vos confirmations. En cas de doute, gardez le réglage par défaut.</translation>
    </message>
    <message>
        <source>Email provider:</source>
        <translation>Fournisseur e-mail :</translation>
    </message>
    <message>
        <source>Custom provider:</source>
        <translation>Fournisseur personnalisé :</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Cliquez sur Terminer pour achever la configuration</translation>
    </message>
    <message>
        <source>The web booking settings could not be read.

%1</source>
        <translation>Les paramètres des réservations web n&apos;ont pas pu être lus.

%1</translation>
    </message>
    <message>
        <source>The web booking settings were changed elsewhere while this wizard was open:

%1

Nothing was saved. Click Finish again to store your entries instead, or Cancel to keep the stored ones.</source>
        <translation>Les paramètres des réservations web ont été modifiés ailleurs pendant que cet assistant était ouvert :

%1

Rien n&apos;a été enregistré. Cliquez de nouveau sur Terminer pour enregistrer plutôt vos saisies, ou sur Annuler pour garder celles enregistrées.</translation>
    </message>
    <message>
        <source>The web booking settings could not be saved; nothing was changed.

%1</source>
        <translation>Les paramètres des réservations web n&apos;ont pas pu être enregistrés ; rien n&apos;a été modifié.

%1</translation>
    </message>
    <message>
        <source>Would you like to create a booking web page now?</source>
        <translation>Voulez-vous créer une page web de réservation maintenant ?</translation>
    </message>
</context>
<context>
    <name>ttsgz</name>
    <message>
        <source>No error</source>
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Nom de fichier incorrect</translation>
    </message>
    <message>
        <source>User abort</source>
        <translation>Interrompu par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>Write error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
</TS>
