<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>lullara</name>
    <message>
        <source>%1 is not in the US name data: since 1880 it has been given to fewer than 5 boys and fewer than 5 girls in every year.</source>
        <translation>%1 ist nicht in den US-Namensdaten: Seit 1880 haben ihn in jedem Jahr weniger als 5 Jungen und weniger als 5 Mädchen bekommen.</translation>
    </message>
    <message>
        <source>%1 is not a list saved by Lullara.

Expected a text file or an HTML page written by &quot;Save All As...&quot; or &quot;Save Selected As...&quot;: the names one to a line, then a line of full stops, the number of names (&quot;12 names&quot;) and &quot;Created with Lullara v.2.0&quot;.</source>
        <translation>%1 ist keine von Lullara gespeicherte Liste.

Erwartet wird eine Textdatei oder HTML-Seite, geschrieben mit „Alles speichern...“ oder „Auswahl speichern...“: die Namen einer pro Zeile, dann eine Zeile aus Punkten, die Zahl der Namen („12 names“) und „Created with Lullara v.2.0“.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Die Datei %1 fehlt.</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file.</source>
        <translation>Die Datei %1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large (more than %2 MiB) for a list saved by Lullara.</source>
        <translation>Die Datei %1 ist zu groß (mehr als %2 MiB) für eine von Lullara gespeicherte Liste.</translation>
    </message>
    <message>
        <source>It is not UTF-8 text.</source>
        <translation>Sie ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>It does not end with a complete line.</source>
        <translation>Sie endet nicht mit einer vollständigen Zeile.</translation>
    </message>
    <message>
        <source>It is not a list kept by Lullara (its first line is not &quot;%1&quot;).</source>
        <translation>Sie ist keine von Lullara aufbewahrte Liste (ihre erste Zeile ist nicht „%1“).</translation>
    </message>
    <message>
        <source>It was kept in another format (&quot;%1&quot;); this version of Lullara reads &quot;%2&quot;.</source>
        <translation>Sie wurde in einem anderen Format aufbewahrt („%1“); diese Version von Lullara liest „%2“.</translation>
    </message>
    <message>
        <source>It is incomplete: its last line does not give the number of its rows.</source>
        <translation>Sie ist unvollständig: Ihre letzte Zeile nennt nicht die Zahl ihrer Zeilen.</translation>
    </message>
    <message>
        <source>Its line %1 is damaged.</source>
        <translation>Ihre Zeile %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>The list could not be kept in %1: %2</source>
        <translation>Die Liste konnte nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>Its folder cannot be made.</source>
        <translation>Ihr Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The kept list %1 cannot be read: %2</source>
        <translation>Die aufbewahrte Liste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Sie ist keine normale Datei.</translation>
    </message>
    <message>
        <source>It is too large.</source>
        <translation>Sie ist zu groß.</translation>
    </message>
</context>
<context>
    <name>lullara::AboutWindow</name>
    <message>
        <source>Author: The Quorvel team</source>
        <translation>Autor: das Quorvel-Team</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>March 2005</source>
        <translation>März 2005</translation>
    </message>
    <message>
        <source>Please report bugs to my email.     </source>
        <extracomment>Keep the five spaces at the end</extracomment>
        <translation>Bitte melden Sie Fehler an meine E-Mail.     </translation>
    </message>
    <message>
        <source>Let me know how you think about it!</source>
        <translation>Sagen Sie mir, was Sie davon halten!</translation>
    </message>
    <message>
        <source>Comments and suggestions are welcomed.</source>
        <translation>Kommentare und Vorschläge sind willkommen.</translation>
    </message>
    <message>
        <source>With the all best wishes! ;)</source>
        <translation>Mit den allerbesten Wünschen! ;)</translation>
    </message>
    <message>
        <source>About Lullara</source>
        <translation>Über Lullara</translation>
    </message>
    <message>
        <source>Who made Lullara and how to reach them</source>
        <translation>Wer Lullara gemacht hat und wie man sie erreicht</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Press and drag to move the window</source>
        <translation>Drücken und ziehen, um das Fenster zu verschieben</translation>
    </message>
    <message>
        <source>Rule under the banner</source>
        <translation>Linie unter dem Banner</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Schließt das Info-Fenster</translation>
    </message>
    <message>
        <source>About text</source>
        <translation>Info-Text</translation>
    </message>
    <message>
        <source>Author, e-mail address, web site and greetings</source>
        <translation>Autor, E-Mail-Adresse, Website und Grüße</translation>
    </message>
    <message>
        <source>a product by:</source>
        <comment>78 pixels wide, in a tiny font</comment>
        <translation>ein Produkt von:</translation>
    </message>
    <message>
        <source>Open the Quorvel web site</source>
        <translation>Öffnet die Website von Quorvel</translation>
    </message>
