<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version: 1.0.1</source>
        <translation>Versión: 1.0.1</translation>
    </message>
    <message>
        <source>Bookings, berths, customers and calendars for marinas, harbours and caravan and camping parks.</source>
        <translation>Reservas, amarres, clientes y calendarios para puertos deportivos, puertos, campings y parques de caravanas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info ...</source>
        <translation>&amp;Información del sistema ...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>ActorSession</name>
    <message>
        <source>The SQLite driver gives no handle to name who acts.</source>
        <translation>El controlador de SQLite no ofrece ningún identificador para indicar quién actúa.</translation>
    </message>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>La conexión de SQLite no está abierta.</translation>
    </message>
</context>
<context>
    <name>AdvancedCalendarWindow</name>
    <message>
        <source>Advanced Calendar</source>
        <translation>Calendario avanzado</translation>
    </message>
    <message>
        <source>One slot earlier</source>
        <translation>Un intervalo antes</translation>
    </message>
    <message>
        <source>One slot later</source>
        <translation>Un intervalo después</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Half Hourly</source>
        <translation>Cada media hora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Reservado</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Double click on booking to view details and financial information</source>
        <translation>Haga doble clic en una reserva para ver los detalles y la información económica</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>No se han podido leer las reservas.
%1</translation>
    </message>
</context>
<context>
    <name>AwayDialog</name>
    <message>
        <source>Away: %1</source>
        <translation>Ausencia: %1</translation>
    </message>
    <message>
        <source>Away from</source>
        <translation>Ausente desde</translation>
    </message>
    <message>
        <source>Back on</source>
        <translation>De vuelta el</translation>
    </message>
    <message>
        <source>Nights</source>
        <translation>Noches</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Away &amp;from:</source>
        <translation>Ausente &amp;desde:</translation>
    </message>
    <message>
        <source>&amp;Back on:</source>
        <translation>De &amp;vuelta el:</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ca&amp;mbiar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Awa&amp;y...</source>
        <translation>Au&amp;sencia...</translation>
    </message>
    <message>
        <source>Choose the absence to change.</source>
        <translation>Elija la ausencia que desea cambiar.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3</source>
        <translation>Contrato %1: ausente desde el %2, de vuelta el %3</translation>
    </message>
    <message>
        <source>Choose the absence to remove.</source>
        <translation>Elija la ausencia que desea quitar.</translation>
    </message>
    <message>
        <source>Contract %1: away from %2, back on %3, removed</source>
        <translation>Contrato %1: ausente desde el %2, de vuelta el %3, quitada</translation>
    </message>
</context>
<context>
    <name>AwayPeriods</name>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Otro puesto ha eliminado este contrato mientras tanto.</translation>
    </message>
    <message>
        <source>Enter the first day away and the day back.</source>
        <translation>Introduzca el primer día de ausencia y el día de vuelta.</translation>
    </message>
    <message>
        <source>The day back must come after the first day away.</source>
        <translation>El día de vuelta debe ser posterior al primer día de ausencia.</translation>
    </message>
    <message>
        <source>The absence must lie within the contract&apos;s term, %1 to %2.</source>
        <translation>La ausencia debe estar dentro de la vigencia del contrato, del %1 al %2.</translation>
    </message>
    <message>
        <source>The note is longer than %1 characters.</source>
        <translation>La nota tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its berths are no longer held.</source>
        <translation>El contrato se ha cancelado: sus amarres ya no están reservados.</translation>
    </message>
    <message>
        <source>The holder is already away from %1 to %2: change that absence instead.</source>
        <translation>El titular ya está ausente del %1 al %2: cambie esa ausencia.</translation>
    </message>
    <message>
        <source>Another desk removed this absence meanwhile.</source>
        <translation>Otro puesto ha eliminado esta ausencia mientras tanto.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: move it before shortening the absence.</source>
        <translation>La reserva %1 (%2, del %3 al %4) sigue en el amarre mientras el titular está ausente: cámbiela de amarre antes de acortar la ausencia.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was not changed.</source>
        <translation>Mientras tanto se ha reservado el amarre para un visitante: no se ha cambiado la ausencia.</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) stays on the berth while the holder is away: the absence cannot be removed.</source>
        <translation>La reserva %1 (%2, del %3 al %4) sigue en el amarre mientras el titular está ausente: no se puede quitar la ausencia.</translation>
    </message>
    <message>
        <source>A visitor was booked on the berth meanwhile: the absence was kept.</source>
        <translation>Mientras tanto se ha reservado el amarre para un visitante: se ha conservado la ausencia.</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>Can&apos;t add </source>
        <translation>No se puede añadir </translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>no es un archivo de copia de seguridad de Zem Harbour.</translation>
    </message>
    <message>
        <source>it is damaged at byte %1.</source>
        <translation>está dañado en el byte %1.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it: it needs %1, and %2 is free.</source>
        <translation>no hay espacio libre suficiente en el disco para descomprimirlo: necesita %1 y hay %2 libres.</translation>
    </message>
    <message>
        <source>there is not enough free disk space to unpack it (%1 free).</source>
        <translation>no hay espacio libre suficiente en el disco para descomprimirlo (%1 libres).</translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation>no se puede leer.</translation>
    </message>
    <message>
        <source>there is not enough memory to unpack it.</source>
        <translation>no hay memoria suficiente para descomprimirlo.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>Other desks are connected to the database. Close Zem Harbour at the other desks, then restore again.</source>
        <translation>Hay otros puestos conectados a la base de datos. Cierre Zem Harbour en los otros puestos y vuelva a restaurar.</translation>
    </message>
    <message>
        <source>Can&apos;t continue if file exist!</source>
        <translation>¡No se puede continuar si el archivo existe!</translation>
    </message>
    <message>
        <source>Can&apos;t create SPA file<byte value="xd"/>
Error:%1</source>
        <translation>No se puede crear el archivo SPA<byte value="xd"/>
Error:%1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 está dañado: %2</translation>
    </message>
    <message>
        <source>%1 has %2 free pages as soon as it is written.</source>
        <translation>%1 tiene %2 páginas libres en cuanto se escribe.</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 no es una base de datos de Zem Harbour.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it has %2, which this program does not make.</source>
        <translation>%1 no es exactamente de Zem Harbour: tiene %2, que este programa no crea.</translation>
    </message>
    <message>
        <source>%1 is not exactly Zem Harbour&apos;s: it lacks %2, which this program makes.</source>
        <translation>%1 no es exactamente de Zem Harbour: le falta %2, que este programa crea.</translation>
    </message>
    <message>
        <source>Cannot remove %1.</source>
        <translation>No se puede eliminar %1.</translation>
    </message>
    <message>
        <source>the database in it</source>
        <translation>la base de datos que contiene</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
</context>
<context>
    <name>BackupWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Database backup...</source>
        <translation>Copia de seguridad de la base de datos...</translation>
    </message>
    <message>
        <source>Do you really want to cancel current operation</source>
        <translation>¿Seguro que desea cancelar la operación en curso?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>BerthBlocks</name>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Otro puesto ha cambiado este bloqueo mientras tanto.</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Otro puesto ha quitado este bloqueo mientras tanto.</translation>
    </message>
    <message>
        <source>A contract holds this berth over the period: change or cancel the contract in Contracts.</source>
        <translation>Un contrato ocupa este amarre durante el periodo: cambie o cancele el contrato en Contratos.</translation>
    </message>
    <message>
        <source>Please choose the berth to block.</source>
        <translation>Elija el amarre que desea bloquear.</translation>
    </message>
    <message>
        <source>The block must end after it starts.</source>
        <translation>El bloqueo debe terminar después de empezar.</translation>
    </message>
    <message>
        <source>A block must lie between %1 and %2.</source>
        <translation>Un bloqueo debe estar entre el %1 y el %2.</translation>
    </message>
    <message>
        <source>Please give the reason for the block.</source>
        <translation>Indique el motivo del bloqueo.</translation>
    </message>
    <message>
        <source>The reason may be at most %1 characters long.</source>
        <translation>El motivo puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The berth is no longer in the register.</source>
        <translation>El amarre ya no está en el registro.</translation>
    </message>
    <message>
        <source>%1 is already blocked from %2 to %3: %4</source>
        <translation>%1 ya está bloqueado del %2 al %3: %4</translation>
    </message>
    <message>
        <source>Booking %1 (%2, %3 to %4) holds %5 over the period: the block was not saved.</source>
        <translation>La reserva %1 (%2, del %3 al %4) ocupa %5 durante el periodo: no se ha guardado el bloqueo.</translation>
    </message>
    <message>
        <source>%1 was booked over the period meanwhile: the block was not saved.</source>
        <translation>Mientras tanto se ha reservado %1 durante el periodo: no se ha guardado el bloqueo.</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Amarre:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motivo:</translation>
    </message>
    <message>
        <source>%1 blocked from %2 to %3: %4</source>
        <translation>%1 bloqueado del %2 al %3: %4</translation>
    </message>
</context>
<context>
    <name>BerthChangeSet</name>
    <message>
        <source> (booked)</source>
        <translation> (reservado)</translation>
    </message>
    <message>
        <source> - Active </source>
        <translation> - Activo </translation>
    </message>
    <message>
        <source> - Inactive</source>
        <translation> - Inactivo</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been deleted at another desk meanwhile. Nothing was saved, and the changes to it are dropped: press OK to save the other changes.</source>
        <translation>El amarre &apos;%1&apos; se ha eliminado mientras tanto en otro puesto. No se ha guardado nada y se descartan sus cambios: pulse Aceptar para guardar los demás cambios.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (1 new booking). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>El amarre &apos;%1&apos; se ha reservado en otro puesto después de que usted lo quitara (1 reserva nueva). No se ha guardado nada y el amarre vuelve a aparecer en la lista: quítelo de nuevo para eliminarlo con sus reservas, o pulse Aceptar para guardar los demás cambios.</translation>
    </message>
    <message>
        <source>Berth &apos;%1&apos; has been booked at another desk since you removed it (%2 new bookings). Nothing was saved, and the berth is listed again: remove it again to delete it with its bookings, or press OK to save the other changes.</source>
        <translation>El amarre &apos;%1&apos; se ha reservado en otro puesto después de que usted lo quitara (%2 reservas nuevas). No se ha guardado nada y el amarre vuelve a aparecer en la lista: quítelo de nuevo para eliminarlo con sus reservas, o pulse Aceptar para guardar los demás cambios.</translation>
    </message>
</context>
<context>
    <name>BerthEntry</name>
    <message>
        <source>Takes &amp;multihulls</source>
        <translation>Admite &amp;multicascos</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propietario:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Electricidad:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Añadi&amp;r</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Berth:</source>
        <translation>Amarre:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Eslora:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Manga:</translation>
    </message>
    <message>
        <source>Max. draft:</source>
        <translation>Calado máx.:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Hire charges</source>
        <translation>Precios de alquiler</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>Diario:</translation>
    </message>
    <message>
        <source>Weekly:</source>
        <translation>Semanal:</translation>
    </message>
    <message>
        <source>Monthly:</source>
        <translation>Mensual:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Amarres disponibles:</translation>
    </message>
    <message>
        <source>The berths could not be read.</source>
        <translation>No se han podido leer los amarres.</translation>
    </message>
    <message>
        <source>The berths could not be read again.</source>
        <translation>No se han podido volver a leer los amarres.</translation>
    </message>
    <message>
        <source>The berth&apos;s bookings could not be counted.</source>
        <translation>No se han podido contar las reservas del amarre.</translation>
    </message>
</context>
<context>
    <name>BerthFit</name>
    <message>
        <source>length</source>
        <translation>eslora</translation>
    </message>
    <message>
        <source>beam</source>
        <translation>manga</translation>
    </message>
    <message>
        <source>draft</source>
        <translation>calado</translation>
    </message>
    <message>
        <source>multihull</source>
        <translation>multicasco</translation>
    </message>
</context>
<context>
    <name>BerthGridModel</name>
    <message>
        <source>%1 (holder&apos;s, back %2)</source>
        <translation>%1 (del titular, vuelve el %2)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>A holder&apos;s berth: %1 is away from %2 and back on %3; a stay here must leave by noon that day.</source>
        <translation>Amarre de un titular: %1 está ausente desde el %2 y vuelve el %3; una estancia aquí debe terminar antes del mediodía de ese día.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Eslora</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Manga</translation>
    </message>
    <message>
        <source>HasPower</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>DailyHireCharge</source>
        <translation>Precio diario</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Cabe</translation>
    </message>
</context>
<context>
    <name>BerthInput</name>
    <message>
        <source>No berth name has been entered. Please enter a berth name (or number) to continue.</source>
        <translation>No se ha introducido el nombre del amarre. Introduzca un nombre (o número) de amarre para continuar.</translation>
    </message>
    <message>
        <source>Please select owner from the list</source>
        <translation>Seleccione el propietario en la lista</translation>
    </message>
    <message>
        <source>Please select berth type from the list</source>
        <translation>Seleccione el tipo de amarre en la lista</translation>
    </message>
</context>
<context>
    <name>BerthNotes</name>
    <message>
        <source>Berth &apos;%1&apos; was deleted at another desk meanwhile, so nothing was saved.</source>
        <translation>El amarre &apos;%1&apos; se ha eliminado mientras tanto en otro puesto, por lo que no se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>BerthNotesDialog</name>
    <message>
        <source>Berth  Notes</source>
        <translation>Notas de amarres</translation>
    </message>
    <message>
        <source>Add notes to berths.</source>
        <translation>Añada notas a los amarres.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Available berths:</source>
        <translation>Amarres disponibles:</translation>
    </message>
    <message>
        <source>The berths could not be read.

%1</source>
        <translation>No se han podido leer los amarres.

%1</translation>
    </message>
    <message>
        <source>berth&apos;s notes</source>
        <translation>notas del amarre</translation>
    </message>
    <message>
        <source>The notes could not be saved; nothing was changed.

%1</source>
        <translation>No se han podido guardar las notas; no se ha cambiado nada.

%1</translation>
    </message>
</context>
<context>
    <name>BerthRegister</name>
    <message>
        <source>Configure Berths </source>
        <translation>Configurar amarres </translation>
    </message>
    <message>
        <source>Configure the berths that should be available for booking</source>
        <translation>Configure los amarres que deben estar disponibles para reservar</translation>
    </message>
    <message>
        <source>Ac&amp;tivate</source>
        <translation>Ac&amp;tivar</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>&amp;Bloquear amarre...</translation>
    </message>
    <message>
        <source>&amp;Edit Berths</source>
        <translation>&amp;Editar amarres</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Inac&amp;tivate</source>
        <translation>&amp;Desactivar</translation>
    </message>
    <message>
        <source>The changes to the berths could not be saved; nothing was changed. Press OK to try again or Cancel to drop the changes.</source>
        <translation>No se han podido guardar los cambios de los amarres; no se ha cambiado nada. Pulse Aceptar para volver a intentarlo o Cancelar para descartar los cambios.</translation>
    </message>
</context>
<context>
    <name>BerthRemoval</name>
    <message>
        <source>Deleting this customer will also remove any reservations that have been made with it. Are you sure you want to delete the berth?</source>
        <translation>Al eliminar este cliente también se eliminarán las reservas hechas con él. ¿Seguro que desea eliminar el amarre?</translation>
    </message>
    <message>
        <source>1 berth was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Se ha creado 1 amarre en otro puesto desde que se le preguntó. No se ha eliminado nada.</translation>
    </message>
    <message>
        <source>%1 berths were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Se han creado %1 amarres en otro puesto desde que se le preguntó. No se ha eliminado nada.</translation>
    </message>
