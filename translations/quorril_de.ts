<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutPicture</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Ein Konto dieses Typs mit demselben Namen existiert bereits!

</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; account ?</source>
        <translation>Möchten Sie das Konto „%1“ wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>AccountFields</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Log In ID:</source>
        <translation>Anmelde-ID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Administrator:</source>
        <translation>Administrator:</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Institut</translation>
    </message>
    <message>
        <source>Acct Type</source>
        <translation>Kontoart</translation>
    </message>
    <message>
        <source>Name On Acct</source>
        <translation>Kontoinhaber</translation>
    </message>
    <message>
        <source>Acct #</source>
        <translation>Kontonr.</translation>
    </message>
    <message>
        <source>Routing #</source>
        <translation>Bankleitzahl</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Service Phone</source>
        <translation>Service-Telefon</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Acces Phone #</source>
        <translation>Einwahlnummer</translation>
    </message>
    <message>
        <source>Card #</source>
        <translation>Kartennr.</translation>
    </message>
    <message>
        <source>Service Phone #</source>
        <translation>Service-Telefonnr.</translation>
    </message>
    <message>
        <source>Remaining Minutes</source>
        <translation>Restminuten</translation>
    </message>
    <message>
        <source>Expiration</source>
        <translation>Ablaufdatum</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>Effektivzins</translation>
    </message>
    <message>
        <source>Name On Card</source>
        <translation>Karteninhaber</translation>
    </message>
    <message>
        <source>Log In URL</source>
        <translation>Anmelde-URL</translation>
    </message>
    <message>
        <source>Insurance Type</source>
        <translation>Versicherungsart</translation>
    </message>
    <message>
        <source>Holder Name</source>
        <translation>Versicherungsnehmer</translation>
    </message>
    <message>
        <source>Item Description:</source>
        <translation>Gegenstandsbeschreibung:</translation>
    </message>
    <message>
        <source>VIN #:</source>
        <translation>Fahrgestellnr.:</translation>
    </message>
    <message>
        <source>Property Address:</source>
        <translation>Adresse der Immobilie:</translation>
    </message>
    <message>
        <source>Beneficiary:</source>
        <translation>Begünstigter:</translation>
    </message>
    <message>
        <source>Child Name:</source>
        <translation>Name des Kindes:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>MI</source>
        <translation>2. Initiale</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>SSN</source>
        <translation>Sozialversicherungsnr.</translation>
    </message>
    <message>
        <source>Blood Type</source>
        <translation>Blutgruppe</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Passport #</source>
        <translation>Reisepassnr.</translation>
    </message>
    <message>
        <source>Driver License #</source>
        <translation>Führerscheinnr.</translation>
    </message>
    <message>
        <source>Known Allergies</source>
        <translation>Bekannte Allergien</translation>
    </message>
    <message>
        <source>Vaccinations</source>
        <translation>Impfungen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>User #:</source>
        <translation>Benutzer Nr.:</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>Modellnr.</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Store Name</source>
        <translation>Geschäft</translation>
    </message>
    <message>
        <source>Receipt #</source>
        <translation>Belegnr.</translation>
    </message>
    <message>
        <source>Store Location</source>
        <translation>Ort des Geschäfts</translation>
    </message>
    <message>
        <source>Date Purchased</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>Warranty Expiration</source>
        <translation>Garantieende</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>CD Key</source>
        <translation>CD-Schlüssel</translation>
    </message>
    <message>
        <source>Support URL</source>
        <translation>Support-URL</translation>
    </message>
    <message>
        <source>Site Name</source>
        <translation>Name der Website</translation>
    </message>
    <message>
        <source>Web Site URL</source>
        <translation>Website-URL</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Benutzer-ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Benutzerpasswort</translation>
    </message>
    <message>
        <source>POP Server</source>
        <translation>POP-Server</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-Server</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
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
    <name>AccountSecrets</name>
    <message>
        <source>User Password</source>
        <translation>Benutzerpasswort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>CD Key</source>
        <translation>CD-Schlüssel</translation>
    </message>
</context>
<context>
    <name>AccountTreeModel</name>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
</context>
<context>
    <name>AccountTypes</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>WebSite</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>WebSites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Credit Cards</source>
        <translation>Kreditkarten</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Banks</source>
        <translation>Banken</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Medizinisch</translation>
    </message>
    <message>
        <source>Calling Card</source>
        <translation>Telefonkarte</translation>
    </message>
    <message>
        <source>Purchased Item</source>
        <translation>Gekaufter Artikel</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
</context>
<context>
    <name>AutoLock</name>
    <message>
        <source>Locked after 1 minute without use</source>
        <translation>Nach 1 Minute ohne Nutzung gesperrt</translation>
    </message>
    <message>
        <source>Locked after %1 minutes without use</source>
        <translation>Nach %1 Minuten ohne Nutzung gesperrt</translation>
    </message>
    <message>
        <source>Locked when the screen was locked</source>
        <translation>Gesperrt, als der Bildschirm gesperrt wurde</translation>
    </message>
    <message>
        <source>Locked when the window was minimized</source>
        <translation>Gesperrt, als das Fenster minimiert wurde</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>BusyWork</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quorril</source>
        <translation>Über Quorril</translation>
    </message>