</context>
<context>
    <name>lullara::BirthsChart</name>
    <message>
        <source>Boys</source>
        <translation>Jungen</translation>
    </message>
    <message>
        <source>Girls</source>
        <translation>Mädchen</translation>
    </message>
</context>
<context>
    <name>lullara::ComparisonWindow</name>
    <message>
        <source>1 name</source>
        <translation>1 Name</translation>
    </message>
    <message>
        <source>%1 names</source>
        <translation>%1 Namen</translation>
    </message>
    <message>
        <source>Names on both lists</source>
        <translation>Namen auf beiden Listen</translation>
    </message>
    <message>
        <source>This list: %1</source>
        <translation>Diese Liste: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No name is on both lists.</source>
        <translation>Kein Name steht auf beiden Listen.</translation>
    </message>
    <message>
        <source>On both lists: %1</source>
        <translation>Auf beiden Listen: %1</translation>
    </message>
    <message>
        <source>&amp;Tick these here</source>
        <translation>Hier &amp;ankreuzen</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>lullara::ExecuteLink</name>
    <message>
        <source>error Opening Link to %1</source>
        <extracomment>Text of the box about a link that could not be opened; %1 is the link</extracomment>
        <translation>Fehler beim Öffnen des Links %1</translation>
    </message>
</context>
<context>
    <name>lullara::Lottery</name>
    <message>
        <source>Invalid property array index</source>
        <translation>Ungültiger Index des Eigenschaftenfelds</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>status text</comment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>the pause button after a resume; 73 pixels wide</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused...</source>
        <comment>status text, blinking while paused</comment>
        <translation>Angehalten...</translation>
    </message>
    <message>
        <source>%1 Names Added, Analyzing...</source>
        <comment>status text during a run</comment>
        <translation>%1 Namen hinzugefügt, analysiere...</translation>
    </message>
    <message>
        <source>To draw each name once, the boys name list needs %1 different names besides its first entry, which is never drawn; it has %2.</source>
        <translation>Um jeden Namen nur einmal zu ziehen, braucht die Jungennamenliste %1 verschiedene Namen neben ihrem ersten Eintrag, der nie gezogen wird; sie hat %2.</translation>
    </message>
    <message>
        <source>To draw each name once, the girls name list needs %1 different names besides its first entry, which is never drawn; it has %2.</source>
        <translation>Um jeden Namen nur einmal zu ziehen, braucht die Mädchennamenliste %1 verschiedene Namen neben ihrem ersten Eintrag, der nie gezogen wird; sie hat %2.</translation>
    </message>
    <message>
        <source>The boys name list must contain at least %1 items to continue.</source>
        <translation>Die Jungennamenliste muss mindestens %1 Einträge enthalten, um fortzufahren.</translation>
    </message>
    <message>
        <source>The girls name list must contain at least %1 items to continue.</source>
        <translation>Die Mädchennamenliste muss mindestens %1 Einträge enthalten, um fortzufahren.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Starte...</translation>
    </message>
    <message>
        <source>Finished. %1 names added successfully.</source>
        <translation>Fertig. %1 Namen erfolgreich hinzugefügt.</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>the pause button while paused; 73 pixels wide</comment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>title of a message box</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>There are no names in the Boys name list.</source>
        <translation>Die Jungennamenliste enthält keine Namen.</translation>
    </message>
    <message>
        <source>There are no names in the Girls name list.</source>
        <translation>Die Mädchennamenliste enthält keine Namen.</translation>
    </message>
    <message>
        <source>error %1</source>
        <extracomment>Title of the box about a failed draw; %1 is the failure&apos;s number</extracomment>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <extracomment>Said by a screen reader for each name a run adds: the name, the number of names in the list, the number the run creates (&quot;Olivia, 3 of 5&quot;)</extracomment>
        <translation>%1, %2 von %3</translation>
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
        <translation>Über Lullara</translation>
    </message>
    <message>
        <source>Opens the About window</source>
        <translation>Öffnet das Info-Fenster</translation>
    </message>
    <message>
        <source>Lottery announcements</source>
        <translation>Ansagen der Ziehung</translation>
    </message>
    <message>
        <source>Says each name a run adds, and when the run ends</source>
        <translation>Sagt jeden gezogenen Namen an, und wann die Ziehung endet</translation>
    </message>
    <message>
        <source>Boys&apos; names</source>
        <translation>Jungennamen</translation>
    </message>
    <message>
        <source>Girls&apos; names</source>
        <translation>Mädchennamen</translation>
    </message>
    <message>
        <source>List of boys&apos; names</source>
        <translation>Liste der Jungennamen</translation>
    </message>
    <message>
        <source>Chosen boys&apos; name</source>
        <translation>Gewählter Jungenname</translation>
    </message>
    <message>
        <source>List of girls&apos; names</source>
        <translation>Liste der Mädchennamen</translation>
    </message>
    <message>
        <source>Chosen girls&apos; name</source>
        <translation>Gewählter Mädchenname</translation>
    </message>
    <message>
        <source>BOY</source>
        <comment>the boys&apos; option, 57 pixels wide</comment>
        <translation>BUB</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Junge</translation>
    </message>
    <message>
        <source>Draw names from the boys&apos; list</source>
        <translation>Zieht Namen aus der Jungenliste</translation>
    </message>
    <message>
        <source>GiRL</source>
        <comment>the girls&apos; option, 63 pixels wide; the small i is on purpose</comment>
        <translation>MäDL</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Mädchen</translation>
    </message>
    <message>
        <source>Draw names from the girls&apos; list</source>
        <translation>Zieht Namen aus der Mädchenliste</translation>
    </message>
    <message>
        <source>.add</source>
        <comment>adds the chosen name by hand; 33 pixels wide</comment>
        <translation>.dazu</translation>
    </message>
    <message>
        <source>Add boy&apos;s name</source>
        <translation>Jungennamen hinzufügen</translation>
    </message>
    <message>
        <source>Adds the chosen boy&apos;s name to the generated list</source>
        <translation>Fügt den gewählten Jungennamen der Liste hinzu</translation>
    </message>
    <message>
        <source>Add girl&apos;s name</source>
        <translation>Mädchennamen hinzufügen</translation>
    </message>
    <message>
        <source>Adds the chosen girl&apos;s name to the generated list</source>
        <translation>Fügt den gewählten Mädchennamen der Liste hinzu</translation>
    </message>
    <message>
        <source>Drawn number</source>
        <translation>Gezogene Nummer</translation>
    </message>
    <message>
        <source>Drawn name</source>
        <translation>Gezogener Name</translation>
    </message>
    <message>
        <source>Create names:</source>
        <comment>label of the number of names a run creates; ends left of the selector at x 329</comment>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Timer interval:</source>
        <comment>label of the seconds between two names; ends left of the selector at x 329</comment>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Create names</source>
        <translation>Anzahl Namen</translation>
    </message>
    <message>
        <source>How many names a run creates</source>
        <translation>Wie viele Namen eine Ziehung erzeugt</translation>
    </message>
    <message>
        <source>Timer interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Seconds between two added names</source>
        <translation>Sekunden zwischen zwei Namen</translation>
    </message>
    <message>
        <source>Only choose/show name that start with :</source>
        <comment>caption of the first-letter frame</comment>
        <translation>Nur Namen wählen/zeigen, die beginnen mit:</translation>
    </message>
    <message>
        <source>Names starting with %1</source>
        <extracomment>Accessible name of a letter button; %1 is the letter A to Z</extracomment>
        <translation>Namen mit %1</translation>
    </message>
    <message>
        <source>All names</source>
        <translation>Alle Namen</translation>
    </message>
    <message>
        <source>Letter in force</source>
        <translation>Gewählter Buchstabe</translation>
    </message>
    <message>
        <source>Generated names</source>
        <translation>Erzeugte Namen</translation>
    </message>
    <message>
        <source>Tick names to save or copy only those</source>
        <translation>Namen ankreuzen, um nur diese zu speichern oder zu kopieren</translation>
    </message>
    <message>
        <source>Row counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Names in the list</source>
        <translation>Namen in der Liste</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <comment>button of 40 pixels over the list</comment>
        <translation>Lee&amp;ren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empties the generated list</source>
        <translation>Leert die Liste</translation>
    </message>
    <message>
        <source>select all items</source>
        <translation>alle ankreuzen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle ankreuzen</translation>
    </message>
    <message>
        <source>Ticks every name of the list</source>
        <translation>Kreuzt jeden Namen der Liste an</translation>
    </message>
    <message>
        <source>deselect all items</source>
        <translation>alle Kreuze entfernen</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Alle Kreuze entfernen</translation>
    </message>
    <message>
        <source>Clears every tick of the list</source>
        <translation>Entfernt jedes Kreuz der Liste</translation>
    </message>
    <message>
        <source>&amp;GO!       [F6]</source>
        <extracomment>The start button; [F6] names its key. 143 pixels wide</extracomment>
        <translation>&amp;LOS!       [F6]</translation>
    </message>
    <message>
        <source>Start the Random Function</source>
        <translation>Startet die Zufallsfunktion</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Starts drawing names (F6)</source>
        <translation>Beginnt, Namen zu ziehen (F6)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pauses or resumes the run (F8, F9)</source>
        <translation>Hält die Ziehung an oder setzt sie fort (F8, F9)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <comment>button of 66 pixels</comment>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stops the run (F7)</source>
        <translation>Beendet die Ziehung (F7)</translation>
    </message>
    <message>
        <source>&amp;Save All As...</source>
        <extracomment>The six output buttons are 143 pixels wide, in a small bold font</extracomment>
        <translation>Alles &amp;speichern...</translation>
    </message>
    <message>
        <source>Export the generated list to a file</source>
        <translation>Speichert die Liste in einer Datei</translation>
    </message>
    <message>
        <source>Saves every generated name to a file</source>
        <translation>Speichert jeden erzeugten Namen in einer Datei</translation>
    </message>
    <message>
        <source>Sa&amp;ve Selected As...</source>
        <translation>Auswahl spei&amp;chern...</translation>
    </message>
    <message>
        <source>Saves the ticked names to a file</source>
        <translation>Speichert die angekreuzten Namen in einer Datei</translation>
    </message>
    <message>
        <source>e&amp;Mail Names</source>
        <translation>Per E-&amp;Mail senden</translation>
    </message>
    <message>
        <source>send this list to your friend</source>
        <translation>diese Liste an Freunde senden</translation>
    </message>
    <message>
        <source>Writes an e-mail with the generated names</source>
        <translation>Schreibt eine E-Mail mit den erzeugten Namen</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alle kopieren</translation>
    </message>
    <message>
        <source>copy all items to clipboard</source>
        <translation>alle in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copies every generated name to the clipboard</source>
        <translation>Kopiert jeden erzeugten Namen in die Zwischenablage</translation>
    </message>
    <message>
        <source>Copy Selecte&amp;d</source>
        <translation>Auswahl &amp;kopieren</translation>
    </message>
    <message>
        <source>copy selected items to clipboard</source>
        <translation>Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copies the ticked names to the clipboard</source>
        <translation>Kopiert die angekreuzten Namen in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Prints the generated names</source>
        <translation>Druckt die erzeugten Namen</translation>
    </message>
    <message>
        <source>Author Website</source>
        <translation>Website des Autors</translation>
    </message>
    <message>
        <source>Author web site</source>
        <translation>Website des Autors</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site</source>
        <translation>Öffnet die Website des Herstellers</translation>
    </message>
    <message>
        <source>Run progress</source>
        <translation>Fortschritt der Ziehung</translation>
    </message>
    <message>
        <source>x</source>
        <comment>caption of the one menu, never shown</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <comment>menu item</comment>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;About Lullara...</source>
        <translation>Über &amp;Lullara...</translation>
    </message>
    <message>
        <source>Draw each name &amp;once</source>
        <translation>Jeden Namen nur &amp;einmal ziehen</translation>
    </message>
    <message>
        <source>&amp;Name lists…</source>
        <translation>&amp;Namenslisten…</translation>
    </message>
    <message>
        <source>All</source>
        <comment>the first-letter choice of every name; 43 pixels wide, in a tiny font</comment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Error %1</source>
        <extracomment>Title of the box about a name file that cannot be read; %1 is the error&apos;s number</extracomment>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>Program can not continue and will halt now!</source>
        <translation>Das Programm kann nicht fortfahren und wird jetzt beendet!</translation>
    </message>
    <message>
        <source>The settings are left alone:</source>
        <translation>Die Einstellungen bleiben unberührt:</translation>
    </message>
    <message>
        <source>The default settings are used, and the choices of this session are not remembered.</source>
        <translation>Es gelten die Standardeinstellungen, und die Auswahl dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings could not be stored:</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>The choices of this session are not remembered.</source>
        <translation>Die Auswahl dieser Sitzung wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>All</source>
        <comment>the letter display while every name is chosen; 29 pixels: three characters at most</comment>
        <translation>A-Z</translation>
    </message>
    <message>
        <source>Boys&apos; list</source>
        <translation>Jungenliste</translation>
    </message>
    <message>
        <source>Girls&apos; list</source>
        <translation>Mädchenliste</translation>
    </message>
    <message>
        <source>Generated list and its commands</source>
        <translation>Erzeugte Liste und ihre Befehle</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>The list could not be kept for the next session:</source>
        <translation>Die Liste konnte nicht für die nächste Sitzung aufbewahrt werden:</translation>
    </message>
    <message>
        <source>This is said once; turn &quot;Keep the list between sessions&quot; off and on again to try anew.</source>
        <translation>Dies wird nur einmal gesagt; schalten Sie „Liste zwischen Sitzungen behalten“ aus und wieder ein, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Keep the list between sessions</source>
        <translation>Liste zwischen Sitzungen behalten</translation>
    </message>
    <message>
        <source>About this name…</source>
        <translation>Über diesen Namen…</translation>
    </message>
    <message>
        <source>Compare with a saved list…</source>
        <translation>Mit einer gespeicherten Liste vergleichen…</translation>
    </message>
    <message>
        <source>Compare with a saved list</source>
        <translation>Mit einer gespeicherten Liste vergleichen</translation>
    </message>
    <message>
        <source>Lists saved by Lullara (*.txt;*.htm;*.html)</source>
        <translation>Von Lullara gespeicherte Listen (*.txt;*.htm;*.html)</translation>
    </message>
    <message>
        <source>The list of the last session could not be read:</source>
        <translation>Die Liste der letzten Sitzung konnte nicht gelesen werden:</translation>
    </message>
    <message>
        <source>The list starts empty and is kept anew from now on.</source>
        <translation>Die Liste beginnt leer und wird ab jetzt neu aufbewahrt.</translation>
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
        <translation>Jungen: Platz %1 von %2 Jungennamen in den %3</translation>
    </message>
    <message>
        <source>Girls: number %1 of %2 girls&apos; names in the %3</source>
        <translation>Mädchen: Platz %1 von %2 Mädchennamen in den %3</translation>
    </message>
    <message>
        <source>Boys: not given in the %1</source>
        <translation>Jungen: in den %1 nicht vergeben</translation>
    </message>
    <message>
        <source>Girls: not given in the %1</source>
        <translation>Mädchen: in den %1 nicht vergeben</translation>
    </message>
    <message>
        <source>Peak decade: the %1</source>
        <translation>Spitzenjahrzehnt: die %1</translation>
    </message>
    <message>
        <source>Trend: rising over the last three decades</source>
        <translation>Trend: steigend in den letzten drei Jahrzehnten</translation>
    </message>
    <message>
        <source>Trend: falling over the last three decades</source>
        <translation>Trend: fallend in den letzten drei Jahrzehnten</translation>
    </message>
    <message>
        <source>Trend: steady over the last three decades</source>
        <translation>Trend: gleichbleibend in den letzten drei Jahrzehnten</translation>
    </message>
    <message>
        <source>Trend: none, no births in the last three decades</source>
        <translation>Trend: keiner, keine Geburten in den letzten drei Jahrzehnten</translation>
    </message>
    <message>
        <source>Share: %1 of the boys born in the %2, %3 of all boys since %4</source>
        <translation>Anteil: %1 der in den %2 geborenen Jungen, %3 aller Jungen seit %4</translation>
    </message>
    <message>
        <source>Share: %1 of the girls born in the %2, %3 of all girls since %4</source>
        <translation>Anteil: %1 der in den %2 geborenen Mädchen, %3 aller Mädchen seit %4</translation>
    </message>
    <message>
        <source>US births per decade, %1 to %2</source>
        <translation>US-Geburten je Jahrzehnt, %1 bis %2</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>About this name: %1</source>
        <translation>Über diesen Namen: %1</translation>
    </message>
