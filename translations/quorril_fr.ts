<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Un compte de ce type portant le même nom existe déjà !

</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; account ?</source>
        <translation>Voulez-vous vraiment supprimer le compte « %1 » ?</translation>
    </message>
</context>
<context>
    <name>AccountFields</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Log In ID:</source>
        <translation>Identifiant :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Administrator:</source>
        <translation>Administrateur :</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>Acct Type</source>
        <translation>Type de compte</translation>
    </message>
    <message>
        <source>Name On Acct</source>
        <translation>Titulaire du compte</translation>
    </message>
    <message>
        <source>Acct #</source>
        <translation>N° de compte</translation>
    </message>
    <message>
        <source>Routing #</source>
        <translation>Code banque</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>Service Phone</source>
        <translation>Tél. du service client</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Acces Phone #</source>
        <translation>N° d&apos;accès</translation>
    </message>
    <message>
        <source>Card #</source>
        <translation>N° de carte</translation>
    </message>
    <message>
        <source>Service Phone #</source>
        <translation>N° du service client</translation>
    </message>
    <message>
        <source>Remaining Minutes</source>
        <translation>Minutes restantes</translation>
    </message>
    <message>
        <source>Expiration</source>
        <translation>Expiration</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>TAEG</translation>
    </message>
    <message>
        <source>Name On Card</source>
        <translation>Titulaire de la carte</translation>
    </message>
    <message>
        <source>Log In URL</source>
        <translation>URL de connexion</translation>
    </message>
    <message>
        <source>Insurance Type</source>
        <translation>Type d&apos;assurance</translation>
    </message>
    <message>
        <source>Holder Name</source>
        <translation>Nom du titulaire</translation>
    </message>
    <message>
        <source>Item Description:</source>
        <translation>Description de l&apos;objet :</translation>
    </message>
    <message>
        <source>VIN #:</source>
        <translation>N° VIN :</translation>
    </message>
    <message>
        <source>Property Address:</source>
        <translation>Adresse du bien :</translation>
    </message>
    <message>
        <source>Beneficiary:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Child Name:</source>
        <translation>Nom de l&apos;enfant :</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>MI</source>
        <translation>Initiale</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>SSN</source>
        <translation>N° de sécurité sociale</translation>
    </message>
    <message>
        <source>Blood Type</source>
        <translation>Groupe sanguin</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Passport #</source>
        <translation>N° de passeport</translation>
    </message>
    <message>
        <source>Driver License #</source>
        <translation>N° de permis de conduire</translation>
    </message>
    <message>
        <source>Known Allergies</source>
        <translation>Allergies connues</translation>
    </message>
    <message>
        <source>Vaccinations</source>
        <translation>Vaccinations</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>User #:</source>
        <translation>Utilisateur n° :</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Model #</source>
        <translation>N° de modèle</translation>
    </message>
    <message>
        <source>Serial #</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Store Name</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>Receipt #</source>
        <translation>N° de reçu</translation>
    </message>
    <message>
        <source>Store Location</source>
        <translation>Adresse du magasin</translation>
    </message>
    <message>
        <source>Date Purchased</source>
        <translation>Date d&apos;achat</translation>
    </message>
    <message>
        <source>Warranty Expiration</source>
        <translation>Fin de garantie</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>CD Key</source>
        <translation>Clé CD</translation>
    </message>
    <message>
        <source>Support URL</source>
        <translation>URL d&apos;assistance</translation>
    </message>
    <message>
        <source>Site Name</source>
        <translation>Nom du site</translation>
    </message>
    <message>
        <source>Web Site URL</source>
        <translation>URL du site web</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>POP Server</source>
        <translation>Serveur POP</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>Serveur SMTP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
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
    <name>AccountSecrets</name>
    <message>
        <source>User Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>CD Key</source>
        <translation>Clé CD</translation>
    </message>
</context>
<context>
    <name>AccountTreeModel</name>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
</context>
<context>
    <name>AccountTypes</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>WebSite</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>WebSites</source>
        <translation>Sites web</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Credit Cards</source>
        <translation>Cartes de crédit</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Banks</source>
        <translation>Banques</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurance</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Médical</translation>
    </message>
    <message>
        <source>Calling Card</source>
        <translation>Carte téléphonique</translation>
    </message>
    <message>
        <source>Purchased Item</source>
        <translation>Article acheté</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
</context>
<context>
    <name>AutoLock</name>
    <message>
        <source>Locked after 1 minute without use</source>
        <translation>Verrouillé après 1 minute d&apos;inactivité</translation>
    </message>
    <message>
        <source>Locked after %1 minutes without use</source>
        <translation>Verrouillé après %1 minutes d&apos;inactivité</translation>
    </message>
    <message>
        <source>Locked when the screen was locked</source>
        <translation>Verrouillé au verrouillage de l&apos;écran</translation>
    </message>
    <message>
        <source>Locked when the window was minimized</source>
        <translation>Verrouillé à la réduction de la fenêtre</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>BusyWork</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quorril</source>
        <translation>À propos de Quorril</translation>
    </message>
