<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>lullara</name>
    <message>
        <source>%1 is not in the US name data: since 1880 it has been given to fewer than 5 boys and fewer than 5 girls in every year.</source>
        <translation>%1 n&apos;est pas dans les données des prénoms américains : depuis 1880, il a été donné chaque année à moins de 5 garçons et moins de 5 filles.</translation>
    </message>
    <message>
        <source>%1 is not a list saved by Lullara.

Expected a text file or an HTML page written by &quot;Save All As...&quot; or &quot;Save Selected As...&quot;: the names one to a line, then a line of full stops, the number of names (&quot;12 names&quot;) and &quot;Created with Lullara v.2.0&quot;.</source>
        <translation>%1 n&apos;est pas une liste enregistrée par Lullara.

Attendu : un fichier texte ou une page HTML écrits par « Tout enregistrer... » ou « Enregistrer la sélection... » : les noms un par ligne, puis une ligne de points, le nombre de noms (« 12 names ») et « Created with Lullara v.2.0 ».</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Le fichier %1 est introuvable.</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The file %1 is too large (more than %2 MiB) for a list saved by Lullara.</source>
        <translation>Le fichier %1 est trop grand (plus de %2 Mio) pour une liste enregistrée par Lullara.</translation>
    </message>
    <message>
        <source>It is not UTF-8 text.</source>
        <translation>Ce n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>It does not end with a complete line.</source>
        <translation>Il ne se termine pas par une ligne complète.</translation>
    </message>
    <message>
        <source>It is not a list kept by Lullara (its first line is not &quot;%1&quot;).</source>
        <translation>Ce n&apos;est pas une liste conservée par Lullara (sa première ligne n&apos;est pas « %1 »).</translation>
    </message>
    <message>
        <source>It was kept in another format (&quot;%1&quot;); this version of Lullara reads &quot;%2&quot;.</source>
        <translation>Elle a été conservée dans un autre format (« %1 ») ; cette version de Lullara lit « %2 ».</translation>
    </message>
    <message>
        <source>It is incomplete: its last line does not give the number of its rows.</source>
        <translation>Elle est incomplète : sa dernière ligne ne donne pas le nombre de ses lignes.</translation>
    </message>
    <message>
        <source>Its line %1 is damaged.</source>
        <translation>Sa ligne %1 est endommagée.</translation>
    </message>
    <message>
        <source>The list could not be kept in %1: %2</source>
        <translation>La liste n&apos;a pas pu être conservée dans %1 : %2</translation>
    </message>
    <message>
        <source>Its folder cannot be made.</source>
        <translation>Son dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The kept list %1 cannot be read: %2</source>
        <translation>La liste conservée %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Il est trop grand.</translation>
    </message>
</context>
<context>
    <name>lullara::AboutWindow</name>
    <message>
        <source>Author: The Quorvel team</source>
        <translation>Auteur : l&apos;équipe Quorvel</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>March 2005</source>
        <translation>Mars 2005</translation>
    </message>
    <message>
        <source>Please report bugs to my email.     </source>
        <extracomment>Keep the five spaces at the end</extracomment>
        <translation>Signalez les bogues à mon e-mail.     </translation>
    </message>
    <message>
        <source>Let me know how you think about it!</source>
        <translation>Dites-moi ce que vous en pensez !</translation>
    </message>
    <message>
        <source>Comments and suggestions are welcomed.</source>
        <translation>Remarques et suggestions bienvenues.</translation>
    </message>
    <message>
        <source>With the all best wishes! ;)</source>
        <translation>Avec mes meilleurs vœux ! ;)</translation>
    </message>
    <message>
        <source>About Lullara</source>
        <translation>À propos de Lullara</translation>
    </message>
    <message>
        <source>Who made Lullara and how to reach them</source>
        <translation>Qui a fait Lullara et comment les joindre</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Bannière</translation>
    </message>
    <message>
        <source>Press and drag to move the window</source>
        <translation>Appuyer et glisser pour déplacer la fenêtre</translation>
    </message>
    <message>
        <source>Rule under the banner</source>
        <translation>Trait sous la bannière</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Ferme la fenêtre À propos</translation>
    </message>
    <message>
        <source>About text</source>
        <translation>Texte À propos</translation>
    </message>
    <message>
        <source>Author, e-mail address, web site and greetings</source>
        <translation>Auteur, adresse e-mail, site web et salutations</translation>
    </message>
    <message>
        <source>a product by:</source>
        <comment>78 pixels wide, in a tiny font</comment>
        <translation>un produit de :</translation>
    </message>
    <message>
        <source>Open the Quorvel web site</source>
        <translation>Ouvre le site web de Quorvel</translation>
    </message>