</context>
<context>
    <name>CAccountView</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Verborgen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>CDuplicateAccountDlg</name>
    <message>
        <source>Warning - Duplicate Account</source>
        <translation>Warnung – doppeltes Konto</translation>
    </message>
    <message>
        <source>An Account of this Type with The Same Title Already Exists!

Answer &quot;Yes&quot; to modify or Answer &quot;NO&quot; to discard changes.

Would you like to go back and change it now ?</source>
        <translation>Ein Konto dieses Typs mit demselben Titel existiert bereits!

Antworten Sie „Ja“, um es zu ändern, oder „Nein“, um die Änderungen zu verwerfen.

Möchten Sie zurückgehen und es jetzt ändern?</translation>
    </message>
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
    <name>CEmailAccountDlg</name>
    <message>
        <source>Users: %1</source>
        <translation>Benutzer: %1</translation>
    </message>
    <message>
        <source>User cannot be created if these fields are empty:
   - User ID
   - User Password
   - User Email

Edit these fields and try again.</source>
        <translation>Der Benutzer kann nicht angelegt werden, wenn diese Felder leer sind:
   - Benutzer-ID
   - Benutzerpasswort
   - Benutzer-E-Mail

Füllen Sie diese Felder aus und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>User Already Exist !</source>
        <translation>Der Benutzer existiert bereits!</translation>
    </message>
    <message>
        <source>User cannot be updated if these fields are empty:
   - User ID
   - User Password
   - User Email

Edit these fields and try again.</source>
        <translation>Der Benutzer kann nicht aktualisiert werden, wenn diese Felder leer sind:
   - Benutzer-ID
   - Benutzerpasswort
   - Benutzer-E-Mail

Füllen Sie diese Felder aus und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Are You sure you want to remove:

User:  %1
Email: %2

Continue ?</source>
        <translation>Möchten Sie wirklich entfernen:

Benutzer: %1
E-Mail:   %2

Fortfahren?</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Wallet format</source>
        <translation>Wallet-Format</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Please Enter Password:</source>
        <translation>Bitte Passwort eingeben:</translation>
    </message>
    <message>
        <source>This program makes it easy to keep track of all your passwords and user ids, but the one password you should always remember is the one used to save this document. It should be simple for you to remember and difficult for others to guess.</source>
        <translation>Mit diesem Programm behalten Sie leicht den Überblick über alle Ihre Passwörter und Benutzer-IDs; das eine Passwort, das Sie sich immer merken sollten, ist aber das, mit dem dieses Dokument gespeichert wird. Es sollte für Sie leicht zu merken und für andere schwer zu erraten sein.</translation>
    </message>
    <message>
        <source>The password used to save a document is the same password that must be used to open it.</source>
        <translation>Das Passwort, mit dem ein Dokument gespeichert wird, ist dasselbe, mit dem es geöffnet werden muss.</translation>
    </message>
    <message>
        <source>This password is case sensitive, basically &apos;a&apos; is not the same as &apos;A&apos;, this enhances security.</source>
        <translation>Bei diesem Passwort wird zwischen Groß- und Kleinschreibung unterschieden: ‚a‘ ist nicht dasselbe wie ‚A‘. Das erhöht die Sicherheit.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Verify Password:</source>
        <translation>Passwort bestätigen:</translation>
    </message>
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
    <name>CQuorrilDoc</name>
    <message>
        <source>New &quot;%1&quot;</source>
        <translation>Neu „%1“</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Löschen „%1“</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>Bearbeiten „%1“</translation>
    </message>
    <message>
        <source>Restore &quot;%1&quot;</source>
        <translation>Wiederherstellen „%1“</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Encrypt Wallet</source>
        <translation>Wallet verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt Wallet</source>
        <translation>Wallet entschlüsseln</translation>
    </message>