</context>
<context>
    <name>CAccountView</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Masqué</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>CDuplicateAccountDlg</name>
    <message>
        <source>Warning - Duplicate Account</source>
        <translation>Avertissement - compte en double</translation>
    </message>
    <message>
        <source>An Account of this Type with The Same Title Already Exists!

Answer &quot;Yes&quot; to modify or Answer &quot;NO&quot; to discard changes.

Would you like to go back and change it now ?</source>
        <translation>Un compte de ce type portant le même titre existe déjà !

Répondez « Oui » pour le modifier ou « Non » pour abandonner les modifications.

Voulez-vous revenir en arrière et le modifier maintenant ?</translation>
    </message>
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
    <name>CEmailAccountDlg</name>
    <message>
        <source>Users: %1</source>
        <translation>Utilisateurs : %1</translation>
    </message>
    <message>
        <source>User cannot be created if these fields are empty:
   - User ID
   - User Password
   - User Email

Edit these fields and try again.</source>
        <translation>Impossible de créer l&apos;utilisateur si ces champs sont vides :
   - Identifiant
   - Mot de passe
   - E-mail

Remplissez ces champs et réessayez.</translation>
    </message>
    <message>
        <source>User Already Exist !</source>
        <translation>L&apos;utilisateur existe déjà !</translation>
    </message>
    <message>
        <source>User cannot be updated if these fields are empty:
   - User ID
   - User Password
   - User Email

Edit these fields and try again.</source>
        <translation>Impossible de mettre à jour l&apos;utilisateur si ces champs sont vides :
   - Identifiant
   - Mot de passe
   - E-mail

Remplissez ces champs et réessayez.</translation>
    </message>
    <message>
        <source>Are You sure you want to remove:

User:  %1
Email: %2

Continue ?</source>
        <translation>Voulez-vous vraiment supprimer :

Utilisateur : %1
E-mail : %2

Continuer ?</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Wallet format</source>
        <translation>Format du portefeuille</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Please Enter Password:</source>
        <translation>Veuillez saisir le mot de passe :</translation>
    </message>
    <message>
        <source>This program makes it easy to keep track of all your passwords and user ids, but the one password you should always remember is the one used to save this document. It should be simple for you to remember and difficult for others to guess.</source>
        <translation>Ce programme permet de garder facilement la trace de tous vos mots de passe et identifiants, mais le seul mot de passe que vous devez toujours retenir est celui qui sert à enregistrer ce document. Il doit être facile à retenir pour vous et difficile à deviner pour les autres.</translation>
    </message>
    <message>
        <source>The password used to save a document is the same password that must be used to open it.</source>
        <translation>Le mot de passe utilisé pour enregistrer un document est celui qu&apos;il faudra utiliser pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>This password is case sensitive, basically &apos;a&apos; is not the same as &apos;A&apos;, this enhances security.</source>
        <translation>Ce mot de passe respecte la casse : « a » n&apos;est pas la même chose que « A », ce qui renforce la sécurité.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Verify Password:</source>
        <translation>Confirmer le mot de passe :</translation>
    </message>
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
    <name>CQuorrilDoc</name>
    <message>
        <source>New &quot;%1&quot;</source>
        <translation>Nouveau « %1 »</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer « %1 »</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>Modifier « %1 »</translation>
    </message>
    <message>
        <source>Restore &quot;%1&quot;</source>
        <translation>Restaurer « %1 »</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Encrypt Wallet</source>
        <translation>Chiffrer le portefeuille</translation>
    </message>
    <message>
        <source>Decrypt Wallet</source>
        <translation>Déchiffrer le portefeuille</translation>
    </message>