</context>
<context>
    <name>lullara::BirthsChart</name>
    <message>
        <source>Boys</source>
        <translation>Garçons</translation>
    </message>
    <message>
        <source>Girls</source>
        <translation>Filles</translation>
    </message>
</context>
<context>
    <name>lullara::ComparisonWindow</name>
    <message>
        <source>1 name</source>
        <translation>1 nom</translation>
    </message>
    <message>
        <source>%1 names</source>
        <translation>%1 noms</translation>
    </message>
    <message>
        <source>Names on both lists</source>
        <translation>Noms sur les deux listes</translation>
    </message>
    <message>
        <source>This list: %1</source>
        <translation>Cette liste : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>No name is on both lists.</source>
        <translation>Aucun nom n&apos;est sur les deux listes.</translation>
    </message>
    <message>
        <source>On both lists: %1</source>
        <translation>Sur les deux listes : %1</translation>
    </message>
    <message>
        <source>&amp;Tick these here</source>
        <translation>&amp;Cocher ici</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>lullara::ExecuteLink</name>
    <message>
        <source>error Opening Link to %1</source>
        <extracomment>Text of the box about a link that could not be opened; %1 is the link</extracomment>
        <translation>erreur à l&apos;ouverture du lien %1</translation>
    </message>
</context>
<context>
    <name>lullara::Lottery</name>
    <message>
        <source>Invalid property array index</source>
        <translation>Index de tableau de propriétés non valide</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>status text</comment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>the pause button after a resume; 73 pixels wide</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused...</source>
        <comment>status text, blinking while paused</comment>
        <translation>En pause...</translation>
    </message>
    <message>
        <source>%1 Names Added, Analyzing...</source>
        <comment>status text during a run</comment>
        <translation>%1 noms ajoutés, analyse...</translation>
    </message>
    <message>
        <source>To draw each name once, the boys name list needs %1 different names besides its first entry, which is never drawn; it has %2.</source>
        <translation>Pour tirer chaque nom une seule fois, la liste des garçons doit avoir %1 noms différents en plus de sa première entrée, jamais tirée ; elle en a %2.</translation>
    </message>
    <message>
        <source>To draw each name once, the girls name list needs %1 different names besides its first entry, which is never drawn; it has %2.</source>
        <translation>Pour tirer chaque nom une seule fois, la liste des filles doit avoir %1 noms différents en plus de sa première entrée, jamais tirée ; elle en a %2.</translation>
    </message>
    <message>
        <source>The boys name list must contain at least %1 items to continue.</source>
        <translation>La liste des garçons doit contenir au moins %1 noms pour continuer.</translation>
    </message>
    <message>
        <source>The girls name list must contain at least %1 items to continue.</source>
        <translation>La liste des filles doit contenir au moins %1 noms pour continuer.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Finished. %1 names added successfully.</source>
        <translation>Terminé. %1 noms ajoutés avec succès.</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>the pause button while paused; 73 pixels wide</comment>
        <translation>Reprise</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>title of a message box</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>There are no names in the Boys name list.</source>
        <translation>La liste des garçons ne contient aucun nom.</translation>
    </message>
    <message>
        <source>There are no names in the Girls name list.</source>
        <translation>La liste des filles ne contient aucun nom.</translation>
    </message>
    <message>
        <source>error %1</source>
        <extracomment>Title of the box about a failed draw; %1 is the failure&apos;s number</extracomment>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <extracomment>Said by a screen reader for each name a run adds: the name, the number of names in the list, the number the run creates (&quot;Olivia, 3 of 5&quot;)</extracomment>
        <translation>%1, %2 sur %3</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <comment>the pause button before the first pause; 73 pixels wide</comment>
        <translation>Pa&amp;use</translation>
    </message>