</context>
<context>
    <name>lullara::NameFile</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Gerätefehler</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
</context>
<context>
    <name>lullara::NameListsDialog</name>
    <message>
        <source>Name lists</source>
        <translation>Namenslisten</translation>
    </message>
    <message>
        <source>Names from</source>
        <translation>Namen aus</translation>
    </message>
    <message>
        <source>&amp;Bundled first names</source>
        <translation>&amp;Mitgelieferte Vornamen</translation>
    </message>
    <message>
        <source>U&amp;S names by popularity, 1880–2024</source>
        <translation>&amp;US-Namen nach Beliebtheit, 1880–2024</translation>
    </message>
    <message>
        <source>born from the &amp;decade</source>
        <translation>geboren vom &amp;Jahrzehnt</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <comment>born from the decade ... to ...</comment>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>all</source>
        <comment>keep the all most popular names</comment>
        <translation>alle</translation>
    </message>
    <message>
        <source>&amp;Use these lists</source>
        <translation>Diese Listen &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>1 line of %1 is not a name with its births and was left out.</source>
        <translation>1 Zeile von %1 ist kein Name mit Geburtenzahl und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>%1 lines of %2 are not a name with its births and were left out.</source>
        <translation>%1 Zeilen von %2 sind kein Name mit Geburtenzahl und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>The US name data cannot be used: %1</source>
        <translation>Die US-Namensdaten sind nicht nutzbar: %1</translation>
    </message>
    <message>
        <source>Boys: %1 of %2 names</source>
        <translation>Jungen: %1 von %2 Namen</translation>
    </message>
    <message>
        <source>Girls: %1 of %2 names</source>
        <translation>Mädchen: %1 von %2 Namen</translation>
    </message>
    <message>
        <source>The US name data holds no boys&apos; name born in these decades.</source>
        <translation>Die US-Namensdaten enthalten keinen Jungennamen aus diesen Jahrzehnten.</translation>
    </message>
    <message>
        <source>The US name data holds no girls&apos; name born in these decades.</source>
        <translation>Die US-Namensdaten enthalten keinen Mädchennamen aus diesen Jahrzehnten.</translation>
    </message>
    <message>
        <source>No list was written; the lists in use stay as they are.</source>
        <translation>Es wurde keine Liste geschrieben; die verwendeten Listen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>replaced</source>
        <comment>your own name list will be ...</comment>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>written</source>
        <comment>the name list could not be ...</comment>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>the name list could not be ...</comment>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>removed</source>
        <comment>your own name list will be ...</comment>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>The name list could not be %1:</source>
        <translation>Die Namensliste konnte nicht %1 werden:</translation>
    </message>
    <message>
        <source>Your own name list will be %1:</source>
        <translation>Ihre eigene Namensliste wird %1:</translation>
    </message>
    <message>
        <source>Go on?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>die %1</translation>
    </message>
    <message>
        <source>the %1 to the %2</source>
        <translation>die %1 bis %2</translation>
    </message>
    <message>
        <source>&amp;keep the most popular names:</source>
        <translation>die beliebtesten Namen &amp;behalten:</translation>
    </message>
    <message>
        <source>In use now</source>
        <translation>Jetzt in Gebrauch</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>the bundled list</source>
        <translation>die mitgelieferte Liste</translation>
    </message>
    <message>
        <source>your own list, %1</source>
        <translation>Ihre eigene Liste, %1</translation>
    </message>
    <message>
        <source>1 name</source>
        <translation>1 Name</translation>
    </message>
    <message>
        <source>%1 names</source>
        <translation>%1 Namen</translation>
    </message>
    <message>
        <source>US names, the %1 most popular of %2: %3</source>
        <translation>US-Namen, die %1 beliebtesten von %2: %3</translation>
    </message>
    <message>
        <source>US names, every name of %1: %2</source>
        <translation>US-Namen, alle Namen von %1: %2</translation>
    </message>
    <message>
        <source>Boys: %1</source>
        <translation>Jungen: %1</translation>
    </message>
    <message>
        <source>Girls: %1</source>
        <translation>Mädchen: %1</translation>
    </message>
    <message>
        <source>Your own lists (%1, %2) go in %3</source>
        <translation>Ihre eigenen Listen (%1, %2) gehören in %3</translation>
    </message>
    <message>
        <source>The bundled name lists are in use.</source>
        <translation>Die mitgelieferten Namenslisten sind in Gebrauch.</translation>
    </message>
    <message>
        <source>The US names are in use: %1 boys&apos; and %2 girls&apos; names.</source>
        <translation>Die US-Namen sind in Gebrauch: %1 Jungen- und %2 Mädchennamen.</translation>
    </message>