</context>
<context>
    <name>CQuorrilView</name>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Enregistrer le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Restore &amp;Backup…</source>
        <translation>&amp;Restaurer une sauvegarde…</translation>
    </message>
    <message>
        <source>Open a copy of this wallet kept before one of its saves</source>
        <translation>Ouvrir une copie de ce portefeuille conservée avant l&apos;un de ses enregistrements</translation>
    </message>
    <message>
        <source>&amp;Merge From…</source>
        <translation>&amp;Fusionner depuis…</translation>
    </message>
    <message>
        <source>Merge another copy of this wallet into it</source>
        <translation>Fusionner une autre copie de ce portefeuille avec lui</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>Add the accounts of another program&apos;s export to this wallet</source>
        <translation>Ajouter à ce portefeuille les comptes exportés par un autre programme</translation>
    </message>
    <message>
        <source>Expo&amp;rt…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Write every account to a file, secrets in clear</source>
        <translation>Écrire tous les comptes dans un fichier, secrets en clair</translation>
    </message>
    <message>
        <source>&amp;Encrypt Wallet</source>
        <translation>&amp;Chiffrer le portefeuille</translation>
    </message>
    <message>
        <source>Encrypt the wallet with its password when it is saved</source>
        <translation>Chiffrer le portefeuille avec son mot de passe lors de son enregistrement</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>Change the settings that apply to every wallet</source>
        <translation>Modifier les réglages qui s&apos;appliquent à tous les portefeuilles</translation>
    </message>
    <message>
        <source>About Quorril...</source>
        <translation>À propos de Quorril...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change to the accounts or the password</source>
        <translation>Annuler la dernière modification des comptes ou du mot de passe</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Do again the change undone last</source>
        <translation>Refaire la dernière modification annulée</translation>
    </message>
    <message>
        <source>Recently &amp;Deleted…</source>
        <translation>&amp;Supprimés récemment…</translation>
    </message>
    <message>
        <source>List the accounts deleted since the wallet was opened</source>
        <translation>Lister les comptes supprimés depuis l&apos;ouverture du portefeuille</translation>
    </message>
    <message>
        <source>Lock Document</source>
        <translation>Verrouiller le document</translation>
    </message>
    <message>
        <source>Change Document Password</source>
        <translation>Changer le mot de passe du document</translation>
    </message>
    <message>
        <source>Unlock Document</source>
        <translation>Déverrouiller le document</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>New Email Account</source>
        <translation>Nouveau compte e-mail</translation>
    </message>
    <message>
        <source>WebSite</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>New WebSite Account</source>
        <translation>Nouveau compte de site web</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>New Bank Accont</source>
        <translation>Nouveau compte bancaire</translation>
    </message>
    <message>
        <source>New Bank Account</source>
        <translation>Nouveau compte bancaire</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurance</translation>
    </message>
    <message>
        <source>New Insurance Account</source>
        <translation>Nouvelle assurance</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>New Credit Card Account</source>
        <translation>Nouvelle carte de crédit</translation>
    </message>
    <message>
        <source>Medical Record</source>
        <translation>Dossier médical</translation>
    </message>
    <message>
        <source>New Medical Record</source>
        <translation>Nouveau dossier médical</translation>
    </message>
    <message>
        <source>Calling Card</source>
        <translation>Carte téléphonique</translation>
    </message>
    <message>
        <source>New Calling Card Account</source>
        <translation>Nouvelle carte téléphonique</translation>
    </message>
    <message>
        <source>Purchased Item</source>
        <translation>Article acheté</translation>
    </message>
    <message>
        <source>New Purchased Item Account</source>
        <translation>Nouvel article acheté</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>New Software Account</source>
        <translation>Nouveau logiciel</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>New Reference Account</source>
        <translation>Nouvelle référence</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Account Properties</source>
        <translation>Propriétés du compte</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Copy &amp;Password</source>
        <translation>Copier le mot de &amp;passe</translation>
    </message>
    <message>
        <source>Copy the account&apos;s password, PIN or key to the clipboard</source>
        <translation>Copier le mot de passe, le code PIN ou la clé du compte dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Generate Password…</source>
        <translation>&amp;Générer un mot de passe…</translation>
    </message>
    <message>
        <source>Make a strong password and copy it</source>
        <translation>Créer un mot de passe robuste et le copier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the selected value to the clipboard</source>
        <translation>Copier la valeur sélectionnée dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Show only the accounts that hold a text</source>
        <translation>N&apos;afficher que les comptes qui contiennent un texte</translation>
    </message>
    <message>
        <source>Show &amp;Secrets</source>
        <translation>Afficher les &amp;secrets</translation>
    </message>
    <message>
        <source>Show passwords, PINs and other secrets in the property list</source>
        <translation>Afficher les mots de passe, codes PIN et autres secrets dans la liste des propriétés</translation>
    </message>
    <message>
        <source>&amp;Expiring…</source>
        <translation>&amp;Expirations…</translation>
    </message>
    <message>
        <source>List the cards, policies and warranties that expire, soonest first</source>
        <translation>Lister les cartes, polices et garanties qui expirent, les plus proches d&apos;abord</translation>
    </message>
    <message>
        <source>Password &amp;Health…</source>
        <translation>É&amp;tat des mots de passe…</translation>
    </message>
    <message>
        <source>List the weak, reused and empty passwords, worst first</source>
        <translation>Lister les mots de passe faibles, réutilisés et vides, les pires d&apos;abord</translation>
    </message>
    <message>
        <source>Copy &amp;User Name</source>
        <translation>Copier le nom d&apos;&amp;utilisateur</translation>
    </message>
    <message>
        <source>Copy the name the account&apos;s owner logs in with to the clipboard</source>
        <translation>Copier dans le presse-papiers le nom avec lequel le titulaire du compte se connecte</translation>
    </message>
    <message>
        <source>&amp;Open URL</source>
        <translation>&amp;Ouvrir l&apos;URL</translation>
    </message>
    <message>
        <source>Open the account&apos;s web address in the browser</source>
        <translation>Ouvrir l&apos;adresse web du compte dans le navigateur</translation>
    </message>
</context>
<context>
    <name>ControlAdapter</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
</context>
<context>
    <name>CopyCommands</name>
    <message>
        <source>Nothing to copy.</source>
        <translation>Rien à copier.</translation>
    </message>
    <message>
        <source>Nothing to open.</source>
        <translation>Rien à ouvrir.</translation>
    </message>
    <message>
        <source>This URL is not opened: only http, https and ftp addresses with a host name are opened from a wallet.</source>
        <translation>Cette URL n&apos;est pas ouverte : seules les adresses http, https et ftp avec un nom d&apos;hôte sont ouvertes depuis un portefeuille.</translation>
    </message>
    <message>
        <source>The URL could not be opened.</source>
        <translation>L&apos;URL n&apos;a pas pu être ouverte.</translation>
    </message>