</context>
<context>
    <name>lullara::MainWindow</name>
    <message>
        <source>Lullara v%1</source>
        <extracomment>Window caption; %1 is the version, 2.0</extracomment>
        <translation>Lullara v%1</translation>
    </message>
    <message>
        <source>About Lullara</source>
        <translation>À propos de Lullara</translation>
    </message>
    <message>
        <source>Opens the About window</source>
        <translation>Ouvre la fenêtre À propos</translation>
    </message>
    <message>
        <source>Lottery announcements</source>
        <translation>Annonces du tirage</translation>
    </message>
    <message>
        <source>Says each name a run adds, and when the run ends</source>
        <translation>Annonce chaque nom tiré, et la fin du tirage</translation>
    </message>
    <message>
        <source>Boys&apos; names</source>
        <translation>Prénoms de garçons</translation>
    </message>
    <message>
        <source>Girls&apos; names</source>
        <translation>Prénoms de filles</translation>
    </message>
    <message>
        <source>List of boys&apos; names</source>
        <translation>Liste des prénoms de garçons</translation>
    </message>
    <message>
        <source>Chosen boys&apos; name</source>
        <translation>Prénom de garçon choisi</translation>
    </message>
    <message>
        <source>List of girls&apos; names</source>
        <translation>Liste des prénoms de filles</translation>
    </message>
    <message>
        <source>Chosen girls&apos; name</source>
        <translation>Prénom de fille choisi</translation>
    </message>
    <message>
        <source>BOY</source>
        <comment>the boys&apos; option, 57 pixels wide</comment>
        <translation>FILS</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Garçon</translation>
    </message>
    <message>
        <source>Draw names from the boys&apos; list</source>
        <translation>Tire les noms de la liste des garçons</translation>
    </message>
    <message>
        <source>GiRL</source>
        <comment>the girls&apos; option, 63 pixels wide; the small i is on purpose</comment>
        <translation>FiLLE</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Fille</translation>
    </message>
    <message>
        <source>Draw names from the girls&apos; list</source>
        <translation>Tire les noms de la liste des filles</translation>
    </message>
    <message>
        <source>.add</source>
        <comment>adds the chosen name by hand; 33 pixels wide</comment>
        <translation>.ajout</translation>
    </message>
    <message>
        <source>Add boy&apos;s name</source>
        <translation>Ajouter le prénom de garçon</translation>
    </message>
    <message>
        <source>Adds the chosen boy&apos;s name to the generated list</source>
        <translation>Ajoute le prénom de garçon choisi à la liste</translation>
    </message>
    <message>
        <source>Add girl&apos;s name</source>
        <translation>Ajouter le prénom de fille</translation>
    </message>
    <message>
        <source>Adds the chosen girl&apos;s name to the generated list</source>
        <translation>Ajoute le prénom de fille choisi à la liste</translation>
    </message>
    <message>
        <source>Drawn number</source>
        <translation>Numéro tiré</translation>
    </message>
    <message>
        <source>Drawn name</source>
        <translation>Nom tiré</translation>
    </message>
    <message>
        <source>Create names:</source>
        <comment>label of the number of names a run creates; ends left of the selector at x 329</comment>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Timer interval:</source>
        <comment>label of the seconds between two names; ends left of the selector at x 329</comment>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <source>Create names</source>
        <translation>Nombre de noms</translation>
    </message>
    <message>
        <source>How many names a run creates</source>
        <translation>Combien de noms un tirage crée</translation>
    </message>
    <message>
        <source>Timer interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Seconds between two added names</source>
        <translation>Secondes entre deux noms ajoutés</translation>
    </message>
    <message>
        <source>Only choose/show name that start with :</source>
        <comment>caption of the first-letter frame</comment>
        <translation>Ne choisir/montrer que les noms commençant par :</translation>
    </message>
    <message>
        <source>Names starting with %1</source>
        <extracomment>Accessible name of a letter button; %1 is the letter A to Z</extracomment>
        <translation>Noms commençant par %1</translation>
    </message>
    <message>
        <source>All names</source>
        <translation>Tous les noms</translation>
    </message>
    <message>
        <source>Letter in force</source>
        <translation>Lettre choisie</translation>
    </message>
    <message>
        <source>Generated names</source>
        <translation>Noms générés</translation>
    </message>
    <message>
        <source>Tick names to save or copy only those</source>
        <translation>Cochez des noms pour n&apos;enregistrer ou copier qu&apos;eux</translation>
    </message>
    <message>
        <source>Row counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Names in the list</source>
        <translation>Noms dans la liste</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <comment>button of 40 pixels over the list</comment>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Empties the generated list</source>
        <translation>Vide la liste</translation>
    </message>
    <message>
        <source>select all items</source>
        <translation>tout cocher</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Ticks every name of the list</source>
        <translation>Coche chaque nom de la liste</translation>
    </message>
    <message>
        <source>deselect all items</source>
        <translation>tout décocher</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Clears every tick of the list</source>
        <translation>Décoche chaque nom de la liste</translation>
    </message>
    <message>
        <source>&amp;GO!       [F6]</source>
        <extracomment>The start button; [F6] names its key. 143 pixels wide</extracomment>
        <translation>&amp;ALLEZ !    [F6]</translation>
    </message>
    <message>
        <source>Start the Random Function</source>
        <translation>Lance le tirage au sort</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Allez</translation>
    </message>
    <message>
        <source>Starts drawing names (F6)</source>
        <translation>Commence à tirer des noms (F6)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pauses or resumes the run (F8, F9)</source>
        <translation>Met le tirage en pause ou le reprend (F8, F9)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <comment>button of 66 pixels</comment>
        <translation>A&amp;rrêt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stops the run (F7)</source>
        <translation>Arrête le tirage (F7)</translation>
    </message>
    <message>
        <source>&amp;Save All As...</source>
        <extracomment>The six output buttons are 143 pixels wide, in a small bold font</extracomment>
        <translation>Tout &amp;enregistrer...</translation>
    </message>
    <message>
        <source>Export the generated list to a file</source>
        <translation>Enregistre la liste dans un fichier</translation>
    </message>
    <message>
        <source>Saves every generated name to a file</source>
        <translation>Enregistre chaque nom généré dans un fichier</translation>
    </message>
    <message>
        <source>Sa&amp;ve Selected As...</source>
        <translation>Enreg. la sé&amp;lection...</translation>
    </message>
    <message>
        <source>Saves the ticked names to a file</source>
        <translation>Enregistre les noms cochés dans un fichier</translation>
    </message>
    <message>
        <source>e&amp;Mail Names</source>
        <translation>Envoyer par e-&amp;mail</translation>
    </message>
    <message>
        <source>send this list to your friend</source>
        <translation>envoyer cette liste à un ami</translation>
    </message>
    <message>
        <source>Writes an e-mail with the generated names</source>
        <translation>Écrit un e-mail avec les noms générés</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Tout &amp;copier</translation>
    </message>
    <message>
        <source>copy all items to clipboard</source>
        <translation>tout copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copies every generated name to the clipboard</source>
        <translation>Copie chaque nom généré dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy Selecte&amp;d</source>
        <translation>Copier la sélectio&amp;n</translation>
    </message>
    <message>
        <source>copy selected items to clipboard</source>
        <translation>copier la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copies the ticked names to the clipboard</source>
        <translation>Copie les noms cochés dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Prints the generated names</source>
        <translation>Imprime les noms générés</translation>
    </message>
    <message>
        <source>Author Website</source>
        <translation>Site web de l&apos;auteur</translation>
    </message>
    <message>
        <source>Author web site</source>
        <translation>Site web de l&apos;auteur</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site</source>
        <translation>Ouvre le site web de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Run progress</source>
        <translation>Progression du tirage</translation>
    </message>
    <message>
        <source>x</source>
        <comment>caption of the one menu, never shown</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <comment>menu item</comment>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;About Lullara...</source>
        <translation>À &amp;propos de Lullara...</translation>
    </message>
    <message>
        <source>Draw each name &amp;once</source>
        <translation>Tirer chaque nom une seule f&amp;ois</translation>
    </message>
    <message>
        <source>&amp;Name lists…</source>
        <translation>&amp;Listes de noms…</translation>
    </message>
    <message>
        <source>All</source>
        <comment>the first-letter choice of every name; 43 pixels wide, in a tiny font</comment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>Title of the box about a name file that cannot be read; %1 is the error&apos;s number</extracomment>
        <translation>Erreur %1</translation>
    </message>
    <message>
        <source>Program can not continue and will halt now!</source>
        <translation>Le programme ne peut pas continuer et va s&apos;arrêter !</translation>
    </message>
    <message>
        <source>The settings are left alone:</source>
        <translation>Les réglages restent tels quels :</translation>
    </message>
    <message>
        <source>The default settings are used, and the choices of this session are not remembered.</source>
        <translation>Les réglages par défaut sont utilisés, et les choix de cette session ne seront pas retenus.</translation>
    </message>
    <message>
        <source>The settings could not be stored:</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés :</translation>
    </message>
    <message>
        <source>The choices of this session are not remembered.</source>
        <translation>Les choix de cette session ne seront pas retenus.</translation>
    </message>
    <message>
        <source>All</source>
        <comment>the letter display while every name is chosen; 29 pixels: three characters at most</comment>
        <translation>A-Z</translation>
    </message>
    <message>
        <source>Boys&apos; list</source>
        <translation>Liste des garçons</translation>
    </message>
    <message>
        <source>Girls&apos; list</source>
        <translation>Liste des filles</translation>
    </message>
    <message>
        <source>Generated list and its commands</source>
        <translation>Liste générée et ses commandes</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>The list could not be kept for the next session:</source>
        <translation>La liste n&apos;a pas pu être conservée pour la prochaine session :</translation>
    </message>
    <message>
        <source>This is said once; turn &quot;Keep the list between sessions&quot; off and on again to try anew.</source>
        <translation>Ce message ne s&apos;affiche qu&apos;une fois ; désactivez puis réactivez « Garder la liste entre les sessions » pour réessayer.</translation>
    </message>
    <message>
        <source>Keep the list between sessions</source>
        <translation>Garder la liste entre les sessions</translation>
    </message>
    <message>
        <source>About this name…</source>
        <translation>À propos de ce nom…</translation>
    </message>
    <message>
        <source>Compare with a saved list…</source>
        <translation>Comparer avec une liste enregistrée…</translation>
    </message>
    <message>
        <source>Compare with a saved list</source>
        <translation>Comparer avec une liste enregistrée</translation>
    </message>
    <message>
        <source>Lists saved by Lullara (*.txt;*.htm;*.html)</source>
        <translation>Listes enregistrées par Lullara (*.txt;*.htm;*.html)</translation>
    </message>
    <message>
        <source>The list of the last session could not be read:</source>
        <translation>La liste de la dernière session n&apos;a pas pu être lue :</translation>
    </message>
    <message>
        <source>The list starts empty and is kept anew from now on.</source>
        <translation>La liste commence vide et est conservée à nouveau dès maintenant.</translation>
    </message>