</context>
<context>
    <name>lullara::OutputCommands</name>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>A file type of the Save As dialog: keep the patterns in brackets as they are</extracomment>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Text Document (*.txt)</source>
        <translation>Textdokument (*.txt)</translation>
    </message>
    <message>
        <source>Html Document (*.htm;*.html)</source>
        <translation>HTML-Dokument (*.htm;*.html)</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>status text</comment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>title of a message box</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Come on!</source>
        <translation>Na komm!</translation>
    </message>
    <message>
        <source>There is nothing to save,</source>
        <translation>Es gibt nichts zu speichern,</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <comment>title of a message box</comment>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>Would you like the program to add some Lullara to the generator in order you can save it to a text file?</source>
        <translation>Soll das Programm der Liste einige Namen hinzufügen, damit Sie sie in eine Textdatei speichern können?</translation>
    </message>
    <message>
        <source>Save As...</source>
        <comment>title of the file dialog</comment>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Saving File...</source>
        <translation>Speichere Datei...</translation>
    </message>
    <message>
        <source>The file could not be saved:</source>
        <translation>Die Datei konnte nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>File saved successfully!</source>
        <translation>Datei erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Would you like to view the saved file?</source>
        <translation>Möchten Sie die gespeicherte Datei ansehen?</translation>
    </message>
    <message>
        <source>The saved file could not be shown in a text viewer:</source>
        <translation>Die gespeicherte Datei konnte nicht in einem Textbetrachter gezeigt werden:</translation>
    </message>
    <message>
        <source>There is nothing to be printed!</source>
        <translation>Es gibt nichts zu drucken!</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Drucke...</translation>
    </message>
    <message>
        <source>Error %1:</source>
        <extracomment>First line of the print failure box; %1 is the failure&apos;s number</extracomment>
        <translation>Fehler %1:</translation>
    </message>
    <message>
        <source>Send what!!!?</source>
        <translation>Was senden!!!?</translation>
    </message>
    <message>
        <source>The list is too long to hand to the mail program (%1 characters; the system passes at most %2).</source>
        <translation>Die Liste ist zu lang für das E-Mail-Programm (%1 Zeichen; das System übergibt höchstens %2).</translation>
    </message>
    <message>
        <source>Use Copy All, then paste the names into a new mail.</source>
        <translation>Verwenden Sie „Alle kopieren“ und fügen Sie die Namen in eine neue E-Mail ein.</translation>
    </message>
