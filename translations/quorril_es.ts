<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutPicture</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright © Tarnwell</source>
        <translation>Copyright © Tarnwell</translation>
    </message>
</context>
<context>
    <name>AccountCommands</name>
    <message>
        <source>An Account of this Type with The Same Name Already Exist !

</source>
        <translation>¡Ya existe una cuenta de este tipo con el mismo nombre!

</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; account ?</source>
        <translation>¿Seguro que desea eliminar la cuenta «%1»?</translation>
    </message>
</context>
<context>
    <name>AccountFields</name>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Log In ID:</source>
        <translation>ID de acceso:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Administrator:</source>
        <translation>Administrador:</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Entidad</translation>
    </message>
    <message>
        <source>Acct Type</source>
        <translation>Tipo de cuenta</translation>
    </message>
    <message>
        <source>Name On Acct</source>
        <translation>Titular de la cuenta</translation>
    </message>
    <message>
        <source>Acct #</source>
        <translation>N.º de cuenta</translation>
    </message>
    <message>
        <source>Routing #</source>
        <translation>Código bancario</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Service Phone</source>
        <translation>Teléfono de atención</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Acces Phone #</source>
        <translation>N.º de acceso</translation>
    </message>
    <message>
        <source>Card #</source>
        <translation>N.º de tarjeta</translation>
    </message>
    <message>
        <source>Service Phone #</source>
        <translation>N.º de atención</translation>
    </message>
    <message>
        <source>Remaining Minutes</source>
        <translation>Minutos restantes</translation>
    </message>
    <message>
        <source>Expiration</source>
        <translation>Vencimiento</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>TAE</translation>
    </message>
    <message>
        <source>Name On Card</source>
        <translation>Titular de la tarjeta</translation>
    </message>
    <message>
        <source>Log In URL</source>
        <translation>URL de acceso</translation>
    </message>
    <message>
        <source>Insurance Type</source>
        <translation>Tipo de seguro</translation>
    </message>
    <message>
        <source>Holder Name</source>
        <translation>Nombre del titular</translation>
    </message>
    <message>
        <source>Item Description:</source>
        <translation>Descripción del objeto:</translation>
    </message>
    <message>
        <source>VIN #:</source>
        <translation>N.º de bastidor:</translation>
    </message>
    <message>
        <source>Property Address:</source>
        <translation>Dirección del inmueble:</translation>
    </message>
    <message>
        <source>Beneficiary:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Child Name:</source>
        <translation>Nombre del niño:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>MI</source>
        <translation>Inicial</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>SSN</source>
        <translation>N.º de la Seguridad Social</translation>
    </message>
    <message>
        <source>Blood Type</source>
        <translation>Grupo sanguíneo</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Passport #</source>
        <translation>N.º de pasaporte</translation>
    </message>
    <message>
        <source>Driver License #</source>
        <translation>N.º de permiso de conducir</translation>
    </message>
    <message>
        <source>Known Allergies</source>
        <translation>Alergias conocidas</translation>
    </message>
    <message>
        <source>Vaccinations</source>
        <translation>Vacunas</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>User #:</source>
        <translation>Usuario n.º:</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>N.º de modelo</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>N.º de serie</translation>
    </message>
    <message>
        <source>Store Name</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Receipt #</source>
        <translation>N.º de recibo</translation>
    </message>
    <message>
        <source>Store Location</source>
        <translation>Ubicación de la tienda</translation>
    </message>
    <message>
        <source>Date Purchased</source>
        <translation>Fecha de compra</translation>
    </message>
    <message>
        <source>Warranty Expiration</source>
        <translation>Fin de la garantía</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>CD Key</source>
        <translation>Clave del CD</translation>
    </message>
    <message>
        <source>Support URL</source>
        <translation>URL de soporte</translation>
    </message>
    <message>
        <source>Site Name</source>
        <translation>Nombre del sitio</translation>
    </message>
    <message>
        <source>Web Site URL</source>
        <translation>URL del sitio web</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID de usuario</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Contraseña de usuario</translation>
    </message>
    <message>
        <source>POP Server</source>
        <translation>Servidor POP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
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
    <name>AccountSecrets</name>
    <message>
        <source>User Password</source>
        <translation>Contraseña de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>CD Key</source>
        <translation>Clave del CD</translation>
    </message>
</context>
<context>
    <name>AccountTreeModel</name>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
</context>
<context>
    <name>AccountTypes</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>WebSite</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>WebSites</source>
        <translation>Sitios web</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Credit Cards</source>
        <translation>Tarjetas de crédito</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Banks</source>
        <translation>Bancos</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Médico</translation>
    </message>
    <message>
        <source>Calling Card</source>
        <translation>Tarjeta telefónica</translation>
    </message>
    <message>
        <source>Purchased Item</source>
        <translation>Artículo comprado</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