</context>
<context>
    <name>lullara::NameCard</name>
    <message>
        <source>%1%</source>
        <comment>a share in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Boys: number %1 of %2 boys&apos; names in the %3</source>
        <translation>Garçons : rang %1 sur %2 prénoms de garçons dans les %3</translation>
    </message>
    <message>
        <source>Girls: number %1 of %2 girls&apos; names in the %3</source>
        <translation>Filles : rang %1 sur %2 prénoms de filles dans les %3</translation>
    </message>
    <message>
        <source>Boys: not given in the %1</source>
        <translation>Garçons : pas donné dans les %1</translation>
    </message>
    <message>
        <source>Girls: not given in the %1</source>
        <translation>Filles : pas donné dans les %1</translation>
    </message>
    <message>
        <source>Peak decade: the %1</source>
        <translation>Décennie record : les %1</translation>
    </message>
    <message>
        <source>Trend: rising over the last three decades</source>
        <translation>Tendance : en hausse sur les trois dernières décennies</translation>
    </message>
    <message>
        <source>Trend: falling over the last three decades</source>
        <translation>Tendance : en baisse sur les trois dernières décennies</translation>
    </message>
    <message>
        <source>Trend: steady over the last three decades</source>
        <translation>Tendance : stable sur les trois dernières décennies</translation>
    </message>
    <message>
        <source>Trend: none, no births in the last three decades</source>
        <translation>Tendance : aucune, pas de naissances sur les trois dernières décennies</translation>
    </message>
    <message>
        <source>Share: %1 of the boys born in the %2, %3 of all boys since %4</source>
        <translation>Part : %1 des garçons nés dans les %2, %3 de tous les garçons depuis %4</translation>
    </message>
    <message>
        <source>Share: %1 of the girls born in the %2, %3 of all girls since %4</source>
        <translation>Part : %1 des filles nées dans les %2, %3 de toutes les filles depuis %4</translation>
    </message>
    <message>
        <source>US births per decade, %1 to %2</source>
        <translation>Naissances aux États-Unis par décennie, %1 à %2</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>About this name: %1</source>
        <translation>À propos de ce nom : %1</translation>
    </message>