</context>
<context>
    <name>CQuorrilView</name>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>Open a copy of this wallet kept before one of its saves</source>
        <translation>Eine vor einem Speichern aufbewahrte Kopie dieses Wallets öffnen</translation>
    </message>
    <message>
        <source>&amp;Merge From…</source>
        <translation>&amp;Zusammenführen mit…</translation>
    </message>
    <message>
        <source>Merge another copy of this wallet into it</source>
        <translation>Eine andere Kopie dieses Wallets mit ihm zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Add the accounts of another program&apos;s export to this wallet</source>
        <translation>Die Konten aus dem Export eines anderen Programms zu diesem Wallet hinzufügen</translation>
    </message>
    <message>
        <source>Expo&amp;rt…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Write every account to a file, secrets in clear</source>
        <translation>Alle Konten in eine Datei schreiben, Geheimnisse im Klartext</translation>
    </message>
    <message>
        <source>&amp;Encrypt Wallet</source>
        <translation>Wallet &amp;verschlüsseln</translation>
    </message>
    <message>
        <source>Encrypt the wallet with its password when it is saved</source>
        <translation>Das Wallet beim Speichern mit seinem Passwort verschlüsseln</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>Change the settings that apply to every wallet</source>
        <translation>Die Einstellungen ändern, die für jedes Wallet gelten</translation>
    </message>
    <message>
        <source>About Quorril...</source>
        <translation>Über Quorril...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Die Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change to the accounts or the password</source>
        <translation>Die letzte Änderung an den Konten oder am Passwort rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Do again the change undone last</source>
        <translation>Die zuletzt rückgängig gemachte Änderung erneut ausführen</translation>
    </message>
    <message>
        <source>Recently &amp;Deleted…</source>
        <translation>&amp;Zuletzt gelöscht…</translation>
    </message>
    <message>
        <source>List the accounts deleted since the wallet was opened</source>
        <translation>Die seit dem Öffnen des Wallets gelöschten Konten auflisten</translation>
    </message>
    <message>
        <source>Lock Document</source>
        <translation>Dokument sperren</translation>
    </message>
    <message>
        <source>Change Document Password</source>
        <translation>Dokumentpasswort ändern</translation>
    </message>
    <message>
        <source>Unlock Document</source>
        <translation>Dokument entsperren</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>New Email Account</source>
        <translation>Neues E-Mail-Konto</translation>
    </message>
    <message>
        <source>WebSite</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>New WebSite Account</source>
        <translation>Neues Website-Konto</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>New Bank Accont</source>
        <translation>Neues Bankkonto</translation>
    </message>
    <message>
        <source>New Bank Account</source>
        <translation>Neues Bankkonto</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>New Insurance Account</source>
        <translation>Neue Versicherung</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>New Credit Card Account</source>
        <translation>Neue Kreditkarte</translation>
    </message>
    <message>
        <source>Medical Record</source>
        <translation>Krankenakte</translation>
    </message>
    <message>
        <source>New Medical Record</source>
        <translation>Neue Krankenakte</translation>
    </message>
    <message>
        <source>Calling Card</source>
        <translation>Telefonkarte</translation>
    </message>
    <message>
        <source>New Calling Card Account</source>
        <translation>Neue Telefonkarte</translation>
    </message>
    <message>
        <source>Purchased Item</source>
        <translation>Gekaufter Artikel</translation>
    </message>
    <message>
        <source>New Purchased Item Account</source>
        <translation>Neuer gekaufter Artikel</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>New Software Account</source>
        <translation>Neue Software</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>New Reference Account</source>
        <translation>Neue Referenz</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Account Properties</source>
        <translation>Kontoeigenschaften</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy &amp;Password</source>
        <translation>&amp;Passwort kopieren</translation>
    </message>
    <message>
        <source>Copy the account&apos;s password, PIN or key to the clipboard</source>
        <translation>Passwort, PIN oder Schlüssel des Kontos in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Generate Password…</source>
        <translation>Passwort &amp;erzeugen…</translation>
    </message>
    <message>
        <source>Make a strong password and copy it</source>
        <translation>Ein starkes Passwort erzeugen und kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected value to the clipboard</source>
        <translation>Den ausgewählten Wert in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Show only the accounts that hold a text</source>
        <translation>Nur die Konten zeigen, die einen Text enthalten</translation>
    </message>
    <message>
        <source>Show &amp;Secrets</source>
        <translation>&amp;Geheimnisse anzeigen</translation>
    </message>
    <message>
        <source>Show passwords, PINs and other secrets in the property list</source>
        <translation>Passwörter, PINs und andere Geheimnisse in der Eigenschaftsliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Expiring…</source>
        <translation>&amp;Ablaufend…</translation>
    </message>
    <message>
        <source>List the cards, policies and warranties that expire, soonest first</source>
        <translation>Ablaufende Karten, Policen und Garantien auflisten, die nächsten zuerst</translation>
    </message>
    <message>
        <source>Password &amp;Health…</source>
        <translation>Passwort&amp;zustand…</translation>
    </message>
    <message>
        <source>List the weak, reused and empty passwords, worst first</source>
        <translation>Schwache, mehrfach verwendete und leere Passwörter auflisten, die schlimmsten zuerst</translation>
    </message>
    <message>
        <source>Copy &amp;User Name</source>
        <translation>&amp;Benutzername kopieren</translation>
    </message>
    <message>
        <source>Copy the name the account&apos;s owner logs in with to the clipboard</source>
        <translation>Den Namen, mit dem sich der Inhaber des Kontos anmeldet, in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Open URL</source>
        <translation>&amp;URL öffnen</translation>
    </message>
    <message>
        <source>Open the account&apos;s web address in the browser</source>
        <translation>Die Webadresse des Kontos im Browser öffnen</translation>
    </message>
</context>
<context>
    <name>ControlAdapter</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>CopyCommands</name>
    <message>
        <source>Nothing to copy.</source>
        <translation>Nichts zu kopieren.</translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation>Nichts zu öffnen.</translation>
    </message>
    <message>
        <source>This URL is not opened: only http, https and ftp addresses with a host name are opened from a wallet.</source>
        <translation>Diese URL wird nicht geöffnet: Aus einer Wallet werden nur http-, https- und ftp-Adressen mit einem Hostnamen geöffnet.</translation>
    </message>
    <message>
        <source>The URL could not be opened.</source>
        <translation>Die URL konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>DiskChanges</name>
    <message>
        <source>Kept twice: %1 &quot;%2&quot;</source>
        <translation>Doppelt behalten: %1 „%2“</translation>
    </message>