</context>
<context>
    <name>lullara::QtPrinter</name>
    <message>
        <source>no printer is installed</source>
        <translation>es ist kein Drucker installiert</translation>
    </message>
    <message>
        <source>no default printer is set</source>
        <translation>es ist kein Standarddrucker eingestellt</translation>
    </message>
    <message>
        <source>Printer error: %1</source>
        <translation>Druckerfehler: %1</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot; is not available</source>
        <translation>der Drucker „%1“ ist nicht verfügbar</translation>
    </message>
    <message>
        <source>the print job could not be started</source>
        <translation>der Druckauftrag konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>eine neue Seite konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the print job could not be finished</source>
        <translation>der Druckauftrag konnte nicht abgeschlossen werden</translation>
    </message>
</context>
<context>
    <name>lullara::RealDialogs</name>
    <message>
        <source>Path does not exist.</source>
        <translation>Der Pfad existiert nicht.</translation>
    </message>
    <message>
        <source>Check the path and try again.</source>
        <translation>Prüfen Sie den Pfad und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This file does not exist.</source>
        <translation>Diese Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Do you want to create it?</source>
        <translation>Möchten Sie sie erstellen?</translation>
    </message>
</context>
<context>
    <name>lullara::SettingsFile</name>
    <message>
        <source>The settings file is not a regular file.</source>
        <translation>Die Einstellungsdatei ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The settings file is far too large for one (%1 bytes).</source>
        <translation>Die Einstellungsdatei ist viel zu groß für eine (%1 Bytes).</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Its folder %1 cannot be made.</source>
        <translation>Ihr Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Its lock file %1 is not a regular file.</source>
        <translation>Ihre Sperrdatei %1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>Its lock file %1 is held by another program.</source>
        <translation>Ihre Sperrdatei %1 wird von einem anderen Programm gehalten.</translation>
    </message>
    <message>
        <source>Its lock file %1 cannot be made: permission denied.</source>
        <translation>Ihre Sperrdatei %1 kann nicht angelegt werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Its lock file %1 cannot be made.</source>
        <translation>Ihre Sperrdatei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file or its folder cannot be written.</source>
        <translation>Die Datei oder ihr Ordner ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The file is not in a form that can be read.</source>
        <translation>Die Datei liegt nicht in lesbarer Form vor.</translation>
    </message>