</context>
<context>
    <name>lullara::NameFile</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erreur d&apos;E/S du périphérique</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
</context>
<context>
    <name>lullara::NameListsDialog</name>
    <message>
        <source>Name lists</source>
        <translation>Listes de noms</translation>
    </message>
    <message>
        <source>Names from</source>
        <translation>Noms issus de</translation>
    </message>
    <message>
        <source>&amp;Bundled first names</source>
        <translation>&amp;Prénoms fournis</translation>
    </message>
    <message>
        <source>U&amp;S names by popularity, 1880–2024</source>
        <translation>Noms des É&amp;tats-Unis par popularité, 1880–2024</translation>
    </message>
    <message>
        <source>born from the &amp;decade</source>
        <translation>nés de la &amp;décennie</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <comment>born from the decade ... to ...</comment>
        <translation>&amp;à</translation>
    </message>
    <message>
        <source>all</source>
        <comment>keep the all most popular names</comment>
        <translation>tous</translation>
    </message>
    <message>
        <source>&amp;Use these lists</source>
        <translation>&amp;Utiliser ces listes</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>1 line of %1 is not a name with its births and was left out.</source>
        <translation>1 ligne de %1 n&apos;est pas un nom avec ses naissances et a été ignorée.</translation>
    </message>
    <message>
        <source>%1 lines of %2 are not a name with its births and were left out.</source>
        <translation>%1 lignes de %2 ne sont pas un nom avec ses naissances et ont été ignorées.</translation>
    </message>
    <message>
        <source>The US name data cannot be used: %1</source>
        <translation>Les données de noms des États-Unis sont inutilisables : %1</translation>
    </message>
    <message>
        <source>Boys: %1 of %2 names</source>
        <translation>Garçons : %1 noms sur %2</translation>
    </message>
    <message>
        <source>Girls: %1 of %2 names</source>
        <translation>Filles : %1 noms sur %2</translation>
    </message>
    <message>
        <source>The US name data holds no boys&apos; name born in these decades.</source>
        <translation>Les données des États-Unis n&apos;ont aucun prénom de garçon né dans ces décennies.</translation>
    </message>
    <message>
        <source>The US name data holds no girls&apos; name born in these decades.</source>
        <translation>Les données des États-Unis n&apos;ont aucun prénom de fille né dans ces décennies.</translation>
    </message>
    <message>
        <source>No list was written; the lists in use stay as they are.</source>
        <translation>Aucune liste n&apos;a été écrite ; les listes utilisées restent telles quelles.</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>your own name list will be ...</comment>
        <translation>remplacée</translation>
    </message>
    <message>
        <source>written</source>
        <comment>the name list could not be ...</comment>
        <translation>écrite</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>the name list could not be ...</comment>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>your own name list will be ...</comment>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>The name list could not be %1:</source>
        <translation>La liste de noms n&apos;a pas pu être %1 :</translation>
    </message>
    <message>
        <source>Your own name list will be %1:</source>
        <translation>Votre propre liste de noms sera %1 :</translation>
    </message>
    <message>
        <source>Go on?</source>
        <translation>Continuer ?</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>les %1</translation>
    </message>
    <message>
        <source>the %1 to the %2</source>
        <translation>des %1 aux %2</translation>
    </message>
    <message>
        <source>&amp;keep the most popular names:</source>
        <translation>&amp;garder les noms les plus populaires :</translation>
    </message>
    <message>
        <source>In use now</source>
        <translation>Utilisées maintenant</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>the bundled list</source>
        <translation>la liste fournie</translation>
    </message>
    <message>
        <source>your own list, %1</source>
        <translation>votre propre liste, %1</translation>
    </message>
    <message>
        <source>1 name</source>
        <translation>1 nom</translation>
    </message>
    <message>
        <source>%1 names</source>
        <translation>%1 noms</translation>
    </message>
    <message>
        <source>US names, the %1 most popular of %2: %3</source>
        <translation>Noms américains, les %1 plus populaires de %2 : %3</translation>
    </message>
    <message>
        <source>US names, every name of %1: %2</source>
        <translation>Noms américains, tous les noms de %1 : %2</translation>
    </message>
    <message>
        <source>Boys: %1</source>
        <translation>Garçons : %1</translation>
    </message>
    <message>
        <source>Girls: %1</source>
        <translation>Filles : %1</translation>
    </message>
    <message>
        <source>Your own lists (%1, %2) go in %3</source>
        <translation>Vos propres listes (%1, %2) vont dans %3</translation>
    </message>
    <message>
        <source>The bundled name lists are in use.</source>
        <translation>Les listes de noms fournies sont utilisées.</translation>
    </message>
    <message>
        <source>The US names are in use: %1 boys&apos; and %2 girls&apos; names.</source>
        <translation>Les noms américains sont utilisés : %1 prénoms de garçons et %2 de filles.</translation>
    </message>