</context>
<context>
    <name>DocumentText</name>
    <message>
        <source>Invalid File Format !</source>
        <translation>Ungültiges Dateiformat!</translation>
    </message>
    <message>
        <source>Unable To Save File !</source>
        <translation>Die Datei kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>You Do Not have ownership of this document !</source>
        <translation>Sie sind nicht Eigentümer dieses Dokuments!</translation>
    </message>
    <message>
        <source>Not enough memory to open it (its key derivation asks for %1 MiB).</source>
        <translation>Nicht genug Speicher, um es zu öffnen (seine Schlüsselableitung verlangt %1 MiB).</translation>
    </message>
    <message>
        <source>%1 passes over %2 %3 to open (about %4 s)</source>
        <translation>%1 Durchgänge über %2 %3 zum Öffnen (etwa %4 s)</translation>
    </message>
    <message>
        <source>This wallet asks for %1, more than %2 times what Quorril writes; a damaged or forged header may ask so much.</source>
        <translation>Dieses Wallet verlangt %1, mehr als das %2-Fache dessen, was Quorril schreibt; so viel kann ein beschädigter oder gefälschter Kopf verlangen.</translation>
    </message>
    <message>
        <source>Anyone who has the file can read every account and the password, without knowing it.</source>
        <translation>Wer die Datei hat, kann jedes Konto und das Passwort lesen, ohne das Passwort zu kennen.</translation>
    </message>
    <message>
        <source>This password is easy to guess (graded below Good). An encrypted wallet is only as safe as its password: anyone who has the file can try likely passwords one after another.

Use it anyway?</source>
        <translation>Dieses Passwort ist leicht zu erraten (schlechter als „Gut“ bewertet). Ein verschlüsseltes Wallet ist nur so sicher wie sein Passwort: Wer die Datei hat, kann wahrscheinliche Passwörter eines nach dem anderen ausprobieren.

Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>%1 kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Saved, but the previous file was not kept as a backup: %1.</source>
        <translation>Gespeichert, aber die vorherige Datei wurde nicht als Sicherung aufbewahrt: %1.</translation>
    </message>
    <message>
        <source>Password Must Not Be Empty !</source>
        <translation>Das Passwort darf nicht leer sein!</translation>
    </message>
    <message>
        <source>Password And Verify Password Must Be Identical !</source>
        <translation>Passwort und Passwortbestätigung müssen übereinstimmen!</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds the character %2, which cannot be stored in a Quorril file.

Remove it and try again.</source>
        <translation>Das Feld „%1“ enthält das Zeichen %2, das in einer Quorril-Datei nicht gespeichert werden kann.

Entfernen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The password holds the character %1, which cannot be stored in a Quorril file.

Choose another password.</source>
        <translation>Das Passwort enthält das Zeichen %1, das in einer Quorril-Datei nicht gespeichert werden kann.

Wählen Sie ein anderes Passwort.</translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation>Neu geladen: auf der Festplatte geändert</translation>
    </message>
    <message>
        <source>Merged changes on disk: </source>
        <translation>Änderungen auf der Festplatte zusammengeführt: </translation>
    </message>
    <message>
        <source>Changed on disk: the changes are taken in when the wallet is unlocked</source>
        <translation>Auf der Festplatte geändert: Die Änderungen werden übernommen, wenn das Wallet entsperrt wird</translation>
    </message>
    <message>
        <source>%1 was deleted or moved away. The wallet stays open here; save it to keep it.</source>
        <translation>%1 wurde gelöscht oder verschoben. Das Wallet bleibt hier geöffnet; speichern Sie es, um es zu behalten.</translation>
    </message>
    <message>
        <source>%1 changed on disk, but the new file could not be opened. Your wallet is unchanged.</source>
        <translation>%1 wurde auf der Festplatte geändert, aber die neue Datei konnte nicht geöffnet werden. Ihr Wallet ist unverändert.</translation>
    </message>
    <message>
        <source>%1 changed on disk and the change could not be merged: nothing was saved, so that nothing is written over it. Use Save As to keep your wallet in another file.</source>
        <translation>%1 wurde auf der Festplatte geändert und die Änderung konnte nicht zusammengeführt werden: Es wurde nichts gespeichert, damit nichts überschrieben wird. Speichern Sie Ihr Wallet mit „Speichern unter“ in einer anderen Datei.</translation>
    </message>
    <message>
        <source>Merged %1: %2</source>
        <translation>%1 zusammengeführt: %2</translation>
    </message>
    <message>
        <source>A conflicting copy of this wallet was found: %1. Merge it now?</source>
        <translation>Eine widersprüchliche Kopie dieses Wallets wurde gefunden: %1. Jetzt zusammenführen?</translation>
    </message>
    <message>
        <source>This wallet asks for %1. Open it?</source>
        <translation>Dieses Wallet verlangt %1. Öffnen?</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>An Account of this Type with The Same Name Already Exist !