</context>
<context>
    <name>DiskChanges</name>
    <message>
        <source>Kept twice: %1 &quot;%2&quot;</source>
        <translation>Conservé en double : %1 « %2 »</translation>
    </message>
</context>
<context>
    <name>DocumentText</name>
    <message>
        <source>Invalid File Format !</source>
        <translation>Format de fichier non valide !</translation>
    </message>
    <message>
        <source>Unable To Save File !</source>
        <translation>Impossible d&apos;enregistrer le fichier !</translation>
    </message>
    <message>
        <source>You Do Not have ownership of this document !</source>
        <translation>Vous n&apos;êtes pas propriétaire de ce document !</translation>
    </message>
    <message>
        <source>Not enough memory to open it (its key derivation asks for %1 MiB).</source>
        <translation>Mémoire insuffisante pour l&apos;ouvrir (sa dérivation de clé demande %1 Mio).</translation>
    </message>
    <message>
        <source>%1 passes over %2 %3 to open (about %4 s)</source>
        <translation>%1 passes sur %2 %3 pour l&apos;ouvrir (environ %4 s)</translation>
    </message>
    <message>
        <source>This wallet asks for %1, more than %2 times what Quorril writes; a damaged or forged header may ask so much.</source>
        <translation>Ce portefeuille demande %1, plus de %2 fois ce qu&apos;écrit Quorril ; un en-tête endommagé ou falsifié peut demander autant.</translation>
    </message>
    <message>
        <source>Anyone who has the file can read every account and the password, without knowing it.</source>
        <translation>Quiconque possède le fichier peut lire tous les comptes et le mot de passe, sans le connaître.</translation>
    </message>
    <message>
        <source>This password is easy to guess (graded below Good). An encrypted wallet is only as safe as its password: anyone who has the file can try likely passwords one after another.

Use it anyway?</source>
        <translation>Ce mot de passe est facile à deviner (noté en dessous de « Bon »). Un portefeuille chiffré n&apos;est pas plus sûr que son mot de passe : quiconque possède le fichier peut essayer les mots de passe probables l&apos;un après l&apos;autre.

L&apos;utiliser quand même ?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>Impossible d&apos;enregistrer %1 : %2.</translation>
    </message>
    <message>
        <source>Saved, but the previous file was not kept as a backup: %1.</source>
        <translation>Enregistré, mais le fichier précédent n&apos;a pas été conservé comme sauvegarde : %1.</translation>
    </message>
    <message>
        <source>Password Must Not Be Empty !</source>
        <translation>Le mot de passe ne doit pas être vide !</translation>
    </message>
    <message>
        <source>Password And Verify Password Must Be Identical !</source>
        <translation>Le mot de passe et sa confirmation doivent être identiques !</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds the character %2, which cannot be stored in a Quorril file.

Remove it and try again.</source>
        <translation>Le champ « %1 » contient le caractère %2, qui ne peut pas être enregistré dans un fichier Quorril.

Supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>The password holds the character %1, which cannot be stored in a Quorril file.

Choose another password.</source>
        <translation>Le mot de passe contient le caractère %1, qui ne peut pas être enregistré dans un fichier Quorril.

Choisissez un autre mot de passe.</translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation>Rechargé : modifié sur le disque</translation>
    </message>
    <message>
        <source>Merged changes on disk: </source>
        <translation>Modifications sur le disque fusionnées : </translation>
    </message>
    <message>
        <source>Changed on disk: the changes are taken in when the wallet is unlocked</source>
        <translation>Modifié sur le disque : les modifications seront reprises au déverrouillage du portefeuille</translation>
    </message>
    <message>
        <source>%1 was deleted or moved away. The wallet stays open here; save it to keep it.</source>
        <translation>%1 a été supprimé ou déplacé. Le portefeuille reste ouvert ici ; enregistrez-le pour le garder.</translation>
    </message>
    <message>
        <source>%1 changed on disk, but the new file could not be opened. Your wallet is unchanged.</source>
        <translation>%1 a été modifié sur le disque, mais le nouveau fichier n&apos;a pas pu être ouvert. Votre portefeuille est inchangé.</translation>
    </message>
    <message>
        <source>%1 changed on disk and the change could not be merged: nothing was saved, so that nothing is written over it. Use Save As to keep your wallet in another file.</source>
        <translation>%1 a été modifié sur le disque et la modification n&apos;a pas pu être fusionnée : rien n&apos;a été enregistré, afin que rien ne soit écrasé. Utilisez « Enregistrer sous » pour garder votre portefeuille dans un autre fichier.</translation>
    </message>
    <message>
        <source>Merged %1: %2</source>
        <translation>%1 fusionné : %2</translation>
    </message>
    <message>
        <source>A conflicting copy of this wallet was found: %1. Merge it now?</source>
        <translation>Une copie en conflit de ce portefeuille a été trouvée : %1. La fusionner maintenant ?</translation>
    </message>
    <message>
        <source>This wallet asks for %1. Open it?</source>
        <translation>Ce portefeuille demande %1. L&apos;ouvrir ?</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>An Account of this Type with The Same Name Already Exist !

</source>
        <translation>Un compte de ce type portant le même nom existe déjà !