</context>
<context>
    <name>lullara::OutputCommands</name>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>A file type of the Save As dialog: keep the patterns in brackets as they are</extracomment>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Text Document (*.txt)</source>
        <translation>Document texte (*.txt)</translation>
    </message>
    <message>
        <source>Html Document (*.htm;*.html)</source>
        <translation>Document HTML (*.htm;*.html)</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>status text</comment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>title of a message box</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Come on!</source>
        <translation>Allons !</translation>
    </message>
    <message>
        <source>There is nothing to save,</source>
        <translation>Il n&apos;y a rien à enregistrer,</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <comment>title of a message box</comment>
        <translation>Suggestion</translation>
    </message>
    <message>
        <source>Would you like the program to add some Lullara to the generator in order you can save it to a text file?</source>
        <translation>Voulez-vous que le programme ajoute quelques noms à la liste pour que vous puissiez l&apos;enregistrer dans un fichier texte ?</translation>
    </message>
    <message>
        <source>Save As...</source>
        <comment>title of the file dialog</comment>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Saving File...</source>
        <translation>Enregistrement du fichier...</translation>
    </message>
    <message>
        <source>The file could not be saved:</source>
        <translation>Le fichier n&apos;a pas pu être enregistré :</translation>
    </message>
    <message>
        <source>File saved successfully!</source>
        <translation>Fichier enregistré avec succès !</translation>
    </message>
    <message>
        <source>Would you like to view the saved file?</source>
        <translation>Voulez-vous afficher le fichier enregistré ?</translation>
    </message>
    <message>
        <source>The saved file could not be shown in a text viewer:</source>
        <translation>Le fichier enregistré n&apos;a pas pu être affiché dans un visualiseur de texte :</translation>
    </message>
    <message>
        <source>There is nothing to be printed!</source>
        <translation>Il n&apos;y a rien à imprimer !</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>Error %1:</source>
        <extracomment>First line of the print failure box; %1 is the failure&apos;s number</extracomment>
        <translation>Erreur %1 :</translation>
    </message>
    <message>
        <source>Send what!!!?</source>
        <translation>Envoyer quoi !!!?</translation>
    </message>
    <message>
        <source>The list is too long to hand to the mail program (%1 characters; the system passes at most %2).</source>
        <translation>La liste est trop longue pour le programme de messagerie (%1 caractères ; le système en transmet au plus %2).</translation>
    </message>
    <message>
        <source>Use Copy All, then paste the names into a new mail.</source>
        <translation>Utilisez « Tout copier », puis collez les noms dans un nouvel e-mail.</translation>
    </message>