</context>
<context>
    <name>lullara::SplashWindow</name>
    <message>
        <source>Loading Database...</source>
        <translation>Lade Datenbank...</translation>
    </message>
</context>
<context>
    <name>lullara::StatusBar</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>CAPS</source>
        <extracomment>Lock key indicators of the status bar, 41 pixels wide each</extracomment>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>Caps Lock indicator</source>
        <translation>Anzeige der Feststelltaste</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLL</translation>
    </message>
    <message>
        <source>Scroll Lock indicator</source>
        <translation>Anzeige der Rollen-Taste</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Num Lock indicator</source>
        <translation>Anzeige der Num-Taste</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>on</source>
        <comment>a lock key</comment>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <comment>a lock key</comment>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>lullara::UsNames</name>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Die Datei %1 fehlt.</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file.</source>
        <translation>Die Datei %1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The file %1 is too large (more than %2 MiB).</source>
        <translation>Die Datei %1 ist zu groß (mehr als %2 MiB).</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 holds no names.</source>
        <translation>Die Datei %1 enthält keine Namen.</translation>
    </message>
    <message>
        <source>There is no name to write into it.</source>
        <translation>Es gibt keinen Namen, der hineingeschrieben werden kann.</translation>
    </message>
    <message>
        <source>Its folder cannot be made.</source>
        <translation>Ihr Ordner kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>lullara::WholeFile</name>
    <message>
        <source>The system gave no reason.</source>
        <translation>Das System nannte keinen Grund.</translation>
    </message>
</context>
</TS>