</context>
<context>
    <name>AutoLock</name>
    <message>
        <source>Locked after 1 minute without use</source>
        <translation>Bloqueado tras 1 minuto sin uso</translation>
    </message>
    <message>
        <source>Locked after %1 minutes without use</source>
        <translation>Bloqueado tras %1 minutos sin uso</translation>
    </message>
    <message>
        <source>Locked when the screen was locked</source>
        <translation>Bloqueado al bloquearse la pantalla</translation>
    </message>
    <message>
        <source>Locked when the window was minimized</source>
        <translation>Bloqueado al minimizarse la ventana</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>BusyWork</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quorril</source>
        <translation>Acerca de Quorril</translation>
    </message>
</context>
<context>
    <name>CAccountView</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>CDuplicateAccountDlg</name>
    <message>
        <source>Warning - Duplicate Account</source>
        <translation>Advertencia: cuenta duplicada</translation>
    </message>
    <message>
        <source>An Account of this Type with The Same Title Already Exists!

Answer &quot;Yes&quot; to modify or Answer &quot;NO&quot; to discard changes.

Would you like to go back and change it now ?</source>
        <translation>¡Ya existe una cuenta de este tipo con el mismo título!

Responda «Sí» para modificarla o «No» para descartar los cambios.

¿Desea volver atrás y cambiarla ahora?</translation>
    </message>
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
    <name>CEmailAccountDlg</name>
    <message>
        <source>Users: %1</source>
        <translation>Usuarios: %1</translation>
    </message>
    <message>
        <source>User cannot be created if these fields are empty:
   - User ID
   - User Password
   - User Email

Edit these fields and try again.</source>
        <translation>No se puede crear el usuario si estos campos están vacíos:
   - ID de usuario
   - Contraseña de usuario
   - Correo del usuario

Rellene estos campos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>User Already Exist !</source>
        <translation>¡El usuario ya existe!</translation>
    </message>
    <message>
        <source>User cannot be updated if these fields are empty:
   - User ID
   - User Password
   - User Email

Edit these fields and try again.</source>
        <translation>No se puede actualizar el usuario si estos campos están vacíos:
   - ID de usuario
   - Contraseña de usuario
   - Correo del usuario

Rellene estos campos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Are You sure you want to remove:

User:  %1
Email: %2

Continue ?</source>
        <translation>¿Seguro que desea quitar:

Usuario: %1
Correo:  %2

¿Continuar?</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Wallet format</source>
        <translation>Formato de la cartera</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Please Enter Password:</source>
        <translation>Introduzca la contraseña:</translation>
    </message>
    <message>
        <source>This program makes it easy to keep track of all your passwords and user ids, but the one password you should always remember is the one used to save this document. It should be simple for you to remember and difficult for others to guess.</source>
        <translation>Este programa facilita llevar la cuenta de todas sus contraseñas e identificadores de usuario, pero la única contraseña que debe recordar siempre es la que se usa para guardar este documento. Debe ser fácil de recordar para usted y difícil de adivinar para los demás.</translation>
    </message>
    <message>
        <source>The password used to save a document is the same password that must be used to open it.</source>
        <translation>La contraseña con la que se guarda un documento es la misma que habrá que usar para abrirlo.</translation>
    </message>
    <message>
        <source>This password is case sensitive, basically &apos;a&apos; is not the same as &apos;A&apos;, this enhances security.</source>
        <translation>Esta contraseña distingue mayúsculas de minúsculas: &apos;a&apos; no es lo mismo que &apos;A&apos;, lo que aumenta la seguridad.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Verify Password:</source>
        <translation>Confirmar contraseña:</translation>
    </message>
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
    <name>CQuorrilDoc</name>
    <message>
        <source>New &quot;%1&quot;</source>
        <translation>Nuevo «%1»</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>Editar «%1»</translation>
    </message>
    <message>
        <source>Restore &quot;%1&quot;</source>
        <translation>Restaurar «%1»</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Encrypt Wallet</source>
        <translation>Cifrar cartera</translation>
    </message>
    <message>
        <source>Decrypt Wallet</source>
        <translation>Descifrar cartera</translation>
    </message>