</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>Undo or Redo, then the name of the step</comment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>EncryptionCommands</name>
    <message>
        <source>Choose a new password for the encrypted wallet?

Every classic copy of this wallet (backups, sync history, the file as it is now) holds its present password in a form anyone can read, and that password would open the encrypted wallet too.

Yes chooses a new password; No keeps the present one, which is weaker.</source>
        <translation>Choisir un nouveau mot de passe pour le portefeuille chiffré ?

Chaque copie classique de ce portefeuille (sauvegardes, historique de synchronisation, le fichier tel qu&apos;il est maintenant) contient son mot de passe actuel sous une forme que tout le monde peut lire, et ce mot de passe ouvrirait aussi le portefeuille chiffré.

Oui choisit un nouveau mot de passe ; Non garde l&apos;actuel, ce qui est moins sûr.</translation>
    </message>
    <message>
        <source>Save as a classic wallet?</source>
        <translation>Enregistrer comme portefeuille classique ?</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Chiffré</translation>
    </message>
    <message>
        <source>Not Encrypted</source>
        <translation>Non chiffré</translation>
    </message>
    <message>
        <source>%1 at next save</source>
        <translation>%1 au prochain enregistrement</translation>
    </message>
</context>
<context>
    <name>ExpiringDlg</name>
    <message>
        <source>Expiring</source>
        <translation>Expirations</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Expiring items</source>
        <translation>Éléments qui expirent</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The document is locked: unlock it to see what expires.</source>
        <translation>Le document est verrouillé : déverrouillez-le pour voir ce qui expire.</translation>
    </message>
    <message>
        <source>No card, policy or warranty of this wallet has an expiry date.</source>
        <translation>Aucune carte, police ou garantie de ce portefeuille n&apos;a de date d&apos;expiration.</translation>
    </message>
    <message>
        <source>%1 marks what has expired or expires within %2 days.</source>
        <translation>%1 signale ce qui a expiré ou expire dans les %2 jours.</translation>
    </message>
</context>
<context>
    <name>ExpiringItems</name>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>dans 1 jour</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>dans %1 jours</translation>
    </message>
    <message>
        <source>expired 1 day ago</source>
        <translation>expiré depuis 1 jour</translation>
    </message>
    <message>
        <source>expired %1 days ago</source>
        <translation>expiré depuis %1 jours</translation>
    </message>
    <message>
        <source>1 item has expired</source>
        <translation>1 élément a expiré</translation>
    </message>
    <message>
        <source>%1 items have expired</source>
        <translation>%1 éléments ont expiré</translation>
    </message>
    <message>
        <source>1 item expires within %1 days</source>
        <translation>1 élément expire dans les %1 jours</translation>
    </message>
    <message>
        <source>%1 items expire within %2 days</source>
        <translation>%1 éléments expirent dans les %2 jours</translation>
    </message>
    <message>
        <source>1 expires within %1 days</source>
        <translation>1 expire dans les %1 jours</translation>
    </message>
    <message>
        <source>%1 expire within %2 days</source>
        <translation>%1 expirent dans les %2 jours</translation>
    </message>
    <message>
        <source> (View &gt; Expiring…)</source>
        <translation> (Affichage &gt; Expirations…)</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>Is a directory</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>FileSession</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>a character that cannot be stored (%1)</source>
        <translation>un caractère qui ne peut pas être enregistré (%1)</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear the find text</source>
        <translation>Effacer le texte recherché</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Rechercher (Ctrl+F)</translation>
    </message>
</context>
<context>
    <name>HealthDlg</name>
    <message>
        <source>Password Health</source>
        <translation>État des mots de passe</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>This wallet holds no password, PIN or key.</source>
        <translation>Ce portefeuille ne contient aucun mot de passe, code PIN ou clé.</translation>
    </message>
    <message>
        <source>No password of this wallet is weak, reused or empty.</source>
        <translation>Aucun mot de passe de ce portefeuille n&apos;est faible, réutilisé ou vide.</translation>
    </message>
    <message>
        <source>Worst first. Open an account with a double-click or Enter to change its password.</source>
        <translation>Les pires d&apos;abord. Ouvrez un compte par un double-clic ou Entrée pour changer son mot de passe.</translation>
    </message>
