<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Check</name>
    <message>
        <source>Same e-mail: %1</source>
        <translation>Gleiche E-Mail-Adresse: %1</translation>
    </message>
    <message>
        <source>Same telephone and name: %1, %2</source>
        <translation>Gleiche Telefonnummer und gleicher Name: %1, %2</translation>
    </message>
    <message>
        <source>Same address and name: %1, %2</source>
        <translation>Gleiche Adresse und gleicher Name: %1, %2</translation>
    </message>
    <message>
        <source>PASS 1 - Checking Redundancies %1 of %2</source>
        <translation>DURCHGANG 1 – Dubletten werden geprüft: %1 von %2</translation>
    </message>
    <message>
        <source>exact (the same e-mail, or the same telephone or address and the same name)</source>
        <translation>exakt (gleiche E-Mail-Adresse oder gleiche Telefonnummer bzw. Adresse und gleicher Name)</translation>
    </message>
    <message>
        <source>tolerant (case, spacing, accents, number format)</source>
        <translation>tolerant (Groß-/Kleinschreibung, Leerzeichen, Akzente, Nummernformat)</translation>
    </message>
    <message>
        <source>, default country code +%1</source>
        <translation>, Standard-Ländervorwahl +%1</translation>
    </message>
    <message>
        <source>decided by you</source>
        <translation>von Ihnen entschieden</translation>
    </message>
    <message>
        <source>decided by an answer for all remaining conflicts</source>
        <translation>durch eine Antwort für alle übrigen Konflikte entschieden</translation>
    </message>
    <message>
        <source>no conflict to decide</source>
        <translation>kein Konflikt zu entscheiden</translation>
    </message>
    <message numerus="yes">
        <source>%n Contacts Removed</source>
        <translation>
            <numerusform>%n Kontakt entfernt</numerusform>
            <numerusform>%n Kontakte entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pass 1 redundancy operation removed %n contacts.</source>
        <translation>
            <numerusform>Durchgang 1 der Dublettenprüfung hat %n Kontakt entfernt.</numerusform>
            <numerusform>Durchgang 1 der Dublettenprüfung hat %n Kontakte entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass 1 Completed</source>
        <translation>Durchgang 1 abgeschlossen</translation>
    </message>
    <message>
        <source>Matching for Pass 2:</source>
        <translation>Abgleich in Durchgang 2:</translation>
    </message>
    <message>
        <source>Would you like to continue to Pass 2?</source>
        <translation>Möchten Sie mit Durchgang 2 fortfahren?</translation>
    </message>
    <message numerus="yes">
        <source>Pass 2 redundancy operation removed %n additional contacts.</source>
        <translation>
            <numerusform>Durchgang 2 der Dublettenprüfung hat %n weiteren Kontakt entfernt.</numerusform>
            <numerusform>Durchgang 2 der Dublettenprüfung hat %n weitere Kontakte entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass 2 Completed</source>
        <translation>Durchgang 2 abgeschlossen</translation>
    </message>
    <message>
        <source>Performing Contact Cleaner...</source>
        <translation>Kontakte werden bereinigt …</translation>
    </message>
    <message>
        <source>Loading File Data...</source>
        <translation>Dateidaten werden geladen …</translation>
    </message>
    <message>
        <source>Writing Output Files...</source>
        <translation>Ausgabedateien werden geschrieben …</translation>
    </message>
    <message>
        <source>%1 contacts read, %2 identical contacts removed, %3 similar contacts merged, %4 contacts written.</source>
        <translation>%1 Kontakte gelesen, %2 identische Kontakte entfernt, %3 ähnliche Kontakte zusammengeführt, %4 Kontakte geschrieben.</translation>
    </message>
    <message>
        <source>Contact (%1)</source>
        <translation>Kontakt (%1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Both removed (Keep Neither), </source>
        <translation>Beide entfernt (Keinen behalten), </translation>
    </message>
    <message>
        <source>Merged, </source>
        <translation>Zusammengeführt, </translation>
    </message>
    <message>
        <source>PASS 2 - Checking Redundancies %1 of %2</source>
        <translation>DURCHGANG 2 – Dubletten werden geprüft: %1 von %2</translation>
    </message>
    <message>
        <source>Same e-mail ignoring case: %1</source>
        <translation>Gleiche E-Mail-Adresse ohne Beachtung der Groß-/Kleinschreibung: %1</translation>
    </message>
    <message>
        <source>Same telephone number and name folded: %1, %2</source>
        <translation>Gleiche Telefonnummer und gleicher Name (vereinheitlicht): %1, %2</translation>
    </message>
    <message>
        <source>Same address ignoring case and spacing and name folded: %1, %2</source>
        <translation>Gleiche Adresse ohne Beachtung von Groß-/Kleinschreibung und Leerzeichen, gleicher Name (vereinheitlicht): %1, %2</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Written as vCard %1.</source>
        <translation>Als vCard %1 geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%n values could not be decoded and were written as read; the report names them.</source>
        <translation>
            <numerusform>%n Wert ließ sich nicht dekodieren und wurde wie gelesen geschrieben; der Bericht nennt ihn.</numerusform>
            <numerusform>%n Werte ließen sich nicht dekodieren und wurden wie gelesen geschrieben; der Bericht nennt sie.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Raw (one column per tag)</source>
        <translation>Roh (eine Spalte je Eigenschaft)</translation>
    </message>
    <message>
        <source>&amp;Raw (one column per tag)</source>
        <translation>&amp;Roh (eine Spalte je Eigenschaft)</translation>
    </message>
    <message>
        <source>Google Contacts CSV</source>
        <translation>Google Kontakte (CSV)</translation>
    </message>
    <message>
        <source>&amp;Google Contacts</source>
        <translation>&amp;Google Kontakte</translation>
    </message>
    <message>
        <source>Outlook CSV</source>
        <translation>Outlook (CSV)</translation>
    </message>
    <message>
        <source>&amp;Outlook</source>
        <translation>&amp;Outlook</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Its own field (X-CSV-...)</source>
        <translation>Eigenes Feld (X-CSV-…)</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Namenspräfix</translation>
    </message>
    <message>
        <source>Name suffix</source>
        <translation>Namenssuffix</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Berufsbezeichnung</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Work e-mail</source>
        <translation>E-Mail (geschäftlich)</translation>
    </message>
    <message>
        <source>Home e-mail</source>
        <translation>E-Mail (privat)</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation>Telefon (geschäftlich)</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Telefon (privat)</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Work web site</source>
        <translation>Website (geschäftlich)</translation>
    </message>
    <message>
        <source>Home web site</source>
        <translation>Website (privat)</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>Fax phone</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Work fax phone</source>
        <translation>Fax (geschäftlich)</translation>
    </message>
    <message>
        <source>Home fax phone</source>
        <translation>Fax (privat)</translation>
    </message>
    <message>
        <source>Pager phone</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Bundesland/Region</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>PO box</source>
        <translation>Postfach</translation>
    </message>
    <message>
        <source>Work street</source>
        <translation>Straße (geschäftlich)</translation>
    </message>
    <message>
        <source>Work city</source>
        <translation>Ort (geschäftlich)</translation>
    </message>
    <message>
        <source>Work region</source>
        <translation>Bundesland/Region (geschäftlich)</translation>
    </message>
    <message>
        <source>Work postal code</source>
        <translation>Postleitzahl (geschäftlich)</translation>
    </message>
    <message>
        <source>Work country</source>
        <translation>Land (geschäftlich)</translation>
    </message>
    <message>
        <source>Work PO box</source>
        <translation>Postfach (geschäftlich)</translation>
    </message>
    <message>
        <source>Home street</source>
        <translation>Straße (privat)</translation>
    </message>
    <message>
        <source>Home city</source>
        <translation>Ort (privat)</translation>
    </message>
    <message>
        <source>Home region</source>
        <translation>Bundesland/Region (privat)</translation>
    </message>
    <message>
        <source>Home postal code</source>
        <translation>Postleitzahl (privat)</translation>
    </message>
    <message>
        <source>Home country</source>
        <translation>Land (privat)</translation>
    </message>
    <message>
        <source>Home PO box</source>
        <translation>Postfach (privat)</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Work fax</source>
        <translation>Fax (geschäftlich)</translation>
    </message>
    <message>
        <source>Home fax</source>
        <translation>Fax (privat)</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Work address</source>
        <translation>Adresse (geschäftlich)</translation>
    </message>
    <message>
        <source>Home address</source>
        <translation>Adresse (privat)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Work web page</source>
        <translation>Webseite (geschäftlich)</translation>
    </message>
    <message>
        <source>Home web page</source>
        <translation>Webseite (privat)</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>Eindeutige Kennung</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Instant messaging</source>
        <translation>Sofortnachrichten</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Address label</source>
        <translation>Adressetikett</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>&quot;%1&quot; is the file this merge writes, so it cannot be merged too. Leave it out or rename it, then merge again.</source>
        <translation>„%1“ ist die Datei, die dieses Zusammenlegen schreibt; sie kann nicht zugleich zusammengelegt werden. Lassen Sie sie weg oder benennen Sie sie um und legen Sie dann erneut zusammen.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot open the folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file.</source>
        <translation>„%1“ kann nicht gelesen werden: Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a folder. Remove or rename it, then try again.</source>
        <translation>„%1“ ist eine Verknüpfung, kein Ordner. Entfernen Sie sie oder benennen Sie sie um und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way: it is not a folder. Remove or rename it, then try again.</source>
        <translation>„%1“ steht im Weg: Es ist kein Ordner. Entfernen Sie es oder benennen Sie es um und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>A contact holds more than 4 GB of text, more than this program can process.</source>
        <translation>Ein Kontakt enthält mehr als 4 GB Text, mehr als dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 contacts, the most this program can process.</source>
        <translation>%2 enthält mehr als %1 Kontakte, die Höchstzahl, die dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>Contact %2 of %3 holds more than %1 lines, the most this program can process.</source>
        <translation>Kontakt %2 von %3 enthält mehr als %1 Zeilen, die Höchstzahl, die dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>The input holds more than %1 distinct tags, the most this program can process.</source>
        <translation>Die Eingabe enthält mehr als %1 verschiedene Eigenschaften, die Höchstzahl, die dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>A cell of the file is larger than 4 GB, more than this program reads.</source>
        <translation>Eine Zelle der Datei ist größer als 4 GB, mehr als dieses Programm liest.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 rows, the most this program can process.</source>
        <translation>%2 enthält mehr als %1 Zeilen, die Höchstzahl, die dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>The selection holds more than %1 files, the most this program can process.</source>
        <translation>Die Auswahl enthält mehr als %1 Dateien, die Höchstzahl, die dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 .vcf files, the most this program can process.</source>
        <translation>%2 enthält mehr als %1 .vcf-Dateien, die Höchstzahl, die dieses Programm verarbeiten kann.</translation>
    </message>
    <message>
        <source>The merge holds more than %1 contacts, the most this program can process.</source>
        <translation>Das Zusammenlegen umfasst mehr als %1 Kontakte, die Höchstzahl, die dieses Programm verarbeiten kann.</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>Earlier Split Found</source>
        <translation>Frühere Aufteilung gefunden</translation>
    </message>
    <message>
        <source>%1 already holds files of an earlier run.</source>
        <translation>%1 enthält bereits Dateien eines früheren Durchlaufs.</translation>
    </message>
    <message>
        <source>Write this split into a new folder, or add its files to that one?</source>
        <translation>Soll diese Aufteilung in einen neuen Ordner geschrieben oder sollen ihre Dateien zu diesem hinzugefügt werden?</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>In %1 schreiben</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Zu %1 hinzufügen</translation>
    </message>
    <message>
        <source>File Already Exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existiert bereits.</translation>
    </message>
    <message>
        <source>Replace it, or keep both and write the new file as %1?</source>
        <translation>Ersetzen, oder beide behalten und die neue Datei als %1 schreiben?</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Holding the folder &quot;%1&quot;: click Run Now to recombine its files.</source>
        <translation>Ordner „%1“ liegt bereit: Klicken Sie auf „Jetzt ausführen“, um seine Dateien zusammenzuführen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file or folder; nothing is held.</source>
        <translation>„%1“ ist weder Datei noch Ordner; nichts wurde übernommen.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to export it.</source>
        <translation>„%1“ liegt bereit: Klicken Sie auf „Jetzt ausführen“, um die Datei zu exportieren.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to import it.</source>
        <translation>„%1“ liegt bereit: Klicken Sie auf „Jetzt ausführen“, um die Datei zu importieren.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to split it.</source>
        <translation>„%1“ liegt bereit: Klicken Sie auf „Jetzt ausführen“, um die Datei aufzuteilen.</translation>
    </message>
    <message>
        <source>Files from several folders cannot be merged together; nothing is held.</source>
        <translation>Dateien aus mehreren Ordnern können nicht zusammengelegt werden; nichts wurde übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>Holding %n files of &quot;%1&quot;: click Run Now to merge them.</source>
        <translation>
            <numerusform>%n Datei aus „%1“ liegt bereit: Klicken Sie auf „Jetzt ausführen“, um sie zusammenzulegen.</numerusform>
            <numerusform>%n Dateien aus „%1“ liegen bereit: Klicken Sie auf „Jetzt ausführen“, um sie zusammenzulegen.</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard has not been successfully split.</source>
        <translation>Die vCard wurde nicht erfolgreich aufgeteilt.</translation>
    </message>
    <message>
        <source>vCard Split Failed</source>
        <translation>Aufteilen der vCard fehlgeschlagen</translation>
    </message>
    <message>
        <source>vCard Split Stopped</source>
        <translation>Aufteilen der vCard angehalten</translation>
    </message>
    <message>
        <source>vCard has been split successfully.</source>
        <translation>Die vCard wurde erfolgreich aufgeteilt.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been created in...</source>
        <translation>
            <numerusform>%n Datei wurde erstellt in …</numerusform>
            <numerusform>%n Dateien wurden erstellt in …</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Split Successfull</source>
        <translation>vCard erfolgreich aufgeteilt</translation>
    </message>
    <message>
        <source>vCard Split Successful</source>
        <translation>vCard erfolgreich aufgeteilt</translation>
    </message>
    <message>
        <source>vCard recombination has not been completed.</source>
        <translation>Das Zusammenführen der vCards wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>vCard Recombine Failed</source>
        <translation>Zusammenführen der vCards fehlgeschlagen</translation>
    </message>
    <message>
        <source>vCard Recombination Failed</source>
        <translation>Zusammenführen der vCards fehlgeschlagen</translation>
    </message>
    <message>
        <source>vCard Recombination Stopped</source>
        <translation>Zusammenführen der vCards angehalten</translation>
    </message>
    <message>
        <source>vCard files have been successfully recombined.</source>
        <translation>Die vCard-Dateien wurden erfolgreich zusammengeführt.</translation>
    </message>
    <message numerus="yes">
        <source>%n total files have been combined into...</source>
        <translation>
            <numerusform>Insgesamt %n Datei wurde zusammengeführt in …</numerusform>
            <numerusform>Insgesamt %n Dateien wurden zusammengeführt in …</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Recombine Successfull</source>
        <translation>vCards erfolgreich zusammengeführt</translation>
    </message>
    <message>
        <source>vCard Recombination Successful</source>
        <translation>vCards erfolgreich zusammengeführt</translation>
    </message>
    <message>
        <source>vCards have not been successfully merged.</source>
        <translation>Die vCards wurden nicht erfolgreich zusammengelegt.</translation>
    </message>
    <message>
        <source>vCard Processing Failed</source>
        <translation>Verarbeitung der vCard fehlgeschlagen</translation>
    </message>
    <message>
        <source>vCard Merge Failed</source>
        <translation>Zusammenlegen der vCards fehlgeschlagen</translation>
    </message>
    <message>
        <source>vCard Merge Stopped</source>
        <translation>Zusammenlegen der vCards angehalten</translation>
    </message>
    <message>
        <source>vCards have been merged successfully.</source>
        <translation>Die vCards wurden erfolgreich zusammengelegt.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards have been combined into...</source>
        <translation>
            <numerusform>%n Karte wurde zusammengelegt in …</numerusform>
            <numerusform>%n Karten wurden zusammengelegt in …</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Merge Successfull</source>
        <translation>vCards erfolgreich zusammengelegt</translation>
    </message>
    <message>
        <source>vCard Merge Successful</source>
        <translation>vCards erfolgreich zusammengelegt</translation>
    </message>
    <message>
        <source>vCard has not been successfully exported.</source>
        <translation>Die vCard wurde nicht erfolgreich exportiert.</translation>
    </message>
    <message>
        <source>vCard Export Failed</source>
        <translation>Export der vCard fehlgeschlagen</translation>
    </message>
    <message>
        <source>vCard Export Stopped</source>
        <translation>Export der vCard angehalten</translation>
    </message>
    <message>
        <source>vCard has been exported successfully.</source>
        <translation>Die vCard wurde erfolgreich exportiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards have been exported into...</source>
        <translation>
            <numerusform>%n Karte wurde exportiert in …</numerusform>
            <numerusform>%n Karten wurden exportiert in …</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Export Successfull</source>
        <translation>vCard erfolgreich exportiert</translation>
    </message>
    <message>
        <source>vCard Export Successful</source>
        <translation>vCard erfolgreich exportiert</translation>
    </message>
    <message>
        <source>CSV file has not been imported.</source>
        <translation>Die CSV-Datei wurde nicht importiert.</translation>
    </message>
    <message>
        <source>CSV Import Failed</source>
        <translation>CSV-Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>CSV Import Stopped</source>
        <translation>CSV-Import angehalten</translation>
    </message>
    <message>
        <source>CSV file has been imported successfully.</source>
        <translation>Die CSV-Datei wurde erfolgreich importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts have been written into...</source>
        <translation>
            <numerusform>%n Kontakt wurde geschrieben in …</numerusform>
            <numerusform>%n Kontakte wurden geschrieben in …</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV Import Successful</source>
        <translation>CSV-Import erfolgreich</translation>
    </message>
    <message>
        <source>The selected location does not contain multiple vCard contact files.</source>
        <translation>Der gewählte Ort enthält nicht mehrere vCard-Kontaktdateien.</translation>
    </message>
    <message>
        <source>Please choose a path containing multiple vCards to be recombined.</source>
        <translation>Bitte wählen Sie einen Ort mit mehreren vCards, die zusammengeführt werden sollen.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Nothing to Process</source>
        <translation>Nichts zu verarbeiten</translation>
    </message>
    <message>
        <source>Stopped: nothing was written; an earlier file of that name is as it was.</source>
        <translation>Angehalten: Es wurde nichts geschrieben; eine frühere Datei dieses Namens ist unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n contact files were written in</source>
        <translation>
            <numerusform>Angehalten: %1 von %n Kontaktdatei wurde geschrieben in</numerusform>
            <numerusform>Angehalten: %1 von %n Kontaktdateien wurden geschrieben in</numerusform>
        </translation>
    </message>
    <message>
        <source>There is not enough memory to read &quot;%1&quot;.</source>
        <translation>Es ist nicht genug Speicher vorhanden, um „%1“ zu lesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n vCard Files Found</source>
        <translation>
            <numerusform>%n vCard-Datei gefunden</numerusform>
            <numerusform>%n vCard-Dateien gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Merging...</source>
        <translation>Wird zusammengelegt …</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert …</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message numerus="yes">
        <source>%n values past the tenth of their kind were written to Notes.</source>
        <translation>
            <numerusform>%n Wert nach dem zehnten seiner Art wurde in die Notizen geschrieben.</numerusform>
            <numerusform>%n Werte nach dem zehnten ihrer Art wurden in die Notizen geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected CSV file holds no contacts to import.</source>
        <translation>Die gewählte CSV-Datei enthält keine Kontakte zum Importieren.</translation>
    </message>
    <message>
        <source>Please choose a CSV file with a header row and at least one row of contacts.</source>
        <translation>Bitte wählen Sie eine CSV-Datei mit einer Kopfzeile und mindestens einer Zeile mit Kontakten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not have the columns %2 of the column set chosen.</source>
        <translation>„%1“ hat die Spalten %2 des gewählten Spaltensatzes nicht.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert …</translation>
    </message>
    <message>
        <source>%1 rows read, %2 contacts written.</source>
        <translation>%1 Zeilen gelesen, %2 Kontakte geschrieben.</translation>
    </message>
    <message>
        <source>The selected vCard does not contain multiple contacts.</source>
        <translation>Die gewählte vCard enthält nicht mehrere Kontakte.</translation>
    </message>
    <message>
        <source>Please choose a multiple-entry vCard file.</source>
        <translation>Bitte wählen Sie eine vCard-Datei mit mehreren Einträgen.</translation>
    </message>
    <message>
        <source>Verifying Input File...</source>
        <translation>Eingabedatei wird geprüft …</translation>
    </message>
    <message numerus="yes">
        <source>vCard Count = %n Cards</source>
        <translation>
            <numerusform>vCard-Anzahl: %n Karte</numerusform>
            <numerusform>vCard-Anzahl: %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Verarbeitung: %1</translation>
    </message>
</context>
<context>
    <name>palvren::AboutWindow</name>
    <message>
        <source>About Palvren</source>
        <translation>Über Palvren</translation>
    </message>
</context>
<context>
    <name>palvren::ColumnMappingDialog</name>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Erste Werte</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Import CSV Columns</source>
        <translation>CSV-Spalten importieren</translation>
    </message>
    <message>
        <source>Palvren does not know the columns of this file. Choose where each one goes; nothing is written until you click Import. A column kept as its own field is written as an X-CSV- property, never dropped.</source>
        <translation>Palvren kennt die Spalten dieser Datei nicht. Wählen Sie, wohin jede Spalte gehört; geschrieben wird erst, wenn Sie auf „Importieren“ klicken. Eine Spalte, die als eigenes Feld behalten wird, wird als X-CSV-Eigenschaft geschrieben und nie verworfen.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
</context>
<context>
    <name>palvren::ConflictWindow</name>
    <message>
        <source>%1 image, %2 pixels, %3 bytes</source>
        <translation>%1-Bild, %2 Pixel, %3 Byte</translation>
    </message>
    <message>
        <source>Select the Correct Data</source>
        <translation>Richtige Daten auswählen</translation>
    </message>
    <message>
        <source>Keep Neither</source>
        <translation>Keinen behalten</translation>
    </message>
    <message>
        <source>Update Existing Data Field</source>
        <translation>Vorhandenes Datenfeld ändern</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Option 1</source>
        <translation>Option 1</translation>
    </message>
    <message>
        <source>Option 2</source>
        <translation>Option 2</translation>
    </message>
    <message>
        <source>Double-click a row, or press F2, to type its value for both contacts</source>
        <translation>Doppelklicken Sie auf eine Zeile oder drücken Sie F2, um ihren Wert für beide Kontakte einzugeben</translation>
    </message>
    <message>
        <source>Conflicting data exists for this redundancy.  Select the value to keep.</source>
        <translation>Für diese Dublette gibt es widersprüchliche Daten. Wählen Sie den Wert, der bleiben soll.</translation>
    </message>
    <message>
        <source>Contact (%1)</source>
        <translation>Kontakt (%1)</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>This is not a redundancy. Keep Both: these are two people — keep both contacts as they are</source>
        <translation>Dies ist keine Dublette. Beide behalten: Es sind zwei Personen – beide Kontakte bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>This is the correct information for this field: keep %1&apos;s value and merge the two contacts</source>
        <translation>Dies ist die richtige Angabe für dieses Feld: den Wert von %1 behalten und die beiden Kontakte zusammenführen</translation>
    </message>
    <message>
        <source>Keep Option 1</source>
        <translation>Option 1 behalten</translation>
    </message>
    <message>
        <source>Keep Option 2</source>
        <translation>Option 2 behalten</translation>
    </message>
    <message>
        <source>Both options are garbage: remove both contacts (asks first)</source>
        <translation>Beide Optionen sind unbrauchbar: beide Kontakte entfernen (mit Rückfrage)</translation>
    </message>
    <message>
        <source>Keep Both Values</source>
        <translation>Beide Werte behalten</translation>
    </message>
    <message>
        <source>Both values are right: keep them both in the merged contact (for a field that holds several, such as e-mails)</source>
        <translation>Beide Werte stimmen: beide im zusammengeführten Kontakt behalten (für ein Feld mit mehreren Werten, etwa E-Mail-Adressen)</translation>
    </message>
    <message>
        <source>&amp;Apply to all remaining conflicts</source>
        <translation>Für alle übrigen Konflikte &amp;übernehmen</translation>
    </message>
    <message>
        <source>Answer every later conflict of this check the same way, for pairs named alike (a pair named otherwise is still asked; Keep Neither, which removes both contacts, never applies to others)</source>
        <translation>Jeden weiteren Konflikt dieser Prüfung ebenso beantworten, für gleich benannte Paare (ein anders benanntes Paar wird weiter gefragt; „Keinen behalten“, das beide Kontakte entfernt, gilt nie für andere)</translation>
    </message>
    <message>
        <source>S&amp;top Checking</source>
        <translation>Prüfung &amp;beenden</translation>
    </message>
    <message>
        <source>Ask no more: keep both contacts of this and every remaining pair, and write the files</source>
        <translation>Nicht mehr fragen: beide Kontakte dieses und jedes übrigen Paares behalten und die Dateien schreiben</translation>
    </message>
    <message>
        <source>The two contacts matched on this field</source>
        <translation>Die beiden Kontakte stimmen in diesem Feld überein</translation>
    </message>
    <message>
        <source>Enter the value for the &quot;%1&quot; field here:</source>
        <translation>Geben Sie hier den Wert für das Feld „%1“ ein:</translation>
    </message>
    <message>
        <source>Contact (%1) keeps this field in %2, which cannot hold every character typed. Type the value with letters it can hold.</source>
        <translation>Kontakt (%1) speichert dieses Feld in %2, das nicht jedes eingegebene Zeichen aufnehmen kann. Geben Sie den Wert mit Zeichen ein, die es aufnehmen kann.</translation>
    </message>
    <message>
        <source>Keep Neither removes both contacts from the files written. Remove both?</source>
        <translation>„Keinen behalten“ entfernt beide Kontakte aus den geschriebenen Dateien. Beide entfernen?</translation>
    </message>
    <message>
        <source>%1 image, %2 bytes</source>
        <translation>%1-Bild, %2 Byte</translation>
    </message>
</context>
<context>
    <name>palvren::InfoWindows</name>
    <message>
        <source>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;Many phones and address books export all of their contacts as one vCard file that holds
several contacts, yet much software expects one contact per file and cannot import such a file.
Palvren bridges the two, and keeps your address book tidy while it does so:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Split one multiple-contact vCard file into single-contact files, named from the contact
information or numbered sequentially.&lt;/li&gt;
&lt;li&gt;Merge several multiple-contact files into one, so that the redundancy check can run over all
of them at once.&lt;/li&gt;
&lt;li&gt;The contact card cleaner, which removes repeated tag data within each contact.&lt;/li&gt;
&lt;li&gt;The redundancy check, which removes identical contacts.&lt;/li&gt;
&lt;li&gt;The contact merging routine, which merges similar contacts or asks you for the right
data.&lt;/li&gt;
&lt;li&gt;Recombine single-contact files into one large multiple-contact file.&lt;/li&gt;
&lt;li&gt;The CSV export, which shows every field present in a multiple-contact file.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Questions, ideas or trouble? Write to us at the e-mail address shown above.&lt;/p&gt;
&lt;/div&gt;</source>
        <translation>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;Viele Telefone und Adressbücher exportieren alle ihre Kontakte als eine einzige vCard-Datei,
die mehrere Kontakte enthält – doch viele Programme erwarten einen Kontakt je Datei und können
eine solche Datei nicht importieren. Palvren verbindet beides und hält dabei Ihr Adressbuch in
Ordnung:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Eine vCard-Datei mit mehreren Kontakten in Dateien mit je einem Kontakt aufteilen, benannt
nach den Kontaktdaten oder fortlaufend nummeriert.&lt;/li&gt;
&lt;li&gt;Mehrere vCard-Dateien zu einer zusammenlegen, damit die Dublettenprüfung alle auf einmal
erfasst.&lt;/li&gt;
&lt;li&gt;Die Kontaktbereinigung, die wiederholte Angaben innerhalb jedes Kontakts entfernt.&lt;/li&gt;
&lt;li&gt;Die Dublettenprüfung, die identische Kontakte entfernt.&lt;/li&gt;
&lt;li&gt;Das Zusammenführen, das ähnliche Kontakte vereint oder Sie nach den richtigen Daten
fragt.&lt;/li&gt;
&lt;li&gt;Dateien mit je einem Kontakt wieder zu einer großen Datei mit mehreren Kontakten
zusammenführen.&lt;/li&gt;
&lt;li&gt;Den CSV-Export, der jedes Feld einer Datei mit mehreren Kontakten zeigt.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Fragen, Ideen oder Probleme? Schreiben Sie uns an die oben genannte E-Mail-Adresse.&lt;/p&gt;
&lt;/div&gt;</translation>
    </message>
    <message>
        <source>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;The redundancy checking operation is complex and broken down into specific logic segments per
the details indicated here.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Any Redundancy Check&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p style=&quot;margin-left: 48px; text-indent: -24px;&quot;&gt;Contact Cleaner:  The cleaner goes through every
contact card and removes redundant data for a tag.  A contact may have several tags of one kind
(home phone, work phone, home address, work address), but never more than one entry of any one
type.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;PASS 1 Redundancy Check&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Run the contact cleaner first, for better data integrity.&lt;/li&gt;
&lt;li&gt;Compare every contact with every other contact looking for identical matches.  Identical
means:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;the same number of tags,&lt;/li&gt;
&lt;li&gt;the same tag identifiers,&lt;/li&gt;
&lt;li&gt;the same data stored for each tag.&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;PASS 2 Redundancy Check&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Run pass 1, which includes the contact cleaner.&lt;/li&gt;
&lt;li&gt;Compare every contact with every other contact looking for a similarity &lt;b&gt;HIT&lt;/b&gt;, which is
any of:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;two contacts with an identical, valid e-mail address for the same tag (valid meaning that the
data holds a name, the &quot;@&quot; character and a domain with a dot, as in ann@example.org);&lt;/li&gt;
&lt;li&gt;two contacts with identical telephone numbers for the same tag, where
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;a name HIT must also exist, that is identical NAME
or FORMATTED NAME fields (an empty name is no name);&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;li&gt;two contacts with identical address fields for the same tag, where
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;a name HIT must also exist, as above.&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Wherever two similar contacts hold different data in the same field, you are asked which value
to keep (or both, for a field that holds several, such as e-mails), whether the two are different
people after all, or whether neither is worth keeping. A field two programs write differently is
one field, and two contacts of two vCard versions become one contact of the higher version.
Before anything is written, a review lists every merge; untick one to keep its contacts as they
were.&lt;/p&gt;
&lt;/div&gt;</source>
        <translation>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;Die Dublettenprüfung ist vielschichtig und gliedert sich in die hier beschriebenen
Logikschritte.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Jede Dublettenprüfung&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p style=&quot;margin-left: 48px; text-indent: -24px;&quot;&gt;Kontaktbereinigung: Die Bereinigung geht jeden
Kontakt durch und entfernt doppelte Daten eines Felds. Ein Kontakt darf mehrere Felder einer Art
haben (Telefon privat, Telefon geschäftlich, Adresse privat, Adresse geschäftlich), aber nie mehr
als einen Eintrag desselben Typs.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Dublettenprüfung DURCHGANG 1&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Zuerst die Kontaktbereinigung ausführen, für saubere Daten.&lt;/li&gt;
&lt;li&gt;Jeden Kontakt mit jedem anderen auf identische Übereinstimmung vergleichen. Identisch
heißt:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;gleiche Anzahl an Feldern,&lt;/li&gt;
&lt;li&gt;gleiche Feldbezeichner,&lt;/li&gt;
&lt;li&gt;gleiche Daten in jedem Feld.&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Dublettenprüfung DURCHGANG 2&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Durchgang 1 ausführen, einschließlich der Kontaktbereinigung.&lt;/li&gt;
&lt;li&gt;Jeden Kontakt mit jedem anderen auf einen &lt;b&gt;TREFFER&lt;/b&gt; der Ähnlichkeit vergleichen, also
eines der folgenden:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;zwei Kontakte mit identischer, gültiger E-Mail-Adresse im selben Feld (gültig heißt: ein
Name, das Zeichen „@“ und eine Domain mit Punkt, wie in ann@example.org);&lt;/li&gt;
&lt;li&gt;zwei Kontakte mit identischer Telefonnummer im selben Feld, wobei
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;zusätzlich ein Namenstreffer bestehen muss, also
identische Felder NAME oder ANZEIGENAME (ein leerer Name ist kein Name);&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;li&gt;zwei Kontakte mit identischer Adresse im selben Feld, wobei
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;ebenfalls ein Namenstreffer bestehen muss, wie
oben.&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Wo zwei ähnliche Kontakte im selben Feld verschiedene Daten haben, werden Sie gefragt, welchen
Wert Sie behalten möchten (oder beide, bei einem Feld mit mehreren Werten wie E-Mail-Adressen), ob
es doch zwei verschiedene Personen sind oder ob keiner es wert ist, behalten zu werden. Ein Feld,
das zwei Programme verschieden schreiben, ist ein Feld, und zwei Kontakte in zwei vCard-Versionen
werden ein Kontakt der höheren Version. Bevor etwas geschrieben wird, listet eine Übersicht jede
Zusammenführung auf; entfernen Sie den Haken, um deren Kontakte unverändert zu lassen.&lt;/p&gt;
&lt;/div&gt;</translation>
    </message>
    <message>
        <source>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Tolerant Matching (in force)&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Pass 2 compares fields by their name alone, whatever their type or group, and compares values
as a person reads them:&lt;/p&gt;
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;e-mail addresses without case, spaces or &quot;mailto:&quot;;&lt;/li&gt;
&lt;li&gt;telephone numbers as the international number they stand for (0044 as +44, an extension
kept apart%1); a number that cannot be read that way is compared by its digits and letters,
when it has at least seven digits;&lt;/li&gt;
&lt;li&gt;addresses without case or extra spaces;&lt;/li&gt;
&lt;li&gt;names without case, accents, punctuation or &quot;Last, First&quot; order. When both contacts have a
formatted name, those decide; the name&apos;s parts decide only when one of them has none, and a
family name alone never matches.&lt;/li&gt;
&lt;/ol&gt;
&lt;/div&gt;</source>
        <translation>
&lt;div style=&quot;font-family: Calibri, Carlito, sans-serif; font-size: 10pt;&quot;&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Toleranter Abgleich (aktiv)&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;Durchgang 2 vergleicht Felder allein nach ihrem Namen, unabhängig von Typ oder Gruppe, und
vergleicht Werte so, wie ein Mensch sie liest:&lt;/p&gt;
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;E-Mail-Adressen ohne Groß-/Kleinschreibung, Leerzeichen oder „mailto:“;&lt;/li&gt;
&lt;li&gt;Telefonnummern als die internationale Nummer, für die sie stehen (0049 als +49, eine
Durchwahl getrennt%1); eine Nummer, die sich so nicht lesen lässt, wird nach ihren Ziffern und
Buchstaben verglichen, wenn sie mindestens sieben Ziffern hat;&lt;/li&gt;
&lt;li&gt;Adressen ohne Groß-/Kleinschreibung oder überzählige Leerzeichen;&lt;/li&gt;
&lt;li&gt;Namen ohne Groß-/Kleinschreibung, Akzente, Satzzeichen oder die Reihenfolge „Nachname,
Vorname“. Haben beide Kontakte einen Anzeigenamen, entscheiden diese; die Namensteile
entscheiden nur, wenn einer von beiden keinen hat, und ein Nachname allein stimmt nie
überein.&lt;/li&gt;
&lt;/ol&gt;
&lt;/div&gt;</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>palvren::MainWindow</name>
    <message>
        <source>This option will request the file name of a singe multiple-contact vCard file (.vcf), and create a folder in that directory with the name &quot;Split-vCards&quot;.  Within that folder, a single VCF file will be created for each contact found in the original multiple-contact vCard.  These single-contact VCF files should be compatible with most devices and software (such as MS-Outlook, cell-phones, etc.)</source>
        <translation>Diese Option fragt nach dem Namen einer einzelnen vCard-Datei mit mehreren Kontakten (.vcf) und legt in deren Verzeichnis einen Ordner mit dem Namen „Split-vCards“ an. In diesem Ordner entsteht für jeden Kontakt der ursprünglichen vCard eine eigene VCF-Datei. Diese Einzelkontakt-Dateien sollten mit den meisten Geräten und Programmen (etwa MS Outlook oder Mobiltelefonen) zusammenarbeiten.</translation>
    </message>
    <message>
        <source>This option will request the path to the folder containing multiple, single-contact vCard files.  It will then re-combine all of the contacts into one large multiple-contact vCard file.  This option is effectively the reverse function of the first (Split) option.</source>
        <translation>Diese Option fragt nach dem Ordner, der mehrere vCard-Dateien mit je einem Kontakt enthält, und führt alle Kontakte zu einer großen vCard-Datei mit mehreren Kontakten zusammen. Sie ist damit die Umkehrung der ersten Option (Aufteilen).</translation>
    </message>
    <message>
        <source>This option will request the file names of several multiple-contact vCard files and merge them together into one large vCard file.  From here, the other options may be employed to split, export, or check for redundancies.</source>
        <translation>Diese Option fragt nach den Namen mehrerer vCard-Dateien mit mehreren Kontakten und legt sie zu einer großen vCard-Datei zusammen. Danach lassen sich mit den anderen Optionen die Kontakte aufteilen, exportieren oder auf Dubletten prüfen.</translation>
    </message>
    <message>
        <source>This option will request the file name of a singe, multiple-contact vCard file (.vcf), and create a comma-delimted text file (.csv) containing all of the information.  This file may be imported in MS-Excel (or similar) so that all of the contact information may be manually parsed or concatenated by the user.</source>
        <translation>Diese Option fragt nach dem Namen einer einzelnen vCard-Datei mit mehreren Kontakten (.vcf) und erstellt eine kommagetrennte Textdatei (.csv) mit allen Angaben. Diese Datei lässt sich in MS Excel (oder ähnliche Programme) importieren, sodass Sie alle Kontaktdaten von Hand auswerten oder zusammenfügen können.</translation>
    </message>
    <message>
        <source>This option will request the file name of a CSV file (.csv) that a spreadsheet, Google Contacts, Outlook, Thunderbird or this program wrote, and create the multiple-contact vCard file &quot;Contacts_Imported.vcf&quot; beside it, one contact for each row.  When it does not know the columns, it asks where each one goes before anything is written.</source>
        <translation>Diese Option fragt nach dem Namen einer CSV-Datei (.csv), die eine Tabellenkalkulation, Google Kontakte, Outlook, Thunderbird oder dieses Programm geschrieben hat, und erstellt daneben die vCard-Datei „Contacts_Imported.vcf“ mit einem Kontakt je Zeile. Kennt sie die Spalten nicht, fragt sie vor dem Schreiben, wohin jede gehört.</translation>
    </message>
    <message>
        <source>Palvren - Main Window</source>
        <translation>Palvren – Hauptfenster</translation>
    </message>
    <message>
        <source>&amp;Run Now</source>
        <translation>&amp;Jetzt ausführen</translation>
    </message>
    <message>
        <source>Split a multi-contact vCard into separate vCard files</source>
        <translation>Eine vCard mit mehreren Kontakten in einzelne vCard-Dateien aufteilen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: the options start at their defaults and are not saved.</source>
        <translation>„%1“ ist keine reguläre Datei: Die Optionen beginnen mit ihren Standardwerten und werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>What to Do</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Multiple-Contact vCard to Individual vCard Split</source>
        <translation>Mehrfach-vCard in einzelne vCards &amp;aufteilen</translation>
    </message>
    <message>
        <source>R&amp;ecombine Single vCard Files into Mutiple-Contact File</source>
        <translation>Einzelne vCard-Dateien zu einer Mehrfach-Datei &amp;zusammenführen</translation>
    </message>
    <message>
        <source>Mer&amp;ge Multiple vCard Files Together</source>
        <translation>Mehrere vCard-Dateien zusammen&amp;legen</translation>
    </message>
    <message>
        <source>E&amp;xport Multiple-Contact vCard File to Raw CSV</source>
        <translation>Mehrfach-vCard als Roh-CSV e&amp;xportieren</translation>
    </message>
    <message>
        <source>Im&amp;port CSV File into Multiple-Contact vCard</source>
        <translation>CSV-Datei in Mehrfach-vCard &amp;importieren</translation>
    </message>
    <message>
        <source>Redundancy Options</source>
        <translation>Dubletten-Optionen</translation>
    </message>
    <message>
        <source>Any time a contact redundancy is found (as described in the &quot;More Info&quot; box above), the following action(s) will be taken:</source>
        <translation>Immer wenn eine Dublette gefunden wird (wie unter „Mehr Infos“ beschrieben), geschieht Folgendes:</translation>
    </message>
    <message>
        <source>1 PASS - Eliminate Perfect Duplicates Only</source>
        <translation>1 DURCHGANG – Nur exakte Duplikate entfernen</translation>
    </message>
    <message>
        <source>* Only take action on identical fields and contents</source>
        <translation>* Nur bei identischen Feldern und Inhalten handeln</translation>
    </message>
    <message>
        <source>2 PASS - Perfect Dupliicates + Attempt to Merge &quot;Similar&quot;</source>
        <translation>2 DURCHGÄNGE – Exakte Duplikate + „ähnliche“ zusammenführen</translation>
    </message>
    <message>
        <source>* User will be prompted for dissimilar data in identical fields</source>
        <translation>* Bei abweichenden Daten in gleichen Feldern werden Sie gefragt</translation>
    </message>
    <message>
        <source>Tolerant Matching is on: Pass 2 ignores case, spacing, accents and number format.</source>
        <translation>Toleranter Abgleich ist eingeschaltet: Durchgang 2 übergeht Groß-/Kleinschreibung, Leerzeichen, Akzente und Nummernformat.</translation>
    </message>
    <message>
        <source>Execution Details/Options</source>
        <translation>Ausführung/Optionen</translation>
    </message>
    <message>
        <source>vCard Naming Options</source>
        <translation>Benennung der vCards</translation>
    </message>
    <message>
        <source>Name vCards &amp;Numerically</source>
        <translation>vCards &amp;nummeriert benennen</translation>
    </message>
    <message>
        <source>Every vCard file will be named per its index without reguard to contents</source>
        <translation>Jede vCard-Datei wird unabhängig vom Inhalt nach ihrer Nummer benannt</translation>
    </message>
    <message>
        <source> Name vCards from &amp;Contact Info</source>
        <translation> vCards nach &amp;Kontaktdaten benennen</translation>
    </message>
    <message>
        <source>vCard files will be named per the first valid field in the following sequence: Formatted Name, Name, Title, Email</source>
        <translation>vCard-Dateien werden nach dem ersten gültigen Feld in dieser Reihenfolge benannt: Anzeigename, Name, Titel, E-Mail</translation>
    </message>
    <message>
        <source>Check for Re&amp;dundancies</source>
        <translation>Auf Du&amp;bletten prüfen</translation>
    </message>
    <message>
        <source>More &amp;Info</source>
        <translation>&amp;Mehr Infos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was handed over: it is held when this run ends.</source>
        <translation>„%1“ wurde übergeben: Es wird übernommen, wenn dieser Durchlauf endet.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were handed over: they are held when this run ends.</source>
        <translation>
            <numerusform>%n Datei wurde übergeben: Sie wird übernommen, wenn dieser Durchlauf endet.</numerusform>
            <numerusform>%n Dateien wurden übergeben: Sie werden übernommen, wenn dieser Durchlauf endet.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>A run is in progress. Stop it and quit?</source>
        <translation>Ein Durchlauf läuft gerade. Anhalten und Palvren beenden?</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Pass 1:</source>
        <translation>Durchgang 1:</translation>
    </message>
    <message>
        <source>Pass 2:</source>
        <translation>Durchgang 2:</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Merging</source>
        <translation>Zusammenlegen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Redundancy Logic</source>
        <translation>&amp;Dubletten-Logik</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Tolerant Matching (case, spacing, accents, number format)</source>
        <translation>&amp;Toleranter Abgleich (Groß-/Kleinschreibung, Leerzeichen, Akzente, Nummernformat)</translation>
    </message>
    <message>
        <source>Default &amp;Country Code...</source>
        <translation>Standard-&amp;Ländervorwahl …</translation>
    </message>
    <message>
        <source>&amp;Export Format</source>
        <translation>&amp;Exportformat</translation>
    </message>
    <message>
        <source>&amp;Write vCards As</source>
        <translation>vCards &amp;schreiben als</translation>
    </message>
    <message>
        <source>As &amp;Read</source>
        <translation>Wie &amp;gelesen</translation>
    </message>
    <message>
        <source>vCard &amp;2.1</source>
        <translation>vCard &amp;2.1</translation>
    </message>
    <message>
        <source>vCard &amp;3.0</source>
        <translation>vCard &amp;3.0</translation>
    </message>
    <message>
        <source>vCard &amp;4.0</source>
        <translation>vCard &amp;4.0</translation>
    </message>
    <message>
        <source>Country calling code for national numbers (digits, such as 44 or 1); empty for none:</source>
        <translation>Ländervorwahl für nationale Nummern (Ziffern, etwa 49 oder 1); leer für keine:</translation>
    </message>
    <message>
        <source>Default Country Code</source>
        <translation>Standard-Ländervorwahl</translation>
    </message>
    <message>
        <source>A country calling code has one to three digits.</source>
        <translation>Eine Ländervorwahl hat eine bis drei Ziffern.</translation>
    </message>
    <message>
        <source>Please Choose Options and Click Run...</source>
        <translation>Bitte Optionen wählen und „Jetzt ausführen“ klicken …</translation>
    </message>
    <message>
        <source>No Card</source>
        <translation>Keine Karte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>palvren::MoreWindow</name>
    <message>
        <source>Redundancy Operation Logic Explanation</source>
        <translation>Erläuterung der Dublettenprüfung</translation>
    </message>
    <message>
        <source>; a national number is read as one of +%1</source>
        <translation>; eine nationale Nummer wird als eine aus +%1 gelesen</translation>
    </message>
</context>
<context>
    <name>palvren::QtWindowDialogs</name>
    <message>
        <source>&amp;Save Report...</source>
        <translation>Bericht &amp;speichern …</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>palvren::ReviewWindow</name>
    <message>
        <source>Untick to keep these contacts: they were both removed</source>
        <translation>Haken entfernen, um diese Kontakte zu behalten: Beide wurden entfernt</translation>
    </message>
    <message>
        <source>Untick to write these contacts as they were, unmerged</source>
        <translation>Haken entfernen, um diese Kontakte unverändert und nicht zusammengeführt zu schreiben</translation>
    </message>
    <message>
        <source>Review the Merges</source>
        <translation>Zusammenführungen prüfen</translation>
    </message>
    <message>
        <source>Pass 2 merged or removed these contacts. Untick any you want written as they were; nothing has been written yet.</source>
        <translation>Durchgang 2 hat diese Kontakte zusammengeführt oder entfernt. Entfernen Sie den Haken bei allen, die unverändert geschrieben werden sollen; bisher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&amp;Write the Files</source>
        <translation>Dateien &amp;schreiben</translation>
    </message>
</context>
<context>
    <name>palvren::SourceDialog</name>
    <message>
        <source>vCard File</source>
        <translation>vCard-Datei</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Select a multiple-contact vCard file to split</source>
        <translation>vCard-Datei mit mehreren Kontakten zum Aufteilen wählen</translation>
    </message>
    <message>
        <source>Select the parent folder containing, single-contact vCard files</source>
        <translation>Ordner mit den vCard-Dateien mit je einem Kontakt wählen</translation>
    </message>
    <message>
        <source>Select several multiple-contact vCard files to merge</source>
        <translation>Mehrere vCard-Dateien mit mehreren Kontakten zum Zusammenlegen wählen</translation>
    </message>
    <message>
        <source>Select a multiple-contact vCard file to export</source>
        <translation>vCard-Datei mit mehreren Kontakten zum Exportieren wählen</translation>
    </message>
    <message>
        <source>Select a CSV file to import</source>
        <translation>CSV-Datei zum Importieren wählen</translation>
    </message>
</context>
</TS>