</context>
<context>
    <name>CQuorrilView</name>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Guardar el documento activo con un nombre nuevo</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>&amp;Restaurar copia de seguridad…</translation>
    </message>
    <message>
        <source>Open a copy of this wallet kept before one of its saves</source>
        <translation>Abrir una copia de esta cartera guardada antes de uno de sus guardados</translation>
    </message>
    <message>
        <source>&amp;Merge From…</source>
        <translation>Co&amp;mbinar desde…</translation>
    </message>
    <message>
        <source>Merge another copy of this wallet into it</source>
        <translation>Combinar otra copia de esta cartera con ella</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Add the accounts of another program&apos;s export to this wallet</source>
        <translation>Añadir a esta cartera las cuentas exportadas por otro programa</translation>
    </message>
    <message>
        <source>Expo&amp;rt…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>Write every account to a file, secrets in clear</source>
        <translation>Escribir todas las cuentas en un archivo, secretos en claro</translation>
    </message>
    <message>
        <source>&amp;Encrypt Wallet</source>
        <translation>&amp;Cifrar cartera</translation>
    </message>
    <message>
        <source>Encrypt the wallet with its password when it is saved</source>
        <translation>Cifrar la cartera con su contraseña al guardarla</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>Change the settings that apply to every wallet</source>
        <translation>Cambiar los ajustes que se aplican a todas las carteras</translation>
    </message>
    <message>
        <source>About Quorril...</source>
        <translation>Acerca de Quorril...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar la información del programa, el número de versión y el copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Salir de la aplicación; pregunta si se guardan los documentos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Panel anterior</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change to the accounts or the password</source>
        <translation>Deshacer el último cambio en las cuentas o en la contraseña</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Do again the change undone last</source>
        <translation>Volver a hacer el último cambio deshecho</translation>
    </message>
    <message>
        <source>Recently &amp;Deleted…</source>
        <translation>&amp;Eliminados recientemente…</translation>
    </message>
    <message>
        <source>List the accounts deleted since the wallet was opened</source>
        <translation>Mostrar las cuentas eliminadas desde que se abrió la cartera</translation>
    </message>
    <message>
        <source>Lock Document</source>
        <translation>Bloquear documento</translation>
    </message>
    <message>
        <source>Change Document Password</source>
        <translation>Cambiar la contraseña del documento</translation>
    </message>
    <message>
        <source>Unlock Document</source>
        <translation>Desbloquear documento</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>New Email Account</source>
        <translation>Nueva cuenta de correo</translation>
    </message>
    <message>
        <source>WebSite</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>New WebSite Account</source>
        <translation>Nueva cuenta de sitio web</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>New Bank Accont</source>
        <translation>Nueva cuenta bancaria</translation>
    </message>
    <message>
        <source>New Bank Account</source>
        <translation>Nueva cuenta bancaria</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>New Insurance Account</source>
        <translation>Nuevo seguro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>New Credit Card Account</source>
        <translation>Nueva tarjeta de crédito</translation>
    </message>
    <message>
        <source>Medical Record</source>
        <translation>Historial médico</translation>
    </message>
    <message>
        <source>New Medical Record</source>
        <translation>Nuevo historial médico</translation>
    </message>
    <message>
        <source>Calling Card</source>
        <translation>Tarjeta telefónica</translation>
    </message>
    <message>
        <source>New Calling Card Account</source>
        <translation>Nueva tarjeta telefónica</translation>
    </message>
    <message>
        <source>Purchased Item</source>
        <translation>Artículo comprado</translation>
    </message>
    <message>
        <source>New Purchased Item Account</source>
        <translation>Nuevo artículo comprado</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>New Software Account</source>
        <translation>Nuevo software</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>New Reference Account</source>
        <translation>Nueva referencia</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Account Properties</source>
        <translation>Propiedades de la cuenta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Copy &amp;Password</source>
        <translation>Copiar &amp;contraseña</translation>
    </message>
    <message>
        <source>Copy the account&apos;s password, PIN or key to the clipboard</source>
        <translation>Copiar la contraseña, el PIN o la clave de la cuenta al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Generate Password…</source>
        <translation>&amp;Generar contraseña…</translation>
    </message>
    <message>
        <source>Make a strong password and copy it</source>
        <translation>Crear una contraseña robusta y copiarla</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the selected value to the clipboard</source>
        <translation>Copiar el valor seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Show only the accounts that hold a text</source>
        <translation>Mostrar solo las cuentas que contienen un texto</translation>
    </message>
    <message>
        <source>Show &amp;Secrets</source>
        <translation>Mostrar &amp;secretos</translation>
    </message>
    <message>
        <source>Show passwords, PINs and other secrets in the property list</source>
        <translation>Mostrar contraseñas, PIN y otros secretos en la lista de propiedades</translation>
    </message>
    <message>
        <source>&amp;Expiring…</source>
        <translation>&amp;Vencimientos…</translation>
    </message>
    <message>
        <source>List the cards, policies and warranties that expire, soonest first</source>
        <translation>Mostrar las tarjetas, pólizas y garantías que vencen, las más próximas primero</translation>
    </message>
    <message>
        <source>Password &amp;Health…</source>
        <translation>Salud de las &amp;contraseñas…</translation>
    </message>
    <message>
        <source>List the weak, reused and empty passwords, worst first</source>
        <translation>Mostrar las contraseñas débiles, reutilizadas y vacías, las peores primero</translation>
    </message>
    <message>
        <source>Copy &amp;User Name</source>
        <translation>Copiar nombre de &amp;usuario</translation>
    </message>
    <message>
        <source>Copy the name the account&apos;s owner logs in with to the clipboard</source>
        <translation>Copiar al portapapeles el nombre con el que el titular de la cuenta inicia sesión</translation>
    </message>
    <message>
        <source>&amp;Open URL</source>
        <translation>&amp;Abrir URL</translation>
    </message>
    <message>
        <source>Open the account&apos;s web address in the browser</source>
        <translation>Abrir la dirección web de la cuenta en el navegador</translation>
    </message>
</context>
<context>
    <name>ControlAdapter</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
</context>
<context>
    <name>CopyCommands</name>
    <message>
        <source>Nothing to copy.</source>
        <translation>Nada que copiar.</translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation>Nada que abrir.</translation>
    </message>
    <message>
        <source>This URL is not opened: only http, https and ftp addresses with a host name are opened from a wallet.</source>
        <translation>Esta URL no se abre: desde una cartera solo se abren direcciones http, https y ftp con un nombre de host.</translation>
    </message>
    <message>
        <source>The URL could not be opened.</source>
        <translation>No se pudo abrir la URL.</translation>
    </message>