</source>
        <translation>Ein Konto dieses Typs mit demselben Namen existiert bereits!

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
        <translation>Ein neues Passwort für das verschlüsselte Wallet wählen?

Jede klassische Kopie dieses Wallets (Sicherungen, Synchronisationsverlauf, die Datei in ihrem jetzigen Zustand) enthält sein jetziges Passwort in einer Form, die jeder lesen kann, und dieses Passwort würde auch das verschlüsselte Wallet öffnen.

Ja wählt ein neues Passwort; Nein behält das jetzige, was schwächer ist.</translation>
    </message>
    <message>
        <source>Save as a classic wallet?</source>
        <translation>Als klassisches Wallet speichern?</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Not Encrypted</source>
        <translation>Nicht verschlüsselt</translation>
    </message>
    <message>
        <source>%1 at next save</source>
        <translation>%1 beim nächsten Speichern</translation>
    </message>
</context>
<context>
    <name>ExpiringDlg</name>
    <message>
        <source>Expiring</source>
        <translation>Ablaufend</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Expiring items</source>
        <translation>Ablaufende Einträge</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>The document is locked: unlock it to see what expires.</source>
        <translation>Das Dokument ist gesperrt: Entsperren Sie es, um zu sehen, was abläuft.</translation>
    </message>
    <message>
        <source>No card, policy or warranty of this wallet has an expiry date.</source>
        <translation>Keine Karte, Police oder Garantie dieses Wallets hat ein Ablaufdatum.</translation>
    </message>
    <message>
        <source>%1 marks what has expired or expires within %2 days.</source>
        <translation>%1 markiert, was abgelaufen ist oder innerhalb von %2 Tagen abläuft.</translation>
    </message>
</context>
<context>
    <name>ExpiringItems</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>in 1 Tag</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>in %1 Tagen</translation>
    </message>
    <message>
        <source>expired 1 day ago</source>
        <translation>seit 1 Tag abgelaufen</translation>
    </message>
    <message>
        <source>expired %1 days ago</source>
        <translation>seit %1 Tagen abgelaufen</translation>
    </message>
    <message>
        <source>1 item has expired</source>
        <translation>1 Eintrag ist abgelaufen</translation>
    </message>
    <message>
        <source>%1 items have expired</source>
        <translation>%1 Einträge sind abgelaufen</translation>
    </message>
    <message>
        <source>1 item expires within %1 days</source>
        <translation>1 Eintrag läuft innerhalb von %1 Tagen ab</translation>
    </message>
    <message>
        <source>%1 items expire within %2 days</source>
        <translation>%1 Einträge laufen innerhalb von %2 Tagen ab</translation>
    </message>
    <message>
        <source>1 expires within %1 days</source>
        <translation>1 läuft innerhalb von %1 Tagen ab</translation>
    </message>
    <message>
        <source>%1 expire within %2 days</source>
        <translation>%1 laufen innerhalb von %2 Tagen ab</translation>
    </message>
    <message>
        <source> (View &gt; Expiring…)</source>
        <translation> (Ansicht &gt; Ablaufend…)</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>FileSession</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>a character that cannot be stored (%1)</source>
        <translation>ein Zeichen, das nicht gespeichert werden kann (%1)</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear the find text</source>
        <translation>Suchtext löschen</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
</context>
<context>
    <name>HealthDlg</name>
    <message>
        <source>Password Health</source>
        <translation>Passwortzustand</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Geheimnis</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>This wallet holds no password, PIN or key.</source>
        <translation>Dieses Wallet enthält kein Passwort, keine PIN und keinen Schlüssel.</translation>
    </message>
    <message>
        <source>No password of this wallet is weak, reused or empty.</source>
        <translation>Kein Passwort dieses Wallets ist schwach, mehrfach verwendet oder leer.</translation>
    </message>
    <message>
        <source>Worst first. Open an account with a double-click or Enter to change its password.</source>
        <translation>Die schlimmsten zuerst. Öffnen Sie ein Konto per Doppelklick oder Eingabetaste, um sein Passwort zu ändern.</translation>
    </message>