</context>
<context>
    <name>lullara::QtPrinter</name>
    <message>
        <source>no printer is installed</source>
        <translation>aucune imprimante n&apos;est installée</translation>
    </message>
    <message>
        <source>no default printer is set</source>
        <translation>aucune imprimante par défaut n&apos;est définie</translation>
    </message>
    <message>
        <source>Printer error: %1</source>
        <translation>Erreur d&apos;imprimante : %1</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; is not available</source>
        <translation>l&apos;imprimante « %1 » n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>the print job could not be started</source>
        <translation>la tâche d&apos;impression n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>une nouvelle page n&apos;a pas pu être commencée</translation>
    </message>
    <message>
        <source>the print job could not be finished</source>
        <translation>la tâche d&apos;impression n&apos;a pas pu être terminée</translation>
    </message>
</context>
<context>
    <name>lullara::RealDialogs</name>
    <message>
        <source>Path does not exist.</source>
        <translation>Le chemin n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Check the path and try again.</source>
        <translation>Vérifiez le chemin et réessayez.</translation>
    </message>
    <message>
        <source>This file does not exist.</source>
        <translation>Ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Do you want to create it?</source>
        <translation>Voulez-vous le créer ?</translation>
    </message>
</context>
<context>
    <name>lullara::SettingsFile</name>
    <message>
        <source>The settings file is not a regular file.</source>
        <translation>Le fichier de réglages n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The settings file is far too large for one (%1 bytes).</source>
        <translation>Le fichier de réglages est bien trop gros pour en être un (%1 octets).</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Les réglages n&apos;ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>Its folder %1 cannot be made.</source>
        <translation>Son dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Its lock file %1 is not a regular file.</source>
        <translation>Son fichier de verrou %1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Its lock file %1 is held by another program.</source>
        <translation>Son fichier de verrou %1 est tenu par un autre programme.</translation>
    </message>
    <message>
        <source>Its lock file %1 cannot be made: permission denied.</source>
        <translation>Son fichier de verrou %1 ne peut pas être créé : permission refusée.</translation>
    </message>
    <message>
        <source>Its lock file %1 cannot be made.</source>
        <translation>Son fichier de verrou %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written.</source>
        <translation>Le fichier ou son dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The file is not in a form that can be read.</source>
        <translation>Le fichier n&apos;est pas sous une forme lisible.</translation>
    </message>