</context>
<context>
    <name>DiskChanges</name>
    <message>
        <source>Kept twice: %1 &quot;%2&quot;</source>
        <translation>Conservada dos veces: %1 «%2»</translation>
    </message>
</context>
<context>
    <name>DocumentText</name>
    <message>
        <source>Invalid File Format !</source>
        <translation>¡Formato de archivo no válido!</translation>
    </message>
    <message>
        <source>Unable To Save File !</source>
        <translation>¡No se puede guardar el archivo!</translation>
    </message>
    <message>
        <source>You Do Not have ownership of this document !</source>
        <translation>¡No es el propietario de este documento!</translation>
    </message>
    <message>
        <source>Not enough memory to open it (its key derivation asks for %1 MiB).</source>
        <translation>No hay memoria suficiente para abrirlo (su derivación de clave pide %1 MiB).</translation>
    </message>
    <message>
        <source>%1 passes over %2 %3 to open (about %4 s)</source>
        <translation>%1 pasadas sobre %2 %3 para abrirlo (unos %4 s)</translation>
    </message>
    <message>
        <source>This wallet asks for %1, more than %2 times what Quorril writes; a damaged or forged header may ask so much.</source>
        <translation>Esta cartera pide %1, más de %2 veces lo que escribe Quorril; una cabecera dañada o falsificada puede pedir tanto.</translation>
    </message>
    <message>
        <source>Anyone who has the file can read every account and the password, without knowing it.</source>
        <translation>Cualquiera que tenga el archivo puede leer todas las cuentas y la contraseña, sin conocerla.</translation>
    </message>
    <message>
        <source>This password is easy to guess (graded below Good). An encrypted wallet is only as safe as its password: anyone who has the file can try likely passwords one after another.

Use it anyway?</source>
        <translation>Esta contraseña es fácil de adivinar (calificada por debajo de «Buena»). Una cartera cifrada solo es tan segura como su contraseña: cualquiera que tenga el archivo puede probar contraseñas probables una tras otra.

¿Usarla de todos modos?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>No se puede guardar %1: %2.</translation>
    </message>
    <message>
        <source>Saved, but the previous file was not kept as a backup: %1.</source>
        <translation>Guardado, pero el archivo anterior no se conservó como copia de seguridad: %1.</translation>
    </message>
    <message>
        <source>Password Must Not Be Empty !</source>
        <translation>¡La contraseña no puede estar vacía!</translation>
    </message>
    <message>
        <source>Password And Verify Password Must Be Identical !</source>
        <translation>¡La contraseña y su confirmación deben ser idénticas!</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds the character %2, which cannot be stored in a Quorril file.

Remove it and try again.</source>
        <translation>El campo «%1» contiene el carácter %2, que no se puede guardar en un archivo de Quorril.

Quítelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The password holds the character %1, which cannot be stored in a Quorril file.

Choose another password.</source>
        <translation>La contraseña contiene el carácter %1, que no se puede guardar en un archivo de Quorril.

Elija otra contraseña.</translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation>Recargada: cambiada en el disco</translation>
    </message>
    <message>
        <source>Merged changes on disk: </source>
        <translation>Cambios del disco combinados: </translation>
    </message>
    <message>
        <source>Changed on disk: the changes are taken in when the wallet is unlocked</source>
        <translation>Cambiada en el disco: los cambios se incorporarán al desbloquear la cartera</translation>
    </message>
    <message>
        <source>%1 was deleted or moved away. The wallet stays open here; save it to keep it.</source>
        <translation>%1 se eliminó o se movió. La cartera sigue abierta aquí; guárdela para conservarla.</translation>
    </message>
    <message>
        <source>%1 changed on disk, but the new file could not be opened. Your wallet is unchanged.</source>
        <translation>%1 cambió en el disco, pero no se pudo abrir el archivo nuevo. Su cartera no ha cambiado.</translation>
    </message>
    <message>
        <source>%1 changed on disk and the change could not be merged: nothing was saved, so that nothing is written over it. Use Save As to keep your wallet in another file.</source>
        <translation>%1 cambió en el disco y el cambio no se pudo combinar: no se guardó nada, para no sobrescribir nada. Use «Guardar como» para conservar su cartera en otro archivo.</translation>
    </message>
    <message>
        <source>Merged %1: %2</source>
        <translation>%1 combinada: %2</translation>
    </message>
    <message>
        <source>A conflicting copy of this wallet was found: %1. Merge it now?</source>
        <translation>Se encontró una copia en conflicto de esta cartera: %1. ¿Combinarla ahora?</translation>
    </message>
    <message>
        <source>This wallet asks for %1. Open it?</source>
        <translation>Esta cartera pide %1. ¿Abrirla?</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>An Account of this Type with The Same Name Already Exist !

</source>
        <translation>¡Ya existe una cuenta de este tipo con el mismo nombre!