</context>
<context>
    <name>ImportCommands</name>
    <message>
        <source>Every format Quorril imports (%1)</source>
        <translation>Alle Formate, die Quorril importiert (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Quorril JSON (*.json)</source>
        <translation>Quorril-JSON (*.json)</translation>
    </message>
    <message>
        <source>KeePassXC CSV (*.csv)</source>
        <translation>KeePassXC-CSV (*.csv)</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Aus %1 wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: the wallet is locked.</source>
        <translation>Aus %1 wurde nichts importiert: Das Wallet ist gesperrt.</translation>
    </message>
    <message>
        <source>%1 imported from %2</source>
        <translation>%1 aus %2 importiert</translation>
    </message>
    <message>
        <source>The exported file holds every password and secret of this wallet in clear text: anyone who can read the file can read them all. Export anyway?</source>
        <translation>Die exportierte Datei enthält jedes Passwort und jedes Geheimnis dieses Wallets im Klartext: Wer die Datei lesen kann, kann sie alle lesen. Trotzdem exportieren?</translation>
    </message>
    <message>
        <source>The export could not be written to %1.</source>
        <translation>Der Export konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Every account exported to %1</source>
        <translation>Alle Konten nach %1 exportiert</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDlg</name>
    <message>
        <source>left out: %1</source>
        <translation>ausgelassen: %1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message>
        <source>Detected format</source>
        <translation>Erkanntes Format</translation>
    </message>
    <message>
        <source>Summary of the import</source>
        <translation>Zusammenfassung des Imports</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Zeilen der Datei</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>To notes</source>
        <translation>In die Notizen</translation>
    </message>
    <message>
        <source>To &quot;(more)&quot;</source>
        <translation>Nach „(more)“</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>&amp;Make &quot;(more)&quot; accounts for values with no place</source>
        <translation>„(more)“-Konten für Werte ohne Platz an&amp;legen</translation>
    </message>
    <message>
        <source>Make &quot;(more)&quot; accounts</source>
        <translation>„(more)“-Konten anlegen</translation>
    </message>
    <message>
        <source>&amp;Skip the refused rows and import the others</source>
        <translation>Abgelehnte Zeilen &amp;überspringen und die übrigen importieren</translation>
    </message>
    <message>
        <source>Skip the refused rows</source>
        <translation>Abgelehnte Zeilen überspringen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type of %1</source>
        <translation>Typ von %1</translation>
    </message>
    <message>
        <source> (renamed from &quot;%1&quot;)</source>
        <translation> (umbenannt von „%1“)</translation>
    </message>
    <message>
        <source>Double-click or press F2 to choose the type</source>
        <translation>Doppelklicken oder F2 drücken, um den Typ zu wählen</translation>
    </message>
</context>
<context>
    <name>JsonImport</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>KeyStateIndicators</name>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen-Taste</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message>
        <source>%1 taken, %2 kept twice, %3 added, %4 deleted, %5 renumbered</source>
        <translation>%1 übernommen, %2 doppelt behalten, %3 hinzugefügt, %4 gelöscht, %5 neu nummeriert</translation>
    </message>
</context>
<context>
    <name>PasswordCommands</name>
    <message>
        <source>The system refused to lock memory: the sealed wallet may be written to swap</source>
        <translation>Das System hat das Sperren des Speichers verweigert: Die versiegelte Wallet kann in den Auslagerungsspeicher geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PasswordGeneratorDlg</name>
    <message>
        <source>Generate Password</source>
        <translation>Passwort erzeugen</translation>
    </message>
    <message>
        <source>&amp;Upper case (A-Z)</source>
        <translation>&amp;Großbuchstaben (A-Z)</translation>
    </message>
    <message>
        <source>Lo&amp;wer case (a-z)</source>
        <translation>&amp;Kleinbuchstaben (a-z)</translation>
    </message>
    <message>
        <source>&amp;Digits (0-9)</source>
        <translation>&amp;Ziffern (0-9)</translation>
    </message>
    <message>
        <source>&amp;Symbols (!#%&amp;&amp;…)</source>
        <translation>&amp;Sonderzeichen (!#%&amp;&amp;…)</translation>
    </message>
    <message>
        <source>a&amp;void look-alike characters</source>
        <translation>&amp;verwechselbare Zeichen meiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;Regenerate</source>
        <translation>&amp;Neu erzeugen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>%1 bits</source>
        <translation>%1 Bit</translation>
    </message>
    <message>
        <source>Choose at least one kind of character.</source>
        <translation>Wählen Sie mindestens eine Zeichenart.</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Stärke: %1</translation>
    </message>
</context>
<context>
    <name>PasswordHealth</name>
    <message>
        <source>1 weak or reused password (View &gt; Password Health…)</source>
        <translation>1 schwaches oder mehrfach verwendetes Passwort (Ansicht &gt; Passwortzustand…)</translation>
    </message>
    <message>
        <source>%1 weak or reused passwords (View &gt; Password Health…)</source>
        <translation>%1 schwache oder mehrfach verwendete Passwörter (Ansicht &gt; Passwortzustand…)</translation>
    </message>
    <message>
        <source>breached (1 time)</source>
        <translation>kompromittiert (1 Mal)</translation>
    </message>
    <message>
        <source>breached (%1 times)</source>
        <translation>kompromittiert (%1 Mal)</translation>
    </message>
    <message>
        <source>reused (%1 places)</source>
        <translation>mehrfach verwendet (%1 Stellen)</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>schwach</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>abgelaufen</translation>
    </message>
</context>
<context>
    <name>PasswordStrength</name>
    <message>
        <source>Bad</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Dürftig</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Clear a copied value from the clip&amp;board after:</source>
        <translation>Kopierten Wert aus der &amp;Zwischenablage löschen nach:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Lock the document after this long without use:</source>
        <translation>Dokument &amp;sperren nach so langer Zeit ohne Nutzung:</translation>
    </message>
    <message>
        <source>Lock the document when the window is &amp;minimized</source>
        <translation>Dokument sperren, wenn das Fenster &amp;minimiert wird</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Copies of a wallet kept when a save replaces its file</source>
        <translation>Kopien eines Wallets, die aufbewahrt werden, wenn ein Speichern seine Datei ersetzt</translation>
    </message>
    <message>
        <source>Bac&amp;kups kept of each wallet:</source>
        <translation>&amp;Aufbewahrte Sicherungen je Wallet:</translation>
    </message>
    <message>
        <source>&amp;Encrypt new wallets</source>
        <translation>Neue Wallets &amp;verschlüsseln</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>&amp;Show secrets when a wallet opens</source>
        <translation>&amp;Geheimnisse beim Öffnen eines Wallets anzeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
</context>
<context>
    <name>RecentlyDeletedDlg</name>
    <message>
        <source>Recently Deleted</source>
        <translation>Zuletzt gelöscht</translation>
    </message>
    <message>
        <source>The accounts deleted since this wallet was opened:</source>
        <translation>Die seit dem Öffnen dieses Wallets gelöschten Konten:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Put the selected account back into the wallet</source>
        <translation>Das ausgewählte Konto wieder in das Wallet aufnehmen</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>No backup of %1 has been kept in %2.</source>
        <translation>In %2 wurde keine Sicherung von %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The copies of %1 kept before it was saved again. The one you open comes up as an untitled wallet, which you may save under a name of its own.</source>
        <translation>Die Kopien von %1, die vor einem erneuten Speichern aufbewahrt wurden. Die Kopie, die Sie öffnen, erscheint als unbenanntes Wallet, das Sie unter eigenem Namen speichern können.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>SecretClipboard</name>
    <message>
        <source>Copied.</source>
        <translation>Kopiert.</translation>
    </message>
    <message>
        <source>Copied; the clipboard clears in %1 s.</source>
        <translation>Kopiert; die Zwischenablage wird in %1 s geleert.</translation>
    </message>
</context>
<context>
    <name>SecretEdit</name>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>StrengthBar</name>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
</context>
<context>
    <name>TableAccountDialog</name>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Bank Institution:</source>
        <translation>Bankinstitut:</translation>
    </message>
    <message>
        <source>Account #:</source>
        <translation>Kontonr.:</translation>
    </message>
    <message>
        <source>Routing Number:</source>
        <translation>Bankleitzahl:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>PIN:</source>
        <translation>PIN:</translation>
    </message>
    <message>
        <source>Name On Account:</source>
        <translation>Kontoinhaber:</translation>
    </message>
    <message>
        <source>Customer Service Phone Number:</source>
        <translation>Telefonnummer des Kundendienstes:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>   - Title
</source>
        <translation>   - Titel
</translation>
    </message>
    <message>
        <source>   - Bank Institution
</source>
        <translation>   - Bankinstitut
</translation>
    </message>
    <message>
        <source>   - Name On Account
</source>
        <translation>   - Kontoinhaber
</translation>
    </message>
    <message>
        <source>   - Account Number

</source>
        <translation>   - Kontonummer

</translation>
    </message>
    <message>
        <source>Bank Account</source>
        <translation>Bankkonto</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Anbieter:</translation>
    </message>
    <message>
        <source>Access Phone Number:</source>
        <translation>Einwahlnummer:</translation>
    </message>
    <message>
        <source>Card Number:</source>
        <translation>Kartennummer:</translation>
    </message>
    <message>
        <source>Remaining Minutes:</source>
        <translation>Restminuten:</translation>
    </message>
    <message>
        <source>   - Provider
</source>
        <translation>   - Anbieter
</translation>
    </message>
    <message>
        <source>   - Access Phone
</source>
        <translation>   - Einwahlnummer
</translation>
    </message>
    <message>
        <source>   - Card Number

</source>
        <translation>   - Kartennummer

</translation>
    </message>
    <message>
        <source>Calling Card Account</source>
        <translation>Telefonkarte</translation>
    </message>
    <message>
        <source>Credit Card Provider:</source>
        <translation>Kartenanbieter:</translation>
    </message>
    <message>
        <source>APR:</source>
        <translation>Effektivzins:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Expires:</source>
        <translation>Läuft ab:</translation>
    </message>
    <message>
        <source>Name On Card:</source>
        <translation>Karteninhaber:</translation>
    </message>
    <message>
        <source>   - Name On Card
</source>
        <translation>   - Karteninhaber
</translation>
    </message>
    <message>
        <source>Credit Card Account</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>User Info:</source>
        <translation>Benutzerangaben:</translation>
    </message>
    <message>
        <source>Users:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Log In URL:</source>
        <translation>Anmelde-URL:</translation>
    </message>
    <message>
        <source>Log In ID:</source>
        <translation>Anmelde-ID:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Administrator Rights For This Account</source>
        <translation>Administratorrechte für dieses Konto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>   - Log In URL

</source>
        <translation>   - Anmelde-URL

</translation>
    </message>
    <message>
        <source>Email Account</source>
        <translation>E-Mail-Konto</translation>
    </message>
    <message>
        <source>Insurance Provider:</source>
        <translation>Versicherer:</translation>
    </message>
    <message>
        <source>Policy #:</source>
        <translation>Policennr.:</translation>
    </message>
    <message>
        <source>Item Description:</source>
        <translation>Gegenstandsbeschreibung:</translation>
    </message>
    <message>
        <source>Primary Holder Name:</source>
        <translation>Hauptversicherungsnehmer:</translation>
    </message>
    <message>
        <source>   - Holder Name
</source>
        <translation>   - Versicherungsnehmer
</translation>
    </message>
    <message>
        <source>   - Policy Number

</source>
        <translation>   - Policennummer

</translation>
    </message>
    <message>
        <source>Insurance Account</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>MI:</source>
        <translation>Init.:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>SSN:</source>
        <translation>Sozialvers.-Nr.:</translation>
    </message>
    <message>
        <source>Blood Type:</source>
        <translation>Blutgruppe:</translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>Passport #:</source>
        <translation>Reisepassnr.:</translation>
    </message>
    <message>
        <source>Driver Licence #:</source>
        <translation>Führerscheinnr.:</translation>
    </message>
    <message>
        <source>Known Allergies:</source>
        <translation>Bekannte Allergien:</translation>
    </message>
    <message>
        <source>Vaccinations:</source>
        <translation>Impfungen:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>   - First Name
</source>
        <translation>   - Vorname
</translation>
    </message>
    <message>
        <source>   - Last Name

</source>
        <translation>   - Nachname

</translation>
    </message>
    <message>
        <source>Medical Record</source>
        <translation>Krankenakte</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Model Number:</source>
        <translation>Modellnummer:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Date Purchased:</source>
        <translation>Kaufdatum:</translation>
    </message>
    <message>
        <source>Warranty Expiration:</source>
        <translation>Garantieende:</translation>
    </message>
    <message>
        <source>Store Name:</source>
        <translation>Geschäft:</translation>
    </message>
    <message>
        <source>Receipt Number:</source>
        <translation>Belegnummer:</translation>
    </message>
    <message>
        <source>Store Location:</source>
        <translation>Ort des Geschäfts:</translation>
    </message>
    <message>
        <source>   - Manufacturer
</source>
        <translation>   - Hersteller
</translation>
    </message>
    <message>
        <source>   - Description
</source>
        <translation>   - Beschreibung
</translation>
    </message>
    <message>
        <source>   - Model Or Serial #

</source>
        <translation>   - Modell- oder Seriennummer

</translation>
    </message>
    <message>
        <source>Purchased Item Record</source>
        <translation>Gekaufter Artikel</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>This Is About:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>   - This Is About
</source>
        <translation>   - Betreff
</translation>
    </message>
    <message>
        <source>   - Description

</source>
        <translation>   - Beschreibung

</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Seriennr.:</translation>
    </message>
    <message>
        <source>CD Key:</source>
        <translation>CD-Schlüssel:</translation>
    </message>
    <message>
        <source>Support Website URL:</source>
        <translation>URL der Support-Website:</translation>
    </message>
    <message>
        <source>Custormer Service Phone Number:</source>
        <translation>Telefonnummer des Kundendienstes:</translation>
    </message>
    <message>
        <source>   - Serial # Or CD Key

</source>
        <translation>   - Seriennummer oder CD-Schlüssel

</translation>
    </message>
    <message>
        <source>Software Record</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Account cannot be Created or Updated if these fields are empty:
</source>
        <translation>Das Konto kann nicht angelegt oder aktualisiert werden, wenn diese Felder leer sind:
</translation>
    </message>
    <message>
        <source>Would you like to go back and edit these?</source>
        <translation>Möchten Sie zurückgehen und sie bearbeiten?</translation>
    </message>
    <message>
        <source>Web Site URL:</source>
        <translation>Website-URL:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>UserID:</source>
        <translation>Benutzer-ID:</translation>
    </message>
    <message>
        <source>POP Server:</source>
        <translation>POP-Server:</translation>
    </message>
    <message>
        <source>SMTP Server:</source>
        <translation>SMTP-Server:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>   - Site Name
</source>
        <translation>   - Name der Website
</translation>
    </message>
    <message>
        <source>   - Site URL
</source>
        <translation>   - Website-URL
</translation>
    </message>
    <message>
        <source>   - User ID
</source>
        <translation>   - Benutzer-ID
</translation>
    </message>
    <message>
        <source>   - User Password

</source>
        <translation>   - Benutzerpasswort

</translation>
    </message>
    <message>
        <source>Web Site Account</source>
        <translation>Website-Konto</translation>
    </message>
</context>
<context>
    <name>WalletMerge</name>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
</context>
<context>
    <name>WidgetPrompts</name>
    <message>
        <source>Quorril Files (*.qrl)</source>
        <translation>Quorril-Dateien (*.qrl)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Deriving the wallet&apos;s key…</source>
        <translation>Der Schlüssel des Wallets wird abgeleitet…</translation>
    </message>
</context>
</TS>