</context>
<context>
    <name>ImportCommands</name>
    <message>
        <source>Every format Quorril imports (%1)</source>
        <translation>Tous les formats que Quorril importe (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
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
        <translation>Rien n&apos;a été importé depuis %1.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: the wallet is locked.</source>
        <translation>Rien n&apos;a été importé depuis %1 : le portefeuille est verrouillé.</translation>
    </message>
    <message>
        <source>%1 imported from %2</source>
        <translation>%1 importé(s) depuis %2</translation>
    </message>
    <message>
        <source>The exported file holds every password and secret of this wallet in clear text: anyone who can read the file can read them all. Export anyway?</source>
        <translation>Le fichier exporté contient tous les mots de passe et secrets de ce portefeuille en clair : quiconque peut lire le fichier peut tous les lire. Exporter quand même ?</translation>
    </message>
    <message>
        <source>The export could not be written to %1.</source>
        <translation>L&apos;exportation n&apos;a pas pu être écrite dans %1.</translation>
    </message>
    <message>
        <source>Every account exported to %1</source>
        <translation>Tous les comptes exportés dans %1</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDlg</name>
    <message>
        <source>left out: %1</source>
        <translation>laissé de côté : %1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Format : %1</translation>
    </message>
    <message>
        <source>Detected format</source>
        <translation>Format détecté</translation>
    </message>
    <message>
        <source>Summary of the import</source>
        <translation>Résumé de l&apos;importation</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Lignes du fichier</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>To notes</source>
        <translation>Vers les notes</translation>
    </message>
    <message>
        <source>To &quot;(more)&quot;</source>
        <translation>Vers « (more) »</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>&amp;Make &quot;(more)&quot; accounts for values with no place</source>
        <translation>&amp;Créer des comptes « (more) » pour les valeurs sans place</translation>
    </message>
    <message>
        <source>Make &quot;(more)&quot; accounts</source>
        <translation>Créer des comptes « (more) »</translation>
    </message>
    <message>
        <source>&amp;Skip the refused rows and import the others</source>
        <translation>&amp;Sauter les lignes refusées et importer les autres</translation>
    </message>
    <message>
        <source>Skip the refused rows</source>
        <translation>Sauter les lignes refusées</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type of %1</source>
        <translation>Type de %1</translation>
    </message>
    <message>
        <source> (renamed from &quot;%1&quot;)</source>
        <translation> (renommé depuis « %1 »)</translation>
    </message>
    <message>
        <source>Double-click or press F2 to choose the type</source>
        <translation>Double-cliquez ou appuyez sur F2 pour choisir le type</translation>
    </message>
</context>
<context>
    <name>JsonImport</name>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
</context>
<context>
    <name>KeyStateIndicators</name>
    <message>
        <source>Caps Lock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil</translation>
    </message>
</context>
<context>
    <name>MergeReport</name>
    <message>
        <source>%1 taken, %2 kept twice, %3 added, %4 deleted, %5 renumbered</source>
        <translation>%1 repris, %2 conservés en double, %3 ajoutés, %4 supprimés, %5 renumérotés</translation>
    </message>
</context>
<context>
    <name>PasswordCommands</name>
    <message>
        <source>The system refused to lock memory: the sealed wallet may be written to swap</source>
        <translation>Le système a refusé de verrouiller la mémoire : le portefeuille scellé peut être écrit dans l&apos;espace d&apos;échange</translation>
    </message>
</context>
<context>
    <name>PasswordGeneratorDlg</name>
    <message>
        <source>Generate Password</source>
        <translation>Générer un mot de passe</translation>
    </message>
    <message>
        <source>&amp;Upper case (A-Z)</source>
        <translation>&amp;Majuscules (A-Z)</translation>
    </message>
    <message>
        <source>Lo&amp;wer case (a-z)</source>
        <translation>Min&amp;uscules (a-z)</translation>
    </message>
    <message>
        <source>&amp;Digits (0-9)</source>
        <translation>&amp;Chiffres (0-9)</translation>
    </message>
    <message>
        <source>&amp;Symbols (!#%&amp;&amp;…)</source>
        <translation>S&amp;ymboles (!#%&amp;&amp;…)</translation>
    </message>
    <message>
        <source>a&amp;void look-alike characters</source>
        <translation>é&amp;viter les caractères qui se ressemblent</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>&amp;Regenerate</source>
        <translation>&amp;Régénérer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Length:</source>
        <translation>&amp;Longueur :</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caractères :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Robustesse :</translation>
    </message>
    <message>
        <source>%1 bits</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>Choose at least one kind of character.</source>
        <translation>Choisissez au moins un type de caractère.</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Robustesse : %1</translation>
    </message>
</context>
<context>
    <name>PasswordHealth</name>
    <message>
        <source>1 weak or reused password (View &gt; Password Health…)</source>
        <translation>1 mot de passe faible ou réutilisé (Affichage &gt; État des mots de passe…)</translation>
    </message>
    <message>
        <source>%1 weak or reused passwords (View &gt; Password Health…)</source>
        <translation>%1 mots de passe faibles ou réutilisés (Affichage &gt; État des mots de passe…)</translation>
    </message>
    <message>
        <source>breached (1 time)</source>
        <translation>divulgué (1 fois)</translation>
    </message>
    <message>
        <source>breached (%1 times)</source>
        <translation>divulgué (%1 fois)</translation>
    </message>
    <message>
        <source>reused (%1 places)</source>
        <translation>réutilisé (%1 endroits)</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>expiré</translation>
    </message>
</context>
<context>
    <name>PasswordStrength</name>
    <message>
        <source>Bad</source>
        <translation>Mauvais</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Médiocre</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Clear a copied value from the clip&amp;board after:</source>
        <translation>Effacer une valeur copiée du &amp;presse-papiers après :</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Lock the document after this long without use:</source>
        <translation>&amp;Verrouiller le document après cette durée d&apos;inactivité :</translation>
    </message>
    <message>
        <source>Lock the document when the window is &amp;minimized</source>
        <translation>Verrouiller le document quand la fenêtre est &amp;réduite</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Copies of a wallet kept when a save replaces its file</source>
        <translation>Copies d&apos;un portefeuille conservées quand un enregistrement remplace son fichier</translation>
    </message>
    <message>
        <source>Bac&amp;kups kept of each wallet:</source>
        <translation>&amp;Sauvegardes conservées par portefeuille :</translation>
    </message>
    <message>
        <source>&amp;Encrypt new wallets</source>
        <translation>&amp;Chiffrer les nouveaux portefeuilles</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>&amp;Show secrets when a wallet opens</source>
        <translation>&amp;Afficher les secrets à l&apos;ouverture d&apos;un portefeuille</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>RecentlyDeletedDlg</name>
    <message>
        <source>Recently Deleted</source>
        <translation>Supprimés récemment</translation>
    </message>
    <message>
        <source>The accounts deleted since this wallet was opened:</source>
        <translation>Les comptes supprimés depuis l&apos;ouverture de ce portefeuille :</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Put the selected account back into the wallet</source>
        <translation>Remettre le compte sélectionné dans le portefeuille</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>No backup of %1 has been kept in %2.</source>
        <translation>Aucune sauvegarde de %1 n&apos;a été conservée dans %2.</translation>
    </message>
    <message>
        <source>The copies of %1 kept before it was saved again. The one you open comes up as an untitled wallet, which you may save under a name of its own.</source>
        <translation>Les copies de %1 conservées avant qu&apos;il soit de nouveau enregistré. Celle que vous ouvrez apparaît comme un portefeuille sans titre, que vous pouvez enregistrer sous un nom qui lui est propre.</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
</context>
<context>
    <name>SecretClipboard</name>
    <message>
        <source>Copied.</source>
        <translation>Copié.</translation>
    </message>
    <message>
        <source>Copied; the clipboard clears in %1 s.</source>
        <translation>Copié ; le presse-papiers sera vidé dans %1 s.</translation>
    </message>
</context>
<context>
    <name>SecretEdit</name>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>StrengthBar</name>
    <message>
        <source>Strength</source>
        <translation>Robustesse</translation>
    </message>
</context>
<context>
    <name>TableAccountDialog</name>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Bank Institution:</source>
        <translation>Établissement bancaire :</translation>
    </message>
    <message>
        <source>Account #:</source>
        <translation>N° de compte :</translation>
    </message>
    <message>
        <source>Routing Number:</source>
        <translation>Code banque :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>PIN:</source>
        <translation>Code PIN :</translation>
    </message>
    <message>
        <source>Name On Account:</source>
        <translation>Titulaire du compte :</translation>
    </message>
    <message>
        <source>Customer Service Phone Number:</source>
        <translation>Téléphone du service client :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>   - Title
</source>
        <translation>   - Titre
</translation>
    </message>
    <message>
        <source>   - Bank Institution
</source>
        <translation>   - Établissement bancaire
</translation>
    </message>
    <message>
        <source>   - Name On Account
</source>
        <translation>   - Titulaire du compte
</translation>
    </message>
    <message>
        <source>   - Account Number

</source>
        <translation>   - Numéro de compte

</translation>
    </message>
    <message>
        <source>Bank Account</source>
        <translation>Compte bancaire</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Fournisseur :</translation>
    </message>
    <message>
        <source>Access Phone Number:</source>
        <translation>Numéro d&apos;accès :</translation>
    </message>
    <message>
        <source>Card Number:</source>
        <translation>Numéro de carte :</translation>
    </message>
    <message>
        <source>Remaining Minutes:</source>
        <translation>Minutes restantes :</translation>
    </message>
    <message>
        <source>   - Provider
</source>
        <translation>   - Fournisseur
</translation>
    </message>
    <message>
        <source>   - Access Phone
</source>
        <translation>   - Numéro d&apos;accès
</translation>
    </message>
    <message>
        <source>   - Card Number

</source>
        <translation>   - Numéro de carte

</translation>
    </message>
    <message>
        <source>Calling Card Account</source>
        <translation>Carte téléphonique</translation>
    </message>
    <message>
        <source>Credit Card Provider:</source>
        <translation>Émetteur de la carte :</translation>
    </message>
    <message>
        <source>APR:</source>
        <translation>TAEG :</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Expires:</source>
        <translation>Expire le :</translation>
    </message>
    <message>
        <source>Name On Card:</source>
        <translation>Titulaire de la carte :</translation>
    </message>
    <message>
        <source>   - Name On Card
</source>
        <translation>   - Titulaire de la carte
</translation>
    </message>
    <message>
        <source>Credit Card Account</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>User Info:</source>
        <translation>Informations utilisateur :</translation>
    </message>
    <message>
        <source>Users:</source>
        <translation>Utilisateurs :</translation>
    </message>
    <message>
        <source>Log In URL:</source>
        <translation>URL de connexion :</translation>
    </message>
    <message>
        <source>Log In ID:</source>
        <translation>Identifiant :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Administrator Rights For This Account</source>
        <translation>Droits d&apos;administrateur pour ce compte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>   - Log In URL

</source>
        <translation>   - URL de connexion

</translation>
    </message>
    <message>
        <source>Email Account</source>
        <translation>Compte e-mail</translation>
    </message>
    <message>
        <source>Insurance Provider:</source>
        <translation>Assureur :</translation>
    </message>
    <message>
        <source>Policy #:</source>
        <translation>N° de police :</translation>
    </message>
    <message>
        <source>Item Description:</source>
        <translation>Description de l&apos;objet :</translation>
    </message>
    <message>
        <source>Primary Holder Name:</source>
        <translation>Titulaire principal :</translation>
    </message>
    <message>
        <source>   - Holder Name
</source>
        <translation>   - Nom du titulaire
</translation>
    </message>
    <message>
        <source>   - Policy Number

</source>
        <translation>   - Numéro de police

</translation>
    </message>
    <message>
        <source>Insurance Account</source>
        <translation>Assurance</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>MI:</source>
        <translation>Init. :</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>SSN:</source>
        <translation>N° SS :</translation>
    </message>
    <message>
        <source>Blood Type:</source>
        <translation>Gr. sanguin :</translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <translation>Naissance :</translation>
    </message>
    <message>
        <source>Passport #:</source>
        <translation>N° de passeport :</translation>
    </message>
    <message>
        <source>Driver Licence #:</source>
        <translation>N° de permis de conduire :</translation>
    </message>
    <message>
        <source>Known Allergies:</source>
        <translation>Allergies connues :</translation>
    </message>
    <message>
        <source>Vaccinations:</source>
        <translation>Vaccinations :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>   - First Name
</source>
        <translation>   - Prénom
</translation>
    </message>
    <message>
        <source>   - Last Name

</source>
        <translation>   - Nom

</translation>
    </message>
    <message>
        <source>Medical Record</source>
        <translation>Dossier médical</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricant :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Model Number:</source>
        <translation>Numéro de modèle :</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série :</translation>
    </message>
    <message>
        <source>Date Purchased:</source>
        <translation>Date d&apos;achat :</translation>
    </message>
    <message>
        <source>Warranty Expiration:</source>
        <translation>Fin de garantie :</translation>
    </message>
    <message>
        <source>Store Name:</source>
        <translation>Magasin :</translation>
    </message>
    <message>
        <source>Receipt Number:</source>
        <translation>Numéro de reçu :</translation>
    </message>
    <message>
        <source>Store Location:</source>
        <translation>Adresse du magasin :</translation>
    </message>
    <message>
        <source>   - Manufacturer
</source>
        <translation>   - Fabricant
</translation>
    </message>
    <message>
        <source>   - Description
</source>
        <translation>   - Description
</translation>
    </message>
    <message>
        <source>   - Model Or Serial #

</source>
        <translation>   - Numéro de modèle ou de série

</translation>
    </message>
    <message>
        <source>Purchased Item Record</source>
        <translation>Article acheté</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>This Is About:</source>
        <translation>Objet :</translation>
    </message>
    <message>
        <source>   - This Is About
</source>
        <translation>   - Objet
</translation>
    </message>
    <message>
        <source>   - Description

</source>
        <translation>   - Description

</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N° de série :</translation>
    </message>
    <message>
        <source>CD Key:</source>
        <translation>Clé CD :</translation>
    </message>
    <message>
        <source>Support Website URL:</source>
        <translation>URL du site d&apos;assistance :</translation>
    </message>
    <message>
        <source>Custormer Service Phone Number:</source>
        <translation>Téléphone du service client :</translation>
    </message>
    <message>
        <source>   - Serial # Or CD Key

</source>
        <translation>   - Numéro de série ou clé CD

</translation>
    </message>
    <message>
        <source>Software Record</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>Account cannot be Created or Updated if these fields are empty:
</source>
        <translation>Impossible de créer ou de mettre à jour le compte si ces champs sont vides :
</translation>
    </message>
    <message>
        <source>Would you like to go back and edit these?</source>
        <translation>Voulez-vous revenir en arrière et les modifier ?</translation>
    </message>
    <message>
        <source>Web Site URL:</source>
        <translation>URL du site web :</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL :</translation>
    </message>
    <message>
        <source>UserID:</source>
        <translation>Identifiant :</translation>
    </message>
    <message>
        <source>POP Server:</source>
        <translation>Serveur POP :</translation>
    </message>
    <message>
        <source>SMTP Server:</source>
        <translation>Serveur SMTP :</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>   - Site Name
</source>
        <translation>   - Nom du site
</translation>
    </message>
    <message>
        <source>   - Site URL
</source>
        <translation>   - URL du site
</translation>
    </message>
    <message>
        <source>   - User ID
</source>
        <translation>   - Identifiant
</translation>
    </message>
    <message>
        <source>   - User Password

</source>
        <translation>   - Mot de passe

</translation>
    </message>
    <message>
        <source>Web Site Account</source>
        <translation>Compte de site web</translation>
    </message>
</context>
<context>
    <name>WalletMerge</name>
    <message>
        <source>Merge</source>
        <translation>Fusion</translation>
    </message>
</context>
<context>
    <name>WidgetPrompts</name>
    <message>
        <source>Quorril Files (*.qrl)</source>
        <translation>Fichiers Quorril (*.qrl)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>Deriving the wallet&apos;s key…</source>
        <translation>Dérivation de la clé du portefeuille…</translation>
    </message>
</context>
</TS>