</context>
<context>
    <name>lullara::SplashWindow</name>
    <message>
        <source>Loading Database...</source>
        <translation>Chargement de la base...</translation>
    </message>
</context>
<context>
    <name>lullara::StatusBar</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>CAPS</source>
        <extracomment>Lock key indicators of the status bar, 41 pixels wide each</extracomment>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>Caps Lock indicator</source>
        <translation>Voyant Verr. Maj</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉFIL</translation>
    </message>
    <message>
        <source>Scroll Lock indicator</source>
        <translation>Voyant Arrêt défil</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock indicator</source>
        <translation>Voyant Verr. Num</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>on</source>
        <comment>a lock key</comment>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <comment>a lock key</comment>
        <translation>désactivé</translation>
    </message>
</context>
<context>
    <name>lullara::UsNames</name>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Le fichier %1 est absent.</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file %1 is too large (more than %2 MiB).</source>
        <translation>Le fichier %1 est trop gros (plus de %2 Mio).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The file %1 holds no names.</source>
        <translation>Le fichier %1 ne contient aucun nom.</translation>
    </message>
    <message>
        <source>There is no name to write into it.</source>
        <translation>Il n&apos;y a aucun nom à y écrire.</translation>
    </message>
    <message>
        <source>Its folder cannot be made.</source>
        <translation>Son dossier ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>lullara::WholeFile</name>
    <message>
        <source>The system gave no reason.</source>
        <translation>Le système n&apos;a donné aucune raison.</translation>
    </message>
</context>
</TS>