</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>Undo or Redo, then the name of the step</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>EncryptionCommands</name>
    <message>
        <source>Choose a new password for the encrypted wallet?

Every classic copy of this wallet (backups, sync history, the file as it is now) holds its present password in a form anyone can read, and that password would open the encrypted wallet too.

Yes chooses a new password; No keeps the present one, which is weaker.</source>
        <translation>¿Elegir una contraseña nueva para la cartera cifrada?

Cada copia clásica de esta cartera (copias de seguridad, historial de sincronización, el archivo tal como está ahora) contiene su contraseña actual de forma que cualquiera puede leerla, y esa contraseña también abriría la cartera cifrada.

Sí elige una contraseña nueva; No conserva la actual, que es más débil.</translation>
    </message>
    <message>
        <source>Save as a classic wallet?</source>
        <translation>¿Guardar como cartera clásica?</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Cifrada</translation>
    </message>
    <message>
        <source>Not Encrypted</source>
        <translation>No cifrada</translation>
    </message>
    <message>
        <source>%1 at next save</source>
        <translation>%1 al guardar la próxima vez</translation>
    </message>
</context>
<context>
    <name>ExpiringDlg</name>
    <message>
        <source>Expiring</source>
        <translation>Vencimientos</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Vence</translation>
    </message>
    <message>
        <source>Expiring items</source>
        <translation>Elementos que vencen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Cerr&amp;ar</translation>
    </message>
    <message>
        <source>The document is locked: unlock it to see what expires.</source>
        <translation>El documento está bloqueado: desbloquéelo para ver lo que vence.</translation>
    </message>
    <message>
        <source>No card, policy or warranty of this wallet has an expiry date.</source>
        <translation>Ninguna tarjeta, póliza o garantía de esta cartera tiene fecha de vencimiento.</translation>
    </message>
    <message>
        <source>%1 marks what has expired or expires within %2 days.</source>
        <translation>%1 marca lo que ha vencido o vence en los próximos %2 días.</translation>
    </message>
</context>
<context>
    <name>ExpiringItems</name>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>en 1 día</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>en %1 días</translation>
    </message>
    <message>
        <source>expired 1 day ago</source>
        <translation>venció hace 1 día</translation>
    </message>
    <message>
        <source>expired %1 days ago</source>
        <translation>venció hace %1 días</translation>
    </message>
    <message>
        <source>1 item has expired</source>
        <translation>1 elemento ha vencido</translation>
    </message>
    <message>
        <source>%1 items have expired</source>
        <translation>%1 elementos han vencido</translation>
    </message>
    <message>
        <source>1 item expires within %1 days</source>
        <translation>1 elemento vence en los próximos %1 días</translation>
    </message>
    <message>
        <source>%1 items expire within %2 days</source>
        <translation>%1 elementos vencen en los próximos %2 días</translation>
    </message>
    <message>
        <source>1 expires within %1 days</source>
        <translation>1 vence en los próximos %1 días</translation>
    </message>
    <message>
        <source>%1 expire within %2 days</source>
        <translation>%1 vencen en los próximos %2 días</translation>
    </message>
    <message>
        <source> (View &gt; Expiring…)</source>
        <translation> (Ver &gt; Vencimientos…)</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
</context>
<context>
    <name>FileSession</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>a character that cannot be stored (%1)</source>
        <translation>un carácter que no se puede guardar (%1)</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear the find text</source>
        <translation>Borrar el texto de búsqueda</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>HealthDlg</name>
    <message>
        <source>Password Health</source>
        <translation>Salud de las contraseñas</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secreto</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>This wallet holds no password, PIN or key.</source>
        <translation>Esta cartera no contiene ninguna contraseña, PIN ni clave.</translation>
    </message>
    <message>
        <source>No password of this wallet is weak, reused or empty.</source>
        <translation>Ninguna contraseña de esta cartera es débil, reutilizada o vacía.</translation>
    </message>
    <message>
        <source>Worst first. Open an account with a double-click or Enter to change its password.</source>
        <translation>Las peores primero. Abra una cuenta con doble clic o Intro para cambiar su contraseña.</translation>
    </message>