</context>
<context>
    <name>BerthRowCheck</name>
    <message>
        <source>This berth was deleted at another desk while you were editing it. Nothing was saved.</source>
        <translation>Este amarre se ha eliminado en otro puesto mientras usted lo editaba. No se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>BerthSetupWizard</name>
    <message>
        <source>Post Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>Código ZIP</translation>
    </message>
    <message>
        <source>Configuration Wizard</source>
        <translation>Asistente de configuración</translation>
    </message>
    <message>
        <source>Enter Your Regional Information</source>
        <translation>Introduzca sus datos regionales</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Introduzca los datos de sus habitaciones</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your reservation information.</source>
        <translation>Con este asistente puede configurar los datos de sus reservas.</translation>
    </message>
    <message>
        <source>Enter your regional information</source>
        <translation>Introduzca sus datos regionales</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>Código postal / Código ZIP:</translation>
    </message>
    <message>
        <source>Enter your Berth information. For each berth / slip enter it`s details and then click Add.</source>
        <translation>Introduzca los datos de sus amarres. Para cada amarre o atraque, introduzca sus datos y pulse Añadir.</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Pulse Finalizar para completar la configuración</translation>
    </message>
    <message>
        <source>Please select Post Code or Zip Code</source>
        <translation>Seleccione Código postal o Código ZIP</translation>
    </message>
    <message>
        <source>The berths could not be saved; nothing was changed. Press Finish to try again or Cancel to drop the changes.</source>
        <translation>No se han podido guardar los amarres; no se ha cambiado nada. Pulse Finalizar para volver a intentarlo o Cancelar para descartar los cambios.</translation>
    </message>
</context>
<context>
    <name>BerthTableEditor</name>
    <message>
        <source>Edit Berths</source>
        <translation>Editar amarres</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Eslora:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Manga:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>DailyHireCharge:</source>
        <translation>Precio diario:</translation>
    </message>
    <message>
        <source>MonthlyHireCharge:</source>
        <translation>Precio mensual:</translation>
    </message>
    <message>
        <source>WeeklyHireCharge:</source>
        <translation>Precio semanal:</translation>
    </message>
    <message>
        <source>Maximum draft (m):</source>
        <translation>Calado máximo (m):</translation>
    </message>
    <message>
        <source>HasPower:</source>
        <translation>Electricidad:</translation>
    </message>
    <message>
        <source>Active:</source>
        <translation>Activo:</translation>
    </message>
    <message>
        <source>Multihulls:</source>
        <translation>Multicascos:</translation>
    </message>
    <message>
        <source>TypeID:</source>
        <translation>ID de tipo:</translation>
    </message>
    <message>
        <source>OwnerID:</source>
        <translation>ID de propietario:</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>Registro: </translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Error de datos: %1</translation>
    </message>
    <message>
        <source>berth</source>
        <translation>amarre</translation>
    </message>
</context>
<context>
    <name>BerthTitles</name>
    <message>
        <source>Add berth</source>
        <translation>Añadir amarre</translation>
    </message>
    <message>
        <source>Berth length</source>
        <translation>Eslora del amarre</translation>
    </message>
    <message>
        <source>Berth width</source>
        <translation>Manga del amarre</translation>
    </message>
    <message>
        <source>Daily Hire Charge</source>
        <translation>Precio diario de alquiler</translation>
    </message>
    <message>
        <source>Weekly Hire Charge</source>
        <translation>Precio semanal de alquiler</translation>
    </message>
    <message>
        <source>Monthly Hire Charge</source>
        <translation>Precio mensual de alquiler</translation>
    </message>
    <message>
        <source>Maximum draft</source>
        <translation>Calado máximo</translation>
    </message>
</context>
<context>
    <name>BlockBerthDialog</name>
    <message>
        <source>Block Berth</source>
        <translation>Bloquear amarre</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Amarre:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To (the last day blocked):</source>
        <translation>&amp;Hasta (último día bloqueado):</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Motivo:</translation>
    </message>
    <message>
        <source>Re&amp;move Block</source>
        <translation>&amp;Quitar bloqueo</translation>
    </message>
    <message>
        <source>The berths cannot be read.
%1</source>
        <translation>No se pueden leer los amarres.
%1</translation>
    </message>
    <message>
        <source>Booking %1: %2, %3 to %4</source>
        <translation>Reserva %1: %2, del %3 al %4</translation>
    </message>
    <message>
        <source>These bookings hold %1 over the period:
%2

Block the berth all the same? The bookings keep it and are marked on the booking chart to be moved.</source>
        <translation>Estas reservas ocupan %1 durante el periodo:
%2

¿Bloquear el amarre de todos modos? Las reservas lo conservan y se marcan en el cuadro de reservas para cambiarlas de amarre.</translation>
    </message>
    <message>
        <source>block</source>
        <translation>bloqueo</translation>
    </message>
    <message>
        <source>The block was not saved.
%1</source>
        <translation>No se ha guardado el bloqueo.
%1</translation>
    </message>
    <message>
        <source>Remove the block of %1?</source>
        <translation>¿Quitar el bloqueo de %1?</translation>
    </message>
    <message>
        <source>The block was not removed.
%1</source>
        <translation>No se ha quitado el bloqueo.
%1</translation>
    </message>
</context>
<context>
    <name>BoatDialog</name>
    <message>
        <source>Edit Boat or Vehicle</source>
        <translation>Editar barco o vehículo</translation>
    </message>
    <message>
        <source>Add Boat or Vehicle</source>
        <translation>Añadir barco o vehículo</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Length overall (ft):</source>
        <translation>&amp;Eslora total (ft):</translation>
    </message>
    <message>
        <source>&amp;Length overall (m):</source>
        <translation>&amp;Eslora total (m):</translation>
    </message>
    <message>
        <source>&amp;Beam (ft):</source>
        <translation>&amp;Manga (ft):</translation>
    </message>
    <message>
        <source>&amp;Beam (m):</source>
        <translation>&amp;Manga (m):</translation>
    </message>
    <message>
        <source>&amp;Draft (ft):</source>
        <translation>Cala&amp;do (ft):</translation>
    </message>
    <message>
        <source>&amp;Draft (m):</source>
        <translation>Cala&amp;do (m):</translation>
    </message>
    <message>
        <source>&amp;Height (ft):</source>
        <translation>A&amp;ltura (ft):</translation>
    </message>
    <message>
        <source>&amp;Height (m):</source>
        <translation>A&amp;ltura (m):</translation>
    </message>
    <message>
        <source>&amp;Registration or sail number:</source>
        <translation>Matrícula o número de &amp;vela:</translation>
    </message>
    <message>
        <source>&amp;Insurance company:</source>
        <translation>Compañía de &amp;seguros:</translation>
    </message>
    <message>
        <source>&amp;Policy number:</source>
        <translation>Número de &amp;póliza:</translation>
    </message>
    <message>
        <source>Insurance &amp;expires:</source>
        <translation>Vencimiento del se&amp;guro:</translation>
    </message>
    <message>
        <source>No&amp;tes:</source>
        <translation>N&amp;otas:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Type a size in feet, more than 0 and at most 656.</source>
        <translation>Escriba una medida en pies, mayor que 0 y como máximo 656.</translation>
    </message>
    <message>
        <source>Type a size in metres, more than 0 and at most 200.</source>
        <translation>Escriba una medida en metros, mayor que 0 y como máximo 200.</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>barco</translation>
    </message>
</context>
<context>
    <name>BoatFitting</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>No: %1</translation>
    </message>
    <message>
        <source>%1 does not fit %2. Book it there all the same?</source>
        <translation>%1 no cabe en %2. ¿Reservarlo allí de todos modos?</translation>
    </message>
    <message>
        <source>The insurance of %1 runs out on %2, before the departure.</source>
        <translation>El seguro de %1 vence el %2, antes de la salida.</translation>
    </message>
</context>
<context>
    <name>Boats</name>
    <message>
        <source>The boat &quot;%1&quot; was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>El barco &quot;%1&quot; se ha eliminado mientras tanto en otro puesto, por lo que no se ha guardado nada.</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; was changed at another desk meanwhile, so nothing was saved. Open it again to see the change.</source>
        <translation>El barco &quot;%1&quot; se ha cambiado mientras tanto en otro puesto, por lo que no se ha guardado nada. Ábralo de nuevo para ver el cambio.</translation>
    </message>
    <message>
        <source>Sail monohull</source>
        <translation>Velero monocasco</translation>
    </message>
    <message>
        <source>Sail multihull</source>
        <translation>Velero multicasco</translation>
    </message>
    <message>
        <source>Motor boat</source>
        <translation>Barco a motor</translation>
    </message>
    <message>
        <source>Other boat</source>
        <translation>Otro barco</translation>
    </message>
    <message>
        <source>Caravan</source>
        <translation>Caravana</translation>
    </message>
    <message>
        <source>Motorhome</source>
        <translation>Autocaravana</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Other vehicle</source>
        <translation>Otro vehículo</translation>
    </message>
    <message>
        <source>A boat or vehicle needs a name.</source>
        <translation>Un barco o vehículo necesita un nombre.</translation>
    </message>
    <message>
        <source>A name may have 100 characters at the most.</source>
        <translation>Un nombre puede tener 100 caracteres como máximo.</translation>
    </message>
    <message>
        <source>A size must be more than 0 and at most 200 m.</source>
        <translation>Una medida debe ser mayor que 0 y como máximo 200 m.</translation>
    </message>
    <message>
        <source>The boat no longer exists.</source>
        <translation>El barco ya no existe.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Length overall:</source>
        <translation>Eslora total:</translation>
    </message>
    <message>
        <source>Beam:</source>
        <translation>Manga:</translation>
    </message>
    <message>
        <source>Draft:</source>
        <translation>Calado:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Registration or sail number:</source>
        <translation>Matrícula o número de vela:</translation>
    </message>
    <message>
        <source>Insurance company:</source>
        <translation>Compañía de seguros:</translation>
    </message>
    <message>
        <source>Policy number:</source>
        <translation>Número de póliza:</translation>
    </message>
    <message>
        <source>Insurance expires:</source>
        <translation>Vencimiento del seguro:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
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
        <translation>Amarres / atraques  disponibles:</translation>
    </message>
    <message>
        <source>Select the Berth to use. (Items selected will appear in blue)</source>
        <translation>Seleccione el amarre que desea usar. (Los elementos seleccionados aparecen en azul)</translation>
    </message>
    <message>
        <source>New Boa&amp;t...</source>
        <translation>Nuevo &amp;barco...</translation>
    </message>
    <message>
        <source>&amp;Only berths that fit</source>
        <translation>Solo amarres en los &amp;que cabe</translation>
    </message>
    <message>
        <source>Bo&amp;at:</source>
        <translation>Ba&amp;rco:</translation>
    </message>
    <message>
        <source>Select the unit for this booking. (Items highlighted in blue have been booked)</source>
        <translation>Seleccione la unidad para esta reserva. (Los elementos resaltados en azul ya están reservados)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(sin barco)</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (nuevo)</translation>
    </message>
    <message>
        <source>Please select one or more units</source>
        <translation>Seleccione una o varias unidades</translation>
    </message>
</context>
<context>
    <name>BookingChargesPage</name>
    <message>
        <source>No Adults</source>
        <translation>N.º de adultos</translation>
    </message>
    <message>
        <source>No Kids</source>
        <translation>N.º de niños</translation>
    </message>
    <message>
        <source>Berth Confirmation No.</source>
        <translation>N.º de confirmación del amarre</translation>
    </message>
    <message>
        <source>Cost of Hire</source>
        <translation>Precio del alquiler</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Otros cargos</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Total a pagar</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Importe pagado</translation>
    </message>
    <message>
        <source>Enter your customer&apos;s details.</source>
        <translation>Introduzca los datos del cliente.</translation>
    </message>
    <message>
        <source>No Adults:</source>
        <translation>N.º de adultos:</translation>
    </message>
    <message>
        <source>No Kids:</source>
        <translation>N.º de niños:</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Power requirements:</source>
        <translation>Necesidades de electricidad:</translation>
    </message>
    <message>
        <source>Confirmation No.:</source>
        <translation>N.º de confirmación:</translation>
    </message>
    <message>
        <source>Guest Confirmation No.:</source>
        <translation>N.º de confirmación del huésped:</translation>
    </message>
    <message>
        <source>Berth Hire:</source>
        <translation>Alquiler del amarre:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Otros cargos:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>IVA:</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Total a pagar:</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Importe pagado:</translation>
    </message>
    <message>
        <source>The rates could not be read, so the hire cannot be worked out.
%1</source>
        <translation>No se han podido leer las tarifas, por lo que no se puede calcular el alquiler.
%1</translation>
    </message>
    <message>
        <source>The period or the berths changed, so the hire has been worked out again.</source>
        <translation>El periodo o los amarres han cambiado, por lo que se ha vuelto a calcular el alquiler.</translation>
    </message>
    <message>
        <source>The period or the berths of this booking have changed.
Agreed price: hire %1, total payable %2.
With today&apos;s rates: hire %3, total payable %4.

Keep the agreed price?</source>
        <translation>El periodo o los amarres de esta reserva han cambiado.
Precio acordado: alquiler %1, total a pagar %2.
Con las tarifas de hoy: alquiler %3, total a pagar %4.

¿Mantener el precio acordado?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>&amp;Mantener %1</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Recalcular a %1</translation>
    </message>
    <message>
        <source>The agreed price is kept.</source>
        <translation>Se mantiene el precio acordado.</translation>
    </message>
</context>
<context>
    <name>BookingChart</name>
    <message>
        <source>No berth type</source>
        <translation>Sin tipo de amarre</translation>
    </message>
    <message>
        <source>Contract %1: %2 holds %3 from %4 to %5</source>
        <translation>Contrato %1: %2 ocupa %3 del %4 al %5</translation>
    </message>
    <message>
        <source>Booking %1: %2
%3 to %4
Total %5, paid %6</source>
        <translation>Reserva %1: %2
%3 a %4
Total %5, pagado %6</translation>
    </message>
    <message>
        <source>
To be moved: the berth is blocked.</source>
        <translation>
Por cambiar de amarre: el amarre está bloqueado.</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>No es un amarre.</translation>
    </message>
    <message>
        <source>%1 is not in use.</source>
        <translation>%1 no está en uso.</translation>
    </message>
    <message>
        <source>%1 is blocked.</source>
        <translation>%1 está bloqueado.</translation>
    </message>
    <message>
        <source>%1 is blocked: %2.</source>
        <translation>%1 está bloqueado: %2.</translation>
    </message>
    <message>
        <source>%1 is taken by booking %2.</source>
        <translation>%1 está ocupado por la reserva %2.</translation>
    </message>
    <message>
        <source>%1 is taken by %2.</source>
        <translation>%1 está ocupado por %2.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>La salida debe ser posterior a la llegada.</translation>
    </message>
    <message>
        <source>The booking already holds %1.</source>
        <translation>La reserva ya ocupa %1.</translation>
    </message>
    <message>
        <source>%1 away, back %2</source>
        <translation>%1 ausente, vuelve el %2</translation>
    </message>
    <message>
        <source>Contract %1: %2 is away from %3 and back on %4. Free to let to visitors until noon that day; the berth stays the holder&apos;s.</source>
        <translation>Contrato %1: %2 está ausente desde el %3 y vuelve el %4. Libre para alquilar a visitantes hasta el mediodía de ese día; el amarre sigue siendo del titular.</translation>
    </message>
</context>
<context>
    <name>BookingChartPrint</name>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Página %p de %P</translation>
    </message>
</context>
<context>
    <name>BookingChartView</name>
    <message>
        <source>Taken of %1</source>
        <translation>Ocupados de %1</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>No berth above this one is free for these days.</source>
        <translation>Ningún amarre por encima de este está libre en estos días.</translation>
    </message>
    <message>
        <source>No berth below this one is free for these days.</source>
        <translation>Ningún amarre por debajo de este está libre en estos días.</translation>
    </message>
    <message>
        <source>Drop it on a berth and days of the chart.</source>
        <translation>Suéltela sobre un amarre y unos días del cuadro.</translation>
    </message>
</context>
<context>
    <name>BookingChartWindow</name>
    <message>
        <source>Booking Chart</source>
        <translation>Cuadro de reservas</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>T&amp;oday</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>&amp;Block Berth...</source>
        <translation>&amp;Bloquear amarre...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>&amp;Guest</source>
        <translation>H&amp;uésped</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Llegada</translation>
    </message>
    <message>
        <source>&amp;Depart...</source>
        <translation>&amp;Salida...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>&amp;Deshacer entrada o salida...</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;esde:</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>&amp;Tipo de amarre:</translation>
    </message>
    <message>
        <source>The booking was not moved.
%1</source>
        <translation>No se ha movido la reserva.
%1</translation>
    </message>
    <message>
        <source>All berth types</source>
        <translation>Todos los tipos de amarre</translation>
    </message>
    <message>
        <source>Choose a booking&apos;s bar first: its guest is the one checked in or out.</source>
        <translation>Elija primero la barra de una reserva: su huésped es el que se registra a la entrada o a la salida.</translation>
    </message>
    <message>
        <source>The booking could not be moved. Nothing was changed.
%1</source>
        <translation>No se ha podido mover la reserva. No se ha cambiado nada.
%1</translation>
    </message>
    <message>
        <source>Agreed price: total payable %1.
With today&apos;s rates for the new days and berths: total payable %2.

Keep the agreed price?</source>
        <translation>Precio acordado: total a pagar %1.
Con las tarifas de hoy para los nuevos días y amarres: total a pagar %2.

¿Mantener el precio acordado?</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>&amp;Mantener %1</translation>
    </message>
    <message>
        <source>&amp;Reprice to %1</source>
        <translation>&amp;Recalcular a %1</translation>
    </message>
    <message>
        <source>No booking can be made there.
%1</source>
        <translation>No se puede hacer ninguna reserva allí.
%1</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile.</source>
        <translation>La reserva se ha cambiado mientras tanto en otro puesto.</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Cancelar reserva</translation>
    </message>
    <message>
        <source>Another desk removed this block meanwhile.</source>
        <translation>Otro puesto ha quitado este bloqueo mientras tanto.</translation>
    </message>
    <message>
        <source>The block was not moved. Nothing was changed.
%1</source>
        <translation>No se ha movido el bloqueo. No se ha cambiado nada.
%1</translation>
    </message>
    <message>
        <source>Not a berth.</source>
        <translation>No es un amarre.</translation>
    </message>
    <message>
        <source>Another desk changed this block meanwhile.</source>
        <translation>Otro puesto ha cambiado este bloqueo mientras tanto.</translation>
    </message>
</context>
<context>
    <name>BookingConfirmationPage</name>
    <message>
        <source>Booking confirmation details:</source>
        <translation>Detalles de la confirmación de la reserva:</translation>
    </message>
    <message>
        <source>ph:</source>
        <translation>tel.:</translation>
    </message>
    <message>
        <source>Show the booking con&amp;firmation when saved</source>
        <translation>Mostrar la con&amp;firmación de la reserva al guardar</translation>
    </message>
    <message>
        <source>Send confirmation by e-ma&amp;il</source>
        <translation>Enviar la confirmación por correo electró&amp;nico</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Barco: %1</translation>
    </message>
    <message>
        <source>Confirmation number %1 was given to a booking made at another desk meanwhile. This booking has been saved with number %2.</source>
        <translation>El número de confirmación %1 se ha dado mientras tanto a una reserva hecha en otro puesto. Esta reserva se ha guardado con el número %2.</translation>
    </message>
    <message>
        <source>The booking has been saved with confirmation number %1.</source>
        <translation>La reserva se ha guardado con el número de confirmación %1.</translation>
    </message>
    <message>
        <source>The booking has been saved.</source>
        <translation>La reserva se ha guardado.</translation>
    </message>
    <message>
        <source>Show its summary?</source>
        <translation>¿Mostrar su resumen?</translation>
    </message>
</context>
<context>
    <name>BookingCustomerPanel</name>
    <message>
        <source>Ne&amp;w...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>Select customer:</source>
        <translation>Seleccione el cliente:</translation>
    </message>
    <message>
        <source>Please select customer</source>
        <translation>Seleccione un cliente</translation>
    </message>
    <message>
        <source>%1 is not a boat of %2. Choose its owner as the customer, or no boat on the berths page.</source>
        <translation>%1 no es un barco de %2. Elija a su propietario como cliente, o ningún barco en la página de amarres.</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation>%1 (nuevo)</translation>
    </message>
</context>
<context>
    <name>BookingDatesPage</name>
    <message>
        <source>Set Arrival date and Arrival time, then set Departure date and Departure time</source>
        <translation>Indique la fecha y hora de llegada y luego la fecha y hora de salida</translation>
    </message>
    <message>
        <source>Arrival Date:</source>
        <translation>Fecha de llegada:</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Fecha de salida:</translation>
    </message>
    <message>
        <source>Booked by (your name):</source>
        <translation>Reservado por (su nombre):</translation>
    </message>
    <message>
        <source>Departure date must be after the Arrival date. Please change the Departure date and try again.</source>
        <translation>La fecha de salida debe ser posterior a la fecha de llegada. Cambie la fecha de salida y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Booking interval is invalid</source>
        <translation>El intervalo de la reserva no es válido</translation>
    </message>
</context>
<context>
    <name>BookingDeposit</name>
    <message>
        <source>A deposit cannot be less than %1.</source>
        <translation>Un depósito no puede ser inferior a %1.</translation>
    </message>
    <message>
        <source>The deposit cannot be more than the total payable, %1.</source>
        <translation>El depósito no puede ser superior al total a pagar, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due before the day the booking was made, %1.</source>
        <translation>El depósito no puede vencer antes del día en que se hizo la reserva, %1.</translation>
    </message>
    <message>
        <source>The deposit cannot fall due after the balance, %1.</source>
        <translation>El depósito no puede vencer después del saldo, %1.</translation>
    </message>
    <message>
        <source>The balance cannot fall due after the arrival, %1.</source>
        <translation>El saldo no puede vencer después de la llegada, %1.</translation>
    </message>
</context>
<context>
    <name>BookingDepositPanel</name>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>&amp;Deposit:</source>
        <translation>&amp;Depósito:</translation>
    </message>
    <message>
        <source>Deposit d&amp;ue by:</source>
        <translation>Vencim&amp;iento del depósito:</translation>
    </message>
    <message>
        <source>Balanc&amp;e due by:</source>
        <translation>Vencimiento del sa&amp;ldo:</translation>
    </message>
    <message>
        <source>The deposit typed was more than the total payable, so it is now %1.</source>
        <translation>El depósito introducido superaba el total a pagar, por lo que ahora es %1.</translation>
    </message>
    <message>
        <source>Total payable %1 due by %2</source>
        <translation>Total a pagar %1, vence el %2</translation>
    </message>
    <message>
        <source>Deposit %1 due by %2, balance %3 due by %4</source>
        <translation>Depósito %1, vence el %2; saldo %3, vence el %4</translation>
    </message>
</context>
<context>
    <name>BookingDetailsPanel</name>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Adults and</source>
        <translation>Adultos y</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Niños</translation>
    </message>
    <message>
        <source>Booking from</source>
        <translation>Reserva desde</translation>
    </message>
</context>
<context>
    <name>BookingDocuments</name>
    <message>
        <source>Telephone No:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>NIF/CIF:</translation>
    </message>
    <message>
        <source>There is no booking to print.</source>
        <translation>No hay ninguna reserva que imprimir.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La reserva ya no existe.</translation>
    </message>
    <message>
        <source>Signature: %1 Date: %2</source>
        <translation>Firma: %1 Fecha: %2</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>FACTURA</translation>
    </message>
    <message>
        <source>Invoice Number:</source>
        <translation>Número de factura:</translation>
    </message>
    <message>
        <source>Booking Date:</source>
        <translation>Fecha de reserva:</translation>
    </message>
    <message>
        <source>Departure Date:</source>
        <translation>Fecha de salida:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Amarre(s):</translation>
    </message>
    <message>
        <source>Booked By:</source>
        <translation>Reservado por:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Barco:</translation>
    </message>
    <message>
        <source>Booking charges,</source>
        <translation>Cargos de la reserva,</translation>
    </message>
    <message>
        <source>Cost Of Hire:</source>
        <translation>Precio del alquiler:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Otros cargos:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>IVA:</translation>
    </message>
    <message>
        <source>Total Payable:</source>
        <translation>Total a pagar:</translation>
    </message>
    <message>
        <source>Amount Payed:</source>
        <translation>Importe pagado:</translation>
    </message>
    <message>
        <source>In Credit:</source>
        <translation>A favor:</translation>
    </message>
    <message>
        <source>Balance Due:</source>
        <translation>Saldo pendiente:</translation>
    </message>
    <message>
        <source>Credit notes,</source>
        <translation>Facturas rectificativas,</translation>
    </message>
    <message>
        <source>    Credit note %1  %2</source>
        <translation>    Factura rectificativa %1  %2</translation>
    </message>
    <message>
        <source>Net after credit notes:</source>
        <translation>Importe neto tras facturas rectificativas:</translation>
    </message>
    <message>
        <source>Berth Confirmation Number:</source>
        <translation>N.º de confirmación del amarre:</translation>
    </message>
    <message>
        <source>Guest Confirmation Number:</source>
        <translation>N.º de confirmación del huésped:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Reservation Form</source>
        <translation>Formulario de reserva</translation>
    </message>
    <message>
        <source>Reservation Number:</source>
        <translation>Número de reserva:</translation>
    </message>
    <message>
        <source>From Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>To Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>HouseName:</source>
        <translation>Nombre de la casa:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Calle:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Localidad:</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>TelNo:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>MobileNo:</source>
        <translation>Móvil:</translation>
    </message>
    <message>
        <source>EmailAddress:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Client Notes:</source>
        <translation>Notas del cliente:</translation>
    </message>
    <message>
        <source>ClubMember:</source>
        <translation>Socio del club:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>MembershipNo:</source>
        <translation>N.º de socio:</translation>
    </message>
    <message>
        <source>Reservation Notes:</source>
        <translation>Notas de la reserva:</translation>
    </message>
    <message>
        <source>Reservation Terms and Conditions:</source>
        <translation>Términos y condiciones de la reserva:</translation>
    </message>
    <message>
        <source>BOOKING CONFIRMATION</source>
        <translation>CONFIRMACIÓN DE RESERVA</translation>
    </message>
    <message>
        <source>Booking Number:</source>
        <translation>Número de reserva:</translation>
    </message>
    <message>
        <source>Confirmation Number:</source>
        <translation>Número de confirmación:</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Llegada:</translation>
    </message>
    <message>
        <source>Departure:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Paid to date:</source>
        <translation>Pagado hasta la fecha:</translation>
    </message>
    <message>
        <source>Deposit due:</source>
        <translation>Depósito pendiente:</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>antes del %1</translation>
    </message>
    <message>
        <source>deposit of %1 paid</source>
        <translation>depósito de %1 pagado</translation>
    </message>
    <message>
        <source>Balance due:</source>
        <translation>Saldo pendiente:</translation>
    </message>
    <message>
        <source>paid in full</source>
        <translation>pagado en su totalidad</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Términos y condiciones:</translation>
    </message>
    <message>
        <source>CREDIT NOTE</source>
        <translation>FACTURA RECTIFICATIVA</translation>
    </message>
    <message>
        <source>Credit Note Number:</source>
        <translation>Número de factura rectificativa:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Against Invoice Number:</source>
        <translation>Rectifica la factura número:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Amount Credited:</source>
        <translation>Importe abonado:</translation>
    </message>
</context>
<context>
    <name>BookingHistory</name>
    <message>
        <source>Customer number</source>
        <translation>Número de cliente</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Booked by</source>
        <translation>Reservado por</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Adultos</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Niños</translation>
    </message>
    <message>
        <source>Cost of hire</source>
        <translation>Precio del alquiler</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Otros cargos</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total payable</source>
        <translation>Total a pagar</translation>
    </message>
    <message>
        <source>Payment method number</source>
        <translation>Número de forma de pago</translation>
    </message>
    <message>
        <source>Card type</source>
        <translation>Tipo de tarjeta</translation>
    </message>
    <message>
        <source>Confirmation number</source>
        <translation>Número de confirmación</translation>
    </message>
    <message>
        <source>Guest&apos;s confirmation number</source>
        <translation>Número de confirmación del huésped</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Club member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Tax rate (hundredths of a per cent)</source>
        <translation>Tipo impositivo (centésimas de punto porcentual)</translation>
    </message>
    <message>
        <source>Boat number</source>
        <translation>Número de barco</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>Berths when cancelled</source>
        <translation>Amarres al cancelar</translation>
    </message>
    <message>
        <source>Invoice number</source>
        <translation>Número de factura</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Estancia</translation>
    </message>
    <message>
        <source>Checked in</source>
        <translation>Entrada registrada</translation>
    </message>
    <message>
        <source>Checked in at</source>
        <translation>Hora de entrada</translation>
    </message>
    <message>
        <source>Checked out</source>
        <translation>Salida registrada</translation>
    </message>
    <message>
        <source>Checked out at</source>
        <translation>Hora de salida</translation>
    </message>
    <message>
        <source>Deposit agreed</source>
        <translation>Depósito acordado</translation>
    </message>
    <message>
        <source>Deposit due by</source>
        <translation>Vencimiento del depósito</translation>
    </message>
    <message>
        <source>Balance due by</source>
        <translation>Vencimiento del saldo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>daily charge</source>
        <translation>cargo diario</translation>
    </message>
    <message>
        <source>%1, %2: %3 x %4 = %5</source>
        <translation>%1, %2: %3 x %4 = %5</translation>
    </message>
    <message>
        <source>Booking made</source>
        <translation>Reserva creada</translation>
    </message>
    <message>
        <source>Booking deleted</source>
        <translation>Reserva eliminada</translation>
    </message>
    <message>
        <source>Berth added</source>
        <translation>Amarre añadido</translation>
    </message>
    <message>
        <source>Berth removed</source>
        <translation>Amarre quitado</translation>
    </message>
    <message>
        <source>Berth changed</source>
        <translation>Amarre cambiado</translation>
    </message>
    <message>
        <source>Charge line added</source>
        <translation>Línea de cargo añadida</translation>
    </message>
    <message>
        <source>Charge line removed</source>
        <translation>Línea de cargo quitada</translation>
    </message>
    <message>
        <source>Ledger line</source>
        <translation>Línea del libro de cuentas</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Página %p de %P</translation>
    </message>
    <message>
        <source>No changes are recorded for this booking.</source>
        <translation>No hay cambios registrados para esta reserva.</translation>
    </message>
</context>
<context>
    <name>BookingHistoryDialog</name>
    <message>
        <source>Booking history</source>
        <translation>Historial de la reserva</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Booking %1 history.pdf</source>
        <translation>Historial de la reserva %1.pdf</translation>
    </message>
    <message>
        <source>The booking&apos;s history could not be read: %1</source>
        <translation>No se ha podido leer el historial de la reserva: %1</translation>
    </message>
</context>
<context>
    <name>BookingImport</name>
    <message>
        <source>booking %1</source>
        <translation>reserva %1</translation>
    </message>
</context>
<context>
    <name>BookingMail</name>
    <message>
        <source>The booking has been cancelled: no message is sent about it.</source>
        <translation>La reserva se ha cancelado: no se envía ningún mensaje sobre ella.</translation>
    </message>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 no tiene ninguna dirección de correo electrónico utilizable: %2</translation>
    </message>
    <message>
        <source>Reminder days must be from 0 to %1.</source>
        <translation>Los días de recordatorio deben estar entre 0 y %1.</translation>
    </message>
    <message>
        <source>Booking %1 no longer exists.</source>
        <translation>La reserva %1 ya no existe.</translation>
    </message>
</context>
<context>
    <name>BookingMailMenu</name>
    <message>
        <source>Send confirmation</source>
        <translation>Enviar confirmación</translation>
    </message>
    <message>
        <source>The confirmation was not queued: %1</source>
        <translation>La confirmación no se ha puesto en cola: %1</translation>
    </message>
    <message>
        <source>Confirmation of booking %1</source>
        <translation>Confirmación de la reserva %1</translation>
    </message>
    <message>
        <source>E-mail invoice</source>
        <translation>Enviar factura por correo</translation>
    </message>
    <message>
        <source>The invoice was not queued: %1</source>
        <translation>La factura no se ha puesto en cola: %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Factura %1 de la reserva %2</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2 by e-mail</source>
        <translation>Factura %1 de la reserva %2 por correo electrónico</translation>
    </message>
    <message>
        <source>Invoice %1 is in the outbox and goes out in the background.</source>
        <translation>La factura %1 está en la bandeja de salida y se envía en segundo plano.</translation>
    </message>
    <message>
        <source>E-mail Invoice</source>
        <translation>Enviar factura por correo</translation>
    </message>
</context>
<context>
    <name>BookingMessagesPanel</name>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Server&apos;s answer</source>
        <translation>Respuesta del servidor</translation>
    </message>
    <message>
        <source>Re&amp;send now</source>
        <translation>Reenviar &amp;ahora</translation>
    </message>
    <message>
        <source>Edit messa&amp;ge...</source>
        <translation>Editar me&amp;nsaje...</translation>
    </message>
    <message>
        <source>E-mail sent about this booking:</source>
        <translation>Correos electrónicos enviados sobre esta reserva:</translation>
    </message>
    <message>
        <source>The messages could not be read: %1</source>
        <translation>No se han podido leer los mensajes: %1</translation>
    </message>
    <message>
        <source>Sent %1</source>
        <translation>Enviado %1</translation>
    </message>
    <message>
        <source>Edit Message</source>
        <translation>Editar mensaje</translation>
    </message>
    <message>
        <source>&amp;Queue again</source>
        <translation>&amp;Volver a poner en cola</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Para:</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Asunto:</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Mensaje:</translation>
    </message>
</context>
<context>
    <name>BookingMove</name>
    <message>
        <source>The booking stays where it was.</source>
        <translation>La reserva se queda donde estaba.</translation>
    </message>
    <message>
        <source>The booking was cancelled at another desk meanwhile. Nothing was moved.</source>
        <translation>La reserva se ha cancelado mientras tanto en otro puesto. No se ha movido nada.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk meanwhile. Nothing was moved; the chart shows it as it is now.</source>
        <translation>La reserva se ha cambiado mientras tanto en otro puesto. No se ha movido nada; el cuadro la muestra tal como está ahora.</translation>
    </message>
    <message>
        <source>The departure must come after the arrival.</source>
        <translation>La salida debe ser posterior a la llegada.</translation>
    </message>
    <message>
        <source>Bookings can only be made from %1 to %2.</source>
        <translation>Solo se pueden hacer reservas del %1 al %2.</translation>
    </message>
    <message>
        <source>The booking already holds that berth.</source>
        <translation>La reserva ya ocupa ese amarre.</translation>
    </message>
    <message>
        <source>That berth is not in use: a booking cannot be moved onto it.</source>
        <translation>Ese amarre no está en uso: no se puede mover una reserva a él.</translation>
    </message>
    <message>
        <source>The booking was changed at another desk since it was moved. Nothing was undone.</source>
        <translation>La reserva se ha cambiado en otro puesto después de moverla. No se ha deshecho nada.</translation>
    </message>
</context>
<context>
    <name>BookingPaymentPanel</name>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>Registrar pa&amp;go...</translation>
    </message>
    <message>
        <source>Payment Method:</source>
        <translation>Forma de pago:</translation>
    </message>
    <message>
        <source>Credit Card No.:</source>
        <translation>N.º de tarjeta de crédito:</translation>
    </message>
    <message>
        <source>Credit Card Expiry:</source>
        <translation>Caducidad de la tarjeta:</translation>
    </message>
    <message>
        <source>Credit Card Type:</source>
        <translation>Tipo de tarjeta de crédito:</translation>
    </message>
</context>
<context>
    <name>BookingPricing</name>
    <message>
        <source>daily charge</source>
        <translation>cargo diario</translation>
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
        <translation>Ninguna tarifa pone precio a %1: se cuenta a %2.</translation>
    </message>
</context>
<context>
    <name>BookingReports</name>
    <message>
        <source>From: %1 to: %2</source>
        <translation>Desde: %1 hasta: %2</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Desde: %1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>Hasta: %1</translation>
    </message>
</context>
<context>
    <name>BookingRules</name>
    <message>
        <source>Berth(s): %1</source>
        <translation>Amarre(s): %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>BookingStore</name>
    <message>
        <source>Bookings can be made from %1 to %2.</source>
        <translation>Las reservas se pueden hacer del %1 al %2.</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Un importe supera %1.</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to the total payable, %2.</source>
        <translation>Un depósito va de %1 al total a pagar, %2.</translation>
    </message>
    <message>
        <source>The tax rate runs from 0 to 100 %.</source>
        <translation>El tipo impositivo va de 0 a 100 %.</translation>
    </message>
    <message>
        <source>The numbers of adults and children run from 0 to %1.</source>
        <translation>El número de adultos y de niños va de 0 a %1.</translation>
    </message>
    <message>
        <source>arrival</source>
        <translation>llegada</translation>
    </message>
    <message>
        <source>departure</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>booked by</source>
        <translation>reservado por</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notas</translation>
    </message>
    <message>
        <source>adults</source>
        <translation>adultos</translation>
    </message>
    <message>
        <source>children</source>
        <translation>niños</translation>
    </message>
    <message>
        <source>other charges</source>
        <translation>otros cargos</translation>
    </message>
    <message>
        <source>tax</source>
        <translation>impuesto</translation>
    </message>
    <message>
        <source>total payable</source>
        <translation>total a pagar</translation>
    </message>
    <message>
        <source>payment method</source>
        <translation>forma de pago</translation>
    </message>
    <message>
        <source>card number</source>
        <translation>número de tarjeta</translation>
    </message>
    <message>
        <source>card expiry</source>
        <translation>caducidad de la tarjeta</translation>
    </message>
    <message>
        <source>card type</source>
        <translation>tipo de tarjeta</translation>
    </message>
    <message>
        <source>security code</source>
        <translation>código de seguridad</translation>
    </message>
    <message>
        <source>cost of hire</source>
        <translation>precio del alquiler</translation>
    </message>
    <message>
        <source>confirmation number</source>
        <translation>número de confirmación</translation>
    </message>
    <message>
        <source>guest confirmation number</source>
        <translation>número de confirmación del huésped</translation>
    </message>
    <message>
        <source>power requirements</source>
        <translation>necesidades de electricidad</translation>
    </message>
    <message>
        <source>club member</source>
        <translation>socio del club</translation>
    </message>
    <message>
        <source>tax rate</source>
        <translation>tipo impositivo</translation>
    </message>
    <message>
        <source>boat</source>
        <translation>barco</translation>
    </message>
    <message>
        <source>deposit</source>
        <translation>depósito</translation>
    </message>
    <message>
        <source>deposit due by</source>
        <translation>vencimiento del depósito</translation>
    </message>
    <message>
        <source>balance due by</source>
        <translation>vencimiento del saldo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>amarres</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La reserva ya no existe.</translation>
    </message>
    <message>
        <source>%1 has been blocked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 se ha bloqueado para este periodo después de mostrarse la lista. No se ha guardado nada: vuelva a elegir las unidades.</translation>
    </message>
    <message>
        <source>%1 has been booked for this period since the list was shown. Nothing was saved: please choose the units again.</source>
        <translation>%1 se ha reservado para este periodo después de mostrarse la lista. No se ha guardado nada: vuelva a elegir las unidades.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it (changed: %1). Nothing was saved: cancel and open it again to see the changes.</source>
        <translation>Esta reserva se ha cambiado o cancelado en otro puesto después de que usted la abriera (cambiado: %1). No se ha guardado nada: cancele y vuelva a abrirla para ver los cambios.</translation>
    </message>
    <message>
        <source>The boat has been removed or given to another customer since the list was shown. Nothing was saved: please choose the boat again.</source>
        <translation>El barco se ha quitado o asignado a otro cliente después de mostrarse la lista. No se ha guardado nada: vuelva a elegir el barco.</translation>
    </message>
    <message>
        <source>The customer has been deleted since the list was shown. Nothing was saved.</source>
        <translation>El cliente se ha eliminado después de mostrarse la lista. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>A cancelled booking cannot be changed.</source>
        <translation>Una reserva cancelada no se puede cambiar.</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminada</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was deleted: close it and open it again to see the changes.</source>
        <translation>Esta reserva se ha cambiado o cancelado en otro puesto después de que usted la abriera. No se ha eliminado nada: ciérrela y vuelva a abrirla para ver los cambios.</translation>
    </message>
    <message>
        <source>Money has been taken on this booking: it is cancelled from its summary, which keeps its payments.</source>
        <translation>Se ha cobrado dinero en esta reserva: se cancela desde su resumen, que conserva sus pagos.</translation>
    </message>
    <message>
        <source>This booking has been changed or cancelled at another desk since you opened it. Nothing was cancelled: close it and open it again to see the changes.</source>
        <translation>Esta reserva se ha cambiado o cancelado en otro puesto después de que usted la abriera. No se ha cancelado nada: ciérrela y vuelva a abrirla para ver los cambios.</translation>
    </message>
    <message>
        <source>The booking has already been cancelled.</source>
        <translation>La reserva ya se ha cancelado.</translation>
    </message>
    <message>
        <source>Booking cancelled</source>
        <translation>Reserva cancelada</translation>
    </message>
</context>
<context>
    <name>BookingSummaryData</name>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La reserva ya no existe.</translation>
    </message>
</context>
<context>
    <name>BookingSummaryWindow</name>
    <message>
        <source>Reservation summary</source>
        <translation>Resumen de la reserva</translation>
    </message>
    <message>
        <source>Ph:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>Berth  Charges</source>
        <translation>Cargos del amarre</translation>
    </message>
    <message>
        <source>Other Charges</source>
        <translation>Otros cargos</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total Payable</source>
        <translation>Total a pagar</translation>
    </message>
    <message>
        <source>Amount Payed</source>
        <translation>Importe pagado</translation>
    </message>
    <message>
        <source>Reservation notes:</source>
        <translation>Notas de la reserva:</translation>
    </message>
    <message>
        <source>Customer Notes</source>
        <translation>Notas del cliente</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Record Pa&amp;yment...</source>
        <translation>Registrar pa&amp;go...</translation>
    </message>
    <message>
        <source>Re&amp;fund...</source>
        <translation>De&amp;volución...</translation>
    </message>
    <message>
        <source>&amp;Arrive</source>
        <translation>&amp;Llegada</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>&amp;Salida...</translation>
    </message>
    <message>
        <source>&amp;Undo check-in or out...</source>
        <translation>Deshacer entrada o sal&amp;ida...</translation>
    </message>
    <message>
        <source>To amend financial details press the Edit Booking Button</source>
        <translation>Para modificar los datos económicos pulse el botón Editar reserva</translation>
    </message>
    <message>
        <source>&amp;Edit booking</source>
        <translation>&amp;Editar reserva</translation>
    </message>
    <message>
        <source>&amp;Cancel booking</source>
        <translation>&amp;Cancelar reserva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Print Receipt</source>
        <translation>Imprimir &amp;recibo</translation>
    </message>
    <message>
        <source>&amp;Booking Form</source>
        <translation>&amp;Formulario de reserva</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Booking Form</source>
        <translation>Formulario de reserva</translation>
    </message>
    <message>
        <source>Confir&amp;mation</source>
        <translation>Confir&amp;mación</translation>
    </message>
    <message>
        <source>Credit N&amp;otes</source>
        <translation>Facturas rec&amp;tificativas</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>Booking %1: history</source>
        <translation>Reserva %1: historial</translation>
    </message>
    <message>
        <source>The booking could not be shown: %1</source>
        <translation>No se ha podido mostrar la reserva: %1</translation>
    </message>
    <message>
        <source>Boat: %1</source>
        <translation>Barco: %1</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Cancelada. %1</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be read: %1</source>
        <translation>No se ha podido leer la estancia del huésped: %1</translation>
    </message>
    <message>
        <source>Arrived %1 at %2</source>
        <translation>Llegó el %1 a las %2</translation>
    </message>
    <message>
        <source>Departed %1 at %2</source>
        <translation>Salió el %1 a las %2</translation>
    </message>
    <message>
        <source>Guest: %1</source>
        <translation>Huésped: %1</translation>
    </message>
    <message>
        <source>The payments could not be read: %1</source>
        <translation>No se han podido leer los pagos: %1</translation>
    </message>
    <message>
        <source>Cancelled: paid %1</source>
        <translation>Cancelada: pagado %1</translation>
    </message>
    <message>
        <source>Paid %1 of %2: in credit %3</source>
        <translation>Pagado %1 de %2: a favor %3</translation>
    </message>
    <message>
        <source>Paid %1 of %2: balance due %3</source>
        <translation>Pagado %1 de %2: saldo pendiente %3</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>El cliente tiene %1 de saldo a favor.</translation>
    </message>
    <message>
        <source>Credit note %1: %2</source>
        <translation>Factura rectificativa %1: %2</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Cancelar reserva</translation>
    </message>
    <message>
        <source>The invoice could not be numbered: %1</source>
        <translation>No se ha podido numerar la factura: %1</translation>
    </message>
    <message>
        <source>Invoice %1 for booking %2</source>
        <translation>Factura %1 de la reserva %2</translation>
    </message>
    <message>
        <source>The booking shown could not be printed: %1</source>
        <translation>No se ha podido imprimir la reserva mostrada: %1</translation>
    </message>
    <message>
        <source>The document could not be read: %1</source>
        <translation>No se ha podido leer el documento: %1</translation>
    </message>
</context>
<context>
    <name>BookingWizard</name>
    <message>
        <source>Berth / Caravan Reservation</source>
        <translation>Reserva de amarre / caravana</translation>
    </message>
    <message>
        <source>Booking Progress</source>
        <translation>Progreso de la reserva</translation>
    </message>
    <message>
        <source>Step 1 - Dates</source>
        <translation>Paso 1 - Fechas</translation>
    </message>
    <message>
        <source>Step 2 - Select Berth</source>
        <translation>Paso 2 - Elegir amarre</translation>
    </message>
    <message>
        <source>Step 3 - Customer</source>
        <translation>Paso 3 - Cliente</translation>
    </message>
    <message>
        <source>Step 4 - Confirmation</source>
        <translation>Paso 4 - Confirmación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Cancel Booking</source>
        <translation>Cancelar reserva</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Booking Notes</source>
        <translation>Notas de la reserva</translation>
    </message>
    <message>
        <source>The booking wizard holds a booking that has not been saved. Confirm or cancel it first.</source>
        <translation>El asistente de reservas contiene una reserva sin guardar. Confírmela o cancélela primero.</translation>
    </message>
    <message>
        <source>The booking has not been saved. Close the wizard and lose it?</source>
        <translation>La reserva no se ha guardado. ¿Cerrar el asistente y perderla?</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>The customer %1 has been deleted since the list was shown. Nothing was saved: please choose the customer again.</source>
        <translation>El cliente %1 se ha eliminado después de mostrarse la lista. No se ha guardado nada: vuelva a elegir el cliente.</translation>
    </message>
    <message>
        <source>The booking could not be saved. Nothing was changed.
%1</source>
        <translation>No se ha podido guardar la reserva. No se ha cambiado nada.
%1</translation>
    </message>
    <message>
        <source>Do you want to delete existing reservation?</source>
        <translation>¿Desea eliminar la reserva existente?</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Reserva</translation>
    </message>
</context>
<context>
    <name>CalendarFiles</name>
    <message>
        <source>Not available</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>The address did not give a calendar (no BEGIN:VCALENDAR at its start).</source>
        <translation>La dirección no ha devuelto un calendario (falta BEGIN:VCALENDAR al principio).</translation>
    </message>
    <message>
        <source>The address gave text that could not be read as a calendar.</source>
        <translation>La dirección ha devuelto un texto que no se puede leer como calendario.</translation>
    </message>
    <message>
        <source>The calendar has more than %1 events to come: it was not read.</source>
        <translation>El calendario tiene más de %1 eventos futuros: no se ha leído.</translation>
    </message>
</context>
<context>
    <name>CalendarWindow</name>
    <message>
        <source>Simple Calendar</source>
        <translation>Calendario sencillo</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Añadir reserva</translation>
    </message>
    <message>
        <source>Edit Reservation</source>
        <translation>Editar reserva</translation>
    </message>
    <message>
        <source>Show Summary</source>
        <translation>Mostrar resumen</translation>
    </message>
    <message>
        <source>Cancel Reservation</source>
        <translation>Cancelar reserva</translation>
    </message>
    <message>
        <source>The bookings could not be read.
%1</source>
        <translation>No se han podido leer las reservas.
%1</translation>
    </message>
    <message>
        <source>Cancel booking</source>
        <translation>Cancelar reserva</translation>
    </message>
</context>
<context>
    <name>CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Última lectura</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>https://... or webcal://... (the other site&apos;s calendar of this berth)</source>
        <translation>https://... o webcal://... (el calendario de este amarre en el otro sitio)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Read &amp;now</source>
        <translation>&amp;Leer ahora</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>A&amp;marre:</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Feeds</source>
        <translation>&amp;Fuentes</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Stays here that another site&apos;s calendar also holds: move each stay to another berth, or ask the other site to free its dates.</source>
        <translation>Estancias aquí que el calendario de otro sitio también tiene: mueva cada estancia a otro amarre, o pida al otro sitio que libere sus fechas.</translation>
    </message>
    <message>
        <source>C&amp;onflicts</source>
        <translation>C&amp;onflictos</translation>
    </message>
    <message>
        <source>empty: this desk publishes no calendars</source>
        <translation>vacío: este puesto no publica calendarios</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>This desk is the &amp;gateway: it reads the feeds of other sites</source>
        <translation>Este puesto es la &amp;pasarela: lee las fuentes de otros sitios</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Publish calendars into:</source>
        <translation>P&amp;ublicar calendarios en:</translation>
    </message>
    <message>
        <source>Each berth&apos;s calendar is berth-&lt;number&gt;.ics and each berth type&apos;s type-&lt;number&gt;.ics in that folder; put the folder on the office&apos;s web site.</source>
        <translation>El calendario de cada amarre es berth-&lt;número&gt;.ics y el de cada tipo de amarre type-&lt;número&gt;.ics en esa carpeta; ponga la carpeta en el sitio web de la oficina.</translation>
    </message>
    <message>
        <source>This &amp;desk</source>
        <translation>Este pues&amp;to</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Only the gateway desk reads the feeds: set it on the &quot;This desk&quot; page.</source>
        <translation>Solo el puesto pasarela lee las fuentes: márquelo en la página &quot;Este puesto&quot;.</translation>
    </message>
    <message>
        <source>Publish calendars into</source>
        <translation>Publicar calendarios en</translation>
    </message>
    <message>
        <source>Calendars (*.ics)</source>
        <translation>Calendarios (*.ics)</translation>
    </message>
    <message>
        <source>The calendars could not be read: %1</source>
        <translation>No se han podido leer los calendarios: %1</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>todavía no</translation>
    </message>
    <message>
        <source>Stop reading %1? The berth&apos;s blocks from this calendar are released.</source>
        <translation>¿Dejar de leer %1? Se liberan los bloqueos del amarre procedentes de este calendario.</translation>
    </message>
    <message>
        <source>The feed was not removed: %1</source>
        <translation>No se ha quitado la fuente: %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se ha podido crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Calendars: publish folder &quot;%1&quot;, gateway %2</source>
        <translation>Calendarios: carpeta de publicación &quot;%1&quot;, pasarela %2</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
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
        <translation>Cancelar reserva</translation>
    </message>
    <message>
        <source>%1 has been paid on this booking. Cancel it and:</source>
        <translation>Se han pagado %1 en esta reserva. Cancelarla y:</translation>
    </message>
    <message>
        <source>This booking has payments on record. Cancel it and keep them?</source>
        <translation>Esta reserva tiene pagos registrados. ¿Cancelarla y conservarlos?</translation>
    </message>
    <message>
        <source>&amp;Refund what was paid</source>
        <translation>&amp;Devolver lo pagado</translation>
    </message>
    <message>
        <source>&amp;Keep it as a cancellation fee</source>
        <translation>&amp;Conservarlo como gastos de cancelación</translation>
    </message>
    <message>
        <source>Keep it as the customer&apos;s c&amp;redit</source>
        <translation>Conservarlo como saldo a &amp;favor del cliente</translation>
    </message>
    <message>
        <source>Cancel &amp;Booking</source>
        <translation>Cancelar la &amp;reserva</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>The booking could not be cancelled: %1</source>
        <translation>No se ha podido cancelar la reserva: %1</translation>
    </message>
</context>
<context>
    <name>CashUpReport</name>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Cobrado</translation>
    </message>
    <message>
        <source>Refunded</source>
        <translation>Devuelto</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Correcciones</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Saldo a favor</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Cash-up</source>
        <translation>Arqueo de caja</translation>
    </message>
    <message>
        <source>Cash-up: page %p of %P</source>
        <translation>Arqueo de caja: página %p de %P</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Payments, refunds and corrections recorded in the period; printed %1.</source>
        <translation>Pagos, devoluciones y correcciones registrados en el periodo; impreso el %1.</translation>
    </message>
    <message>
        <source>Nothing was recorded in this period.</source>
        <translation>No se ha registrado nada en este periodo.</translation>
    </message>
    <message>
        <source>By method</source>
        <translation>Por forma de pago</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pago</translation>
    </message>
    <message>
        <source>By desk</source>
        <translation>Por puesto</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Puesto</translation>
    </message>
</context>
<context>
    <name>CheckIn</name>
    <message>
        <source>The booking has been cancelled: its guest cannot be checked in or out.</source>
        <translation>La reserva se ha cancelado: no se puede registrar la entrada ni la salida de su huésped.</translation>
    </message>
    <message>
        <source>The guest was already checked in at %1 on %2.</source>
        <translation>La entrada del huésped ya se registró a las %1 del %2.</translation>
    </message>
    <message>
        <source>The guest has already left (checked out at %1 on %2).</source>
        <translation>El huésped ya se ha ido (salida registrada a las %1 del %2).</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile.</source>
        <translation>Otro puesto ha cambiado mientras tanto la estancia del huésped.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Previsto</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Llegado</translation>
    </message>
    <message>
        <source>Departed</source>
        <translation>Salido</translation>
    </message>
    <message>
        <source>No-show</source>
        <translation>No presentado</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La reserva ya no existe.</translation>
    </message>
    <message>
        <source>The stay ended on %1: change the booking&apos;s dates before checking the guest in.</source>
        <translation>La estancia terminó el %1: cambie las fechas de la reserva antes de registrar la entrada del huésped.</translation>
    </message>
    <message>
        <source>%1 is booked to arrive on %2, later than today.
Check the guest in early? The booking&apos;s dates stay as they are.</source>
        <translation>%1 tiene reservada la llegada el %2, después de hoy.
¿Registrar la entrada del huésped antes de tiempo? Las fechas de la reserva no cambian.</translation>
    </message>
    <message>
        <source>%1 was booked to arrive on %2, earlier than today.
Check the guest in late? The booking&apos;s dates stay as they are.</source>
        <translation>%1 tenía reservada la llegada el %2, antes de hoy.
¿Registrar la entrada del huésped con retraso? Las fechas de la reserva no cambian.</translation>
    </message>
    <message>
        <source>
The guest was not checked in: confirm the other day first.</source>
        <translation>
No se ha registrado la entrada del huésped: confirme primero el otro día.</translation>
    </message>
    <message>
        <source>The guest was already checked out at %1 on %2.</source>
        <translation>La salida del huésped ya se registró a las %1 del %2.</translation>
    </message>
    <message>
        <source>The guest has not been checked in: check the guest in before checking out.</source>
        <translation>No se ha registrado la entrada del huésped: registre su entrada antes de la salida.</translation>
    </message>
    <message>
        <source>Only a guest still expected can be marked as a no-show; this one is %1.</source>
        <translation>Solo un huésped todavía previsto se puede marcar como no presentado; el estado de este es: %1.</translation>
    </message>
    <message>
        <source>Another desk changed the guest&apos;s stay meanwhile: it is now %1.</source>
        <translation>Otro puesto ha cambiado mientras tanto la estancia del huésped: ahora su estado es %1.</translation>
    </message>
    <message>
        <source>The guest is expected: there is nothing to put back.</source>
        <translation>El huésped está previsto: no hay nada que deshacer.</translation>
    </message>
</context>
<context>
    <name>CheckInMenu</name>
    <message>
        <source>Check-in and check-out</source>
        <translation>Entrada y salida</translation>
    </message>
    <message>
        <source>The guest&apos;s stay could not be changed: %1</source>
        <translation>No se ha podido cambiar la estancia del huésped: %1</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest in:</source>
        <translation>Lea los contadores de los amarres de %1 antes de registrar la entrada del huésped:</translation>
    </message>
    <message>
        <source>Read the meters of %1&apos;s berths before checking the guest out:</source>
        <translation>Lea los contadores de los amarres de %1 antes de registrar la salida del huésped:</translation>
    </message>
    <message>
        <source>%1 still owes %2 (paid %3 of %4).

Yes takes the payment now, No checks the guest out with the balance owing, Cancel goes back without checking out.</source>
        <translation>%1 todavía debe %2 (pagado %3 de %4).

Sí cobra el pago ahora, No registra la salida del huésped con el saldo pendiente, Cancelar vuelve sin registrar la salida.</translation>
    </message>
    <message>
        <source>The meters&apos; use, %1 before tax, was added to the booking&apos;s other charges. The balance is now %2.</source>
        <translation>El consumo de los contadores, %1 sin impuestos, se ha añadido a los otros cargos de la reserva. El saldo es ahora %2.</translation>
    </message>
    <message>
        <source>%1 is expected: there is no arrival, departure or no-show to undo.</source>
        <translation>%1 está previsto: no hay llegada, salida ni no presentado que deshacer.</translation>
    </message>
    <message>
        <source>%1 is %2. Put the stay back to %3?</source>
        <translation>Estado de %1: %2. ¿Devolver la estancia al estado %3?</translation>
    </message>
    <message>
        <source>Every guest due today has been checked in or marked.</source>
        <translation>Todos los huéspedes previstos hoy tienen registrada la entrada o están marcados.</translation>
    </message>
    <message>
        <source>Some were not marked:
%1</source>
        <translation>Algunos no se han marcado:
%1</translation>
    </message>
</context>
<context>
    <name>ClosedBookings</name>
    <message>
        <source>%1 is closed: its ledger takes no more lines. Date the correction today.</source>
        <translation>%1 está cerrado: su libro de cuentas no admite más líneas. Feche la corrección hoy.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriodDialog</name>
    <message>
        <source>Closed Months</source>
        <translation>Meses cerrados</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mes:</translation>
    </message>
    <message>
        <source>Close the mon&amp;th</source>
        <translation>&amp;Cerrar el mes</translation>
    </message>
    <message>
        <source>&amp;Reopen the month</source>
        <translation>&amp;Reabrir el mes</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>Desk</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>A closed month&apos;s bookings (by their departure) and ledger lines can no longer be changed: they are put right by lines dated today.</source>
        <translation>Las reservas de un mes cerrado (por su salida) y sus líneas del libro de cuentas ya no se pueden cambiar: se corrigen con líneas con fecha de hoy.</translation>
    </message>
    <message>
        <source>The closed months could not be read: %1</source>
        <translation>No se han podido leer los meses cerrados: %1</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Cerrado</translation>
    </message>
    <message>
        <source>Reopened</source>
        <translation>Reabierto</translation>
    </message>
    <message>
        <source>Close %1? Its bookings and ledger lines can then only be put right by lines dated today.</source>
        <translation>¿Cerrar %1? Sus reservas y líneas del libro de cuentas solo se podrán corregir con líneas con fecha de hoy.</translation>
    </message>
    <message>
        <source>Reopen %1? Its bookings and ledger lines can then be changed again.</source>
        <translation>¿Reabrir %1? Sus reservas y líneas del libro de cuentas se podrán volver a cambiar.</translation>
    </message>
</context>
<context>
    <name>ClosedPeriods</name>
    <message>
        <source>%1 is already closed.</source>
        <translation>%1 ya está cerrado.</translation>
    </message>
    <message>
        <source>%1 is not closed.</source>
        <translation>%1 no está cerrado.</translation>
    </message>
    <message>
        <source>Only a manager may close a month.</source>
        <translation>Solo un responsable puede cerrar un mes.</translation>
    </message>
    <message>
        <source>Only an administrator may reopen a month.</source>
        <translation>Solo un administrador puede reabrir un mes.</translation>
    </message>
    <message>
        <source>Choose a month from 2000 to 2100.</source>
        <translation>Elija un mes entre 2000 y 2100.</translation>
    </message>
    <message>
        <source>%1 is not over yet: a month is closed once it has ended.</source>
        <translation>%1 todavía no ha terminado: un mes se cierra cuando ha terminado.</translation>
    </message>
    <message>
        <source>Choose a month to reopen.</source>
        <translation>Elija el mes que desea reabrir.</translation>
    </message>
    <message>
        <source>%1 is closed: its bookings and ledger lines are kept as they are. Put it right with a correction dated today.</source>
        <translation>%1 está cerrado: sus reservas y líneas del libro de cuentas se conservan tal como están. Corríjalo con una corrección con fecha de hoy.</translation>
    </message>
</context>
<context>
    <name>CompactWindow</name>
    <message>
        <source>Operation in progress</source>
        <translation>Operación en curso</translation>
    </message>
    <message>
        <source>Compacting &amp; repairing database ...</source>
        <translation>Compactando &amp; reparando la base de datos ...</translation>
    </message>
</context>
<context>
    <name>CompanyDialog</name>
    <message>
        <source>Setup Company Information</source>
        <translation>Configurar los datos de la empresa</translation>
    </message>
    <message>
        <source>Copy  and paste or type your reservation terms and conditions below. These will appear on the booking form.</source>
        <translation>Copie  y pegue o escriba a continuación los términos y condiciones de sus reservas. Aparecerán en el formulario de reserva.</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Impuestos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Rate %</source>
        <translation>Tipo %</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Deposits and due dates</source>
        <translation>Depósitos y vencimientos</translation>
    </message>
    <message>
        <source>No deposit</source>
        <translation>Sin depósito</translation>
    </message>
    <message>
        <source>A fixed amount</source>
        <translation>Un importe fijo</translation>
    </message>
    <message>
        <source>A percentage of the total</source>
        <translation>Un porcentaje del total</translation>
    </message>
    <message>
        <source>D&amp;eposit at booking:</source>
        <translation>D&amp;epósito al reservar:</translation>
    </message>
    <message>
        <source>Fixed a&amp;mount:</source>
        <translation>I&amp;mporte fijo:</translation>
    </message>
    <message>
        <source>Percen&amp;tage (%):</source>
        <translation>Porcen&amp;taje (%):</translation>
    </message>
    <message>
        <source>Mi&amp;nimum deposit:</source>
        <translation>Depósito mí&amp;nimo:</translation>
    </message>
    <message>
        <source>Balance due (days &amp;before arrival):</source>
        <translation>Vencimiento del saldo (&amp;días antes de la llegada):</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Act&amp;ualizar</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>E-ma&amp;il server...</source>
        <translation>&amp;Servidor de correo...</translation>
    </message>
    <message>
        <source>company information</source>
        <translation>datos de la empresa</translation>
    </message>
    <message>
        <source>Type the deposit as an amount, for example %1.</source>
        <translation>Escriba el depósito como importe, por ejemplo %1.</translation>
    </message>
    <message>
        <source>Type the minimum deposit as an amount, for example %1.</source>
        <translation>Escriba el depósito mínimo como importe, por ejemplo %1.</translation>
    </message>
    <message>
        <source>Type the deposit&apos;s percentage, for example 25.</source>
        <translation>Escriba el porcentaje del depósito, por ejemplo 25.</translation>
    </message>
    <message>
        <source>Type the number of days before arrival the balance falls due.</source>
        <translation>Escriba el número de días antes de la llegada en que vence el saldo.</translation>
    </message>
    <message>
        <source>Data error event hit err:%1</source>
        <translation>Error de datos: %1</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Nombre de la empresa:</translation>
    </message>
    <message>
        <source>Trading Name:</source>
        <translation>Nombre comercial:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Calle:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Localidad:</translation>
    </message>
    <message>
        <source>County:</source>
        <translation>Provincia:</translation>
    </message>
    <message>
        <source>Postcode:</source>
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>Telephone No:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>VAT No:</source>
        <translation>NIF/CIF:</translation>
    </message>
    <message>
        <source>Receipt Footer:</source>
        <translation>Pie del recibo:</translation>
    </message>
    <message>
        <source>Terms and Conditions:</source>
        <translation>Términos y condiciones:</translation>
    </message>
</context>
<context>
    <name>CompanyMailPanel</name>
    <message>
        <source>smtp.example.com; empty: no mail is sent from here</source>
        <translation>smtp.example.com; vacío: no se envía correo desde aquí</translation>
    </message>
    <message>
        <source>None (a server inside the office only)</source>
        <translation>Ninguna (solo un servidor dentro de la oficina)</translation>
    </message>
    <message>
        <source>STARTTLS (usually port 587)</source>
        <translation>STARTTLS (normalmente puerto 587)</translation>
    </message>
    <message>
        <source>TLS (usually port 465)</source>
        <translation>TLS (normalmente puerto 465)</translation>
    </message>
    <message>
        <source>empty: the certificates this computer trusts</source>
        <translation>vacío: los certificados en los que confía este equipo</translation>
    </message>
    <message>
        <source>&amp;Accept the server&apos;s own certificate without a check</source>
        <translation>&amp;Aceptar el certificado propio del servidor sin comprobarlo</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>S&amp;eguridad:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>C&amp;ontraseña:</translation>
    </message>
    <message>
        <source>Sender &amp;name:</source>
        <translation>&amp;Nombre del remitente:</translation>
    </message>
    <message>
        <source>Sender a&amp;ddress:</source>
        <translation>&amp;Dirección del remitente:</translation>
    </message>
    <message>
        <source>CA certificate &amp;file:</source>
        <translation>Archivo de certi&amp;ficado de CA:</translation>
    </message>
    <message>
        <source>(unchanged unless typed here)</source>
        <translation>(sin cambios salvo que se escriba aquí)</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>El puerto debe ser un número entre 1 y 65535.</translation>
    </message>
    <message>
        <source>E-mail Server</source>
        <translation>Servidor de correo electrónico</translation>
    </message>
    <message>
        <source>Messages wait in the outbox and go in the background. The password is kept in this computer&apos;s secret store, or else in a file only you can read; never in the database.</source>
        <translation>Los mensajes esperan en la bandeja de salida y se envían en segundo plano. La contraseña se guarda en el almacén de secretos de este equipo o, si no, en un archivo que solo usted puede leer; nunca en la base de datos.</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
</context>
<context>
    <name>CompanyStore</name>
    <message>
        <source>%1 %2 % from %3</source>
        <translation>%1 %2 % desde %3</translation>
    </message>
    <message>
        <source>Deposit at booking:</source>
        <translation>Depósito al reservar:</translation>
    </message>
    <message>
        <source>Fixed amount:</source>
        <translation>Importe fijo:</translation>
    </message>
    <message>
        <source>Percentage (%):</source>
        <translation>Porcentaje (%):</translation>
    </message>
    <message>
        <source>Minimum deposit:</source>
        <translation>Depósito mínimo:</translation>
    </message>
    <message>
        <source>Balance due (days before arrival):</source>
        <translation>Vencimiento del saldo (días antes de la llegada):</translation>
    </message>
    <message>
        <source>These company details were deleted at another desk meanwhile, so nothing was saved. Refresh shows what is left; what you typed is still in the boxes.</source>
        <translation>Estos datos de la empresa se han eliminado mientras tanto en otro puesto, por lo que no se ha guardado nada. Recargar muestra lo que queda; lo que usted ha escrito sigue en los campos.</translation>
    </message>
    <message>
        <source>Taxes:</source>
        <translation>Impuestos:</translation>
    </message>
</context>
<context>
    <name>ContractActionsPanel</name>
    <message>
        <source>E&amp;dit...</source>
        <translation>E&amp;ditar...</translation>
    </message>
    <message>
        <source>Print contr&amp;act...</source>
        <translation>Imprimir contr&amp;ato...</translation>
    </message>
    <message>
        <source>In&amp;voice...</source>
        <translation>&amp;Facturar...</translation>
    </message>
    <message>
        <source>Rene&amp;w contracts...</source>
        <translation>Reno&amp;var contratos...</translation>
    </message>
    <message>
        <source>Li&amp;sts...</source>
        <translation>&amp;Listas...</translation>
    </message>
    <message>
        <source>Contract %1 ended on %2 unrenewed</source>
        <translation>El contrato %1 terminó el %2 sin renovarse</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Contratos</translation>
    </message>
    <message>
        <source>Contract %1.pdf</source>
        <translation>Contrato %1.pdf</translation>
    </message>
    <message>
        <source>No instalment of this contract has been invoiced yet: use Invoice next instalment first.</source>
        <translation>Todavía no se ha facturado ningún plazo de este contrato: use primero Facturar el siguiente plazo.</translation>
    </message>
    <message>
        <source>Invoice %1.pdf</source>
        <translation>Factura %1.pdf</translation>
    </message>
</context>
<context>
    <name>ContractBatch</name>
    <message>
        <source>%1 is held over the contract&apos;s days: the contract was not saved.</source>
        <translation>%1 está ocupado durante los días del contrato: no se ha guardado el contrato.</translation>
    </message>
    <message>
        <source>%1 would be held twice from %2 to %3 by contracts of this run: nothing was saved.</source>
        <translation>%1 quedaría ocupado dos veces del %2 al %3 por contratos de esta tanda: no se ha guardado nada.</translation>
    </message>
    <message>
        <source>The renewal letters were not laid out.</source>
        <translation>Las cartas de renovación no se han maquetado.</translation>
    </message>
</context>
<context>
    <name>ContractDialog</name>
    <message>
        <source>New Contract</source>
        <translation>Nuevo contrato</translation>
    </message>
    <message>
        <source>In full</source>
        <translation>Pago único</translation>
    </message>
    <message>
        <source>Two instalments</source>
        <translation>Dos plazos</translation>
    </message>
    <message>
        <source>Four instalments</source>
        <translation>Cuatro plazos</translation>
    </message>
    <message>
        <source>Twelve instalments</source>
        <translation>Doce plazos</translation>
    </message>
    <message>
        <source>Dates and amounts as typed</source>
        <translation>Fechas e importes tal como se escriben</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Vencimiento</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>P&amp;ropose price</source>
        <translation>P&amp;roponer precio</translation>
    </message>
    <message>
        <source>Add a ro&amp;w</source>
        <translation>Añadir una &amp;fila</translation>
    </message>
    <message>
        <source>&amp;Holder:</source>
        <translation>&amp;Titular:</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Barco:</translation>
    </message>
    <message>
        <source>B&amp;erth:</source>
        <translation>A&amp;marre:</translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation>Mo&amp;dalidad:</translation>
    </message>
    <message>
        <source>&amp;First day:</source>
        <translation>&amp;Primer día:</translation>
    </message>
    <message>
        <source>&amp;Last day:</source>
        <translation>Ú&amp;ltimo día:</translation>
    </message>
    <message>
        <source>Pr&amp;ice before tax:</source>
        <translation>Pre&amp;cio sin impuestos:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>Pla&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>N&amp;otas:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>(the days as typed)</source>
        <translation>(los días tal como se escriben)</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(sin barco)</translation>
    </message>
    <message>
        <source>The holder&apos;s boats could not be read: %1</source>
        <translation>No se han podido leer los barcos del titular: %1</translation>
    </message>
    <message>
        <source>The terms could not be read: %1</source>
        <translation>No se han podido leer las modalidades: %1</translation>
    </message>
    <message>
        <source>No term prices some of these days: type the price.</source>
        <translation>Ninguna modalidad pone precio a algunos de estos días: escriba el precio.</translation>
    </message>
    <message>
        <source>Type the price as an amount, such as 1200.00.</source>
        <translation>Escriba el precio como importe, por ejemplo 1200.00.</translation>
    </message>
    <message>
        <source>Tax %1, total %2</source>
        <translation>Impuesto %1, total %2</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Elija el titular.</translation>
    </message>
    <message>
        <source>Instalment %1: %2</source>
        <translation>Plazo %1: %2</translation>
    </message>
    <message>
        <source>Instalment %1: type the amount, such as 300.00.</source>
        <translation>Plazo %1: escriba el importe, por ejemplo 300.00.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>El contrato se ha cancelado: ya no se puede cambiar.</translation>
    </message>
    <message>
        <source>Contract %1</source>
        <translation>Contrato %1</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. vence el %2: %3, factura %4</translation>
    </message>
    <message>
        <source>Invoiced, and kept as they are:
%1</source>
        <translation>Facturados, y conservados tal como están:
%1</translation>
    </message>
    <message>
        <source>contract</source>
        <translation>contrato</translation>
    </message>
</context>
<context>
    <name>ContractDocuments</name>
    <message>
        <source>Contract No:</source>
        <translation>N.º de contrato:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Amarre(s):</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Barco:</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Modalidad:</translation>
    </message>
    <message>
        <source>First day:</source>
        <translation>Primer día:</translation>
    </message>
    <message>
        <source>Last day:</source>
        <translation>Último día:</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Precio sin impuestos:</translation>
    </message>
    <message>
        <source>Tax:</source>
        <translation>Impuestos:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Payable in instalments</source>
        <translation>Pagadero a plazos</translation>
    </message>
    <message>
        <source>%1. due %2</source>
        <translation>%1. vence el %2</translation>
    </message>
    <message>
        <source>invoice %1</source>
        <translation>factura %1</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>CONTRACT</source>
        <translation>CONTRATO</translation>
    </message>
    <message>
        <source>%1 lets to %2 the berth(s) below for the days below, on the office&apos;s terms that follow.</source>
        <translation>%1 cede en alquiler a %2 el amarre o los amarres indicados a continuación, para los días indicados, en las condiciones de la oficina que siguen.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Condiciones</translation>
    </message>
    <message>
        <source>For the holder</source>
        <translation>Por el titular</translation>
    </message>
    <message>
        <source>For %1</source>
        <translation>Por %1</translation>
    </message>
    <message>
        <source>CONTRACT RENEWAL</source>
        <translation>RENOVACIÓN DEL CONTRATO</translation>
    </message>
    <message>
        <source>Dear %1,</source>
        <translation>Estimado/a %1:</translation>
    </message>
    <message>
        <source>Your contract %1 for %2 comes to its end. We are pleased to renew it from %3 to %4 at %5, payable as below.</source>
        <translation>Su contrato %1 (%2) llega a su fin. Nos complace renovarlo del %3 al %4 por %5, pagaderos como se indica a continuación.</translation>
    </message>
    <message>
        <source>Yours sincerely,</source>
        <translation>Atentamente,</translation>
    </message>
    <message>
        <source>INVOICE</source>
        <translation>FACTURA</translation>
    </message>
    <message>
        <source>Invoice No:</source>
        <translation>N.º de factura:</translation>
    </message>
    <message>
        <source>not issued</source>
        <translation>no emitida</translation>
    </message>
    <message>
        <source>Instalment:</source>
        <translation>Plazo:</translation>
    </message>
    <message>
        <source>%1 of %2, due %3</source>
        <translation>%1 de %2, vence el %3</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>This instalment:</source>
        <translation>Este plazo:</translation>
    </message>
    <message>
        <source>Contract total:</source>
        <translation>Total del contrato:</translation>
    </message>
    <message>
        <source>Paid so far:</source>
        <translation>Pagado hasta ahora:</translation>
    </message>
    <message>
        <source>Balance of the contract:</source>
        <translation>Saldo del contrato:</translation>
    </message>
    <message>
        <source>The contract terms run to at most %1 characters.</source>
        <translation>Las condiciones del contrato tienen como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Contract terms:</source>
        <translation>Condiciones del contrato:</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Contadores</translation>
    </message>
    <message>
        <source>Before tax:</source>
        <translation>Sin impuestos:</translation>
    </message>
    <message>
        <source>The renewal letter of contract %1 is no longer kept.</source>
        <translation>La carta de renovación del contrato %1 ya no se conserva.</translation>
    </message>
</context>
<context>
    <name>ContractEdit</name>
    <message>
        <source>Boat:</source>
        <translation>Barco:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Berths:</source>
        <translation>Amarres:</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Días:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Modalidad:</translation>
    </message>
    <message>
        <source>Price before tax:</source>
        <translation>Precio sin impuestos:</translation>
    </message>
    <message>
        <source>Plan:</source>
        <translation>Plan de pagos:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>The contract has been cancelled: it can no longer be changed.</source>
        <translation>El contrato se ha cancelado: ya no se puede cambiar.</translation>
    </message>
    <message>
        <source>An instalment of this contract has been invoiced, so its days stay as they are: cancel it and make a new one to change them.</source>
        <translation>Ya se ha facturado un plazo de este contrato, así que sus días se quedan como están: cancélelo y cree uno nuevo para cambiarlos.</translation>
    </message>
</context>
<context>
    <name>ContractImport</name>
    <message>
        <source>contract %1</source>
        <translation>contrato %1</translation>
    </message>
</context>
<context>
    <name>ContractLists</name>
    <message>
        <source>Contracts by berth type</source>
        <translation>Contratos por tipo de amarre</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo de amarre</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrato</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titular</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Amarres</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Modalidad</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Renewals due from %1 to %2</source>
        <translation>Renovaciones del %1 al %2</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Esta modalidad</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Siguiente modalidad</translation>
    </message>
    <message>
        <source>Instalments due to %1</source>
        <translation>Plazos que vencen hasta el %1</translation>
    </message>
    <message>
        <source>Instalment</source>
        <translation>Plazo</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Vence</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>Owing</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Vencido</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Página %p de %P</translation>
    </message>
    <message>
        <source>Nothing to list.</source>
        <translation>No hay nada que listar.</translation>
    </message>
</context>
<context>
    <name>ContractListsWindow</name>
    <message>
        <source>Contract lists</source>
        <translation>Listas de contratos</translation>
    </message>
    <message>
        <source>Contracts by berth type</source>
        <translation>Contratos por tipo de amarre</translation>
    </message>
    <message>
        <source>Renewals due</source>
        <translation>Renovaciones pendientes</translation>
    </message>
    <message>
        <source>Instalments due and overdue</source>
        <translation>Plazos pendientes y vencidos</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To (renewals and instalments):</source>
        <translation>&amp;Hasta (renovaciones y plazos):</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>ContractMeters</name>
    <message>
        <source>Billed already up to the reading of %1.</source>
        <translation>Ya facturado hasta la lectura del %1.</translation>
    </message>
    <message>
        <source>Not read twice in the period.</source>
        <translation>No se ha leído dos veces en el periodo.</translation>
    </message>
    <message>
        <source>No %1 tariff is in force on %2.</source>
        <translation>No hay ninguna tarifa de %1 vigente el %2.</translation>
    </message>
    <message>
        <source>Nothing used in the period.</source>
        <translation>No se ha consumido nada en el periodo.</translation>
    </message>
    <message>
        <source>Contract %1 was cancelled meanwhile.</source>
        <translation>Mientras tanto se ha cancelado el contrato %1.</translation>
    </message>
    <message>
        <source>Choose the first and the last day of the period to bill.</source>
        <translation>Elija el primer y el último día del periodo que desea facturar.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>El periodo termina antes de empezar.</translation>
    </message>
    <message>
        <source>A period billed at once is at most %1 days.</source>
        <translation>Un periodo facturado de una vez tiene como máximo %1 días.</translation>
    </message>
</context>
<context>
    <name>ContractMetersDialog</name>
    <message>
        <source>Bill contracts&apos; meters</source>
        <translation>Facturar los contadores de los contratos</translation>
    </message>
    <message>
        <source>&amp;Dry run</source>
        <translation>&amp;Simulación</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrato</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titular</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Before tax</source>
        <translation>Sin impuestos</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Run the period dry first: nothing is billed until you choose Bill.</source>
        <translation>Simule primero el periodo: no se factura nada hasta que elija Facturar.</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Bill...</source>
        <translation>&amp;Facturar...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Bill meters...</source>
        <translation>Facturar c&amp;ontadores...</translation>
    </message>
    <message numerus="yes">
        <source>Bill the meters of %n contract(s) from %1 to %2, %3 with tax? Each contract gets an invoice of its own.</source>
        <translation>
            <numerusform>¿Facturar los contadores de %n contrato del %1 al %2, %3 con impuestos? Cada contrato recibe su propia factura.</numerusform>
            <numerusform>¿Facturar los contadores de %n contratos del %1 al %2, %3 con impuestos? Cada contrato recibe su propia factura.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Go back without billing</source>
        <translation>&amp;Volver sin facturar</translation>
    </message>
    <message>
        <source>&amp;Bill %1</source>
        <translation>&amp;Facturar %1</translation>
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
            <numerusform>Facturado: %n factura (%1), %2 sin impuestos, %3 con impuestos.</numerusform>
            <numerusform>Facturado: %n facturas (%1), %2 sin impuestos, %3 con impuestos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dry run, nothing billed: %n invoice(s) would be issued, %1 before tax, %2 with tax.</source>
        <translation>
            <numerusform>Simulación, no se ha facturado nada: se emitiría %n factura, %1 sin impuestos, %2 con impuestos.</numerusform>
            <numerusform>Simulación, no se ha facturado nada: se emitirían %n facturas, %1 sin impuestos, %2 con impuestos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContractPaymentDialog</name>
    <message>
        <source>Contract %1: %2</source>
        <translation>Contrato %1: %2</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Devolución</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Forma de pago:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Referencia:</translation>
    </message>
    <message>
        <source>Recor&amp;d</source>
        <translation>Re&amp;gistrar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Type the amount, such as 300.00.</source>
        <translation>Escriba el importe, por ejemplo 300.00.</translation>
    </message>
</context>
<context>
    <name>ContractPlan</name>
    <message>
        <source>A plan needs at least one instalment.</source>
        <translation>Un plan de pagos necesita al menos un plazo.</translation>
    </message>
    <message>
        <source>A plan has at most %1 instalments.</source>
        <translation>Un plan de pagos tiene como máximo %1 plazos.</translation>
    </message>
    <message>
        <source>Instalment %1 needs the date it falls due.</source>
        <translation>El plazo %1 necesita la fecha de vencimiento.</translation>
    </message>
    <message>
        <source>Instalment %1 falls due after the contract ends, on %2.</source>
        <translation>El plazo %1 vence después de que termine el contrato, el %2.</translation>
    </message>
    <message>
        <source>Instalment %1 must be an amount of whole pence, not below %2.</source>
        <translation>El plazo %1 debe ser un importe en céntimos enteros, no inferior a %2.</translation>
    </message>
    <message>
        <source>The instalments add up to %1, not the contract&apos;s %2: %3 %4.</source>
        <translation>Los plazos suman %1, no los %2 del contrato: %3 %4.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>añada</translation>
    </message>
    <message>
        <source>take off</source>
        <translation>reste</translation>
    </message>
    <message>
        <source>Invoices of %1 were issued on this contract already: its total cannot go below them (%2). Record a refund or a correction instead.</source>
        <translation>Ya se han emitido facturas por %1 de este contrato: su total no puede quedar por debajo de ellas (%2). Registre una devolución o una corrección.</translation>
    </message>
</context>
<context>
    <name>ContractRenewals</name>
    <message>
        <source>No term price covers %1 from %2 to %3: type the price, or add it in Terms and prices.</source>
        <translation>Ningún precio de modalidad cubre %1 del %2 al %3: escriba el precio o añádalo en Modalidades y precios.</translation>
    </message>
    <message>
        <source>The renewal price of contract %1 (%2) must be from %3 to %4 in whole pence: nothing was renewed.</source>
        <translation>El precio de renovación del contrato %1 (%2) debe estar entre %3 y %4 en céntimos enteros: no se ha renovado nada.</translation>
    </message>
    <message>
        <source>Contract %1 (%2): %3</source>
        <translation>Contrato %1 (%2): %3</translation>
    </message>
    <message>
        <source>Contract %1 (%2) was renewed, cancelled or changed at another desk meanwhile: nothing was renewed. Read the list again.</source>
        <translation>El contrato %1 (%2) se ha renovado, cancelado o cambiado en otro puesto mientras tanto: no se ha renovado nada. Vuelva a leer la lista.</translation>
    </message>
    <message>
        <source>Contract %1 (%2) could not be renewed, so nothing was: %3</source>
        <translation>El contrato %1 (%2) no se ha podido renovar, así que no se ha renovado nada: %3</translation>
    </message>
</context>
<context>
    <name>ContractStore</name>
    <message>
        <source>The holder is no longer in the customer list.</source>
        <translation>El titular ya no está en la lista de clientes.</translation>
    </message>
    <message>
        <source>A berth of the contract is no longer in the register.</source>
        <translation>Un amarre del contrato ya no está en el registro.</translation>
    </message>
    <message>
        <source>%1 is not in use: make it active in the berth register first.</source>
        <translation>%1 no está en uso: actívelo primero en el registro de amarres.</translation>
    </message>
    <message>
        <source>%1 is booked from %2 to %3 (booking %4, %5): the contract was not saved.</source>
        <translation>%1 está reservado del %2 al %3 (reserva %4, %5): no se ha guardado el contrato.</translation>
    </message>
    <message>
        <source>%1 is blocked from %2 to %3 (%4): the contract was not saved.</source>
        <translation>%1 está bloqueado del %2 al %3 (%4): no se ha guardado el contrato.</translation>
    </message>
    <message>
        <source>%1 is held by contract %2 (%3) from %4 to %5: the contract was not saved.</source>
        <translation>%1 está ocupado por el contrato %2 (%3) del %4 al %5: no se ha guardado el contrato.</translation>
    </message>
    <message>
        <source>Another desk removed this contract meanwhile.</source>
        <translation>Otro puesto ha eliminado este contrato mientras tanto.</translation>
    </message>
    <message>
        <source>The contract has no instalment %1.</source>
        <translation>El contrato no tiene plazo %1.</translation>
    </message>
    <message>
        <source>Please choose the holder.</source>
        <translation>Elija el titular.</translation>
    </message>
    <message>
        <source>Please choose the berth the contract holds.</source>
        <translation>Elija el amarre que ocupa el contrato.</translation>
    </message>
    <message>
        <source>A berth is chosen twice.</source>
        <translation>Se ha elegido un amarre dos veces.</translation>
    </message>
    <message>
        <source>Please give the contract&apos;s first and last days.</source>
        <translation>Indique el primer y el último día del contrato.</translation>
    </message>
    <message>
        <source>The contract ends before it starts.</source>
        <translation>El contrato termina antes de empezar.</translation>
    </message>
    <message>
        <source>A contract must lie between %1 and %2.</source>
        <translation>Un contrato debe estar entre el %1 y el %2.</translation>
    </message>
    <message>
        <source>A contract runs for at most %1 days: make a new one for what follows.</source>
        <translation>Un contrato dura como máximo %1 días: cree uno nuevo para lo que sigue.</translation>
    </message>
    <message>
        <source>The price must be from %1 to %2 in whole pence.</source>
        <translation>El precio debe estar entre %1 y %2 en céntimos enteros.</translation>
    </message>
    <message>
        <source>The notes run to at most %1 characters.</source>
        <translation>Las notas tienen como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>%1 was booked over the contract&apos;s days meanwhile: the contract was not saved.</source>
        <translation>Mientras tanto se ha reservado %1 durante los días del contrato: no se ha guardado el contrato.</translation>
    </message>
    <message>
        <source>The contract has already been cancelled.</source>
        <translation>El contrato ya se ha cancelado.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: its instalments are not invoiced.</source>
        <translation>El contrato se ha cancelado: sus plazos no se facturan.</translation>
    </message>
    <message>
        <source>The contract has been cancelled: only a refund or a correction can be recorded.</source>
        <translation>El contrato se ha cancelado: solo se puede registrar una devolución o una corrección.</translation>
    </message>
    <message>
        <source>This customer holds a contract, kept for the accounts even once cancelled, so the customer cannot be deleted.</source>
        <translation>Este cliente es titular de un contrato, que se conserva para la contabilidad aunque se cancele, así que no se puede eliminar al cliente.</translation>
    </message>
    <message>
        <source>This berth is let under a contract, kept for the accounts even once cancelled or ended, so the berth cannot be deleted. Make it inactive instead.</source>
        <translation>Este amarre está alquilado mediante un contrato, que se conserva para la contabilidad aunque se cancele o termine, así que no se puede eliminar el amarre. Desactívelo en su lugar.</translation>
    </message>
    <message>
        <source>A berth of this owner is let under a contract, kept for the accounts even once cancelled or ended, so the owner cannot be deleted.</source>
        <translation>Un amarre de este propietario está alquilado mediante un contrato, que se conserva para la contabilidad aunque se cancele o termine, así que no se puede eliminar al propietario.</translation>
    </message>
    <message>
        <source>Contract %1: %2, %3 from %4 to %5, %6</source>
        <translation>Contrato %1: %2, %3 del %4 al %5, %6</translation>
    </message>
</context>
<context>
    <name>ContractTermsPanel</name>
    <message>
        <source>Contract &amp;terms, printed on every contract above the signatures:</source>
        <translation>Con&amp;diciones del contrato, impresas en cada contrato encima de las firmas:</translation>
    </message>
    <message>
        <source>Contract terms</source>
        <translation>Condiciones del contrato</translation>
    </message>
    <message>
        <source>contract terms</source>
        <translation>condiciones del contrato</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>C&amp;ontract terms...</source>
        <translation>C&amp;ondiciones del contrato...</translation>
    </message>
</context>
<context>
    <name>ContractsWindow</name>
    <message>
        <source>Contracts</source>
        <translation>Contratos</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled contracts</source>
        <translation>Mostrar contratos ca&amp;ncelados</translation>
    </message>
    <message>
        <source>N&amp;ew contract...</source>
        <translation>Nu&amp;evo contrato...</translation>
    </message>
    <message>
        <source>&amp;Payment...</source>
        <translation>&amp;Pago...</translation>
    </message>
    <message>
        <source>&amp;Invoice next instalment</source>
        <translation>Facturar el s&amp;iguiente plazo</translation>
    </message>
    <message>
        <source>Cance&amp;l contract...</source>
        <translation>Cancelar contra&amp;to...</translation>
    </message>
    <message>
        <source>&amp;Terms and prices...</source>
        <translation>&amp;Modalidades y precios...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Contract %1, instalment %2 of %3: invoice %4</source>
        <translation>Contrato %1, plazo %2 de %3: factura %4</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo de amarre</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titular</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Modalidad</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>%1 (cancelled)</source>
        <translation>%1 (cancelado)</translation>
    </message>
    <message>
        <source>No contract chosen.</source>
        <translation>No se ha elegido ningún contrato.</translation>
    </message>
    <message>
        <source>Contract %1 of %2, boat %3: %4 before tax, tax %5, paid %6</source>
        <translation>Contrato %1 de %2, barco %3: %4 sin impuestos, impuesto %5, pagado %6</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1. due %2: %3, invoice %4</source>
        <translation>%1. vence el %2: %3, factura %4</translation>
    </message>
    <message>
        <source>%1. due %2: %3</source>
        <translation>%1. vence el %2: %3</translation>
    </message>
    <message>
        <source>Contract %1: %2 %3, paid now %4</source>
        <translation>Contrato %1: %2 %3, pagado ahora %4</translation>
    </message>
    <message>
        <source>Every instalment of this contract has its invoice.</source>
        <translation>Todos los plazos de este contrato tienen su factura.</translation>
    </message>
    <message>
        <source>Cancel contract %1 of %2?

Yes frees %3 from %4 to %5; the %6 paid stays on the contract&apos;s ledger, to be refunded with Payment if it is due back.
No keeps the contract.</source>
        <translation>¿Cancelar el contrato %1 de %2?

Sí libera %3 del %4 al %5; los %6 pagados quedan en el libro de cuentas del contrato, para devolverlos con Pago si corresponde.
No conserva el contrato.</translation>
    </message>
</context>
<context>
    <name>CreditNotes</name>
    <message>
        <source>Enter the company&apos;s details before issuing a credit note.</source>
        <translation>Introduzca los datos de la empresa antes de emitir una factura rectificativa.</translation>
    </message>
    <message>
        <source>Credit note %1 of %2 against invoice %3 for booking %4</source>
        <translation>Factura rectificativa %1 de %2 que rectifica la factura %3 de la reserva %4</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>There is no data to export</source>
        <translation>No hay datos que exportar</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Export Customers</source>
        <translation>Exportar clientes</translation>
    </message>
    <message>
        <source>Export Reservations</source>
        <translation>Exportar reservas</translation>
    </message>
    <message>
        <source>Export Payments</source>
        <translation>Exportar pagos</translation>
    </message>
    <message>
        <source>Export Today&apos;s Reservations</source>
        <translation>Exportar las reservas de hoy</translation>
    </message>
</context>
<context>
    <name>CsvRead</name>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>The file has a field longer than a million characters (%1): it does not look like a list of records.</source>
        <translation>El archivo tiene un campo de más de un millón de caracteres (%1): no parece una lista de registros.</translation>
    </message>
    <message>
        <source>The file holds binary data (a NUL byte near %1): it is not a CSV file.</source>
        <translation>El archivo contiene datos binarios (un byte NUL cerca de %1): no es un archivo CSV.</translation>
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
        <translation>Añadir cliente</translation>
    </message>
    <message>
        <source>Edit Customer</source>
        <translation>Editar cliente</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Boats and vehicles</source>
        <translation>Barcos y vehículos</translation>
    </message>
    <message>
        <source>Add &amp;Boat...</source>
        <translation>Añadir &amp;barco...</translation>
    </message>
    <message>
        <source>Edi&amp;t Boat...</source>
        <translation>Edi&amp;tar barco...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Boat</source>
        <translation>&amp;Quitar barco</translation>
    </message>
    <message>
        <source>Save the customer first, then open it again to add boats.</source>
        <translation>Guarde primero el cliente y vuelva a abrirlo para añadir barcos.</translation>
    </message>
    <message>
        <source>Remove the boat &quot;%1&quot; from this customer?</source>
        <translation>¿Quitar el barco &quot;%1&quot; de este cliente?</translation>
    </message>
    <message>
        <source>Document lan&amp;guage:</source>
        <translation>&amp;Idioma de los documentos:</translation>
    </message>
</context>
<context>
    <name>CustomerListWindow</name>
    <message>
        <source>Customers</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>&amp;Add Customer</source>
        <translation>&amp;Añadir cliente</translation>
    </message>
    <message>
        <source>View/&amp;Edit Customer</source>
        <translation>Ver/&amp;editar cliente</translation>
    </message>
    <message>
        <source>&amp;Delete Customer</source>
        <translation>E&amp;liminar cliente</translation>
    </message>
</context>
<context>
    <name>CustomerSearchModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Nombre de la casa</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Tel. No.</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Mobile No.</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Membership No.</source>
        <translation>N.º de socio</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>CustomerStore</name>
    <message>
        <source>Deleting this customer will also remove all past reservations. This would affect historic reports. Are you sure you want to delete this customer?</source>
        <translation>Al eliminar este cliente también se eliminarán todas sus reservas anteriores. Esto afectaría a los informes históricos. ¿Seguro que desea eliminar este cliente?</translation>
    </message>
</context>
<context>
    <name>DataControl</name>
    <message>
        <source>The database is not open.</source>
        <translation>La base de datos no está abierta.</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Registro: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The schema is missing from the program.</source>
        <translation>Falta el esquema en el programa.</translation>
    </message>
    <message>
        <source>The tables cannot be read.</source>
        <translation>No se pueden leer las tablas.</translation>
    </message>
    <message>
        <source>table %1</source>
        <translation>tabla %1</translation>
    </message>
    <message>
        <source>column %1.%2</source>
        <translation>columna %1.%2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>The PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql).</source>
        <translation>El controlador de PostgreSQL de Qt no está instalado (Debian: libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database.</source>
        <translation>%1 no es una base de datos de Zem Harbour.</translation>
    </message>
    <message>
        <source>%1 was written by a newer release.</source>
        <translation>%1 se escribió con una versión más reciente.</translation>
    </message>
    <message>
        <source>%1 could not be upgraded from version %2: %3</source>
        <translation>No se ha podido actualizar %1 desde la versión %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a Zem Harbour database: %2.</source>
        <translation>%1 no es una base de datos de Zem Harbour: %2.</translation>
    </message>
    <message>
        <source>The database %1 already holds tables; it was left as it is.</source>
        <translation>La base de datos %1 ya contiene tablas; se ha dejado tal como estaba.</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is.</source>
        <translation>%1 ya existe; se ha dejado tal como estaba.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
</context>
<context>
    <name>DateBox</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>La fecha debe estar entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>DateTimes</name>
    <message>
        <source>&quot;%1&quot; is not a date. %2</source>
        <translation>&quot;%1&quot; no es una fecha. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not written as dates are written here (%2). %3</source>
        <translation>&quot;%1&quot; no está escrito como se escriben aquí las fechas (%2). %3</translation>
    </message>
    <message>
        <source>There is no %1: %2 %3 has %4 days.</source>
        <translation>No existe el %1: %2 de %3 tiene %4 días.</translation>
    </message>
    <message>
        <source>Type a date as %1, for example %2 or %3</source>
        <translation>Escriba una fecha como %1, por ejemplo %2 o %3</translation>
    </message>
</context>
<context>
    <name>DayList</name>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
</context>
<context>
    <name>DayListModel</name>
    <message>
        <source>No reservations exist for this date</source>
        <translation>No hay reservas para esta fecha</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Berth(s)</source>
        <translation>Amarre(s)</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Salida</translation>
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
        <translation>Se han registrado pagos en las reservas de este cliente. Se conservan para la contabilidad, por lo que el cliente no se puede eliminar.</translation>
    </message>
    <message>
        <source>Payments have been recorded on bookings of this berth. They are kept for the accounts: cancel those bookings first.</source>
        <translation>Se han registrado pagos en reservas de este amarre. Se conservan para la contabilidad: cancele primero esas reservas.</translation>
    </message>
    <message>
        <source>1 booking was made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Se ha hecho 1 reserva en otro puesto desde que se le preguntó. No se ha eliminado nada.</translation>
    </message>
    <message>
        <source>%1 bookings were made at another desk since you were asked. Nothing was deleted.</source>
        <translation>Se han hecho %1 reservas en otro puesto desde que se le preguntó. No se ha eliminado nada.</translation>
    </message>
</context>
<context>
    <name>Dialect</name>
    <message>
        <source>No schema version.</source>
        <translation>No hay versión del esquema.</translation>
    </message>
</context>
<context>
    <name>DocumentLanguage</name>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>No hay ningún idioma con el código &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The office&apos;s language</source>
        <translation>El idioma de la oficina</translation>
    </message>
</context>
<context>
    <name>DocumentLanguageDialog</name>
    <message>
        <source>Document language</source>
        <translation>Idioma de los documentos</translation>
    </message>
    <message>
        <source>Confirmations, invoices, reminders and e-mails go out in this language to customers who have none of their own.</source>
        <translation>Las confirmaciones, facturas, recordatorios y correos electrónicos se envían en este idioma a los clientes que no tienen uno propio.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Document lan&amp;guage...</source>
        <translation>&amp;Idioma de los documentos...</translation>
    </message>
    <message>
        <source>Document language: %1</source>
        <translation>Idioma de los documentos: %1</translation>
    </message>
</context>
<context>
    <name>DocumentRenderer</name>
    <message>
        <source>The document could not be laid out.</source>
        <translation>No se ha podido maquetar el documento.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print on the default printer (%1)</source>
        <translation>Imprimir en la impresora predeterminada (%1)</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Save as a PDF file (%1)</source>
        <translation>Guardar como archivo PDF (%1)</translation>
    </message>
    <message>
        <source>The document could not be printed: %1</source>
        <translation>No se ha podido imprimir el documento: %1</translation>
    </message>
    <message>
        <source>No printer is installed. Do you want to save the document as a PDF file instead?</source>
        <translation>No hay ninguna impresora instalada. ¿Desea guardar el documento como archivo PDF?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>No se ha podido escribir el archivo PDF %1: %2</translation>
    </message>
</context>
<context>
    <name>DocumentsMenu</name>
    <message>
        <source>The booking could not be read: %1</source>
        <translation>No se ha podido leer la reserva: %1</translation>
    </message>
    <message>
        <source>Booking Confirmation</source>
        <translation>Confirmación de reserva</translation>
    </message>
    <message>
        <source>The booking has been cancelled: it cannot be confirmed.</source>
        <translation>La reserva se ha cancelado: no se puede confirmar.</translation>
    </message>
    <message>
        <source>Credit Note</source>
        <translation>Factura rectificativa</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Choose a booking in one of the lists first.</source>
        <translation>Elija primero una reserva en una de las listas.</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Do you want to delete traces older than 7 days?</source>
        <translation>¿Desea eliminar los registros de seguimiento de más de 7 días?</translation>
    </message>
    <message>
        <source>End of workday</source>
        <translation>Fin de la jornada</translation>
    </message>
    <message>
        <source>These trace folders could not be deleted:
%1</source>
        <translation>No se han podido eliminar estas carpetas de seguimiento:
%1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>EventLogViewer</name>
    <message>
        <source>View Event Log File</source>
        <translation>Ver el archivo del registro de eventos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The file is too large to show whole: only its beginning is shown.</source>
        <translation>El archivo es demasiado grande para mostrarlo entero: solo se muestra su principio.</translation>
    </message>
    <message>
        <source>Open Trace Log File</source>
        <translation>Abrir el archivo de registro de seguimiento</translation>
    </message>
    <message>
        <source>All Files (*);;Log Files (*.log *.Log)</source>
        <translation>Todos los archivos (*);;Archivos de registro (*.log *.Log)</translation>
    </message>
    <message>
        <source>Log Files (*.log *.Log)</source>
        <translation>Archivos de registro (*.log *.Log)</translation>
    </message>
</context>
<context>
    <name>ExportMenu</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>FeedFetch</name>
    <message>
        <source>&quot;%1&quot; is not a calendar address: it should start with https://, http:// or webcal://.</source>
        <translation>&quot;%1&quot; no es una dirección de calendario: debe empezar por https://, http:// o webcal://.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: the transfer library did not start.</source>
        <translation>No se ha podido descargar el calendario: la biblioteca de transferencia no se ha iniciado.</translation>
    </message>
    <message>
        <source>The calendar is larger than %1 kB: it was not read.</source>
        <translation>El calendario ocupa más de %1 kB: no se ha leído.</translation>
    </message>
    <message>
        <source>The address redirects more than %1 times: it was not read.</source>
        <translation>La dirección redirige más de %1 veces: no se ha leído.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>El servidor no ha respondido en %1 segundos.</translation>
    </message>
    <message>
        <source>The calendar could not be fetched: %1</source>
        <translation>No se ha podido descargar el calendario: %1</translation>
    </message>
    <message>
        <source>The server answered %1 instead of the calendar.</source>
        <translation>El servidor ha respondido %1 en lugar del calendario.</translation>
    </message>
</context>
<context>
    <name>FeedPublisher</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se ha podido crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <source>The calendar was read but its blocks could not be saved: %1</source>
        <translation>El calendario se ha leído, pero sus bloqueos no se han podido guardar: %1</translation>
    </message>
    <message>
        <source>%1: %2 blocks added, %3 moved, %4 released</source>
        <translation>%1: %2 bloqueos añadidos, %3 movidos, %4 liberados</translation>
    </message>
    <message>
        <source>; over booking %1 (%2) from %3 to %4</source>
        <translation>; sobre la reserva %1 (%2) del %3 al %4</translation>
    </message>
</context>
<context>
    <name>FeedStore</name>
    <message>
        <source>The address may be at most %1 characters long.</source>
        <translation>La dirección puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Please choose the berth whose calendar this is.</source>
        <translation>Elija el amarre al que pertenece este calendario.</translation>
    </message>
    <message>
        <source>%1 already reads this calendar.</source>
        <translation>%1 ya lee este calendario.</translation>
    </message>
    <message>
        <source>Booked elsewhere (%1)</source>
        <translation>Reservado en otro sitio (%1)</translation>
    </message>
</context>
<context>
    <name>FieldChanges</name>
    <message>
        <source>Another desk changed the same fields while you were editing, so nothing was saved.</source>
        <translation>Otro puesto ha cambiado los mismos campos mientras usted editaba, por lo que no se ha guardado nada.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>%1 theirs %2, yours %3</source>
        <translation>%1: en el otro puesto %2, el suyo %3</translation>
    </message>
    <message>
        <source>Another desk changed this %1 while you were editing it:

%2

Yes keeps theirs, No saves yours over theirs, Cancel goes back to editing. Your other changes are saved either way.</source>
        <translation>Otro puesto ha cambiado los mismos datos (%1) mientras usted los editaba:

%2

Sí conserva lo del otro puesto, No guarda lo suyo encima, Cancelar vuelve a la edición. Sus demás cambios se guardan en cualquier caso.</translation>
    </message>
</context>
<context>
    <name>FigureWindow</name>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Guardar como &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exportar %1</translation>
    </message>
</context>
<context>
    <name>FileConnection</name>
    <message>
        <source>The SQLite connection is not open.</source>
        <translation>La conexión de SQLite no está abierta.</translation>
    </message>
</context>
<context>
    <name>FileSecurity</name>
    <message>
        <source>Cannot restrict %1 to its owner: %2</source>
        <translation>No se puede restringir %1 a su propietario: %2</translation>
    </message>
</context>
<context>
    <name>FindBookingModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Arriving on</source>
        <translation>Llega el</translation>
    </message>
    <message>
        <source>Depating on</source>
        <translation>Sale el</translation>
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
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
</context>
<context>
    <name>FindBookingWindow</name>
    <message>
        <source>Find Booking</source>
        <translation>Buscar reserva</translation>
    </message>
    <message>
        <source>Arriving on:</source>
        <translation>Llega el:</translation>
    </message>
    <message>
        <source>Departing on:</source>
        <translation>Sale el:</translation>
    </message>
    <message>
        <source>Show ca&amp;ncelled bookings</source>
        <translation>Mostrar reservas ca&amp;nceladas</translation>
    </message>
    <message>
        <source>Part of the customer&apos;s name</source>
        <translation>Parte del nombre del cliente</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Nom&amp;bre:</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>&amp;Iniciar búsqueda</translation>
    </message>
    <message>
        <source>&amp;View/Edit Booking</source>
        <translation>&amp;Ver/editar reserva</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Total matches:</source>
        <translation>Coincidencias totales:</translation>
    </message>
    <message>
        <source>The bookings could not be searched: %1</source>
        <translation>No se han podido buscar las reservas: %1</translation>
    </message>
</context>
<context>
    <name>FindCustomerDialog</name>
    <message>
        <source>Find Customer</source>
        <translation>Buscar cliente</translation>
    </message>
    <message>
        <source>any part of the name, house name, town, post code, phone or e-mail</source>
        <translation>cualquier parte del nombre, nombre de la casa, localidad, código postal, teléfono o correo electrónico</translation>
    </message>
    <message>
        <source>&amp;Any part:</source>
        <translation>&amp;Cualquier parte:</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>&amp;Start Search</source>
        <translation>&amp;Iniciar búsqueda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Add Customer</source>
        <translation>Añadir cliente</translation>
    </message>
    <message>
        <source>View/Edit Customer</source>
        <translation>Ver/editar cliente</translation>
    </message>
    <message>
        <source>Delete Customer</source>
        <translation>Eliminar cliente</translation>
    </message>
    <message>
        <source>Total customer matches:</source>
        <translation>Coincidencias de clientes:</translation>
    </message>
    <message>
        <source>The customer could not be deleted: %1</source>
        <translation>No se ha podido eliminar el cliente: %1</translation>
    </message>
</context>
<context>
    <name>HarbourFigures</name>
    <message>
        <source>no berths</source>
        <translation>sin amarres</translation>
    </message>
    <message>
        <source>by day</source>
        <translation>por día</translation>
    </message>
    <message>
        <source>by week</source>
        <translation>por semana</translation>
    </message>
    <message>
        <source>by month</source>
        <translation>por mes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>by month read</source>
        <translation>por mes de lectura</translation>
    </message>
    <message>
        <source>by month of arrival</source>
        <translation>por mes de llegada</translation>
    </message>
    <message>
        <source>No type</source>
        <translation>Sin tipo</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Ocupación</translation>
    </message>
    <message>
        <source>Nights sold on the berths active now, of the nights they had; %1 berths active.</source>
        <translation>Noches vendidas en los amarres activos ahora, de las noches que tenían; %1 amarres activos.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Nights sold</source>
        <translation>Noches vendidas</translation>
    </message>
    <message>
        <source>Nights available</source>
        <translation>Noches disponibles</translation>
    </message>
    <message>
        <source>All berths</source>
        <translation>Todos los amarres</translation>
    </message>
    <message>
        <source>No berths are active, so there is no occupancy to show (no berths).</source>
        <translation>No hay amarres activos, por lo que no hay ocupación que mostrar (sin amarres).</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Ingresos por mes</translation>
    </message>
    <message>
        <source>The agreed prices of the bookings, cancelled ones left out.</source>
        <translation>Los precios acordados de las reservas, sin las canceladas.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Reservas</translation>
    </message>
    <message>
        <source>Hire</source>
        <translation>Alquiler</translation>
    </message>
    <message>
        <source>Other charges</source>
        <translation>Otros cargos</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impuestos</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>No booking arrives in this period.</source>
        <translation>Ninguna reserva llega en este periodo.</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Consumo de contadores por mes</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unidades</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No meter counted any use in this period.</source>
        <translation>Ningún contador ha registrado consumo en este periodo.</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Duración de la estancia y antelación</translation>
    </message>
    <message>
        <source>Lead time: the days from taking the booking to the arrival.</source>
        <translation>Antelación: los días desde que se toma la reserva hasta la llegada.</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>Average stay (nights)</source>
        <translation>Estancia media (noches)</translation>
    </message>
    <message>
        <source>Average lead time (days)</source>
        <translation>Antelación media (días)</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>Los amarres más ocupados</translation>
    </message>
    <message>
        <source>The %1 berths with the most nights sold.</source>
        <translation>Los %1 amarres con más noches vendidas.</translation>
    </message>
    <message>
        <source>nights</source>
        <translation>noches</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>No night is sold in this period.</source>
        <translation>No se ha vendido ninguna noche en este periodo.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Introduzca el primer y el último día del periodo.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>El periodo termina antes de empezar.</translation>
    </message>
    <message>
        <source>A period of more than %1 years cannot be shown.</source>
        <translation>No se puede mostrar un periodo de más de %1 años.</translation>
    </message>
    <message>
        <source>The chart would have %1 bars, more than %2: choose weeks or months for a period this long.</source>
        <translation>El gráfico tendría %1 barras, más de %2: elija semanas o meses para un periodo tan largo.</translation>
    </message>
    <message>
        <source>No such figure.</source>
        <translation>No existe esa cifra.</translation>
    </message>
    <message>
        <source>The next 14 nights</source>
        <translation>Las próximas 14 noches</translation>
    </message>
    <message>
        <source>Berths taken for the night, of %1 active</source>
        <translation>Amarres ocupados por noche, de %1 activos</translation>
    </message>
    <message>
        <source>berths</source>
        <translation>amarres</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Berths taken</source>
        <translation>Amarres ocupados</translation>
    </message>
    <message>
        <source>No berths are active (no berths).</source>
        <translation>No hay amarres activos (sin amarres).</translation>
    </message>
    <message>
        <source>%1: page %p of %P</source>
        <translation>%1: página %p de %P</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>The help page %1 cannot be found.</source>
        <translation>No se encuentra la página de ayuda %1.</translation>
    </message>
    <message>
        <source>The help page %1 could not be opened: no web browser answered.</source>
        <translation>No se ha podido abrir la página de ayuda %1: ningún navegador web ha respondido.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser answered. Type the address into a browser.</source>
        <translation>No se ha podido abrir %1: ningún navegador web ha respondido. Escriba la dirección en un navegador.</translation>
    </message>
</context>
<context>
    <name>HolderCredits</name>
    <message>
        <source>The holder&apos;s share is a percentage from 0 to %1.</source>
        <translation>La participación del titular es un porcentaje de 0 a %1.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before setting the holder&apos;s share.</source>
        <translation>Introduzca los datos de la empresa antes de fijar la participación del titular.</translation>
    </message>
    <message>
        <source>Share of the hire of booking %1 while away</source>
        <translation>Participación en el alquiler de la reserva %1 durante la ausencia</translation>
    </message>
    <message>
        <source>Enter a period that ends on or after its first day.</source>
        <translation>Introduzca un periodo que termine el mismo día en que empieza o después.</translation>
    </message>
</context>
<context>
    <name>HolderCreditsDialog</name>
    <message>
        <source>Credits earned by holders away</source>
        <translation>Abonos ganados por titulares ausentes</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrato</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titular</translation>
    </message>
    <message>
        <source>Visitor&apos;s booking</source>
        <translation>Reserva del visitante</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Abono</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>C&amp;redits...</source>
        <translation>A&amp;bonos...</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n credit(s), %1 in all</source>
        <translation>
            <numerusform>%n abono, %1 en total</numerusform>
            <numerusform>%n abonos, %1 en total</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HolderShareDialog</name>
    <message>
        <source>Holders&apos; share</source>
        <translation>Participación de los titulares</translation>
    </message>
    <message>
        <source>A holder away is credited this share of the hire a visitor pays for the berth.</source>
        <translation>A un titular ausente se le abona esta parte del alquiler que paga un visitante por el amarre.</translation>
    </message>
    <message>
        <source>&amp;Share of the visitor&apos;s hire:</source>
        <translation>&amp;Parte del alquiler del visitante:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Holders&apos; share...</source>
        <translation>&amp;Participación de los titulares...</translation>
    </message>
    <message>
        <source>%1 % of a visitor&apos;s hire</source>
        <translation>%1 % del alquiler de un visitante</translation>
    </message>
</context>
<context>
    <name>ImapMailbox</name>
    <message>
        <source>The folder name &quot;%1&quot; may hold letters, digits, spaces and . _ / - only.</source>
        <translation>El nombre de carpeta &quot;%1&quot; solo puede contener letras, cifras, espacios y los caracteres . _ / y -.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: the transfer library did not start.</source>
        <translation>No se ha podido leer el buzón: la biblioteca de transferencia no se ha iniciado.</translation>
    </message>
    <message>
        <source>The message is larger than %1 KB.</source>
        <translation>El mensaje ocupa más de %1 KB.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>No se ha encontrado el servidor de correo %1.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>El servidor de correo %1 no ha respondido en el puerto %2.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>El servidor de correo ha rechazado el nombre de usuario o la contraseña: %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>El servidor de correo no ofrece una conexión segura (STARTTLS): %1</translation>
    </message>
    <message>
        <source>The mail server did not answer within %1 seconds.</source>
        <translation>El servidor de correo no ha respondido en %1 segundos.</translation>
    </message>
    <message>
        <source>The mailbox could not be read: %1</source>
        <translation>No se ha podido leer el buzón: %1</translation>
    </message>
    <message>
        <source>The mail server did not give the size of message %1.</source>
        <translation>El servidor de correo no ha indicado el tamaño del mensaje %1.</translation>
    </message>
</context>
<context>
    <name>ImportFields</name>
    <message>
        <source>Berths and berth types</source>
        <translation>Amarres y tipos de amarre</translation>
    </message>
    <message>
        <source>Bookings</source>
        <translation>Reservas</translation>
    </message>
    <message>
        <source>Opening balances</source>
        <translation>Saldos iniciales</translation>
    </message>
    <message>
        <source>Contracts</source>
        <translation>Contratos</translation>
    </message>
    <message>
        <source>Customers with boats</source>
        <translation>Clientes con barcos</translation>
    </message>
    <message>
        <source>Old reference</source>
        <translation>Referencia antigua</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>House name</source>
        <translation>Nombre de la casa</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Boat reference</source>
        <translation>Referencia del barco</translation>
    </message>
    <message>
        <source>Boat name</source>
        <translation>Nombre del barco</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Matrícula</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Eslora (m)</translation>
    </message>
    <message>
        <source>Beam (m)</source>
        <translation>Manga (m)</translation>
    </message>
    <message>
        <source>Draft (m)</source>
        <translation>Calado (m)</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo de amarre</translation>
    </message>
    <message>
        <source>Width (m)</source>
        <translation>Manga (m)</translation>
    </message>
    <message>
        <source>Maximum draft (m)</source>
        <translation>Calado máximo (m)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Daily charge</source>
        <translation>Cargo diario</translation>
    </message>
    <message>
        <source>Customer reference</source>
        <translation>Referencia del cliente</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Boat registration</source>
        <translation>Matrícula del barco</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Adults</source>
        <translation>Adultos</translation>
    </message>
    <message>
        <source>Booking reference</source>
        <translation>Referencia de la reserva</translation>
    </message>
    <message>
        <source>Amount paid</source>
        <translation>Importe pagado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Modalidad</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Instalments</source>
        <translation>Plazos</translation>
    </message>
    <message>
        <source>The date is missing.</source>
        <translation>Falta la fecha.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money (written as %2).</source>
        <translation>&quot;%1&quot; no es un importe de dinero (escrito como %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size in metres above 0 and up to %2 m.</source>
        <translation>&quot;%1&quot; no es una medida en metros mayor que 0 y de hasta %2 m.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>&quot;%1&quot; no es un número entre 0 y %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither yes nor no.</source>
        <translation>&quot;%1&quot; no es ni yes ni no.</translation>
    </message>
    <message>
        <source>Please give the mapping a name.</source>
        <translation>Dé un nombre a la asignación.</translation>
    </message>
    <message>
        <source>There is no mapping called %1.</source>
        <translation>No existe ninguna asignación llamada %1.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>ImportRun</name>
    <message>
        <source>No customer has the reference &quot;%1&quot;.</source>
        <translation>Ningún cliente tiene la referencia &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The berth &quot;%1&quot; is unknown.</source>
        <translation>El amarre &quot;%1&quot; es desconocido.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>La salida no es posterior a la llegada.</translation>
    </message>
    <message>
        <source>No boat has the registration &quot;%1&quot;.</source>
        <translation>Ningún barco tiene la matrícula &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The boat &quot;%1&quot; is another customer&apos;s.</source>
        <translation>El barco &quot;%1&quot; es de otro cliente.</translation>
    </message>
    <message>
        <source>The boat is too big for berth %1 (%2).</source>
        <translation>El barco es demasiado grande para el amarre %1 (%2).</translation>
    </message>
    <message>
        <source>old reference</source>
        <translation>referencia antigua</translation>
    </message>
    <message>
        <source>On record (same old reference): skipped.</source>
        <translation>Ya registrado (misma referencia antigua): omitido.</translation>
    </message>
    <message>
        <source>Berth %1 is blocked over these dates.</source>
        <translation>El amarre %1 está bloqueado en estas fechas.</translation>
    </message>
    <message>
        <source>Berth %1 is booked over these dates.</source>
        <translation>El amarre %1 está reservado en estas fechas.</translation>
    </message>
    <message>
        <source>Another row of the file books berth %1 over these dates.</source>
        <translation>Otra fila del archivo reserva el amarre %1 en estas fechas.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>On record (same old reference): updated.</source>
        <translation>Ya registrado (misma referencia antigua): actualizado.</translation>
    </message>
    <message>
        <source>The booking on record is cancelled.</source>
        <translation>La reserva registrada está cancelada.</translation>
    </message>
    <message>
        <source>No term is called &quot;%1&quot;.</source>
        <translation>Ninguna modalidad se llama &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The row needs its first and last days, or a term.</source>
        <translation>La fila necesita su primer y último día, o una modalidad.</translation>
    </message>
    <message>
        <source>The row has no price and the rates do not price berth %1 over its days.</source>
        <translation>La fila no tiene precio y las tarifas no ponen precio al amarre %1 en sus días.</translation>
    </message>
    <message>
        <source>Another row of the file holds berth %1 on these days.</source>
        <translation>Otra fila del archivo ocupa el amarre %1 en estos días.</translation>
    </message>
    <message>
        <source>The contract on record is cancelled.</source>
        <translation>El contrato registrado está cancelado.</translation>
    </message>
    <message>
        <source>The row has %1 columns where the headings have %2.</source>
        <translation>La fila tiene %1 columnas y los encabezados tienen %2.</translation>
    </message>
    <message>
        <source>Line %1 of the file has the same %2.</source>
        <translation>La línea %1 del archivo tiene el mismo %2.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>El nombre está vacío.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>&quot;%1&quot; no es una dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>e-mail address</source>
        <translation>dirección de correo electrónico</translation>
    </message>
    <message>
        <source>boat registration</source>
        <translation>matrícula del barco</translation>
    </message>
    <message>
        <source>On record (same %1): updated.</source>
        <translation>Ya registrado (mismo %1): actualizado.</translation>
    </message>
    <message>
        <source>On record (same %1): skipped.</source>
        <translation>Ya registrado (mismo %1): omitido.</translation>
    </message>
    <message>
        <source>The berth&apos;s name is empty.</source>
        <translation>El nombre del amarre está vacío.</translation>
    </message>
    <message>
        <source>berth name</source>
        <translation>nombre del amarre</translation>
    </message>
    <message>
        <source>On record: updated.</source>
        <translation>Ya registrado: actualizado.</translation>
    </message>
    <message>
        <source>On record: skipped.</source>
        <translation>Ya registrado: omitido.</translation>
    </message>
    <message>
        <source>No booking has the reference &quot;%1&quot;.</source>
        <translation>Ninguna reserva tiene la referencia &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importación %1</translation>
    </message>
    <message>
        <source>The amount is nothing.</source>
        <translation>El importe es cero.</translation>
    </message>
    <message>
        <source>booking reference</source>
        <translation>referencia de la reserva</translation>
    </message>
    <message>
        <source>The booking has its opening balance already: skipped (a ledger line is put right with a correction).</source>
        <translation>La reserva ya tiene su saldo inicial: omitida (una línea del libro de cuentas se corrige con una corrección).</translation>
    </message>
    <message>
        <source>The booking is cancelled.</source>
        <translation>La reserva está cancelada.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Every required field needs a column: %1 has none.</source>
        <translation>Cada campo obligatorio necesita una columna: %1 no tiene ninguna.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file holds its headings and no row.</source>
        <translation>El archivo contiene sus encabezados y ninguna fila.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicado</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Aceptado</translation>
    </message>
    <message>
        <source>Another desk booked a berth over a booking of this file while it was imported. Nothing was imported: run the dry run and the import again.</source>
        <translation>Otro puesto ha reservado un amarre encima de una reserva de este archivo durante la importación. No se ha importado nada: repita la simulación y la importación.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>This import is no longer on record.</source>
        <translation>Esta importación ya no está registrada.</translation>
    </message>
    <message>
        <source>This import has been undone already.</source>
        <translation>Esta importación ya se ha deshecho.</translation>
    </message>
    <message>
        <source>Opening balances are ledger lines, which are never removed: put a balance right with a correction on its booking.</source>
        <translation>Los saldos iniciales son líneas del libro de cuentas, que nunca se eliminan: corrija un saldo con una corrección en su reserva.</translation>
    </message>
    <message>
        <source>customer %1</source>
        <translation>cliente %1</translation>
    </message>
    <message>
        <source>boat %1</source>
        <translation>barco %1</translation>
    </message>
    <message>
        <source>berth %1</source>
        <translation>amarre %1</translation>
    </message>
    <message>
        <source>booking %1</source>
        <translation>reserva %1</translation>
    </message>
    <message>
        <source>contract %1</source>
        <translation>contrato %1</translation>
    </message>
    <message>
        <source>boat %1 (added since)</source>
        <translation>barco %1 (añadido después)</translation>
    </message>
    <message>
        <source>booking %1 (made or paid since)</source>
        <translation>reserva %1 (hecha o pagada después)</translation>
    </message>
    <message>
        <source>%1 (invoiced or paid since)</source>
        <translation>%1 (facturado o pagado después)</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>This import cannot be undone: what it brought in has been changed since (%1). Nothing was removed.</source>
        <translation>Esta importación no se puede deshacer: lo que trajo se ha cambiado después (%1). No se ha quitado nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language documents are written in.</source>
        <translation>&quot;%1&quot; no es un idioma en el que se escriban documentos.</translation>
    </message>
</context>
<context>
    <name>ImportWizard</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europa occidental)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Coma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Punto y coma (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>The first row holds &amp;headings</source>
        <translation>La primera fila contiene los &amp;encabezados</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importado</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Añadidos</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Actualizados</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitidos</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazados</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Deshecha</translation>
    </message>
    <message>
        <source>&amp;Undo this import</source>
        <translation>Deshacer esta im&amp;portación</translation>
    </message>
    <message>
        <source>&amp;Kind of records:</source>
        <translation>&amp;Tipo de registros:</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>Arc&amp;hivo:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codificación:</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Delimitador:</translation>
    </message>
    <message>
        <source>&amp;Past imports:</source>
        <translation>&amp;Importaciones anteriores:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Column of the file</source>
        <translation>Columna del archivo</translation>
    </message>
    <message>
        <source>&amp;Skip rows already on record</source>
        <translation>&amp;Omitir las filas ya registradas</translation>
    </message>
    <message>
        <source>&amp;Update rows already on record from the file</source>
        <translation>Act&amp;ualizar desde el archivo las filas ya registradas</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Saved &amp;mappings:</source>
        <translation>Asig&amp;naciones guardadas:</translation>
    </message>
    <message>
        <source>&amp;Dates written as:</source>
        <translation>&amp;Fechas escritas como:</translation>
    </message>
    <message>
        <source>&amp;Amounts written as:</source>
        <translation>&amp;Importes escritos como:</translation>
    </message>
    <message>
        <source>Rows already on record:</source>
        <translation>Filas ya registradas:</translation>
    </message>
    <message>
        <source>&amp;Columns (fields marked * are needed):</source>
        <translation>Co&amp;lumnas (los campos marcados con * son obligatorios):</translation>
    </message>
    <message>
        <source>&amp;Save list...</source>
        <translation>&amp;Guardar lista...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>&amp;Verdicts (nothing has been written yet):</source>
        <translation>&amp;Resultados (todavía no se ha escrito nada):</translation>
    </message>
    <message>
        <source>Import: the file</source>
        <translation>Importar: el archivo</translation>
    </message>
    <message>
        <source>Import: the columns</source>
        <translation>Importar: las columnas</translation>
    </message>
    <message>
        <source>Import: the dry run</source>
        <translation>Importar: la simulación</translation>
    </message>
    <message>
        <source>Please choose the file to import.</source>
        <translation>Elija el archivo que desea importar.</translation>
    </message>
    <message>
        <source>Please choose a column for: %1.</source>
        <translation>Elija una columna para: %1.</translation>
    </message>
    <message>
        <source>Choose the file to import</source>
        <translation>Elija el archivo que desea importar</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>Archivos CSV (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Leyendo el archivo...</translation>
    </message>
    <message>
        <source>The dry run was stopped.</source>
        <translation>Se ha detenido la simulación.</translation>
    </message>
    <message>
        <source>%1 rows to add, %2 already on record, %3 refused.</source>
        <translation>%1 filas que añadir, %2 ya registradas, %3 rechazadas.</translation>
    </message>
    <message>
        <source>The backup before the import failed, so nothing was imported.

%1</source>
        <translation>Ha fallado la copia de seguridad previa a la importación, por lo que no se ha importado nada.

%1</translation>
    </message>
    <message>
        <source>The import was stopped: nothing was imported.</source>
        <translation>Se ha detenido la importación: no se ha importado nada.</translation>
    </message>
    <message>
        <source>%1 rows added, %2 already on record, %3 refused.</source>
        <translation>%1 filas añadidas, %2 ya registradas, %3 rechazadas.</translation>
    </message>
    <message>
        <source>The file has been imported: %1

A backup of the database as it was is in %2.</source>
        <translation>Se ha importado el archivo: %1

Hay una copia de seguridad de la base de datos tal como estaba en %2.</translation>
    </message>
    <message>
        <source>Save the dry run&apos;s list</source>
        <translation>Guardar la lista de la simulación</translation>
    </message>
    <message>
        <source> - dry run.csv</source>
        <translation> - simulación.csv</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Remove everything the import of %1 added?</source>
        <translation>¿Quitar todo lo que añadió la importación de %1?</translation>
    </message>
    <message>
        <source>Undo this import</source>
        <translation>Deshacer esta importación</translation>
    </message>
    <message>
        <source>The import of %1 has been undone.</source>
        <translation>Se ha deshecho la importación de %1.</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>Please enter a valid number to continue</source>
        <translation>Introduzca un número válido para continuar</translation>
    </message>
    <message>
        <source>Amounts are in pounds and pence: type at most two decimals, for example %1.</source>
        <translation>Los importes llevan céntimos: escriba como máximo dos decimales, por ejemplo %1.</translation>
    </message>
    <message>
        <source>An amount cannot be more than %1.</source>
        <translation>Un importe no puede superar %1.</translation>
    </message>
</context>
<context>
    <name>Ledger</name>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Devolución</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Kept as credit</source>
        <translation>Conservado como saldo a favor</translation>
    </message>
    <message>
        <source>Credit used</source>
        <translation>Saldo a favor usado</translation>
    </message>
    <message>
        <source>A contract is paid, refunded or corrected.</source>
        <translation>Se paga, devuelve o corrige un contrato.</translation>
    </message>
    <message>
        <source>The refund is more than the %1 paid.</source>
        <translation>La devolución supera lo pagado, %1.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La reserva ya no existe.</translation>
    </message>
    <message>
        <source>Enter an amount other than %1.</source>
        <translation>Introduzca un importe distinto de %1.</translation>
    </message>
    <message>
        <source>Enter the amount without a minus sign: money given back is recorded as a refund, a mistake as a correction.</source>
        <translation>Introduzca el importe sin signo menos: el dinero devuelto se registra como devolución, un error como corrección.</translation>
    </message>
    <message>
        <source>The reference runs to 100 characters and the note to 250.</source>
        <translation>La referencia admite hasta 100 caracteres y la nota hasta 250.</translation>
    </message>
    <message>
        <source>The booking has been cancelled: no payment can be recorded on it.</source>
        <translation>La reserva se ha cancelado: no se puede registrar ningún pago en ella.</translation>
    </message>
    <message>
        <source>A refund cannot be more than what was paid (%1).</source>
        <translation>Una devolución no puede superar lo pagado (%1).</translation>
    </message>
    <message>
        <source>A correction cannot take what was paid below %1 (%2 was paid).</source>
        <translation>Una corrección no puede dejar lo pagado por debajo de %1 (se pagó %2).</translation>
    </message>
    <message>
        <source>An amount is above %1.</source>
        <translation>Un importe supera %1.</translation>
    </message>
    <message>
        <source>The customer holds %1 of credit.</source>
        <translation>El cliente tiene %1 de saldo a favor.</translation>
    </message>
    <message>
        <source>Enter the company&apos;s details before issuing an invoice.</source>
        <translation>Introduzca los datos de la empresa antes de emitir una factura.</translation>
    </message>
    <message>
        <source>Enter the first and the last day of the period.</source>
        <translation>Introduzca el primer y el último día del periodo.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>El periodo termina antes de empezar.</translation>
    </message>
    <message>
        <source>No method</source>
        <translation>Sin forma de pago</translation>
    </message>
    <message>
        <source>Method %1 (removed)</source>
        <translation>Forma de pago %1 (eliminada)</translation>
    </message>
    <message>
        <source>No desk</source>
        <translation>Sin puesto</translation>
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
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>This desk is locked. %1, type your PIN or password to go on.</source>
        <translation>Este puesto está bloqueado. %1, escriba su PIN o contraseña para continuar.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>&amp;PIN o contraseña:</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Desbloquear</translation>
    </message>
    <message>
        <source>S&amp;witch User...</source>
        <translation>&amp;Cambiar de usuario...</translation>
    </message>
</context>
<context>
    <name>MailMessage</name>
    <message>
        <source>There is no e-mail address to send to.</source>
        <translation>No hay ninguna dirección de correo electrónico a la que enviar.</translation>
    </message>
    <message>
        <source>The e-mail address %1 holds a line break.</source>
        <translation>La dirección de correo electrónico %1 contiene un salto de línea.</translation>
    </message>
    <message>
        <source>%1 is not an e-mail address (name@example.com).</source>
        <translation>%1 no es una dirección de correo electrónico (nombre@example.com).</translation>
    </message>
    <message>
        <source>The sender&apos;s name</source>
        <translation>El nombre del remitente</translation>
    </message>
    <message>
        <source>The recipient&apos;s name</source>
        <translation>El nombre del destinatario</translation>
    </message>
    <message>
        <source>The subject</source>
        <translation>El asunto</translation>
    </message>
    <message>
        <source>The attachment&apos;s name</source>
        <translation>El nombre del adjunto</translation>
    </message>
    <message>
        <source>%1 holds a line break, which an e-mail header may not: %2</source>
        <translation>%1 contiene un salto de línea, que no se admite en un encabezado de correo: %2</translation>
    </message>
</context>
<context>
    <name>MailSettings</name>
    <message>
        <source>The sender&apos;s address: %1</source>
        <translation>La dirección del remitente: %1</translation>
    </message>
    <message>
        <source>The sender&apos;s name must be one line.</source>
        <translation>El nombre del remitente debe ocupar una sola línea.</translation>
    </message>
    <message>
        <source>The certificate file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de certificado %1.</translation>
    </message>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information first.</source>
        <translation>No hay ningún servidor de correo configurado: introdúzcalo primero en Configurar los datos de la empresa.</translation>
    </message>
    <message>
        <source>The password file %1 could not be removed.</source>
        <translation>No se ha podido eliminar el archivo de contraseña %1.</translation>
    </message>
</context>
<context>
    <name>MailTemplates</name>
    <message>
        <source>Booking confirmation</source>
        <translation>Confirmación de reserva</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>Deposit reminder</source>
        <translation>Recordatorio del depósito</translation>
    </message>
    <message>
        <source>Balance reminder</source>
        <translation>Recordatorio del saldo</translation>
    </message>
    <message>
        <source>Waiting-list offer</source>
        <translation>Oferta de la lista de espera</translation>
    </message>
    <message>
        <source>Contract renewal letter</source>
        <translation>Carta de renovación del contrato</translation>
    </message>
    <message>
        <source>Your booking {ConfirmationNo} at {Company}</source>
        <translation>Su reserva {ConfirmationNo} en {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for booking with us. We look forward to welcoming you from {Arrival} to {Departure} on berth {Berths}.

Your booking confirmation is attached. The total is {Total}; {DepositDue} is due by {DueBy}.

If anything is not as you expected, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Estimado/a {CustomerName}:

Gracias por reservar con nosotros. Será un placer recibirle del {Arrival} al {Departure} en el amarre {Berths}.

Adjuntamos la confirmación de su reserva. El total es {Total}; el importe de {DepositDue} vence el {DueBy}.

Si algo no es como esperaba, responda a este mensaje o llámenos al {CompanyPhone}.

Un cordial saludo,
{Company}</translation>
    </message>
    <message>
        <source>Your invoice from {Company}</source>
        <translation>Su factura de {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Please find attached the invoice for your stay from {Arrival} to {Departure} (booking {ConfirmationNo}). The total is {Total}, of which {Paid} has been paid; {Balance} remains.

Kind regards,
{Company}</source>
        <translation>Estimado/a {CustomerName}:

Adjuntamos la factura de su estancia del {Arrival} al {Departure} (reserva {ConfirmationNo}). El total es {Total}, del que se han pagado {Paid}; quedan pendientes {Balance}.

Un cordial saludo,
{Company}</translation>
    </message>
    <message>
        <source>Deposit for your booking {ConfirmationNo}</source>
        <translation>Depósito de su reserva {ConfirmationNo}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

A friendly reminder that the deposit of {AmountDue} for your stay from {Arrival} to {Departure} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Estimado/a {CustomerName}:

Le recordamos amablemente que el depósito de {AmountDue} de su estancia del {Arrival} al {Departure} vence el {DueBy}. Si ya lo ha pagado, se lo agradecemos; no tenga en cuenta este mensaje.

Un cordial saludo,
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>Balance for your stay from {Arrival}</source>
        <translation>Saldo de su estancia a partir del {Arrival}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your stay with us from {Arrival} to {Departure} is coming up. The balance of {AmountDue} is due by {DueBy}. If you have already paid, thank you, and please ignore this message.

We look forward to seeing you.

Kind regards,
{Company}
{CompanyPhone}</source>
        <translation>Estimado/a {CustomerName}:

Se acerca su estancia con nosotros del {Arrival} al {Departure}. El saldo de {AmountDue} vence el {DueBy}. Si ya lo ha pagado, se lo agradecemos; no tenga en cuenta este mensaje.

Esperamos verle pronto.

Un cordial saludo,
{Company}
{CompanyPhone}</translation>
    </message>
    <message>
        <source>A berth has come free at {Company}</source>
        <translation>Ha quedado libre un amarre en {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Good news: a berth has come free for the dates you asked about, {Arrival} to {Departure}. Please call us on {CompanyPhone} or reply to this message soon if you would like it; we offer it to the next on our list otherwise.

Kind regards,
{Company}</source>
        <translation>Estimado/a {CustomerName}:

Buenas noticias: ha quedado libre un amarre para las fechas que nos pidió, del {Arrival} al {Departure}. Llámenos al {CompanyPhone} o responda pronto a este mensaje si lo desea; de lo contrario, se lo ofreceremos al siguiente de nuestra lista.

Un cordial saludo,
{Company}</translation>
    </message>
    <message>
        <source>Renewal of your contract for {Berths}</source>
        <translation>Renovación de su contrato para {Berths}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Your contract for berth {Berths} is renewed from {Arrival} to {Departure} at {Total}. The letter attached gives the details and the instalments.

If you have any questions, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Estimado/a {CustomerName}:

Su contrato del amarre {Berths} se renueva del {Arrival} al {Departure} por {Total}. En la carta adjunta encontrará los detalles y los plazos.

Si tiene alguna pregunta, responda a este mensaje o llámenos al {CompanyPhone}.

Un cordial saludo,
{Company}</translation>
    </message>
    <message>
        <source>There is no kind of message called %1.</source>
        <translation>No existe ningún tipo de mensaje llamado %1.</translation>
    </message>
    <message>
        <source>The subject may not be empty.</source>
        <translation>El asunto no puede estar vacío.</translation>
    </message>
    <message>
        <source>The subject must be one line.</source>
        <translation>El asunto debe ocupar una sola línea.</translation>
    </message>
    <message>
        <source>The template holds what is not a placeholder: %1.
The placeholders are: %2</source>
        <translation>La plantilla contiene algo que no es un marcador: %1.
Los marcadores son: %2</translation>
    </message>
    <message>
        <source>Booking request declined</source>
        <translation>Solicitud de reserva rechazada</translation>
    </message>
    <message>
        <source>Your booking request at {Company}</source>
        <translation>Su solicitud de reserva en {Company}</translation>
    </message>
    <message>
        <source>Dear {CustomerName},

Thank you for your request for {Arrival} to {Departure}. We are sorry that we have no berth for you on those dates.

If other dates would suit you, just reply to this message or call us on {CompanyPhone}.

Kind regards,
{Company}</source>
        <translation>Estimado/a {CustomerName}:

Gracias por su solicitud para el periodo del {Arrival} al {Departure}. Lamentamos no disponer de ningún amarre para usted en esas fechas.

Si le convienen otras fechas, basta con responder a este mensaje o llamarnos al {CompanyPhone}.

Un cordial saludo,
{Company}</translation>
    </message>
    <message>
        <source>There is no language with the code &quot;%1&quot;.</source>
        <translation>No hay ningún idioma con el código &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>MailTemplatesDialog</name>
    <message>
        <source>E-mail Templates</source>
        <translation>Plantillas de correo electrónico</translation>
    </message>
    <message>
        <source>Placeholders: %1</source>
        <translation>Marcadores: %1</translation>
    </message>
    <message>
        <source>Reminders proposed each morning (0: none)</source>
        <translation>Recordatorios propuestos cada mañana (0: ninguno)</translation>
    </message>
    <message>
        <source>&amp;Deposit reminder, days before it falls due:</source>
        <translation>Recordatorio del &amp;depósito, días antes del vencimiento:</translation>
    </message>
    <message>
        <source>&amp;Balance reminder, days before it falls due:</source>
        <translation>Recordatorio del &amp;saldo, días antes del vencimiento:</translation>
    </message>
    <message>
        <source>&amp;Overdue reminder, days after it fell due:</source>
        <translation>Recordatorio de &amp;impago, días después del vencimiento:</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Reset to the program&apos;s wording</source>
        <translation>&amp;Restablecer el texto del programa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Mensaje:</translation>
    </message>
    <message>
        <source>&amp;Subject:</source>
        <translation>&amp;Asunto:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>The template could not be read: %1</source>
        <translation>No se ha podido leer la plantilla: %1</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>¿Guardar los cambios en &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The template was not saved: %1</source>
        <translation>No se ha guardado la plantilla: %1</translation>
    </message>
    <message>
        <source>E-mail template: %1</source>
        <translation>Plantilla de correo electrónico: %1</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Idi&amp;oma:</translation>
    </message>
</context>
<context>
    <name>MailingListWizard</name>
    <message>
        <source>Mailing list</source>
        <translation>Lista de correo</translation>
    </message>
    <message>
        <source>Email Mailing List Wizard</source>
        <translation>Asistente de lista de correo electrónico</translation>
    </message>
    <message>
        <source>Enter the Mailing List filename</source>
        <translation>Introduzca el nombre del archivo de la lista de correo</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Using this wizard you can create a mailing list of your customers.</source>
        <translation>Con este asistente puede crear una lista de correo de sus clientes.</translation>
    </message>
    <message>
        <source>Enter the filename you would like to populate with your email list.</source>
        <translation>Introduzca el nombre del archivo en el que desea guardar su lista de correo.</translation>
    </message>
    <message>
        <source>Mailing list filename:</source>
        <translation>Nombre del archivo de la lista de correo:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Pulse Finalizar para completar la configuración</translation>
    </message>
    <message>
        <source>Please enter a file name</source>
        <translation>Introduzca un nombre de archivo</translation>
    </message>
    <message>
        <source>Mailing list file</source>
        <translation>Archivo de la lista de correo</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The customers&apos; email addresses could not be read; no file was written.

%1</source>
        <translation>No se han podido leer las direcciones de correo electrónico de los clientes; no se ha escrito ningún archivo.

%1</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Export C&amp;ustomers...</source>
        <translation>Exportar &amp;clientes...</translation>
    </message>
    <message>
        <source>Export Reser&amp;vations</source>
        <translation>Exportar &amp;reservas</translation>
    </message>
    <message>
        <source>Export T&amp;oday&apos;s Reservations</source>
        <translation>Exportar reservas de &amp;hoy</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Compact &amp;&amp; repair database</source>
        <translation>Co&amp;mpactar &amp;&amp; reparar la base de datos</translation>
    </message>
    <message>
        <source>&amp;Backup database ...</source>
        <translation>Copia de &amp;seguridad de la base de datos ...</translation>
    </message>
    <message>
        <source>&amp;Restore database ...</source>
        <translation>Res&amp;taurar la base de datos ...</translation>
    </message>
    <message>
        <source>End of &amp;workday</source>
        <translation>&amp;Fin de la jornada</translation>
    </message>
    <message>
        <source>View &amp;trace log</source>
        <translation>&amp;Ver el registro de seguimiento</translation>
    </message>
    <message>
        <source>&amp;Switch User...</source>
        <translation>Cambiar de &amp;usuario...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Web Bookings</source>
        <translation>Reservas &amp;web</translation>
    </message>
    <message>
        <source>&amp;Configure Web Bookings...</source>
        <translation>&amp;Configurar reservas web...</translation>
    </message>
    <message>
        <source>C&amp;reate Web Booking Page...</source>
        <translation>C&amp;rear página de reservas web...</translation>
    </message>
    <message>
        <source>&amp;Bookings</source>
        <translation>&amp;Reservas</translation>
    </message>
    <message>
        <source>&amp;Add Booking</source>
        <translation>&amp;Añadir reserva</translation>
    </message>
    <message>
        <source>&amp;Find Booking...</source>
        <translation>&amp;Buscar reserva...</translation>
    </message>
    <message>
        <source>View &amp;Reports</source>
        <translation>Ver &amp;informes</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;cash-up...</source>
        <translation>Arqueo de &amp;caja de hoy...</translation>
    </message>
    <message>
        <source>C&amp;ontracts...</source>
        <translation>C&amp;ontratos...</translation>
    </message>
    <message>
        <source>Rene&amp;w Contracts...</source>
        <translation>Reno&amp;var contratos...</translation>
    </message>
    <message>
        <source>Contract L&amp;ists...</source>
        <translation>&amp;Listas de contratos...</translation>
    </message>
    <message>
        <source>Re&amp;minders...</source>
        <translation>Recor&amp;datorios...</translation>
    </message>
    <message>
        <source>Close&amp;d Months...</source>
        <translation>&amp;Meses cerrados...</translation>
    </message>
    <message>
        <source>View Ad&amp;vanced Calendar</source>
        <translation>Ver calendario avan&amp;zado</translation>
    </message>
    <message>
        <source>View &amp;Simple Calendar</source>
        <translation>Ver calendario &amp;sencillo</translation>
    </message>
    <message>
        <source>Booking C&amp;hart</source>
        <translation>C&amp;uadro de reservas</translation>
    </message>
    <message>
        <source>Berth / Rentals  &amp;Notes...</source>
        <translation>&amp;Notas de amarres / alquileres...</translation>
    </message>
    <message>
        <source>&amp;Customers</source>
        <translation>&amp;Clientes</translation>
    </message>
    <message>
        <source>&amp;View Customers</source>
        <translation>&amp;Ver clientes</translation>
    </message>
    <message>
        <source>&amp;Find Customer...</source>
        <translation>&amp;Buscar cliente...</translation>
    </message>
    <message>
        <source>&amp;Waiting List...</source>
        <translation>&amp;Lista de espera...</translation>
    </message>
    <message>
        <source>&amp;Email Mailing List Wizard...</source>
        <translation>Asistente de lista de &amp;correo...</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>C&amp;onfiguración</translation>
    </message>
    <message>
        <source>Configuration &amp;Wizard...</source>
        <translation>&amp;Asistente de configuración...</translation>
    </message>
    <message>
        <source>&amp;Company...</source>
        <translation>&amp;Empresa...</translation>
    </message>
    <message>
        <source>Re&amp;gional Settings...</source>
        <translation>Configuración &amp;regional...</translation>
    </message>
    <message>
        <source>&amp;Berths...</source>
        <translation>A&amp;marres...</translation>
    </message>
    <message>
        <source>Berth &amp;Owners...</source>
        <translation>&amp;Propietarios de amarres...</translation>
    </message>
    <message>
        <source>&amp;Rates...</source>
        <translation>&amp;Tarifas...</translation>
    </message>
    <message>
        <source>&amp;Meters...</source>
        <translation>&amp;Contadores...</translation>
    </message>
    <message>
        <source>Ca&amp;lendars...</source>
        <translation>Ca&amp;lendarios...</translation>
    </message>
    <message>
        <source>E-mail &amp;Templates...</source>
        <translation>Pla&amp;ntillas de correo...</translation>
    </message>
    <message>
        <source>&amp;Users...</source>
        <translation>&amp;Usuarios...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>Í&amp;ndice...</translation>
    </message>
    <message>
        <source>&amp;Tip of the Day...</source>
        <translation>Consejo &amp;del día...</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>&amp;Soporte en línea</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Add Reservation</source>
        <translation>Añadir reserva</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Advanced Calendar</source>
        <translation>Calendario avanzado</translation>
    </message>
    <message>
        <source>View Customers</source>
        <translation>Ver clientes</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Booking Chart</source>
        <translation>Cuadro de reservas</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Reservation</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Web Bookings</source>
        <translation>Reservas web</translation>
    </message>
    <message>
        <source>Zem Harbour and Campsite Reservation</source>
        <translation>Zem Harbour: reservas de puerto deportivo y camping</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>Solici&amp;tudes...</translation>
    </message>
</context>
<context>
    <name>MaintenanceMenu</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Backup archives (*.SPA)</source>
        <translation>Archivos de copia de seguridad (*.SPA)</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Nombre de archivo incorrecto</translation>
    </message>
    <message>
        <source>Select your database backup file ...</source>
        <translation>Seleccione el archivo de copia de seguridad de la base de datos ...</translation>
    </message>
    <message>
        <source>Error detected when make database backup!</source>
        <translation>¡Se ha producido un error al hacer la copia de seguridad de la base de datos!</translation>
    </message>
    <message>
        <source>Database backuped</source>
        <translation>Copia de seguridad de la base de datos hecha</translation>
    </message>
    <message>
        <source>Select your backuped database ...</source>
        <translation>Seleccione la base de datos de la copia de seguridad ...</translation>
    </message>
    <message>
        <source>Replace the database with the backup %1 of %2 (%3)?

The database as it is now is kept as %4, and can be restored from there.</source>
        <translation>¿Sustituir la base de datos por la copia de seguridad %1 del %2 (%3)?

La base de datos tal como está ahora se conserva como %4 y se puede restaurar desde allí.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Error detected when restoring database backup!</source>
        <translation>¡Se ha producido un error al restaurar la copia de seguridad de la base de datos!</translation>
    </message>
    <message>
        <source>Database restored</source>
        <translation>Base de datos restaurada</translation>
    </message>
    <message>
        <source>Database compacted</source>
        <translation>Base de datos compactada</translation>
    </message>
</context>
<context>
    <name>MeterImport</name>
    <message>
        <source>accepted</source>
        <translation>aceptada</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>vuelta a cero</translation>
    </message>
    <message>
        <source>unknown meter</source>
        <translation>contador desconocido</translation>
    </message>
    <message>
        <source>earlier than the last</source>
        <translation>anterior a la última</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time.</source>
        <translation>&quot;%1&quot; no es una fecha y hora.</translation>
    </message>
    <message>
        <source>Meter %1 was last read on %2.</source>
        <translation>El contador %1 se leyó por última vez el %2.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
</context>
<context>
    <name>MeterInvoice</name>
    <message>
        <source>%1, berth %2</source>
        <translation>%1, amarre %2</translation>
    </message>
    <message>
        <source>By the meter</source>
        <translation>Según contador</translation>
    </message>
</context>
<context>
    <name>MeterLists</name>
    <message numerus="yes">
        <source>Meters not read for more than %n day(s), on %1</source>
        <translation>
            <numerusform>Contadores sin leer desde hace más de %n día, a %1</numerusform>
            <numerusform>Contadores sin leer desde hace más de %n días, a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 use by berth and month, %2 to %3</source>
        <translation>%1: consumo por amarre y mes, del %2 al %3</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Use (%1)</source>
        <translation>Consumo (%1)</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Last read</source>
        <translation>Última lectura</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>never read</source>
        <translation>nunca leído</translation>
    </message>
    <message>
        <source>Readings flagged, %1 to %2</source>
        <translation>Lecturas señaladas, del %1 al %2</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Leído el</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>over three times the usual</source>
        <translation>más del triple de lo habitual</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>vuelta a cero</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>corregida desde %1</translation>
    </message>
</context>
<context>
    <name>MeterListsWindow</name>
    <message>
        <source>Meter lists</source>
        <translation>Listas de contadores</translation>
    </message>
    <message>
        <source>Use by berth and month</source>
        <translation>Consumo por amarre y mes</translation>
    </message>
    <message>
        <source>Meters not read</source>
        <translation>Contadores sin leer</translation>
    </message>
    <message>
        <source>Readings flagged</source>
        <translation>Lecturas señaladas</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message>
        <source>&amp;Kind (use):</source>
        <translation>&amp;Tipo (consumo):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Not read for more than (&amp;days):</source>
        <translation>Sin leer desde hace más de (d&amp;ías):</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>El periodo termina antes de empezar.</translation>
    </message>
</context>
<context>
    <name>MeterStore</name>
    <message>
        <source>Contract %1 has been billed for this meter&apos;s period already.</source>
        <translation>Ya se ha facturado al contrato %1 el periodo de este contador.</translation>
    </message>
    <message>
        <source>Another meter has the serial number %1.</source>
        <translation>Otro contador tiene el número de serie %1.</translation>
    </message>
    <message>
        <source>Berth %1 already has %2 meter %3: swap it, or remove it first.</source>
        <translation>El amarre %1 ya tiene el contador de %2 %3: cámbielo o quítelo primero.</translation>
    </message>
    <message>
        <source>The meter no longer exists.</source>
        <translation>El contador ya no existe.</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3): if the meter rolled over, say so; otherwise type the reading again.</source>
        <translation>%1 es inferior a la última lectura del contador %2 (%3): si el contador ha dado la vuelta, indíquelo; si no, escriba de nuevo la lectura.</translation>
    </message>
    <message>
        <source>The reading no longer exists.</source>
        <translation>La lectura ya no existe.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>La lectura tiene más dígitos que los %1 del contador.</translation>
    </message>
    <message>
        <source>%1 is below the reading before it (%2): if the meter rolled over, say so.</source>
        <translation>%1 es inferior a la lectura anterior (%2): si el contador ha dado la vuelta, indíquelo.</translation>
    </message>
    <message>
        <source>%1 is above the reading after it (%2).</source>
        <translation>%1 es superior a la lectura siguiente (%2).</translation>
    </message>
    <message>
        <source>Meter %1 was already removed on %2.</source>
        <translation>El contador %1 ya se retiró el %2.</translation>
    </message>
</context>
<context>
    <name>MeterWalk</name>
    <message>
        <source>Meter Walk</source>
        <translation>Ronda de contadores</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Última lectura</translation>
    </message>
    <message>
        <source>Read on</source>
        <translation>Leído el</translation>
    </message>
    <message>
        <source>New reading</source>
        <translation>Nueva lectura</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Página %p de %P</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>(no berth)</source>
        <translation>(sin amarre)</translation>
    </message>
    <message>
        <source>No meters are in service.</source>
        <translation>No hay contadores en servicio.</translation>
    </message>
</context>
<context>
    <name>Meters</name>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Type the meter&apos;s serial number.</source>
        <translation>Escriba el número de serie del contador.</translation>
    </message>
    <message>
        <source>A serial number has at most 40 characters.</source>
        <translation>Un número de serie tiene como máximo 40 caracteres.</translation>
    </message>
    <message>
        <source>Type the unit the meter counts in (kWh, m³).</source>
        <translation>Escriba la unidad en la que cuenta el contador (kWh, m³).</translation>
    </message>
    <message>
        <source>A meter&apos;s counter has from %1 to %2 whole digits.</source>
        <translation>El totalizador de un contador tiene de %1 a %2 dígitos enteros.</translation>
    </message>
    <message>
        <source>Type the day the meter was fitted.</source>
        <translation>Escriba el día en que se instaló el contador.</translation>
    </message>
    <message>
        <source>The meter cannot be removed before it was fitted.</source>
        <translation>El contador no se puede retirar antes de haberse instalado.</translation>
    </message>
    <message>
        <source>Type the reading.</source>
        <translation>Escriba la lectura.</translation>
    </message>
    <message>
        <source>A reading is never below zero: &quot;%1&quot;.</source>
        <translation>Una lectura nunca es inferior a cero: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a reading: type the digits the meter shows.</source>
        <translation>&quot;%1&quot; no es una lectura: escriba los dígitos que muestra el contador.</translation>
    </message>
    <message>
        <source>A reading has at most three decimals: &quot;%1&quot;.</source>
        <translation>Una lectura tiene como máximo tres decimales: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more digits than the meter&apos;s %2.</source>
        <translation>&quot;%1&quot; tiene más dígitos que los %2 del contador.</translation>
    </message>
    <message>
        <source>Type the day and time of the reading.</source>
        <translation>Escriba el día y la hora de la lectura.</translation>
    </message>
    <message>
        <source>A reading cannot be dated in the future (%1).</source>
        <translation>Una lectura no puede tener una fecha futura (%1).</translation>
    </message>
    <message>
        <source>Meter %1 was fitted on %2: a reading cannot be dated before that.</source>
        <translation>El contador %1 se instaló el %2: una lectura no puede tener una fecha anterior.</translation>
    </message>
    <message>
        <source>Meter %1 was removed on %2: a reading cannot be dated after that.</source>
        <translation>El contador %1 se retiró el %2: una lectura no puede tener una fecha posterior.</translation>
    </message>
    <message>
        <source>The reading has more digits than the meter&apos;s %1.</source>
        <translation>La lectura tiene más dígitos que los %1 del contador.</translation>
    </message>
    <message>
        <source>The last reading of meter %1 was taken on %2: a new one cannot be dated before it.</source>
        <translation>La última lectura del contador %1 se tomó el %2: una nueva no puede tener una fecha anterior.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a band: type the units, &quot;at&quot; and the price, as &quot;10 at 0.10&quot;.</source>
        <translation>&quot;%1&quot; no es un tramo: escriba las unidades, &quot;at&quot; y el precio, como &quot;10 at 0.10&quot;.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Type the day the tariff takes effect.</source>
        <translation>Escriba el día en que entra en vigor la tarifa.</translation>
    </message>
    <message>
        <source>A price per unit or per day is from %1 to %2.</source>
        <translation>Un precio por unidad o por día va de %1 a %2.</translation>
    </message>
    <message>
        <source>Band %1: a price is from %2 to %3.</source>
        <translation>Tramo %1: un precio va de %2 a %3.</translation>
    </message>
    <message>
        <source>Band %1 must end above %2 units: the bands run upwards in order.</source>
        <translation>El tramo %1 debe terminar por encima de %2 unidades: los tramos van en orden ascendente.</translation>
    </message>
    <message>
        <source>Two %1 tariffs take effect on %2: keep one.</source>
        <translation>Dos tarifas de %1 entran en vigor el %2: conserve una.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>1 day at %1 a day, %2: %3</source>
        <translation>1 día a %1 al día, %2: %3</translation>
    </message>
    <message>
        <source>%1 days at %2 a day, %3: %4</source>
        <translation>%1 días a %2 al día, %3: %4</translation>
    </message>
    <message>
        <source>%1 %2 at %3, %4: %5</source>
        <translation>%1 %2 a %3, %4: %5</translation>
    </message>
    <message>
        <source>Meter %1: %2 %3 on %4 to %5 %3 on %6, %7 %3 used</source>
        <translation>Contador %1: %2 %3 el %4 a %5 %3 el %6, %7 %3 consumidos</translation>
    </message>
</context>
<context>
    <name>MetersDialog</name>
    <message>
        <source>Berth</source>
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N.º de serie</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>Fitted</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Retirado</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Leído el</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Contadores</translation>
    </message>
    <message>
        <source>&amp;Meters:</source>
        <translation>&amp;Contadores:</translation>
    </message>
    <message>
        <source>R&amp;eadings of the chosen meter:</source>
        <translation>L&amp;ecturas del contador elegido:</translation>
    </message>
    <message>
        <source>&amp;Add Meter...</source>
        <translation>&amp;Añadir contador...</translation>
    </message>
    <message>
        <source>E&amp;dit Meter...</source>
        <translation>E&amp;ditar contador...</translation>
    </message>
    <message>
        <source>S&amp;wap Meter...</source>
        <translation>Ca&amp;mbiar contador...</translation>
    </message>
    <message>
        <source>Add &amp;Reading...</source>
        <translation>Añadir &amp;lectura...</translation>
    </message>
    <message>
        <source>C&amp;orrect Reading...</source>
        <translation>C&amp;orregir lectura...</translation>
    </message>
    <message>
        <source>&amp;Tariffs...</source>
        <translation>&amp;Tarifas...</translation>
    </message>
    <message>
        <source>&amp;Print Walk List...</source>
        <translation>Im&amp;primir lista de ronda...</translation>
    </message>
    <message>
        <source>&amp;Import Readings...</source>
        <translation>&amp;Importar lecturas...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>rolled over</source>
        <translation>vuelta a cero</translation>
    </message>
    <message>
        <source>over three times usual</source>
        <translation>más del triple de lo habitual</translation>
    </message>
    <message>
        <source>corrected from %1</source>
        <translation>corregida desde %1</translation>
    </message>
    <message>
        <source>Add Meter</source>
        <translation>Añadir contador</translation>
    </message>
    <message>
        <source>Edit Meter</source>
        <translation>Editar contador</translation>
    </message>
    <message>
        <source>&amp;Serial number:</source>
        <translation>Número de &amp;serie:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Dígitos:</translation>
    </message>
    <message>
        <source>&amp;Berth:</source>
        <translation>&amp;Amarre:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>&amp;Fitted:</source>
        <translation>&amp;Instalado:</translation>
    </message>
    <message>
        <source>&amp;Removed:</source>
        <translation>&amp;Retirado:</translation>
    </message>
    <message>
        <source>Removed &amp;on:</source>
        <translation>Retirado &amp;el:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>Swap Meter %1</source>
        <translation>Cambiar el contador %1</translation>
    </message>
    <message>
        <source>&amp;Swapped at:</source>
        <translation>&amp;Cambiado el:</translation>
    </message>
    <message>
        <source>&amp;Closing reading of %1:</source>
        <translation>&amp;Lectura final de %1:</translation>
    </message>
    <message>
        <source>&amp;New meter&apos;s serial:</source>
        <translation>N.º de serie del contador &amp;nuevo:</translation>
    </message>
    <message>
        <source>&amp;Opening reading:</source>
        <translation>Lectura &amp;inicial:</translation>
    </message>
    <message>
        <source>Reading of %1</source>
        <translation>Lectura de %1</translation>
    </message>
    <message>
        <source>&amp;Read at:</source>
        <translation>&amp;Leído el:</translation>
    </message>
    <message>
        <source>R&amp;eading (%1):</source>
        <translation>L&amp;ectura (%1):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>%1 is below the last reading (%2).

Yes: the meter rolled over and started again from zero. No: go back and correct the reading.</source>
        <translation>%1 es inferior a la última lectura (%2).

Sí: el contador ha dado la vuelta y ha empezado de nuevo desde cero. No: volver y corregir la lectura.</translation>
    </message>
    <message>
        <source>The use since the last reading is more than three times the berth&apos;s usual: the reading is kept and marked.</source>
        <translation>El consumo desde la última lectura supera el triple del habitual del amarre: la lectura se conserva y se marca.</translation>
    </message>
    <message>
        <source>Correct the reading of %1</source>
        <translation>Corregir la lectura de %1</translation>
    </message>
    <message>
        <source>&amp;Reading (%1):</source>
        <translation>&amp;Lectura (%1):</translation>
    </message>
    <message>
        <source>Rolled &amp;over:</source>
        <translation>&amp;Vuelta a cero:</translation>
    </message>
    <message>
        <source>&amp;Why:</source>
        <translation>&amp;Motivo:</translation>
    </message>
    <message>
        <source>Meter Tariffs</source>
        <translation>Tarifas de contadores</translation>
    </message>
    <message>
        <source>One tariff a line, in force from its date until the next of its kind. Bands: &quot;10 at 0.10; 30 at 0.20&quot;, the first units of a bill at those prices.</source>
        <translation>Una tarifa por línea, vigente desde su fecha hasta la siguiente de su tipo. Tramos: &quot;10 at 0.10; 30 at 0.20&quot;, las primeras unidades de una factura a esos precios.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Per unit</source>
        <translation>Por unidad</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Por día</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Tramos</translation>
    </message>
    <message>
        <source>&amp;Add a Line</source>
        <translation>&amp;Añadir una línea</translation>
    </message>
    <message>
        <source>&amp;Remove the Line</source>
        <translation>&amp;Quitar la línea</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>type a price in pounds and pence, as 0.32.</source>
        <translation>escriba un precio con céntimos, como 0.32.</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Importar lecturas</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt);;All Files (*)</source>
        <translation>Archivos CSV (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se ha podido leer %1: %2</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 %4: %5%6</source>
        <translation>Línea %1: %2 %3 %4: %5%6</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>No reading in the file can be added:
%1</source>
        <translation>No se puede añadir ninguna lectura del archivo:
%1</translation>
    </message>
    <message>
        <source>%1 of %2 readings can be added:
%3

Yes adds those %1 now; No adds nothing.</source>
        <translation>Se pueden añadir %1 de %2 lecturas:
%3

Sí añade esas %1 ahora; No no añade nada.</translation>
    </message>
</context>
<context>
    <name>NamePicker</name>
    <message>
        <source>Type part of a name</source>
        <translation>Escriba parte de un nombre</translation>
    </message>
</context>
<context>
    <name>NoShowDialog</name>
    <message>
        <source>No-shows</source>
        <translation>No presentados</translation>
    </message>
    <message>
        <source>These guests were due today and have not been checked in.
Tick those who will not come, then mark them:</source>
        <translation>Estos huéspedes llegaban hoy y no tienen registrada la entrada.
Marque los que no vendrán y luego márquelos como no presentados:</translation>
    </message>
    <message>
        <source>%1  %2  (booking %3)</source>
        <translation>%1  %2  (reserva %3)</translation>
    </message>
    <message>
        <source>Tick &amp;all</source>
        <translation>Marcar &amp;todos</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Desmarcar todos</translation>
    </message>
    <message>
        <source>&amp;Mark as no-shows</source>
        <translation>&amp;Marcar como no presentados</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>OccupancyModel</name>
    <message>
        <source>%1
%2 to %3</source>
        <translation>%1
%2 a %3</translation>
    </message>
</context>
<context>
    <name>OffersDialog</name>
    <message>
        <source>Berths came free</source>
        <translation>Han quedado libres amarres</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Berths that fit</source>
        <translation>Amarres en los que cabe</translation>
    </message>
    <message>
        <source>A booking was cancelled or changed. These entries on the waiting list can take the berths that came free:</source>
        <translation>Se ha cancelado o cambiado una reserva. Estas entradas de la lista de espera pueden ocupar los amarres que han quedado libres:</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>&amp;Reservar...</translation>
    </message>
    <message>
        <source>&amp;E-mail Offer</source>
        <translation>&amp;Enviar oferta por correo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The offer was not queued: %1</source>
        <translation>La oferta no se ha puesto en cola: %1</translation>
    </message>
    <message>
        <source>Waiting-list offer to %1</source>
        <translation>Oferta de la lista de espera a %1</translation>
    </message>
    <message>
        <source>The offer to %1 is in the outbox and goes out in the background; the entry is marked offered.</source>
        <translation>La oferta a %1 está en la bandeja de salida y se envía en segundo plano; la entrada se marca como ofertada.</translation>
    </message>
</context>
<context>
    <name>OldReference</name>
    <message>
        <source>Old reference:</source>
        <translation>Referencia antigua:</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>A name or subject holds a line break, which an e-mail header may not: %1</source>
        <translation>Un nombre o asunto contiene un salto de línea, que no se admite en un encabezado de correo: %1</translation>
    </message>
    <message>
        <source>The message has no subject.</source>
        <translation>El mensaje no tiene asunto.</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>The database did not add every message.</source>
        <translation>La base de datos no ha añadido todos los mensajes.</translation>
    </message>
    <message>
        <source>The message is no longer in the outbox.</source>
        <translation>El mensaje ya no está en la bandeja de salida.</translation>
    </message>
    <message>
        <source>The message has been sent meanwhile.</source>
        <translation>El mensaje se ha enviado mientras tanto.</translation>
    </message>
    <message>
        <source>The message is being sent right now; try again in a moment.</source>
        <translation>El mensaje se está enviando en este momento; vuelva a intentarlo dentro de un momento.</translation>
    </message>
</context>
<context>
    <name>OwnerDialog</name>
    <message>
        <source>Add Owner</source>
        <translation>Añadir propietario</translation>
    </message>
    <message>
        <source>Edit Owner</source>
        <translation>Editar propietario</translation>
    </message>
</context>
<context>
    <name>OwnerListWindow</name>
    <message>
        <source>Owners</source>
        <translation>Propietarios</translation>
    </message>
    <message>
        <source>&amp;Add Owner</source>
        <translation>&amp;Añadir propietario</translation>
    </message>
    <message>
        <source>View/&amp;Edit Owner</source>
        <translation>Ver/&amp;editar propietario</translation>
    </message>
    <message>
        <source>&amp;Delete Owner</source>
        <translation>E&amp;liminar propietario</translation>
    </message>
</context>
<context>
    <name>OwnerStore</name>
    <message>
        <source>Deleting this owner will also remove all owners berth. This would affect historic reports. Are you sure you want to delete this owner?</source>
        <translation>Al eliminar este propietario también se eliminarán todos sus amarres. Esto afectaría a los informes históricos. ¿Seguro que desea eliminar este propietario?</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>A password needs at least %1 characters.</source>
        <translation>Una contraseña necesita al menos %1 caracteres.</translation>
    </message>
    <message>
        <source>A password may have at most %1 characters.</source>
        <translation>Una contraseña puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A PIN is %1 to %2 digits.</source>
        <translation>Un PIN tiene de %1 a %2 dígitos.</translation>
    </message>
    <message>
        <source>The password library could not start.</source>
        <translation>No se ha podido iniciar la biblioteca de contraseñas.</translation>
    </message>
    <message>
        <source>There is not enough memory to protect the password.</source>
        <translation>No hay memoria suficiente para proteger la contraseña.</translation>
    </message>
</context>
<context>
    <name>PaymentDialog</name>
    <message>
        <source>Refund</source>
        <translation>Devolución</translation>
    </message>
    <message>
        <source>Record Payment</source>
        <translation>Registrar pago</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Forma de pago:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>&amp;Reference (card slip, transfer):</source>
        <translation>&amp;Referencia (resguardo de tarjeta, transferencia):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Total payable: %1    Paid so far: %2</source>
        <translation>Total a pagar: %1    Pagado hasta ahora: %2</translation>
    </message>
    <message>
        <source>Type the amount, for example %1.</source>
        <translation>Escriba el importe, por ejemplo %1.</translation>
    </message>
    <message>
        <source>The payment could not be saved: %1</source>
        <translation>No se ha podido guardar el pago: %1</translation>
    </message>
    <message>
        <source>%1 of %2 on booking %3</source>
        <translation>%1 de %2 en la reserva %3</translation>
    </message>
    <message>
        <source>%1 was issued. It prints from the booking&apos;s summary, under Credit Notes.</source>
        <translation>Se ha emitido %1. Se imprime desde el resumen de la reserva, en Facturas rectificativas.</translation>
    </message>
    <message>
        <source>No credit note was issued: the refund gives back money paid beyond what invoice %1 still asks after its credit notes.</source>
        <translation>No se ha emitido ninguna factura rectificativa: la devolución reintegra dinero pagado por encima de lo que la factura %1 todavía reclama tras sus facturas rectificativas.</translation>
    </message>
</context>
<context>
    <name>PaymentTerms</name>
    <message>
        <source>Deposit %1 due by %2</source>
        <translation>Depósito %1, vence el %2</translation>
    </message>
    <message>
        <source>%1 still owed, all due by %2</source>
        <translation>%1 todavía pendiente, todo vence el %2</translation>
    </message>
    <message>
        <source>%1 overdue</source>
        <translation>%1 vencido</translation>
    </message>
    <message>
        <source>%1 overdue since %2</source>
        <translation>%1 vencido desde el %2</translation>
    </message>
    <message>
        <source>%1 due by %2</source>
        <translation>%1, vence el %2</translation>
    </message>
    <message>
        <source>A deposit runs from %1 to %2.</source>
        <translation>Un depósito va de %1 a %2.</translation>
    </message>
    <message>
        <source>A deposit&apos;s percentage runs from 0 to 100 %.</source>
        <translation>El porcentaje de un depósito va de 0 a 100 %.</translation>
    </message>
    <message>
        <source>The balance falls due from 0 to %1 days before arrival.</source>
        <translation>El saldo vence entre 0 y %1 días antes de la llegada.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s amount, or choose no deposit.</source>
        <translation>Introduzca el importe del depósito o elija sin depósito.</translation>
    </message>
    <message>
        <source>Enter the deposit&apos;s percentage, or choose no deposit.</source>
        <translation>Introduzca el porcentaje del depósito o elija sin depósito.</translation>
    </message>
    <message>
        <source>The deposit and due dates have been changed at another desk since you opened this window. Nothing was saved: press Refresh to see them.</source>
        <translation>El depósito y los vencimientos se han cambiado en otro puesto después de abrir esta ventana. No se ha guardado nada: pulse Recargar para verlos.</translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>The PDF could not be divided into letters: it is not laid out as expected.</source>
        <translation>No se ha podido dividir el PDF en cartas: no tiene la disposición esperada.</translation>
    </message>
    <message>
        <source>Pages %1 to %2 are not in the PDF of %3 pages.</source>
        <translation>Las páginas %1 a %2 no están en el PDF de %3 páginas.</translation>
    </message>
</context>
<context>
    <name>PeopleFields</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>House Name:</source>
        <translation>Nombre de la casa:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Calle:</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>Town:</source>
        <translation>Localidad:</translation>
    </message>
    <message>
        <source>Post Code:</source>
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>Mobile Phone:</source>
        <translation>Teléfono móvil:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Membership No:</source>
        <translation>N.º de socio:</translation>
    </message>
</context>
<context>
    <name>PeopleListModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>No se ha podido eliminar el registro: %1</translation>
    </message>
</context>
<context>
    <name>PeopleLists</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>House Name</source>
        <translation>Nombre de la casa</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Tel No</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Mobile No</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Club Member</source>
        <translation>Socio del club</translation>
    </message>
    <message>
        <source>Membership No</source>
        <translation>N.º de socio</translation>
    </message>
    <message>
        <source>Boats</source>
        <translation>Barcos</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Correo electrónico</translation>
    </message>
</context>
<context>
    <name>PeopleRecords</name>
    <message>
        <source>There is no record with the ID %1.</source>
        <translation>No hay ningún registro con el ID %1.</translation>
    </message>
    <message>
        <source>It was deleted at another desk while you were editing it. What you typed is still in the boxes; nothing was saved.</source>
        <translation>Se ha eliminado en otro puesto mientras usted lo editaba. Lo que ha escrito sigue en los campos; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>The record with the ID %1 no longer exists.</source>
        <translation>El registro con el ID %1 ya no existe.</translation>
    </message>
    <message>
        <source>Club member:</source>
        <translation>Socio del club:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Document language:</source>
        <translation>Idioma de los documentos:</translation>
    </message>
</context>
<context>
    <name>PeopleWidgets</name>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>Permission</name>
    <message>
        <source>&amp;Ask a manager...</source>
        <translation>&amp;Pedir a un responsable...</translation>
    </message>
</context>
<context>
    <name>Permissions</name>
    <message>
        <source>An administrator always manages users and permissions, so they can be given back.</source>
        <translation>Un administrador siempre gestiona los usuarios y los permisos, para que se puedan volver a conceder.</translation>
    </message>
    <message>
        <source>No role may %1 at present; an administrator can allow it in Users.</source>
        <translation>Actualmente ningún rol puede %1; un administrador puede permitirlo en Usuarios.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Only %1 may %2.</source>
        <translation>Solo %1 puede %2.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it at another desk. Please sign in again as another user (File, Switch User).</source>
        <translation>El servidor ya no deja entrar a su usuario: un administrador lo ha eliminado o desactivado en otro puesto. Vuelva a iniciar sesión con otro usuario (Archivo, Cambiar de usuario).</translation>
    </message>
    <message>
        <source>Nobody has signed in at this desk.</source>
        <translation>Nadie ha iniciado sesión en este puesto.</translation>
    </message>
    <message>
        <source>Your user has been removed by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Un administrador ha eliminado su usuario: vuelva a iniciar sesión con otro usuario (Archivo, Cambiar de usuario).</translation>
    </message>
    <message>
        <source>Your user has been deactivated by an administrator: please sign in again as another user (File, Switch User).</source>
        <translation>Un administrador ha desactivado su usuario: vuelva a iniciar sesión con otro usuario (Archivo, Cambiar de usuario).</translation>
    </message>
    <message>
        <source>The server did not accept the approval: the PIN or password is wrong, or %1 is locked or no longer active.</source>
        <translation>El servidor no ha aceptado la aprobación: el PIN o la contraseña son incorrectos, o %1 está bloqueado o ya no está activo.</translation>
    </message>
    <message>
        <source>The server does not let %1 approve this.</source>
        <translation>El servidor no permite que %1 apruebe esto.</translation>
    </message>
    <message>
        <source>%1 may not approve this. %2</source>
        <translation>%1 no puede aprobar esto. %2</translation>
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
        <translation>propietario</translation>
    </message>
    <message>
        <source>What you typed has not been saved. Close and lose it?</source>
        <translation>Lo que ha escrito no se ha guardado. ¿Cerrar y perderlo?</translation>
    </message>
</context>
<context>
    <name>Pricing</name>
    <message>
        <source>%1 night</source>
        <translation>%1 noche</translation>
    </message>
    <message>
        <source>%1 nights</source>
        <translation>%1 noches</translation>
    </message>
    <message>
        <source>%1 weekend night</source>
        <translation>%1 noche de fin de semana</translation>
    </message>
    <message>
        <source>%1 weekend nights</source>
        <translation>%1 noches de fin de semana</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 semana</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 semanas</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 mes</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 meses</translation>
    </message>
    <message>
        <source>A season needs a name.</source>
        <translation>Una temporada necesita un nombre.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; needs its first and last nights.</source>
        <translation>La temporada &quot;%1&quot; necesita su primera y su última noche.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; ends before it starts.</source>
        <translation>La temporada &quot;%1&quot; termina antes de empezar.</translation>
    </message>
    <message>
        <source>The season &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>La temporada &quot;%1&quot; se repite cada año, por lo que no puede durar más de un año.</translation>
    </message>
    <message>
        <source>The priority of the season &quot;%1&quot; must be from 0 to 999.</source>
        <translation>La prioridad de la temporada &quot;%1&quot; debe estar entre 0 y 999.</translation>
    </message>
    <message>
        <source>A rate must be from %1 to %2.</source>
        <translation>Una tarifa debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>The seasons &quot;%1&quot; and &quot;%2&quot; have the same priority and share the night of %3: give one of them a higher priority.</source>
        <translation>Las temporadas &quot;%1&quot; y &quot;%2&quot; tienen la misma prioridad y comparten la noche del %3: dé a una de ellas una prioridad mayor.</translation>
    </message>
    <message>
        <source>A tax needs a name.</source>
        <translation>Un impuesto necesita un nombre.</translation>
    </message>
    <message>
        <source>A tax rate must be from 0 % to 100 %.</source>
        <translation>Un tipo impositivo debe estar entre 0 % y 100 %.</translation>
    </message>
    <message>
        <source>A tax rate needs the date it takes effect.</source>
        <translation>Un tipo impositivo necesita la fecha en que entra en vigor.</translation>
    </message>
    <message>
        <source>Tax row %1: %2</source>
        <translation>Fila de impuesto %1: %2</translation>
    </message>
    <message>
        <source>type the rate as a percent with at most two decimals, as 17.5.</source>
        <translation>escriba el tipo como porcentaje con dos decimales como máximo, como 17.5.</translation>
    </message>
    <message>
        <source>it takes effect on %1, as row %2 does: keep one.</source>
        <translation>entra en vigor el %1, igual que la fila %2: conserve una.</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Illegal property value</source>
        <translation>Valor de propiedad no permitido</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>No default printer is installed.</source>
        <translation>No hay ninguna impresora predeterminada instalada.</translation>
    </message>
    <message>
        <source>The printer %1 did not accept the document.</source>
        <translation>La impresora %1 no ha aceptado el documento.</translation>
    </message>
</context>
<context>
    <name>QuickSearch</name>
    <message>
        <source>Booking %1</source>
        <translation>Reserva %1</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N.º %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>(cancelled)</source>
        <translation>(cancelada)</translation>
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
        <translation>Buscar (Ctrl+K)</translation>
    </message>
    <message>
        <source>Part of a name, a confirmation number, a boat&apos;s name or a berth: finds bookings and customers. Enter opens the booking&apos;s summary or the customer.</source>
        <translation>Parte de un nombre, un número de confirmación, el nombre de un barco o un amarre: encuentra reservas y clientes. Intro abre el resumen de la reserva o el cliente.</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>No se ha encontrado nada</translation>
    </message>
</context>
<context>
    <name>RateStore</name>
    <message>
        <source>A minimum length must be from 0 to 1,000 metres.</source>
        <translation>Una eslora mínima debe estar entre 0 y 1.000 metros.</translation>
    </message>
    <message>
        <source>A rate belongs to a season that is not in the table.</source>
        <translation>Una tarifa pertenece a una temporada que no está en la tabla.</translation>
    </message>
    <message>
        <source>A rate is either a berth type&apos;s or one berth&apos;s.</source>
        <translation>Una tarifa es de un tipo de amarre o de un amarre.</translation>
    </message>
    <message>
        <source>A season has two rates for the same berth or berth type.</source>
        <translation>Una temporada tiene dos tarifas para el mismo amarre o tipo de amarre.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>%1 to %2, priority %3%4</source>
        <translation>%1 a %2, prioridad %3%4</translation>
    </message>
    <message>
        <source>, every year</source>
        <translation>, cada año</translation>
    </message>
    <message>
        <source>nightly %1</source>
        <translation>por noche %1</translation>
    </message>
    <message>
        <source>weekend night %1</source>
        <translation>noche de fin de semana %1</translation>
    </message>
    <message>
        <source>weekly %1</source>
        <translation>semanal %1</translation>
    </message>
    <message>
        <source>monthly %1</source>
        <translation>mensual %1</translation>
    </message>
    <message>
        <source>per metre</source>
        <translation>por metro</translation>
    </message>
    <message>
        <source>Season %1:</source>
        <translation>Temporada %1:</translation>
    </message>
    <message>
        <source>Rate of %1 in %2:</source>
        <translation>Tarifa de %1 en %2:</translation>
    </message>
    <message>
        <source>Least length of %1:</source>
        <translation>Eslora mínima de %1:</translation>
    </message>
    <message>
        <source>Two tax rates take effect on %1: keep one.</source>
        <translation>Dos tipos impositivos entran en vigor el %1: conserve uno.</translation>
    </message>
    <message>
        <source>Another desk changed the tax rates since this window read them, so nothing was saved. Close the window and open it again to see their changes.</source>
        <translation>Otro puesto ha cambiado los tipos impositivos después de que esta ventana los leyera, por lo que no se ha guardado nada. Cierre la ventana y vuelva a abrirla para ver sus cambios.</translation>
    </message>
</context>
<context>
    <name>RatesDialog</name>
    <message>
        <source>Rates</source>
        <translation>Tarifas</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Temporada</translation>
    </message>
    <message>
        <source>First night</source>
        <translation>Primera noche</translation>
    </message>
    <message>
        <source>Last night</source>
        <translation>Última noche</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Cada año</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Berth type or berth</source>
        <translation>Tipo de amarre o amarre</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Por metro</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Por noche</translation>
    </message>
    <message>
        <source>Weekend night</source>
        <translation>Noche de fin de semana</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo de amarre</translation>
    </message>
    <message>
        <source>Minimum length (m)</source>
        <translation>Eslora mínima (m)</translation>
    </message>
    <message>
        <source>&amp;Seasons (a night takes the highest priority that covers it; nights outside every season take the berth&apos;s daily charge):</source>
        <translation>&amp;Temporadas (una noche toma la prioridad más alta que la cubre; las noches fuera de toda temporada toman el precio diario del amarre):</translation>
    </message>
    <message>
        <source>Ra&amp;tes in the chosen season (leave Nightly empty for no rate):</source>
        <translation>Tari&amp;fas de la temporada elegida (deje Por noche vacío para no poner tarifa):</translation>
    </message>
    <message>
        <source>Per-metre rates count at &amp;least:</source>
        <translation>Las tarifas por metro cuentan como &amp;mínimo:</translation>
    </message>
    <message>
        <source>&amp;Add Season</source>
        <translation>&amp;Añadir temporada</translation>
    </message>
    <message>
        <source>&amp;Remove Season</source>
        <translation>&amp;Quitar temporada</translation>
    </message>
    <message>
        <source>Add &amp;Berth&apos;s Own Rate</source>
        <translation>Añadir tarifa &amp;propia del amarre</translation>
    </message>
    <message>
        <source>Remove Berth&apos;s O&amp;wn Rate</source>
        <translation>Quitar tarifa propia &amp;del amarre</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>A&amp;ceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Berth %1</source>
        <translation>Amarre %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>&quot;%1&quot; no es un importe.</translation>
    </message>
    <message>
        <source>Give %1 a nightly rate, or leave its other rates empty.</source>
        <translation>Dé a %1 una tarifa por noche, o deje vacías sus otras tarifas.</translation>
    </message>
    <message>
        <source>The priority is a whole number from 0 to 999.</source>
        <translation>La prioridad es un número entero entre 0 y 999.</translation>
    </message>
    <message>
        <source>The minimum length is a number of metres from 0 to 1,000.</source>
        <translation>La eslora mínima es un número de metros entre 0 y 1.000.</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Nueva temporada</translation>
    </message>
    <message>
        <source>The berth register holds weekly or monthly charges for %1 berth(s). Make them those berths&apos; own rates in the new season?</source>
        <translation>El registro de amarres contiene precios semanales o mensuales para %1 amarre(s). ¿Convertirlos en tarifas propias de esos amarres en la nueva temporada?</translation>
    </message>
    <message>
        <source>Berth %1 has its own rate in this season already.</source>
        <translation>El amarre %1 ya tiene su propia tarifa en esta temporada.</translation>
    </message>
    <message>
        <source>rate table</source>
        <translation>tabla de tarifas</translation>
    </message>
    <message>
        <source>Close without saving the changes to the rates?</source>
        <translation>¿Cerrar sin guardar los cambios de las tarifas?</translation>
    </message>
</context>
<context>
    <name>ReadErrorLine</name>
    <message>
        <source>The rows could not be read: %1</source>
        <translation>No se han podido leer las filas: %1</translation>
    </message>
</context>
<context>
    <name>RegionalSettingsDialog</name>
    <message>
        <source>Regional Settings</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>Configure the system to show your regional settings and preferences</source>
        <translation>Configure el sistema para mostrar su configuración regional y sus preferencias</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>Código ZIP</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>día/mes/año</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>mes/día/año</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>día.mes.año</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>año-mes-día</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Adults and No Kids</source>
        <translation>N.º de adultos y n.º de niños</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Post Code / Zip Code:</source>
        <translation>Código postal / Código ZIP:</translation>
    </message>
    <message>
        <source>Currency Symbol:</source>
        <translation>Símbolo de moneda:</translation>
    </message>
    <message>
        <source>Check-in time:</source>
        <translation>Hora de entrada:</translation>
    </message>
    <message>
        <source>Check out time:</source>
        <translation>Hora de salida:</translation>
    </message>
    <message>
        <source>Office closing &amp;time:</source>
        <translation>&amp;Hora de cierre de la oficina:</translation>
    </message>
    <message>
        <source>Boat sizes in:</source>
        <translation>Tamaño de barcos en:</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Fechas:</translation>
    </message>
    <message>
        <source>The language is applied at the next start.</source>
        <translation>El idioma se aplica en el próximo inicio.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
</context>
<context>
    <name>RemindersWindow</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Booking</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Due by</source>
        <translation>Vence el</translation>
    </message>
    <message>
        <source>&amp;Send the ticked reminders</source>
        <translation>&amp;Enviar los recordatorios marcados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The reminders could not be read: %1</source>
        <translation>No se han podido leer los recordatorios: %1</translation>
    </message>
    <message>
        <source>%1 (overdue)</source>
        <translation>%1 (vencido)</translation>
    </message>
    <message>
        <source>(no address)</source>
        <translation>(sin dirección)</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) due today; untick any that should not go.</source>
        <translation>
            <numerusform>%n recordatorio pendiente hoy; desmarque los que no deban enviarse.</numerusform>
            <numerusform>%n recordatorios pendientes hoy; desmarque los que no deban enviarse.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bookings chosen owe nothing that has not been reminded already.</source>
        <translation>Las reservas elegidas no deben nada que no se haya recordado ya.</translation>
    </message>
    <message>
        <source>No reminders are due today.</source>
        <translation>No hay recordatorios pendientes hoy.</translation>
    </message>
    <message>
        <source>No reminder was queued: %1</source>
        <translation>No se ha puesto en cola ningún recordatorio: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s)</source>
        <translation>
            <numerusform>%n recordatorio</numerusform>
            <numerusform>%n recordatorios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) are in the outbox and go out in the background.</source>
        <translation>
            <numerusform>%n recordatorio está en la bandeja de salida y se envía en segundo plano.</numerusform>
            <numerusform>%n recordatorios están en la bandeja de salida y se envían en segundo plano.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Removal</name>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>¿Seguro que desea eliminar este elemento?</translation>
    </message>
</context>
<context>
    <name>RenewalsDialog</name>
    <message>
        <source>Renew contracts</source>
        <translation>Renovar contratos</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Renovar</translation>
    </message>
    <message>
        <source>Contract</source>
        <translation>Contrato</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titular</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>Berths</source>
        <translation>Amarres</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>This term</source>
        <translation>Esta modalidad</translation>
    </message>
    <message>
        <source>Next term</source>
        <translation>Siguiente modalidad</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Renewal price</source>
        <translation>Precio de renovación</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleccionar &amp;todos</translation>
    </message>
    <message>
        <source>Re&amp;new chosen</source>
        <translation>Re&amp;novar los elegidos</translation>
    </message>
    <message>
        <source>&amp;Send renewal letters</source>
        <translation>&amp;Enviar cartas de renovación</translation>
    </message>
    <message>
        <source>&amp;Print renewal letters</source>
        <translation>Im&amp;primir cartas de renovación</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Ending &amp;from:</source>
        <translation>Terminan &amp;desde:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;hasta:</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>El periodo termina antes de empezar.</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>sin tarifa</translation>
    </message>
    <message>
        <source>No contract in force ends in this period unrenewed.</source>
        <translation>Ningún contrato vigente termina sin renovar en este periodo.</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) have no rate for next term: type their price.</source>
        <translation>
            <numerusform>%n contrato no tiene tarifa para la siguiente modalidad: escriba su precio.</numerusform>
            <numerusform>%n contratos no tienen tarifa para la siguiente modalidad: escriba su precio.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1: type the renewal price as an amount, such as 1200.00.</source>
        <translation>Contrato %1: escriba el precio de renovación como importe, por ejemplo 1200.00.</translation>
    </message>
    <message>
        <source>Tick the contracts to renew first, or Select all.</source>
        <translation>Marque primero los contratos que desea renovar, o Seleccionar todos.</translation>
    </message>
    <message numerus="yes">
        <source>Renew %n contract(s) at %1 before tax in all?

Yes makes each renewal a new contract with its plan and keeps its renewal letter; nothing is renewed if one cannot be.
No goes back to the list.</source>
        <translation>
            <numerusform>¿Renovar %n contrato por %1 sin impuestos en total?

Sí convierte cada renovación en un contrato nuevo con su plan y conserva su carta de renovación; no se renueva nada si alguno no se puede renovar.
No vuelve a la lista.</numerusform>
            <numerusform>¿Renovar %n contratos por %1 sin impuestos en total?

Sí convierte cada renovación en un contrato nuevo con su plan y conserva su carta de renovación; no se renueva nada si alguno no se puede renovar.
No vuelve a la lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract %1 renewed as contract %2, %3</source>
        <translation>Contrato %1 renovado como contrato %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Send renewal letters queues their letters by e-mail.</source>
        <translation>
            <numerusform>%n contrato renovado. Enviar cartas de renovación pone sus cartas en cola por correo electrónico.</numerusform>
            <numerusform>%n contratos renovados. Enviar cartas de renovación pone sus cartas en cola por correo electrónico.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contract(s) renewed. Print renewal letters prints their letters.</source>
        <translation>
            <numerusform>%n contrato renovado. Imprimir cartas de renovación imprime sus cartas.</numerusform>
            <numerusform>%n contratos renovados. Imprimir cartas de renovación imprime sus cartas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s)</source>
        <translation>
            <numerusform>%n carta de renovación</numerusform>
            <numerusform>%n cartas de renovación</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued.</source>
        <translation>
            <numerusform>%n carta de renovación en cola.</numerusform>
            <numerusform>%n cartas de renovación en cola.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n renewal letter(s) queued. These contracts&apos; holders have no e-mail address, so their letters are to be printed: %1.</source>
        <translation>
            <numerusform>%n carta de renovación en cola. Los titulares de estos contratos no tienen dirección de correo electrónico, por lo que sus cartas se deben imprimir: %1.</numerusform>
            <numerusform>%n cartas de renovación en cola. Los titulares de estos contratos no tienen dirección de correo electrónico, por lo que sus cartas se deben imprimir: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Contract Renewal %1.pdf</source>
        <translation>Renovación de contrato %1.pdf</translation>
    </message>
</context>
<context>
    <name>ReportLayouts</name>
    <message>
        <source>Booking added:</source>
        <translation>Reserva añadida:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Berth(s):</source>
        <translation>Amarre(s):</translation>
    </message>
    <message>
        <source>Report of Booking</source>
        <translation>Informe de la reserva</translation>
    </message>
    <message>
        <source>List of all up comming bookings</source>
        <translation>Lista de todas las próximas reservas</translation>
    </message>
    <message>
        <source>List of today bookings</source>
        <translation>Lista de las reservas de hoy</translation>
    </message>
    <message>
        <source>List of todays checkouts left to be completed</source>
        <translation>Lista de las salidas de hoy pendientes de completar</translation>
    </message>
    <message>
        <source>Arrivals today</source>
        <translation>Llegadas de hoy</translation>
    </message>
    <message>
        <source>Departures today</source>
        <translation>Salidas de hoy</translation>
    </message>
    <message>
        <source>Period Sales</source>
        <translation>Ventas del periodo</translation>
    </message>
    <message>
        <source>List: %p of %P</source>
        <translation>Lista: %p de %P</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Hire </source>
        <translation>Alquiler </translation>
    </message>
    <message>
        <source>Other </source>
        <translation>Otros </translation>
    </message>
    <message>
        <source>VAT </source>
        <translation>IVA </translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Total </translation>
    </message>
    <message>
        <source>Reservations With Balance Due</source>
        <translation>Reservas con saldo pendiente</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Reservation:</source>
        <translation>Reserva:</translation>
    </message>
    <message>
        <source>Other Charges:</source>
        <translation>Otros cargos:</translation>
    </message>
    <message>
        <source>VAT:</source>
        <translation>IVA:</translation>
    </message>
    <message>
        <source>Payable:</source>
        <translation>A pagar:</translation>
    </message>
    <message>
        <source>Payed:</source>
        <translation>Pagado:</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Pagos pendientes</translation>
    </message>
    <message>
        <source>Conf. No:</source>
        <translation>N.º conf.:</translation>
    </message>
    <message>
        <source>Arrival:</source>
        <translation>Llegada:</translation>
    </message>
    <message>
        <source>Due by:</source>
        <translation>Vence el:</translation>
    </message>
    <message>
        <source>Paid:</source>
        <translation>Pagado:</translation>
    </message>
    <message>
        <source>Owed:</source>
        <translation>Debe:</translation>
    </message>
    <message>
        <source>Due now:</source>
        <translation>Pendiente ahora:</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Vencido</translation>
    </message>
    <message>
        <source>Due within 7 days</source>
        <translation>Vence en 7 días</translation>
    </message>
    <message>
        <source>Due later</source>
        <translation>Vence más adelante</translation>
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
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Report Manager</source>
        <translation>Gestor de informes</translation>
    </message>
    <message>
        <source>&amp;List of all up comming bookings</source>
        <translation>&amp;Lista de todas las próximas reservas</translation>
    </message>
    <message>
        <source>List of bookings &amp;taken today</source>
        <translation>Lista de reservas &amp;tomadas hoy</translation>
    </message>
    <message>
        <source>List of todays &amp;checkouts left to be completed</source>
        <translation>Lista de &amp;salidas de hoy pendientes de completar</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>Llegadas de ho&amp;y</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>Salidas de &amp;hoy</translation>
    </message>
    <message>
        <source>Outstanding &amp;Balance A/Cs</source>
        <translation>&amp;Cuentas con saldo pendiente</translation>
    </message>
    <message>
        <source>&amp;Payments due</source>
        <translation>&amp;Pagos pendientes</translation>
    </message>
    <message>
        <source>Send reminders for pa&amp;yments due...</source>
        <translation>Enviar recordatorios de pa&amp;gos pendientes...</translation>
    </message>
    <message>
        <source>Period sales summa&amp;ry</source>
        <translation>&amp;Resumen de ventas del periodo</translation>
    </message>
    <message>
        <source>Takings</source>
        <translation>Cobros</translation>
    </message>
    <message>
        <source>Cash-&amp;up...</source>
        <translation>Ar&amp;queo de caja...</translation>
    </message>
    <message>
        <source>E&amp;xport cash-up (CSV)...</source>
        <translation>E&amp;xportar arqueo de caja (CSV)...</translation>
    </message>
    <message>
        <source>Export payme&amp;nts (CSV)...</source>
        <translation>Exportar pag&amp;os (CSV)...</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Cifras</translation>
    </message>
    <message>
        <source>Occupancy</source>
        <translation>Ocupación</translation>
    </message>
    <message>
        <source>Revenue by month</source>
        <translation>Ingresos por mes</translation>
    </message>
    <message>
        <source>Length of stay and lead time</source>
        <translation>Duración de la estancia y antelación</translation>
    </message>
    <message>
        <source>The busiest berths</source>
        <translation>Los amarres más ocupados</translation>
    </message>
    <message>
        <source>Meter use by month</source>
        <translation>Consumo de contadores por mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Show fi&amp;gure</source>
        <translation>&amp;Mostrar cifra</translation>
    </message>
    <message>
        <source>F&amp;igure:</source>
        <translation>C&amp;ifra:</translation>
    </message>
    <message>
        <source>Fro&amp;m:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>H&amp;asta:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>I&amp;ntervalo:</translation>
    </message>
    <message>
        <source>** If you have the need for a specific report, please contact our support team and we will endevour to create the report that you are looking for **</source>
        <translation>** Si necesita un informe concreto, póngase en contacto con nuestro equipo de soporte y haremos lo posible por crear el informe que busca **</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>&amp;View meter lists...</source>
        <translation>&amp;Ver listas de contadores...</translation>
    </message>
    <message>
        <source>The list could not be read: %1</source>
        <translation>No se ha podido leer la lista: %1</translation>
    </message>
    <message>
        <source>Nothing to print!</source>
        <translation>¡No hay nada que imprimir!</translation>
    </message>
    <message>
        <source>No booking has money owing.</source>
        <translation>Ninguna reserva tiene dinero pendiente.</translation>
    </message>
    <message>
        <source>Payments due</source>
        <translation>Pagos pendientes</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>El periodo termina antes de empezar.</translation>
    </message>
    <message>
        <source>The cash-up could not be read: %1</source>
        <translation>No se ha podido leer el arqueo de caja: %1</translation>
    </message>
    <message>
        <source>Export Cash-up</source>
        <translation>Exportar arqueo de caja</translation>
    </message>
    <message>
        <source>The figures could not be read: %1</source>
        <translation>No se han podido leer las cifras: %1</translation>
    </message>
</context>
<context>
    <name>RequestActions</name>
    <message>
        <source>length %1</source>
        <translation>eslora %1</translation>
    </message>
    <message>
        <source>beam %1</source>
        <translation>manga %1</translation>
    </message>
    <message>
        <source>draft %1</source>
        <translation>calado %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>No free berth fits a boat of %1 %2.</source>
        <translation>Ningún amarre libre admite un barco de %1 %2.</translation>
    </message>
    <message>
        <source>No berth is free %1.</source>
        <translation>No hay ningún amarre libre %1.</translation>
    </message>
    <message>
        <source>From the booking request received %1.</source>
        <translation>De la solicitud de reserva recibida el %1.</translation>
    </message>
    <message>
        <source>Boat of %1</source>
        <translation>Barco de %1</translation>
    </message>
    <message>
        <source>The request has no e-mail address to answer: %1</source>
        <translation>La solicitud no tiene ninguna dirección de correo electrónico a la que responder: %1</translation>
    </message>
    <message>
        <source>Another desk booked one of these berths meanwhile. Nothing was saved: choose again.</source>
        <translation>Otro puesto ha reservado mientras tanto uno de estos amarres. No se ha guardado nada: vuelva a elegir.</translation>
    </message>
</context>
<context>
    <name>RequestMailboxPanel</name>
    <message>
        <source>empty: no requests are read</source>
        <translation>vacío: no se leen solicitudes</translation>
    </message>
    <message>
        <source>None (inside the office only)</source>
        <translation>Ninguna (solo dentro de la oficina)</translation>
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
        <translation>Aceptar el certi&amp;ficado propio del servidor sin comprobarlo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Mail ser&amp;ver:</source>
        <translation>Servidor de c&amp;orreo:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>Securit&amp;y:</source>
        <translation>Segur&amp;idad:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Co&amp;ntraseña:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Carp&amp;eta:</translation>
    </message>
    <message>
        <source>Read every (&amp;minutes):</source>
        <translation>Leer cada (&amp;minutos):</translation>
    </message>
    <message>
        <source>A hold las&amp;ts (hours):</source>
        <translation>Una retención &amp;dura (horas):</translation>
    </message>
    <message>
        <source>The mailbox settings were not saved.
%1</source>
        <translation>No se ha guardado la configuración del buzón.
%1</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Solicitudes</translation>
    </message>
</context>
<context>
    <name>RequestMessage</name>
    <message>
        <source>This message is not a booking request from the web page.</source>
        <translation>Este mensaje no es una solicitud de reserva de la página web.</translation>
    </message>
    <message>
        <source>The departure is not after the arrival.</source>
        <translation>La salida no es posterior a la llegada.</translation>
    </message>
    <message>
        <source>The dates cannot be read as days, months and years: enter them from the message.</source>
        <translation>Las fechas no se pueden leer como días, meses y años: introdúzcalas a partir del mensaje.</translation>
    </message>
    <message>
        <source>The dates are written in another style: enter them from the message.</source>
        <translation>Las fechas están escritas en otro formato: introdúzcalas a partir del mensaje.</translation>
    </message>
    <message>
        <source>The request gives no dates.</source>
        <translation>La solicitud no indica fechas.</translation>
    </message>
    <message>
        <source>The request gives no name.</source>
        <translation>La solicitud no indica ningún nombre.</translation>
    </message>
    <message>
        <source>The request gives no e-mail address.</source>
        <translation>La solicitud no indica ninguna dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>The e-mail address &quot;%1&quot; cannot be written to.</source>
        <translation>No se puede escribir a la dirección de correo electrónico &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the length &quot;%1&quot;</source>
        <translation>la eslora &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the beam &quot;%1&quot;</source>
        <translation>la manga &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the draft &quot;%1&quot;</source>
        <translation>el calado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The boat&apos;s size cannot be read (%1).</source>
        <translation>No se pueden leer las medidas del barco (%1).</translation>
    </message>
    <message>
        <source>The message is %1 KB, too large to read here: read it in the mailbox.</source>
        <translation>El mensaje ocupa %1 KB, demasiado para leerlo aquí: léalo en el buzón.</translation>
    </message>
</context>
<context>
    <name>RequestSettings</name>
    <message>
        <source>The mailbox is read every 1 to %1 minutes.</source>
        <translation>El intervalo de lectura del buzón es de 1 a %1 minutos.</translation>
    </message>
    <message>
        <source>A hold lasts 1 to %1 hours.</source>
        <translation>Una retención dura de 1 a %1 horas.</translation>
    </message>
    <message>
        <source>The user name must be one line of at most 200 characters.</source>
        <translation>El nombre de usuario debe ser una sola línea de 200 caracteres como máximo.</translation>
    </message>
</context>
<context>
    <name>RequestStore</name>
    <message>
        <source>%1 declined this request at %2.</source>
        <translation>%1 rechazó esta solicitud el %2.</translation>
    </message>
    <message>
        <source>This request was booked by %1 at %2 (booking %3).</source>
        <translation>Esta solicitud la reservó %1 el %2 (reserva %3).</translation>
    </message>
    <message>
        <source>%1 accepted this request at %2 and is booking it.</source>
        <translation>%1 aceptó esta solicitud el %2 y la está reservando.</translation>
    </message>
    <message>
        <source>The request changed meanwhile: look at it again.</source>
        <translation>La solicitud ha cambiado mientras tanto: revísela de nuevo.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>To check</source>
        <translation>Por revisar</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Reservada</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Retenida</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Aceptada</translation>
    </message>
    <message>
        <source>Declined</source>
        <translation>Rechazada</translation>
    </message>
    <message>
        <source>Expired</source>
        <translation>Caducada</translation>
    </message>
    <message>
        <source>The request is no longer there.</source>
        <translation>La solicitud ya no existe.</translation>
    </message>
    <message>
        <source>The request has no dates to hold a berth for: book it through the wizard instead.</source>
        <translation>La solicitud no tiene fechas para las que retener un amarre: resérvela con el asistente.</translation>
    </message>
    <message>
        <source>The request holds %1 already.</source>
        <translation>La solicitud ya retiene %1.</translation>
    </message>
    <message>
        <source>A hold must end after now.</source>
        <translation>Una retención debe terminar después de ahora.</translation>
    </message>
    <message>
        <source>Held for %1 until %2</source>
        <translation>Retenido para %1 hasta el %2</translation>
    </message>
    <message>
        <source>Request from %1 (%2)</source>
        <translation>Solicitud de %1 (%2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
</context>
<context>
    <name>RequestsWindow</name>
    <message>
        <source>Received</source>
        <translation>Recibida</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Show answ&amp;ered requests too</source>
        <translation>Mostrar también las ya &amp;contestadas</translation>
    </message>
    <message>
        <source>&amp;Accept...</source>
        <translation>&amp;Aceptar...</translation>
    </message>
    <message>
        <source>&amp;Hold...</source>
        <translation>Re&amp;tener...</translation>
    </message>
    <message>
        <source>&amp;Decline...</source>
        <translation>&amp;Rechazar...</translation>
    </message>
    <message>
        <source>&amp;Read now</source>
        <translation>&amp;Leer ahora</translation>
    </message>
    <message>
        <source>Re&amp;quests</source>
        <translation>&amp;Solicitudes</translation>
    </message>
    <message>
        <source>Mai&amp;lbox</source>
        <translation>&amp;Buzón</translation>
    </message>
    <message>
        <source>Booking Requests</source>
        <translation>Solicitudes de reserva</translation>
    </message>
    <message>
        <source>The requests could not be read: %1</source>
        <translation>No se han podido leer las solicitudes: %1</translation>
    </message>
    <message>
        <source>To check: %1</source>
        <translation>Por revisar: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Correo electrónico: %1</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Teléfono: %1</translation>
    </message>
    <message>
        <source>Dates: %1 to %2</source>
        <translation>Fechas: del %1 al %2</translation>
    </message>
    <message>
        <source>Boat (length × beam × draft): %1</source>
        <translation>Barco (eslora × manga × calado): %1</translation>
    </message>
    <message>
        <source>Berth type: %1</source>
        <translation>Tipo de amarre: %1</translation>
    </message>
    <message>
        <source>Comments: %1</source>
        <translation>Comentarios: %1</translation>
    </message>
    <message>
        <source>Holds %1 until %2</source>
        <translation>Retiene %1 hasta el %2</translation>
    </message>
    <message>
        <source>%1 by %2 at %3</source>
        <translation>%1 por %2 el %3</translation>
    </message>
    <message>
        <source>The message:</source>
        <translation>El mensaje:</translation>
    </message>
    <message>
        <source>%1
Open the booking wizard all the same?</source>
        <translation>%1
¿Abrir de todos modos el asistente de reservas?</translation>
    </message>
    <message>
        <source>Accepted by %1: %2</source>
        <translation>Aceptada por %1: %2</translation>
    </message>
    <message>
        <source>No free berth fits this request over its dates: there is nothing to hold.</source>
        <translation>Ningún amarre libre se ajusta a esta solicitud en sus fechas: no hay nada que retener.</translation>
    </message>
    <message>
        <source>Hold which berth for %1 hours?</source>
        <translation>¿Qué amarre desea retener durante %1 horas?</translation>
    </message>
    <message>
        <source>%1 held for %2 hours: %3</source>
        <translation>%1 retenido durante %2 horas: %3</translation>
    </message>
    <message>
        <source>Decline the request</source>
        <translation>Rechazar la solicitud</translation>
    </message>
    <message>
        <source>&amp;Decline and send the reply</source>
        <translation>&amp;Rechazar y enviar la respuesta</translation>
    </message>
    <message>
        <source>&amp;Keep the request</source>
        <translation>&amp;Conservar la solicitud</translation>
    </message>
    <message>
        <source>To %1 &lt;%2&gt;</source>
        <translation>Para %1 &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Declined by %1: %2</source>
        <translation>Rechazada por %1: %2</translation>
    </message>
</context>
<context>
    <name>RestoreScript</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>a table %1</source>
        <translation>una tabla %1</translation>
    </message>
    <message>
        <source>the rows of a table %1</source>
        <translation>las filas de una tabla %1</translation>
    </message>
    <message>
        <source>a function %1</source>
        <translation>una función %1</translation>
    </message>
    <message>
        <source>a procedure %1</source>
        <translation>un procedimiento %1</translation>
    </message>
    <message>
        <source>a trigger %1</source>
        <translation>un disparador %1</translation>
    </message>
    <message>
        <source>an index %1</source>
        <translation>un índice %1</translation>
    </message>
    <message>
        <source>a view %1</source>
        <translation>una vista %1</translation>
    </message>
    <message>
        <source>a rule %1</source>
        <translation>una regla %1</translation>
    </message>
    <message>
        <source>a policy %1</source>
        <translation>una política %1</translation>
    </message>
    <message>
        <source>a sequence %1</source>
        <translation>una secuencia %1</translation>
    </message>
    <message>
        <source>a column default %1</source>
        <translation>un valor predeterminado de columna %1</translation>
    </message>
    <message>
        <source>a constraint %1</source>
        <translation>una restricción %1</translation>
    </message>
    <message>
        <source>a %1 %2</source>
        <translation>un %1 %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>a statement &quot;%1&quot;</source>
        <translation>una sentencia &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it holds %1 that is not part of a harbour database.</source>
        <translation>contiene %1 que no forma parte de una base de datos del puerto.</translation>
    </message>
    <message>
        <source>it holds %1 that are not part of a harbour database.</source>
        <translation>contiene %1 que no forman parte de una base de datos del puerto.</translation>
    </message>
    <message>
        <source>it holds %1 with a definition that is not ours.</source>
        <translation>contiene %1 con una definición que no es nuestra.</translation>
    </message>
    <message>
        <source>it holds %1 with definitions that are not ours.</source>
        <translation>contiene %1 con definiciones que no son nuestras.</translation>
    </message>
    <message>
        <source>it lacks %1 of a harbour database.</source>
        <translation>le falta %1 de una base de datos del puerto.</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Refunds and corrections</source>
        <translation>Devoluciones y correcciones</translation>
    </message>
    <message>
        <source>give refunds or corrections</source>
        <translation>hacer devoluciones o correcciones</translation>
    </message>
    <message>
        <source>Prices typed over the rates</source>
        <translation>Precios escritos por encima de las tarifas</translation>
    </message>
    <message>
        <source>type a price over the rates or keep it after a change</source>
        <translation>escribir un precio distinto de las tarifas o mantenerlo tras un cambio</translation>
    </message>
    <message>
        <source>Cancelling a paid booking</source>
        <translation>Cancelar una reserva pagada</translation>
    </message>
    <message>
        <source>cancel a paid booking</source>
        <translation>cancelar una reserva pagada</translation>
    </message>
    <message>
        <source>Deleting customers, berths and owners</source>
        <translation>Eliminar clientes, amarres y propietarios</translation>
    </message>
    <message>
        <source>delete customers, berths or owners</source>
        <translation>eliminar clientes, amarres o propietarios</translation>
    </message>
    <message>
        <source>Rates and taxes</source>
        <translation>Tarifas e impuestos</translation>
    </message>
    <message>
        <source>change rates and taxes</source>
        <translation>cambiar las tarifas y los impuestos</translation>
    </message>
    <message>
        <source>Company details</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <source>change the company&apos;s details</source>
        <translation>cambiar los datos de la empresa</translation>
    </message>
    <message>
        <source>Restoring and compacting the database</source>
        <translation>Restaurar y compactar la base de datos</translation>
    </message>
    <message>
        <source>restore or compact the database</source>
        <translation>restaurar o compactar la base de datos</translation>
    </message>
    <message>
        <source>Exports of personal data</source>
        <translation>Exportaciones de datos personales</translation>
    </message>
    <message>
        <source>export personal data</source>
        <translation>exportar datos personales</translation>
    </message>
    <message>
        <source>Users and permissions</source>
        <translation>Usuarios y permisos</translation>
    </message>
    <message>
        <source>manage users and permissions</source>
        <translation>gestionar usuarios y permisos</translation>
    </message>
    <message>
        <source>Clerk</source>
        <translation>Empleado</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrador</translation>
    </message>
    <message>
        <source>a clerk</source>
        <translation>un empleado</translation>
    </message>
    <message>
        <source>a manager</source>
        <translation>un responsable</translation>
    </message>
    <message>
        <source>an administrator</source>
        <translation>un administrador</translation>
    </message>
</context>
<context>
    <name>SafeFiles</name>
    <message>
        <source>Cannot rename %1 to %2.</source>
        <translation>No se puede cambiar el nombre de %1 a %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot link %1 to %2.</source>
        <translation>No se puede enlazar %1 con %2.</translation>
    </message>
</context>
<context>
    <name>SendEmail</name>
    <message>
        <source>No e-mail program could be started for this address.</source>
        <translation>No se ha podido iniciar ningún programa de correo electrónico para esta dirección.</translation>
    </message>
</context>
<context>
    <name>ServerArchive</name>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>No se ha podido iniciar %1: %2</translation>
    </message>
    <message>
        <source>%1 did not finish: %2</source>
        <translation>%1 no ha terminado: %2</translation>
    </message>
    <message>
        <source>%1 is not installed (Debian: postgresql-client).</source>
        <translation>%1 no está instalado (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>pg_dump is not installed (Debian: postgresql-client).</source>
        <translation>pg_dump no está instalado (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>pg_restore is not installed (Debian: postgresql-client).</source>
        <translation>pg_restore no está instalado (Debian: postgresql-client).</translation>
    </message>
    <message>
        <source>it is the backup of a database file, and this desk works on a server; it restores at a desk that works on a file.</source>
        <translation>es la copia de seguridad de un archivo de base de datos, y este puesto trabaja con un servidor; se restaura en un puesto que trabaje con un archivo.</translation>
    </message>
    <message>
        <source>it is not a backup archive of Zem Harbour.</source>
        <translation>no es un archivo de copia de seguridad de Zem Harbour.</translation>
    </message>
    <message>
        <source>it holds no table %1: it is not a backup of a harbour database.</source>
        <translation>no contiene ninguna tabla %1: no es una copia de seguridad de una base de datos del puerto.</translation>
    </message>
    <message>
        <source>it holds schema version %1; this program understands 1 to %2.</source>
        <translation>contiene la versión de esquema %1; este programa entiende de la 1 a la %2.</translation>
    </message>
    <message>
        <source>Only the database&apos;s owner, the office&apos;s role, may restore or compact it on a server, and this desk&apos;s address signs in as %1. Please do it at a desk whose address (and password file) name the office&apos;s role.</source>
        <translation>Solo el propietario de la base de datos, el rol de la oficina, puede restaurarla o compactarla en un servidor, y la dirección de este puesto inicia sesión como %1. Hágalo en un puesto cuya dirección (y archivo de contraseñas) indique el rol de la oficina.</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>the login was removed or deactivated, or its password changed, at another desk (%1)</source>
        <translation>el inicio de sesión se ha eliminado o desactivado, o ha cambiado su contraseña, en otro puesto (%1)</translation>
    </message>
    <message>
        <source>the server cannot be reached (%1)</source>
        <translation>no se puede acceder al servidor (%1)</translation>
    </message>
    <message>
        <source>The server did not let %1 in, so this desk stays connected as before: %2</source>
        <translation>El servidor no ha dejado entrar a %1, por lo que este puesto sigue conectado como antes: %2</translation>
    </message>
    <message>
        <source>The server did not let your user do this: your role may not (a manager may approve it at this desk), or an administrator has changed or removed your user at another desk. Nothing was changed.</source>
        <translation>El servidor no ha permitido a su usuario hacer esto: su rol no puede hacerlo (un responsable puede aprobarlo en este puesto), o un administrador ha cambiado o eliminado su usuario en otro puesto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The server no longer lets your user in: an administrator has removed or deactivated it, or given it a new password, at another desk. Please sign in again (File, Switch User).</source>
        <translation>El servidor ya no admite a su usuario: un administrador lo ha eliminado o desactivado, o le ha dado una nueva contraseña, en otro puesto. Vuelva a iniciar sesión (Archivo, Cambiar de usuario).</translation>
    </message>
    <message>
        <source>The server said: %1</source>
        <translation>El servidor ha respondido: %1</translation>
    </message>
</context>
<context>
    <name>ServerRoles</name>
    <message>
        <source>Logins are kept by a database server; a file has none.</source>
        <translation>Los inicios de sesión los guarda un servidor de base de datos; un archivo no tiene ninguno.</translation>
    </message>
    <message>
        <source>A login is 1 to 63 lower-case letters, digits and _, starting with a letter, and not one the server or the program keeps for itself.</source>
        <translation>Un inicio de sesión tiene de 1 a 63 letras minúsculas, dígitos y _, empieza por una letra y no es uno que el servidor o el programa se reserven.</translation>
    </message>
    <message>
        <source>A login needs a password.</source>
        <translation>Un inicio de sesión necesita una contraseña.</translation>
    </message>
    <message>
        <source>A password is at most %1 characters.</source>
        <translation>Una contraseña tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>%1 is not a login of Zem Harbour&apos;s roles.</source>
        <translation>%1 no es un inicio de sesión de los roles de Zem Harbour.</translation>
    </message>
    <message>
        <source>The login %1 exists already.</source>
        <translation>El inicio de sesión %1 ya existe.</translation>
    </message>
    <message>
        <source>This server has no sign-in role: the office&apos;s role could not make roles when the database was made.</source>
        <translation>Este servidor no tiene rol de inicio de sesión: el rol de la oficina no pudo crear roles cuando se creó la base de datos.</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Please sign in with your sign-in name and password.</source>
        <translation>Inicie sesión con su nombre de usuario y su contraseña.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Switch User</source>
        <translation>Cambiar de usuario</translation>
    </message>
    <message>
        <source>Type the sign-in name and password of the user who takes over this desk.</source>
        <translation>Escriba el nombre de usuario y la contraseña del usuario que se hace cargo de este puesto.</translation>
    </message>
    <message>
        <source>Type the sign-in name and PIN of the user who takes over this desk.</source>
        <translation>Escriba el nombre de usuario y el PIN del usuario que se hace cargo de este puesto.</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>&amp;PIN:</translation>
    </message>
    <message>
        <source>Ask a Manager</source>
        <translation>Pedir a un responsable</translation>
    </message>
    <message>
        <source>A manager or an administrator approves this once: to %1.
Type your sign-in name and PIN or password.</source>
        <translation>Un responsable o un administrador aprueba esto una vez: %1.
Escriba su nombre de usuario y su PIN o contraseña.</translation>
    </message>
    <message>
        <source>&amp;PIN or password:</source>
        <translation>&amp;PIN o contraseña:</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>&amp;Nombre de usuario:</translation>
    </message>
    <message>
        <source>(not a user&apos;s sign-in name)</source>
        <translation>(no es el nombre de usuario de ningún usuario)</translation>
    </message>
    <message>
        <source>%1 approved for %2: %3</source>
        <translation>%1 aprobado para %2: %3</translation>
    </message>
</context>
<context>
    <name>SmtpSender</name>
    <message>
        <source>No mail server is set up: enter it in Setup Company Information.</source>
        <translation>No hay ningún servidor de correo configurado: introdúzcalo en Configurar los datos de la empresa.</translation>
    </message>
    <message>
        <source>%1 is not a server name.</source>
        <translation>%1 no es un nombre de servidor.</translation>
    </message>
    <message>
        <source>The mail server&apos;s port must be from 1 to 65535.</source>
        <translation>El puerto del servidor de correo debe estar entre 1 y 65535.</translation>
    </message>
    <message>
        <source>The mail library could not start.</source>
        <translation>No se ha podido iniciar la biblioteca de correo.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be found.</source>
        <translation>No se ha encontrado el servidor de correo %1.</translation>
    </message>
    <message>
        <source>The mail server %1 did not answer on port %2.</source>
        <translation>El servidor de correo %1 no ha respondido en el puerto %2.</translation>
    </message>
    <message>
        <source>The mail server refused the user name or password: %1</source>
        <translation>El servidor de correo ha rechazado el nombre de usuario o la contraseña: %1</translation>
    </message>
    <message>
        <source>The mail server does not offer a secure connection (STARTTLS): %1</source>
        <translation>El servidor de correo no ofrece una conexión segura (STARTTLS): %1</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Harbour, marina and campsite reservations</source>
        <translation>Reservas de puertos, puertos deportivos y campings</translation>
    </message>
    <message>
        <source>Version:  1.0.1</source>
        <translation>Versión:  1.0.1</translation>
    </message>
</context>
<context>
    <name>Sql</name>
    <message>
        <source>The database has been restored or compacted at another desk since this desk opened it. Nothing was read or saved from the old copy: the program works on the new one from your next action. Enter again what you were saving.</source>
        <translation>La base de datos se ha restaurado o compactado en otro puesto después de que este puesto la abriera. No se ha leído ni guardado nada de la copia antigua: el programa trabaja con la nueva a partir de su próxima acción. Vuelva a introducir lo que estaba guardando.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost. What you were saving may not have been saved: look it up before you enter it again. The program connects again with your next action.</source>
        <translation>Se ha perdido la conexión con el servidor de base de datos. Puede que lo que estaba guardando no se haya guardado: compruébelo antes de volver a introducirlo. El programa se vuelve a conectar con su próxima acción.</translation>
    </message>
    <message>
        <source>The statement returned no row.</source>
        <translation>La sentencia no ha devuelto ninguna fila.</translation>
    </message>
    <message>
        <source>The database gave the new record no ID.</source>
        <translation>La base de datos no ha dado ningún ID al nuevo registro.</translation>
    </message>
    <message>
        <source>No transaction is open.</source>
        <translation>No hay ninguna transacción abierta.</translation>
    </message>
</context>
<context>
    <name>StaffStore</name>
    <message>
        <source>This user has been removed at another desk.</source>
        <translation>Este usuario se ha eliminado en otro puesto.</translation>
    </message>
    <message>
        <source>%1 is the last active administrator: someone must be able to manage the users, so this user cannot be removed, deactivated or given another role.</source>
        <translation>%1 es el último administrador activo: alguien debe poder gestionar los usuarios, por lo que este usuario no se puede eliminar, desactivar ni cambiar de rol.</translation>
    </message>
    <message>
        <source>The sign-in name &quot;%1&quot; is already in use.</source>
        <translation>El nombre de usuario &quot;%1&quot; ya está en uso.</translation>
    </message>
    <message>
        <source>The sign-in name or the password is wrong.</source>
        <translation>El nombre de usuario o la contraseña son incorrectos.</translation>
    </message>
    <message>
        <source>The sign-in name or the PIN is wrong.</source>
        <translation>El nombre de usuario o el PIN son incorrectos.</translation>
    </message>
    <message>
        <source>The sign-in name, or the PIN or password, is wrong.</source>
        <translation>El nombre de usuario, o el PIN o la contraseña, son incorrectos.</translation>
    </message>
    <message>
        <source>%1 is locked after %2 wrong tries in a row; try again after %3.</source>
        <translation>%1 está bloqueado tras %2 intentos fallidos seguidos; vuelva a intentarlo después de las %3.</translation>
    </message>
    <message>
        <source>%1 is no longer an active user; an administrator can make the user active again.</source>
        <translation>%1 ya no es un usuario activo; un administrador puede volver a activarlo.</translation>
    </message>
    <message>
        <source>This user has been removed by an administrator.</source>
        <translation>Un administrador ha eliminado este usuario.</translation>
    </message>
    <message>
        <source>Please type the user&apos;s name.</source>
        <translation>Escriba el nombre del usuario.</translation>
    </message>
    <message>
        <source>Please type a sign-in name.</source>
        <translation>Escriba un nombre de usuario.</translation>
    </message>
    <message>
        <source>A name or sign-in name may have at most %1 characters.</source>
        <translation>Un nombre o nombre de usuario puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>That is longer than any password may be.</source>
        <translation>Eso es más largo que cualquier contraseña posible.</translation>
    </message>
    <message>
        <source>Please type your PIN or password.</source>
        <translation>Escriba su PIN o contraseña.</translation>
    </message>
</context>
<context>
    <name>StaffWidgets</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>DB Connection Error</source>
        <translation>Error de conexión con la base de datos</translation>
    </message>
    <message>
        <source>Database opened read-only: changes cannot be saved.

%1</source>
        <translation>Base de datos abierta en modo de solo lectura: no se pueden guardar los cambios.

%1</translation>
    </message>
</context>
<context>
    <name>StayMeters</name>
    <message>
        <source>Meter %1 of berth %2 has not been read.</source>
        <translation>El contador %1 del amarre %2 no se ha leído.</translation>
    </message>
    <message>
        <source>The booking no longer exists.</source>
        <translation>La reserva ya no existe.</translation>
    </message>
    <message>
        <source>The booking&apos;s total would pass %1.</source>
        <translation>El total de la reserva superaría %1.</translation>
    </message>
</context>
<context>
    <name>StayReadingsDialog</name>
    <message>
        <source>Meter readings</source>
        <translation>Lecturas de contadores</translation>
    </message>
    <message>
        <source>Berth and meter</source>
        <translation>Amarre y contador</translation>
    </message>
    <message>
        <source>Last reading</source>
        <translation>Última lectura</translation>
    </message>
    <message>
        <source>Reading now</source>
        <translation>Lectura actual</translation>
    </message>
    <message>
        <source>%1  %2 %3 (%4)</source>
        <translation>%1  %2 %3 (%4)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ninguna todavía</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>%1 is below the last reading of meter %2 (%3).

Yes: the meter rolled over past %4 and started again from zero. No: the reading was mistyped, go back to correct it.</source>
        <translation>%1 es inferior a la última lectura del contador %2 (%3).

Sí: el contador ha pasado de %4 y ha empezado de nuevo desde cero. No: la lectura se ha escrito mal, volver para corregirla.</translation>
    </message>
</context>
<context>
    <name>StepWizard</name>
    <message>
        <source>Welcome to the %1</source>
        <translation>Bienvenido al %1</translation>
    </message>
    <message>
        <source>To contionue, click Next.</source>
        <translation>Para continuar, pulse Siguiente.</translation>
    </message>
    <message>
        <source>Display this welcome screen at startup</source>
        <translation>Mostrar esta pantalla de bienvenida al iniciar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
</context>
<context>
    <name>TermPricing</name>
    <message>
        <source>A term needs a name.</source>
        <translation>Una modalidad necesita un nombre.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; needs its first and last days.</source>
        <translation>La modalidad &quot;%1&quot; necesita su primer y su último día.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; ends before it starts.</source>
        <translation>La modalidad &quot;%1&quot; termina antes de empezar.</translation>
    </message>
    <message>
        <source>The term &quot;%1&quot; comes every year, so it cannot be longer than a year.</source>
        <translation>La modalidad &quot;%1&quot; se repite cada año, así que no puede durar más de un año.</translation>
    </message>
    <message>
        <source>A term&apos;s price is for a berth type or for one berth.</source>
        <translation>El precio de una modalidad es para un tipo de amarre o para un solo amarre.</translation>
    </message>
    <message>
        <source>A term&apos;s price must be from %1 to %2.</source>
        <translation>El precio de una modalidad debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>A term&apos;s price needs the date it takes effect.</source>
        <translation>El precio de una modalidad necesita la fecha desde la que se aplica.</translation>
    </message>
</context>
<context>
    <name>TermRates</name>
    <message>
        <source>A price names a term that is not in the list.</source>
        <translation>Un precio indica una modalidad que no está en la lista.</translation>
    </message>
    <message>
        <source>Another desk changed the terms meanwhile: close the list and open it again.</source>
        <translation>Otro puesto ha cambiado las modalidades mientras tanto: cierre la lista y vuelva a abrirla.</translation>
    </message>
</context>
<context>
    <name>TermsDialog</name>
    <message>
        <source>Terms and prices</source>
        <translation>Modalidades y precios</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Modalidad</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Cada año</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo de amarre</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>T&amp;erms:</source>
        <translation>&amp;Modalidades:</translation>
    </message>
    <message>
        <source>&amp;Prices:</source>
        <translation>&amp;Precios:</translation>
    </message>
    <message>
        <source>&amp;Add term</source>
        <translation>&amp;Añadir modalidad</translation>
    </message>
    <message>
        <source>&amp;Remove term</source>
        <translation>&amp;Quitar modalidad</translation>
    </message>
    <message>
        <source>A&amp;dd price</source>
        <translation>Añadir p&amp;recio</translation>
    </message>
    <message>
        <source>Re&amp;move price</source>
        <translation>Q&amp;uitar precio</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Per berth</source>
        <translation>Por amarre</translation>
    </message>
    <message>
        <source>Per metre</source>
        <translation>Por metro</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>type the name of a term in the list above.</source>
        <translation>escriba el nombre de una modalidad de la lista de arriba.</translation>
    </message>
    <message>
        <source>type the term&apos;s price, such as 1200.00.</source>
        <translation>escriba el precio de la modalidad, por ejemplo 1200.00.</translation>
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
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Sabía usted que ...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Siguiente consejo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Amarre</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>%1, arrived %2</source>
        <translation>%1, llegó %2</translation>
    </message>
    <message>
        <source>%1, left %2</source>
        <translation>%1, salió %2</translation>
    </message>
    <message>
        <source>%1, no-show</source>
        <translation>%1, no presentado</translation>
    </message>
    <message>
        <source>Arrives</source>
        <translation>Llega</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Sale</translation>
    </message>
    <message>
        <source>&amp;Show this window when the program starts</source>
        <translation>&amp;Mostrar esta ventana al iniciar el programa</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Con&amp;firmation</source>
        <translation>Con&amp;firmación</translation>
    </message>
    <message>
        <source>&amp;Arrivals today</source>
        <translation>&amp;Llegadas de hoy</translation>
    </message>
    <message>
        <source>&amp;Departures today</source>
        <translation>&amp;Salidas de hoy</translation>
    </message>
    <message>
        <source>&amp;In the harbour now</source>
        <translation>&amp;En el puerto ahora</translation>
    </message>
    <message>
        <source>&amp;Money owing, arriving within 7 days</source>
        <translation>&amp;Dinero pendiente, llegan en 7 días</translation>
    </message>
    <message>
        <source>R&amp;eminders...</source>
        <translation>Rec&amp;ordatorios...</translation>
    </message>
    <message>
        <source>Arri&amp;ve</source>
        <translation>Lle&amp;gada</translation>
    </message>
    <message>
        <source>Depar&amp;t...</source>
        <translation>Sal&amp;ida...</translation>
    </message>
    <message>
        <source>&amp;No-shows...</source>
        <translation>&amp;No presentados...</translation>
    </message>
    <message>
        <source>Today&apos;s bookings could not be read: %1</source>
        <translation>No se han podido leer las reservas de hoy: %1</translation>
    </message>
    <message>
        <source>Choose the arrival to check in.</source>
        <translation>Elija la llegada cuya entrada desea registrar.</translation>
    </message>
    <message>
        <source>Choose the guest to check out.</source>
        <translation>Elija el huésped cuya salida desea registrar.</translation>
    </message>
    <message>
        <source>Re&amp;quests...</source>
        <translation>Solici&amp;tudes...</translation>
    </message>
    <message>
        <source>The booking requests could not be read: %1</source>
        <translation>No se han podido leer las solicitudes de reserva: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n booking request(s) waiting for an answer</source>
        <translation>
            <numerusform>%n solicitud de reserva espera respuesta</numerusform>
            <numerusform>%n solicitudes de reserva esperan respuesta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hold(s) for a request ending today</source>
        <translation>
            <numerusform>%n bloqueo por una solicitud termina hoy</numerusform>
            <numerusform>%n bloqueos por solicitudes terminan hoy</numerusform>
        </translation>
    </message>
    <message>
        <source>No booking requests waiting</source>
        <translation>No hay solicitudes de reserva pendientes</translation>
    </message>
</context>
<context>
    <name>UserDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Sign-in name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>&amp;Role:</source>
        <translation>&amp;Rol:</translation>
    </message>
    <message>
        <source>&amp;Active (may sign in)</source>
        <translation>&amp;Activo (puede iniciar sesión)</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Password a&amp;gain:</source>
        <translation>Repetir con&amp;traseña:</translation>
    </message>
    <message>
        <source>P&amp;IN (4 to 8 digits):</source>
        <translation>P&amp;IN (de 4 a 8 dígitos):</translation>
    </message>
    <message>
        <source>PIN a&amp;gain:</source>
        <translation>Re&amp;petir PIN:</translation>
    </message>
    <message>
        <source>First Administrator</source>
        <translation>Primer administrador</translation>
    </message>
    <message>
        <source>Nobody has been signed up yet. Please make the first administrator: the one who adds the other users and says what each role may do. There is no default password.</source>
        <translation>Todavía no se ha dado de alta a nadie. Cree el primer administrador: el que añade a los demás usuarios y decide qué puede hacer cada rol. No hay contraseña predeterminada.</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Nuevo usuario</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nueva contraseña</translation>
    </message>
    <message>
        <source>A new password for %1.</source>
        <translation>Una nueva contraseña para %1.</translation>
    </message>
    <message>
        <source>New PIN</source>
        <translation>Nuevo PIN</translation>
    </message>
    <message>
        <source>A new PIN for %1.</source>
        <translation>Un nuevo PIN para %1.</translation>
    </message>
    <message>
        <source>The two passwords differ: please type the same password twice.</source>
        <translation>Las dos contraseñas no coinciden: escriba la misma contraseña dos veces.</translation>
    </message>
    <message>
        <source>The two PINs differ: please type the same PIN twice.</source>
        <translation>Los dos PIN no coinciden: escriba el mismo PIN dos veces.</translation>
    </message>
    <message>
        <source>this user</source>
        <translation>este usuario</translation>
    </message>
    <message>
        <source>%1: new password</source>
        <translation>%1: nueva contraseña</translation>
    </message>
    <message>
        <source>%1: new PIN</source>
        <translation>%1: nuevo PIN</translation>
    </message>
    <message>
        <source>Sign-in Role</source>
        <translation>Rol de inicio de sesión</translation>
    </message>
    <message>
        <source>Desks may start as the server&apos;s sign-in role, zem_signin, instead of the office&apos;s role: it reads only what a sign-in needs, and each user then works as their own login. Type its new password, and put it in each desk&apos;s password file (.pgpass) in place of the office&apos;s. Leave both boxes empty to stop desks from starting that way.</source>
        <translation>Los puestos pueden iniciarse con el rol de inicio de sesión del servidor, zem_signin, en lugar del rol de la oficina: solo lee lo que necesita un inicio de sesión, y después cada usuario trabaja con su propio usuario del servidor. Escriba su nueva contraseña y póngala en el archivo de contraseñas de cada puesto (.pgpass) en lugar de la de la oficina. Deje ambos cuadros vacíos para que los puestos dejen de iniciarse así.</translation>
    </message>
    <message>
        <source>zem_signin: desks may no longer start with it</source>
        <translation>zem_signin: los puestos ya no pueden iniciarse con él</translation>
    </message>
    <message>
        <source>zem_signin: new password</source>
        <translation>zem_signin: nueva contraseña</translation>
    </message>
</context>
<context>
    <name>UsersWindow</name>
    <message>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Sign-in name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>U&amp;sers:</source>
        <translation>U&amp;suarios:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>New &amp;Password...</source>
        <translation>Nueva &amp;contraseña...</translation>
    </message>
    <message>
        <source>New P&amp;IN...</source>
        <translation>Nuevo P&amp;IN...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>What each role ma&amp;y do:</source>
        <translation>Lo que puede hacer cada ro&amp;l:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutos</translation>
    </message>
    <message>
        <source>&amp;Lock after idle:</source>
        <translation>&amp;Bloquear tras inactividad:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>permitido</translation>
    </message>
    <message>
        <source>not allowed</source>
        <translation>no permitido</translation>
    </message>
    <message>
        <source>Remove %1? The user can no longer sign in; what the user did keeps their name.</source>
        <translation>¿Quitar a %1? El usuario ya no podrá iniciar sesión; lo que hizo conserva su nombre.</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 quitado</translation>
    </message>
    <message>
        <source>Si&amp;gn-in Role...</source>
        <translation>Rol de i&amp;nicio de sesión...</translation>
    </message>
</context>
<context>
    <name>WaitingEntryDialog</name>
    <message>
        <source>Edit Waiting Entry</source>
        <translation>Editar entrada de espera</translation>
    </message>
    <message>
        <source>Add Waiting Entry</source>
        <translation>Añadir entrada de espera</translation>
    </message>
    <message>
        <source>&amp;Any length of stay</source>
        <translation>&amp;Cualquier duración de la estancia</translation>
    </message>
    <message>
        <source>C&amp;ustomer:</source>
        <translation>Cli&amp;ente:</translation>
    </message>
    <message>
        <source>&amp;Boat:</source>
        <translation>&amp;Barco:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Berth t&amp;ype:</source>
        <translation>&amp;Tipo de amarre:</translation>
    </message>
    <message>
        <source>&amp;Minimum length (ft):</source>
        <translation>Eslora &amp;mínima (ft):</translation>
    </message>
    <message>
        <source>&amp;Minimum length (m):</source>
        <translation>Eslora &amp;mínima (m):</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Any type</source>
        <translation>Cualquier tipo</translation>
    </message>
    <message>
        <source>(no boat)</source>
        <translation>(sin barco)</translation>
    </message>
    <message>
        <source>The customer&apos;s boats could not be read: %1</source>
        <translation>No se han podido leer los barcos del cliente: %1</translation>
    </message>
    <message>
        <source>Type the minimum length in feet, such as 38.</source>
        <translation>Escriba la eslora mínima en pies, por ejemplo 38.</translation>
    </message>
    <message>
        <source>Type the minimum length in metres, such as 11.5.</source>
        <translation>Escriba la eslora mínima en metros, por ejemplo 11.5.</translation>
    </message>
    <message>
        <source>waiting entry</source>
        <translation>entrada de espera</translation>
    </message>
</context>
<context>
    <name>WaitingList</name>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Offered</source>
        <translation>Ofertado</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Reservado</translation>
    </message>
    <message>
        <source>Withdrawn</source>
        <translation>Retirado</translation>
    </message>
    <message>
        <source>Choose the customer who is waiting.</source>
        <translation>Elija el cliente que está en espera.</translation>
    </message>
    <message>
        <source>Give the first night wanted.</source>
        <translation>Indique la primera noche deseada.</translation>
    </message>
    <message>
        <source>The period wanted has started already: a waiting entry is for nights to come.</source>
        <translation>El periodo deseado ya ha empezado: una entrada de espera es para noches futuras.</translation>
    </message>
    <message>
        <source>The period wanted ends before it starts.</source>
        <translation>El periodo deseado termina antes de empezar.</translation>
    </message>
    <message>
        <source>A period wanted may last five years at the most.</source>
        <translation>Un periodo deseado puede durar cinco años como máximo.</translation>
    </message>
    <message>
        <source>A minimum length must be more than 0 and at most 200 m.</source>
        <translation>Una eslora mínima debe ser mayor que 0 y como máximo 200 m.</translation>
    </message>
    <message>
        <source>The entry was removed at another desk meanwhile, so nothing was saved.</source>
        <translation>La entrada se ha eliminado mientras tanto en otro puesto, por lo que no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Boat:</source>
        <translation>Barco:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Berth type:</source>
        <translation>Tipo de amarre:</translation>
    </message>
    <message>
        <source>Minimum length:</source>
        <translation>Eslora mínima:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
</context>
<context>
    <name>WaitingListRows</name>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Barco</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Berth type</source>
        <translation>Tipo de amarre</translation>
    </message>
    <message>
        <source>Minimum length</source>
        <translation>Eslora mínima</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Añadida</translation>
    </message>
    <message>
        <source>Offered on</source>
        <translation>Ofertada el</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>any length</source>
        <translation>cualquier eslora</translation>
    </message>
    <message>
        <source>Waiting List</source>
        <translation>Lista de espera</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Impresa el %1</translation>
    </message>
    <message>
        <source>Page %p of %P</source>
        <translation>Página %p de %P</translation>
    </message>
    <message>
        <source>No entries.</source>
        <translation>No hay entradas.</translation>
    </message>
</context>
<context>
    <name>WaitingListWindow</name>
    <message>
        <source>Waiting List</source>
        <translation>Lista de espera</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>&amp;Status:</source>
        <translation>&amp;Estado:</translation>
    </message>
    <message>
        <source>Berth &amp;type:</source>
        <translation>&amp;Tipo de amarre:</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>E&amp;ditar...</translation>
    </message>
    <message>
        <source>&amp;Withdraw</source>
        <translation>&amp;Retirar</translation>
    </message>
    <message>
        <source>Mark &amp;Offered</source>
        <translation>Marcar &amp;ofertada</translation>
    </message>
    <message>
        <source>Mark Boo&amp;ked</source>
        <translation>Marcar re&amp;servada</translation>
    </message>
    <message>
        <source>&amp;Book...</source>
        <translation>Reser&amp;var...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The waiting list could not be read for the berths that came free: %1</source>
        <translation>No se ha podido leer la lista de espera para los amarres que han quedado libres: %1</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos los tipos</translation>
    </message>
    <message>
        <source>The lists for the entry could not be read: %1</source>
        <translation>No se han podido leer las listas de la entrada: %1</translation>
    </message>
</context>
<context>
    <name>WaitingOfferMail</name>
    <message>
        <source>%1 has no usable e-mail address: %2</source>
        <translation>%1 no tiene ninguna dirección de correo electrónico utilizable: %2</translation>
    </message>
</context>
<context>
    <name>WebBookMenu</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>WebBookPage</name>
    <message>
        <source>Invalid HTML resource</source>
        <translation>Recurso HTML no válido</translation>
    </message>
    <message>
        <source>Can&apos;t generate Webbook:<byte value="xd"/>
%1</source>
        <translation>No se puede generar la página de reservas web:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The booking form would be sent to &quot;%1&quot;, which is not a web address. Enter one that starts with http:// or https:// in the web booking settings.</source>
        <translation>El formulario de reserva se enviaría a &quot;%1&quot;, que no es una dirección web. Introduzca una que empiece por http:// o https:// en la configuración de las reservas web.</translation>
    </message>
    <message>
        <source>No value is stored for %1. Configure the web bookings first.</source>
        <translation>No hay ningún valor guardado para %1. Configure primero las reservas web.</translation>
    </message>
    <message>
        <source>Save Web Book as...</source>
        <translation>Guardar la página de reservas web como...</translation>
    </message>
    <message>
        <source>HTML files (*.HTML)</source>
        <translation>Archivos HTML (*.HTML)</translation>
    </message>
    <message>
        <source>Can&apos;t save HTML file:<byte value="xd"/>
%1</source>
        <translation>No se puede guardar el archivo HTML:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Online Booking Form</source>
        <translation>Formulario de reserva en línea</translation>
    </message>
    <message>
        <source>Thank you for your booking</source>
        <translation>Gracias por su reserva</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Please complete the form below to make an online booking.</source>
        <translation>Rellene el siguiente formulario para hacer una reserva en línea.</translation>
    </message>
    <message>
        <source>Arrival date:</source>
        <translation>Fecha de llegada:</translation>
    </message>
    <message>
        <source>Arrival day</source>
        <translation>Día de llegada</translation>
    </message>
    <message>
        <source>Arrival month</source>
        <translation>Mes de llegada</translation>
    </message>
    <message>
        <source>Arrival year</source>
        <translation>Año de llegada</translation>
    </message>
    <message>
        <source>Departure date:</source>
        <translation>Fecha de salida:</translation>
    </message>
    <message>
        <source>Departure day</source>
        <translation>Día de salida</translation>
    </message>
    <message>
        <source>Departure month</source>
        <translation>Mes de salida</translation>
    </message>
    <message>
        <source>Departure year</source>
        <translation>Año de salida</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Su nombre:</translation>
    </message>
    <message>
        <source>Your email address:</source>
        <translation>Su dirección de correo electrónico:</translation>
    </message>
    <message>
        <source>Any comments?</source>
        <translation>¿Algún comentario?</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>What is free</source>
        <translation>Disponibilidad</translation>
    </message>
    <message>
        <source>Choose your dates above and give your boat&apos;s size to see which kinds of berth are free.</source>
        <translation>Elija arriba sus fechas e indique las medidas de su barco para ver qué tipos de amarre están libres.</translation>
    </message>
    <message>
        <source>Length (m):</source>
        <translation>Eslora (m):</translation>
    </message>
    <message>
        <source>Beam (m):</source>
        <translation>Manga (m):</translation>
    </message>
    <message>
        <source>Draft (m):</source>
        <translation>Calado (m):</translation>
    </message>
    <message>
        <source>Choose an arrival before the departure.</source>
        <translation>Elija una llegada anterior a la salida.</translation>
    </message>
    <message>
        <source>We show what is free up to </source>
        <translation>Mostramos la disponibilidad hasta el </translation>
    </message>
    <message>
        <source>: send the form and we will look.</source>
        <translation>: envíe el formulario y lo consultaremos.</translation>
    </message>
    <message>
        <source>Free for those nights: </source>
        <translation>Libre para esas noches: </translation>
    </message>
    <message>
        <source>. Send the form to ask for it.</source>
        <translation>. Envíe el formulario para solicitarlo.</translation>
    </message>
    <message>
        <source>Nothing free fits those nights and that boat: send the form and we will look.</source>
        <translation>Ningún amarre libre se ajusta a esas noches y a ese barco: envíe el formulario y lo consultaremos.</translation>
    </message>
</context>
<context>
    <name>WebBookSettings</name>
    <message>
        <source>Response-o-Matic (default)</source>
        <translation>Response-o-Matic (predeterminado)</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
</context>
<context>
    <name>WebBookStore</name>
    <message>
        <source>The web booking settings have been created.</source>
        <translation>Se ha creado la configuración de las reservas web.</translation>
    </message>
    <message>
        <source>The web booking settings have been removed.</source>
        <translation>Se ha eliminado la configuración de las reservas web.</translation>
    </message>
    <message>
        <source>Booking email address: now %1, was %2</source>
        <translation>Dirección de correo para reservas: ahora %1, antes %2</translation>
    </message>
    <message>
        <source>Email provider: now %1, was %2</source>
        <translation>Proveedor de correo: ahora %1, antes %2</translation>
    </message>
    <message>
        <source>Custom provider: now %1, was %2</source>
        <translation>Proveedor personalizado: ahora %1, antes %2</translation>
    </message>
</context>
<context>
    <name>WebBookWizard</name>
    <message>
        <source>Web Booking Configuration Wizard</source>
        <translation>Asistente de configuración de reservas web</translation>
    </message>
    <message>
        <source>Enter your email booking address</source>
        <translation>Introduzca su dirección de correo para reservas</translation>
    </message>
    <message>
        <source>Choose your email provider</source>
        <translation>Elija su proveedor de correo</translation>
    </message>
    <message>
        <source>Enter Your Room Information</source>
        <translation>Introduzca los datos de sus habitaciones</translation>
    </message>
    <message>
        <source>Usin this wizard you can configure your website to accept online bookings.</source>
        <translation>Con este asistente puede configurar su sitio web para aceptar reservas en línea.</translation>
    </message>
    <message>
        <source>Enter the email address that should receive the bookings made from the website.</source>
        <translation>Introduzca la dirección de correo electrónico que debe recibir las reservas hechas desde el sitio web.</translation>
    </message>
    <message>
        <source>Booking email address:</source>
        <translation>Dirección de correo para reservas:</translation>
    </message>
    <message>
        <source>Select the email provider to use to send your email confirmations. If you are not sure, then leave the default setting.</source>
        <translation>Seleccione el proveedor de correo que se usará para enviar sus confirmaciones por correo. Si no está seguro, deje la opción predeterminada.</translation>
    </message>
    <message>
        <source>Email provider:</source>
        <translation>Proveedor de correo:</translation>
    </message>
    <message>
        <source>Custom provider:</source>
        <translation>Proveedor personalizado:</translation>
    </message>
    <message>
        <source>Click Finish to complete your configuration</source>
        <translation>Pulse Finalizar para completar la configuración</translation>
    </message>
    <message>
        <source>The web booking settings could not be read.

%1</source>
        <translation>No se ha podido leer la configuración de las reservas web.

%1</translation>
    </message>
    <message>
        <source>The web booking settings were changed elsewhere while this wizard was open:

%1

Nothing was saved. Click Finish again to store your entries instead, or Cancel to keep the stored ones.</source>
        <translation>La configuración de las reservas web se ha cambiado en otro lugar mientras este asistente estaba abierto:

%1

No se ha guardado nada. Pulse Finalizar otra vez para guardar en su lugar lo que ha introducido, o Cancelar para conservar lo guardado.</translation>
    </message>
    <message>
        <source>The web booking settings could not be saved; nothing was changed.

%1</source>
        <translation>No se ha podido guardar la configuración de las reservas web; no se ha cambiado nada.

%1</translation>
    </message>
    <message>
        <source>Would you like to create a booking web page now?</source>
        <translation>¿Desea crear ahora una página web de reservas?</translation>
    </message>
</context>
<context>
    <name>ttsgz</name>
    <message>
        <source>No error</source>
        <translation>Sin errores</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Nombre de archivo incorrecto</translation>
    </message>
    <message>
        <source>User abort</source>
        <translation>Cancelado por el usuario</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>Write error</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria agotada</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
</TS>