</context>
<context>
    <name>ImportCommands</name>
    <message>
        <source>Every format Quorril imports (%1)</source>
        <translation>Todos los formatos que importa Quorril (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Quorril JSON (*.json)</source>
        <translation>JSON de Quorril (*.json)</translation>
    </message>
    <message>
        <source>KeePassXC CSV (*.csv)</source>
        <translation>CSV de KeePassXC (*.csv)</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>No se importó nada de %1.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: the wallet is locked.</source>
        <translation>No se importó nada de %1: la cartera está bloqueada.</translation>
    </message>
    <message>
        <source>%1 imported from %2</source>
        <translation>%1 importado(s) de %2</translation>
    </message>
    <message>
        <source>The exported file holds every password and secret of this wallet in clear text: anyone who can read the file can read them all. Export anyway?</source>
        <translation>El archivo exportado contiene todas las contraseñas y secretos de esta cartera en texto claro: cualquiera que pueda leer el archivo puede leerlos todos. ¿Exportar de todos modos?</translation>
    </message>
    <message>
        <source>The export could not be written to %1.</source>
        <translation>No se pudo escribir la exportación en %1.</translation>
    </message>
    <message>
        <source>Every account exported to %1</source>
        <translation>Todas las cuentas exportadas a %1</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDlg</name>
    <message>
        <source>left out: %1</source>
        <translation>omitido: %1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Formato: %1</translation>
    </message>
    <message>
        <source>Detected format</source>
        <translation>Formato detectado</translation>
    </message>
    <message>
        <source>Summary of the import</source>
        <translation>Resumen de la importación</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Filas del archivo</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>To notes</source>
        <translation>A las notas</translation>
    </message>
    <message>
        <source>To &quot;(more)&quot;</source>
        <translation>A «(more)»</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazada</translation>
    </message>
    <message>
        <source>&amp;Make &quot;(more)&quot; accounts for values with no place</source>
        <translation>Cr&amp;ear cuentas «(more)» para los valores sin sitio</translation>
    </message>
    <message>
        <source>Make &quot;(more)&quot; accounts</source>
        <translation>Crear cuentas «(more)»</translation>
    </message>
    <message>
        <source>&amp;Skip the refused rows and import the others</source>
        <translation>&amp;Omitir las filas rechazadas e importar las demás</translation>
    </message>
    <message>
        <source>Skip the refused rows</source>
        <translation>Omitir las filas rechazadas</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type of %1</source>
        <translation>Tipo de %1</translation>
    </message>
    <message>
        <source> (renamed from &quot;%1&quot;)</source>
        <translation> (renombrada desde «%1»)</translation>
    </message>
    <message>
        <source>Double-click or press F2 to choose the type</source>
        <translation>Haga doble clic o pulse F2 para elegir el tipo</translation>
    </message>
</context>
<context>
    <name>JsonImport</name>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
</context>
<context>
    <name>KeyStateIndicators</name>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Bloq Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Bloq Despl</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message>
        <source>%1 taken, %2 kept twice, %3 added, %4 deleted, %5 renumbered</source>
        <translation>%1 tomadas, %2 conservadas dos veces, %3 añadidas, %4 eliminadas, %5 renumeradas</translation>
    </message>
</context>
<context>
    <name>PasswordCommands</name>
    <message>
        <source>The system refused to lock memory: the sealed wallet may be written to swap</source>
        <translation>El sistema se negó a bloquear la memoria: la cartera sellada puede escribirse en el área de intercambio</translation>
    </message>
</context>
<context>
    <name>PasswordGeneratorDlg</name>
    <message>
        <source>Generate Password</source>
        <translation>Generar contraseña</translation>
    </message>
    <message>
        <source>&amp;Upper case (A-Z)</source>
        <translation>&amp;Mayúsculas (A-Z)</translation>
    </message>
    <message>
        <source>Lo&amp;wer case (a-z)</source>
        <translation>Mi&amp;núsculas (a-z)</translation>
    </message>
    <message>
        <source>&amp;Digits (0-9)</source>
        <translation>&amp;Dígitos (0-9)</translation>
    </message>
    <message>
        <source>&amp;Symbols (!#%&amp;&amp;…)</source>
        <translation>&amp;Símbolos (!#%&amp;&amp;…)</translation>
    </message>
    <message>
        <source>a&amp;void look-alike characters</source>
        <translation>&amp;evitar caracteres parecidos</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>&amp;Regenerate</source>
        <translation>&amp;Regenerar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Cerr&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Longitud:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caracteres:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Robustez:</translation>
    </message>
    <message>
        <source>%1 bits</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>Choose at least one kind of character.</source>
        <translation>Elija al menos un tipo de carácter.</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Robustez: %1</translation>
    </message>
</context>
<context>
    <name>PasswordHealth</name>
    <message>
        <source>1 weak or reused password (View &gt; Password Health…)</source>
        <translation>1 contraseña débil o reutilizada (Ver &gt; Salud de las contraseñas…)</translation>
    </message>
    <message>
        <source>%1 weak or reused passwords (View &gt; Password Health…)</source>
        <translation>%1 contraseñas débiles o reutilizadas (Ver &gt; Salud de las contraseñas…)</translation>
    </message>
    <message>
        <source>breached (1 time)</source>
        <translation>filtrada (1 vez)</translation>
    </message>
    <message>
        <source>breached (%1 times)</source>
        <translation>filtrada (%1 veces)</translation>
    </message>
    <message>
        <source>reused (%1 places)</source>
        <translation>reutilizada (%1 lugares)</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>débil</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>vencida</translation>
    </message>
</context>
<context>
    <name>PasswordStrength</name>
    <message>
        <source>Bad</source>
        <translation>Mala</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Pobre</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Débil</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buena</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Clear a copied value from the clip&amp;board after:</source>
        <translation>Borrar un valor copiado del &amp;portapapeles tras:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Lock the document after this long without use:</source>
        <translation>&amp;Bloquear el documento tras este tiempo sin uso:</translation>
    </message>
    <message>
        <source>Lock the document when the window is &amp;minimized</source>
        <translation>Bloquear el documento al &amp;minimizar la ventana</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Copies of a wallet kept when a save replaces its file</source>
        <translation>Copias de una cartera que se conservan cuando un guardado sustituye su archivo</translation>
    </message>
    <message>
        <source>Bac&amp;kups kept of each wallet:</source>
        <translation>Copias de seg&amp;uridad por cartera:</translation>
    </message>
    <message>
        <source>&amp;Encrypt new wallets</source>
        <translation>C&amp;ifrar las carteras nuevas</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>&amp;Show secrets when a wallet opens</source>
        <translation>Mo&amp;strar los secretos al abrir una cartera</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Cerr&amp;ar</translation>
    </message>
</context>
<context>
    <name>RecentlyDeletedDlg</name>
    <message>
        <source>Recently Deleted</source>
        <translation>Eliminados recientemente</translation>
    </message>
    <message>
        <source>The accounts deleted since this wallet was opened:</source>
        <translation>Las cuentas eliminadas desde que se abrió esta cartera:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Cerr&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Put the selected account back into the wallet</source>
        <translation>Devolver la cuenta seleccionada a la cartera</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>No backup of %1 has been kept in %2.</source>
        <translation>No se ha conservado ninguna copia de seguridad de %1 en %2.</translation>
    </message>
    <message>
        <source>The copies of %1 kept before it was saved again. The one you open comes up as an untitled wallet, which you may save under a name of its own.</source>
        <translation>Las copias de %1 conservadas antes de que se guardara de nuevo. La que abra aparece como una cartera sin título, que puede guardar con un nombre propio.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
</context>
<context>
    <name>SecretClipboard</name>
    <message>
        <source>Copied.</source>
        <translation>Copiado.</translation>
    </message>
    <message>
        <source>Copied; the clipboard clears in %1 s.</source>
        <translation>Copiado; el portapapeles se vaciará en %1 s.</translation>
    </message>
</context>
<context>
    <name>SecretEdit</name>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>StrengthBar</name>
    <message>
        <source>Strength</source>
        <translation>Robustez</translation>
    </message>
</context>
<context>
    <name>TableAccountDialog</name>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Bank Institution:</source>
        <translation>Entidad bancaria:</translation>
    </message>
    <message>
        <source>Account #:</source>
        <translation>N.º de cuenta:</translation>
    </message>
    <message>
        <source>Routing Number:</source>
        <translation>Código bancario:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>PIN:</source>
        <translation>PIN:</translation>
    </message>
    <message>
        <source>Name On Account:</source>
        <translation>Titular de la cuenta:</translation>
    </message>
    <message>
        <source>Customer Service Phone Number:</source>
        <translation>Teléfono de atención al cliente:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>   - Title
</source>
        <translation>   - Título
</translation>
    </message>
    <message>
        <source>   - Bank Institution
</source>
        <translation>   - Entidad bancaria
</translation>
    </message>
    <message>
        <source>   - Name On Account
</source>
        <translation>   - Titular de la cuenta
</translation>
    </message>
    <message>
        <source>   - Account Number

</source>
        <translation>   - Número de cuenta

</translation>
    </message>
    <message>
        <source>Bank Account</source>
        <translation>Cuenta bancaria</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Proveedor:</translation>
    </message>
    <message>
        <source>Access Phone Number:</source>
        <translation>Número de acceso:</translation>
    </message>
    <message>
        <source>Card Number:</source>
        <translation>Número de tarjeta:</translation>
    </message>
    <message>
        <source>Remaining Minutes:</source>
        <translation>Minutos restantes:</translation>
    </message>
    <message>
        <source>   - Provider
</source>
        <translation>   - Proveedor
</translation>
    </message>
    <message>
        <source>   - Access Phone
</source>
        <translation>   - Número de acceso
</translation>
    </message>
    <message>
        <source>   - Card Number

</source>
        <translation>   - Número de tarjeta

</translation>
    </message>
    <message>
        <source>Calling Card Account</source>
        <translation>Tarjeta telefónica</translation>
    </message>
    <message>
        <source>Credit Card Provider:</source>
        <translation>Emisor de la tarjeta:</translation>
    </message>
    <message>
        <source>APR:</source>
        <translation>TAE:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Expires:</source>
        <translation>Vence:</translation>
    </message>
    <message>
        <source>Name On Card:</source>
        <translation>Titular de la tarjeta:</translation>
    </message>
    <message>
        <source>   - Name On Card
</source>
        <translation>   - Titular de la tarjeta
</translation>
    </message>
    <message>
        <source>Credit Card Account</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>User Info:</source>
        <translation>Datos del usuario:</translation>
    </message>
    <message>
        <source>Users:</source>
        <translation>Usuarios:</translation>
    </message>
    <message>
        <source>Log In URL:</source>
        <translation>URL de acceso:</translation>
    </message>
    <message>
        <source>Log In ID:</source>
        <translation>ID de acceso:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Dirección de correo:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Administrator Rights For This Account</source>
        <translation>Derechos de administrador para esta cuenta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>   - Log In URL

</source>
        <translation>   - URL de acceso

</translation>
    </message>
    <message>
        <source>Email Account</source>
        <translation>Cuenta de correo</translation>
    </message>
    <message>
        <source>Insurance Provider:</source>
        <translation>Aseguradora:</translation>
    </message>
    <message>
        <source>Policy #:</source>
        <translation>N.º de póliza:</translation>
    </message>
    <message>
        <source>Item Description:</source>
        <translation>Descripción del objeto:</translation>
    </message>
    <message>
        <source>Primary Holder Name:</source>
        <translation>Titular principal:</translation>
    </message>
    <message>
        <source>   - Holder Name
</source>
        <translation>   - Nombre del titular
</translation>
    </message>
    <message>
        <source>   - Policy Number

</source>
        <translation>   - Número de póliza

</translation>
    </message>
    <message>
        <source>Insurance Account</source>
        <translation>Seguro</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>MI:</source>
        <translation>Inicial:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>SSN:</source>
        <translation>N.º Seg. Social:</translation>
    </message>
    <message>
        <source>Blood Type:</source>
        <translation>Gr. sang.:</translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <translation>Nacimiento:</translation>
    </message>
    <message>
        <source>Passport #:</source>
        <translation>N.º de pasaporte:</translation>
    </message>
    <message>
        <source>Driver Licence #:</source>
        <translation>N.º de permiso de conducir:</translation>
    </message>
    <message>
        <source>Known Allergies:</source>
        <translation>Alergias conocidas:</translation>
    </message>
    <message>
        <source>Vaccinations:</source>
        <translation>Vacunas:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>   - First Name
</source>
        <translation>   - Nombre
</translation>
    </message>
    <message>
        <source>   - Last Name

</source>
        <translation>   - Apellidos

</translation>
    </message>
    <message>
        <source>Medical Record</source>
        <translation>Historial médico</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricante:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Model Number:</source>
        <translation>Número de modelo:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>Date Purchased:</source>
        <translation>Fecha de compra:</translation>
    </message>
    <message>
        <source>Warranty Expiration:</source>
        <translation>Fin de la garantía:</translation>
    </message>
    <message>
        <source>Store Name:</source>
        <translation>Tienda:</translation>
    </message>
    <message>
        <source>Receipt Number:</source>
        <translation>Número de recibo:</translation>
    </message>
    <message>
        <source>Store Location:</source>
        <translation>Ubicación de la tienda:</translation>
    </message>
    <message>
        <source>   - Manufacturer
</source>
        <translation>   - Fabricante
</translation>
    </message>
    <message>
        <source>   - Description
</source>
        <translation>   - Descripción
</translation>
    </message>
    <message>
        <source>   - Model Or Serial #

</source>
        <translation>   - Número de modelo o de serie

</translation>
    </message>
    <message>
        <source>Purchased Item Record</source>
        <translation>Artículo comprado</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>This Is About:</source>
        <translation>Asunto:</translation>
    </message>
    <message>
        <source>   - This Is About
</source>
        <translation>   - Asunto
</translation>
    </message>
    <message>
        <source>   - Description

</source>
        <translation>   - Descripción

</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N.º de serie:</translation>
    </message>
    <message>
        <source>CD Key:</source>
        <translation>Clave del CD:</translation>
    </message>
    <message>
        <source>Support Website URL:</source>
        <translation>URL del sitio de soporte:</translation>
    </message>
    <message>
        <source>Custormer Service Phone Number:</source>
        <translation>Teléfono de atención al cliente:</translation>
    </message>
    <message>
        <source>   - Serial # Or CD Key

</source>
        <translation>   - Número de serie o clave del CD

</translation>
    </message>
    <message>
        <source>Software Record</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Account cannot be Created or Updated if these fields are empty:
</source>
        <translation>No se puede crear ni actualizar la cuenta si estos campos están vacíos:
</translation>
    </message>
    <message>
        <source>Would you like to go back and edit these?</source>
        <translation>¿Desea volver atrás y editarlos?</translation>
    </message>
    <message>
        <source>Web Site URL:</source>
        <translation>URL del sitio web:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>UserID:</source>
        <translation>ID de usuario:</translation>
    </message>
    <message>
        <source>POP Server:</source>
        <translation>Servidor POP:</translation>
    </message>
    <message>
        <source>SMTP Server:</source>
        <translation>Servidor SMTP:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>   - Site Name
</source>
        <translation>   - Nombre del sitio
</translation>
    </message>
    <message>
        <source>   - Site URL
</source>
        <translation>   - URL del sitio
</translation>
    </message>
    <message>
        <source>   - User ID
</source>
        <translation>   - ID de usuario
</translation>
    </message>
    <message>
        <source>   - User Password

</source>
        <translation>   - Contraseña de usuario

</translation>
    </message>
    <message>
        <source>Web Site Account</source>
        <translation>Cuenta de sitio web</translation>
    </message>
</context>
<context>
    <name>WalletMerge</name>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
</context>
<context>
    <name>WidgetPrompts</name>
    <message>
        <source>Quorril Files (*.qrl)</source>
        <translation>Archivos de Quorril (*.qrl)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportación</translation>
    </message>
    <message>
        <source>Deriving the wallet&apos;s key…</source>
        <translation>Derivando la clave de la cartera…</translation>
    </message>
</context>
</TS>
