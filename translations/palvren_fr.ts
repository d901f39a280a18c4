<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Check</name>
    <message>
        <source>Same e-mail: %1</source>
        <translation>Même adresse e-mail&#xa0;: %1</translation>
    </message>
    <message>
        <source>Same telephone and name: %1, %2</source>
        <translation>Même téléphone et même nom&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Same address and name: %1, %2</source>
        <translation>Même adresse et même nom&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>PASS 1 - Checking Redundancies %1 of %2</source>
        <translation>PASSE 1 – Recherche des doublons %1 sur %2</translation>
    </message>
    <message>
        <source>exact (the same e-mail, or the same telephone or address and the same name)</source>
        <translation>exacte (même adresse e-mail, ou même téléphone ou adresse et même nom)</translation>
    </message>
    <message>
        <source>tolerant (case, spacing, accents, number format)</source>
        <translation>tolérante (casse, espaces, accents, format des numéros)</translation>
    </message>
    <message>
        <source>, default country code +%1</source>
        <translation>, indicatif pays par défaut +%1</translation>
    </message>
    <message>
        <source>decided by you</source>
        <translation>décidé par vous</translation>
    </message>
    <message>
        <source>decided by an answer for all remaining conflicts</source>
        <translation>décidé par une réponse valant pour tous les conflits restants</translation>
    </message>
    <message>
        <source>no conflict to decide</source>
        <translation>aucun conflit à trancher</translation>
    </message>
    <message numerus="yes">
        <source>%n Contacts Removed</source>
        <translation>
            <numerusform>%n contact supprimé</numerusform>
            <numerusform>%n contacts supprimés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pass 1 redundancy operation removed %n contacts.</source>
        <translation>
            <numerusform>La passe 1 de la recherche des doublons a supprimé %n contact.</numerusform>
            <numerusform>La passe 1 de la recherche des doublons a supprimé %n contacts.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass 1 Completed</source>
        <translation>Passe 1 terminée</translation>
    </message>
    <message>
        <source>Matching for Pass 2:</source>
        <translation>Correspondance pour la passe 2&#xa0;:</translation>
    </message>
    <message>
        <source>Would you like to continue to Pass 2?</source>
        <translation>Voulez-vous passer à la passe 2&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Pass 2 redundancy operation removed %n additional contacts.</source>
        <translation>
            <numerusform>La passe 2 de la recherche des doublons a supprimé %n contact de plus.</numerusform>
            <numerusform>La passe 2 de la recherche des doublons a supprimé %n contacts de plus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pass 2 Completed</source>
        <translation>Passe 2 terminée</translation>
    </message>
    <message>
        <source>Performing Contact Cleaner...</source>
        <translation>Nettoyage des contacts…</translation>
    </message>
    <message>
        <source>Loading File Data...</source>
        <translation>Chargement des données du fichier…</translation>
    </message>
    <message>
        <source>Writing Output Files...</source>
        <translation>Écriture des fichiers de sortie…</translation>
    </message>
    <message>
        <source>%1 contacts read, %2 identical contacts removed, %3 similar contacts merged, %4 contacts written.</source>
        <translation>%1 contacts lus, %2 contacts identiques supprimés, %3 contacts similaires fusionnés, %4 contacts écrits.</translation>
    </message>
    <message>
        <source>Contact (%1)</source>
        <translation>Contact (%1)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Both removed (Keep Neither), </source>
        <translation>Tous deux supprimés (Ne garder aucun), </translation>
    </message>
    <message>
        <source>Merged, </source>
        <translation>Fusionnés, </translation>
    </message>
    <message>
        <source>PASS 2 - Checking Redundancies %1 of %2</source>
        <translation>PASSE 2 – Recherche des doublons %1 sur %2</translation>
    </message>
    <message>
        <source>Same e-mail ignoring case: %1</source>
        <translation>Même adresse e-mail sans tenir compte de la casse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Same telephone number and name folded: %1, %2</source>
        <translation>Même numéro de téléphone et même nom normalisé&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Same address ignoring case and spacing and name folded: %1, %2</source>
        <translation>Même adresse sans tenir compte de la casse et des espaces, et même nom normalisé&#xa0;: %1, %2</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Written as vCard %1.</source>
        <translation>Écrit en vCard %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n values could not be decoded and were written as read; the report names them.</source>
        <translation>
            <numerusform>%n valeur n’a pas pu être décodée et a été écrite telle quelle&#xa0;; le rapport la cite.</numerusform>
            <numerusform>%n valeurs n’ont pas pu être décodées et ont été écrites telles quelles&#xa0;; le rapport les cite.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Raw (one column per tag)</source>
        <translation>Brut (une colonne par propriété)</translation>
    </message>
    <message>
        <source>&amp;Raw (one column per tag)</source>
        <translation>&amp;Brut (une colonne par propriété)</translation>
    </message>
    <message>
        <source>Google Contacts CSV</source>
        <translation>Google Contacts (CSV)</translation>
    </message>
    <message>
        <source>&amp;Google Contacts</source>
        <translation>&amp;Google Contacts</translation>
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
        <translation>Champ à part (X-CSV-…)</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nom complet</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom de famille</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Préfixe du nom</translation>
    </message>
    <message>
        <source>Name suffix</source>
        <translation>Suffixe du nom</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Surnom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Work e-mail</source>
        <translation>E-mail professionnel</translation>
    </message>
    <message>
        <source>Home e-mail</source>
        <translation>E-mail personnel</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation>Téléphone professionnel</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Téléphone personnel</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Work web site</source>
        <translation>Site web professionnel</translation>
    </message>
    <message>
        <source>Home web site</source>
        <translation>Site web personnel</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Téléphone mobile</translation>
    </message>
    <message>
        <source>Fax phone</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Work fax phone</source>
        <translation>Fax professionnel</translation>
    </message>
    <message>
        <source>Home fax phone</source>
        <translation>Fax personnel</translation>
    </message>
    <message>
        <source>Pager phone</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>PO box</source>
        <translation>Boîte postale</translation>
    </message>
    <message>
        <source>Work street</source>
        <translation>Rue (travail)</translation>
    </message>
    <message>
        <source>Work city</source>
        <translation>Ville (travail)</translation>
    </message>
    <message>
        <source>Work region</source>
        <translation>Région (travail)</translation>
    </message>
    <message>
        <source>Work postal code</source>
        <translation>Code postal (travail)</translation>
    </message>
    <message>
        <source>Work country</source>
        <translation>Pays (travail)</translation>
    </message>
    <message>
        <source>Work PO box</source>
        <translation>Boîte postale (travail)</translation>
    </message>
    <message>
        <source>Home street</source>
        <translation>Rue (domicile)</translation>
    </message>
    <message>
        <source>Home city</source>
        <translation>Ville (domicile)</translation>
    </message>
    <message>
        <source>Home region</source>
        <translation>Région (domicile)</translation>
    </message>
    <message>
        <source>Home postal code</source>
        <translation>Code postal (domicile)</translation>
    </message>
    <message>
        <source>Home country</source>
        <translation>Pays (domicile)</translation>
    </message>
    <message>
        <source>Home PO box</source>
        <translation>Boîte postale (domicile)</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Work fax</source>
        <translation>Fax professionnel</translation>
    </message>
    <message>
        <source>Home fax</source>
        <translation>Fax personnel</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Work address</source>
        <translation>Adresse professionnelle</translation>
    </message>
    <message>
        <source>Home address</source>
        <translation>Adresse personnelle</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Work web page</source>
        <translation>Page web professionnelle</translation>
    </message>
    <message>
        <source>Home web page</source>
        <translation>Page web personnelle</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Display name</source>
        <translation>Nom affiché</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Unique ID</source>
        <translation>Identifiant unique</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Instant messaging</source>
        <translation>Messagerie instantanée</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Date anniversaire</translation>
    </message>
    <message>
        <source>Address label</source>
        <translation>Étiquette d’adresse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>&quot;%1&quot; is the file this merge writes, so it cannot be merged too. Leave it out or rename it, then merge again.</source>
        <translation>«&#xa0;%1&#xa0;» est le fichier que cette fusion écrit&#xa0;; il ne peut donc pas être fusionné lui aussi. Retirez-le ou renommez-le, puis relancez la fusion.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open the folder &quot;%1&quot;: %2</source>
        <translation>Impossible d’ouvrir le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read the folder &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: it is not a regular file.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link, not a folder. Remove or rename it, then try again.</source>
        <translation>«&#xa0;%1&#xa0;» est un lien, pas un dossier. Supprimez-le ou renommez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the way: it is not a folder. Remove or rename it, then try again.</source>
        <translation>«&#xa0;%1&#xa0;» fait obstacle&#xa0;: ce n’est pas un dossier. Supprimez-le ou renommez-le, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>A contact holds more than 4 GB of text, more than this program can process.</source>
        <translation>Un contact contient plus de 4 Go de texte, plus que ce programme ne peut traiter.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 contacts, the most this program can process.</source>
        <translation>%2 contient plus de %1 contacts, le maximum que ce programme peut traiter.</translation>
    </message>
    <message>
        <source>Contact %2 of %3 holds more than %1 lines, the most this program can process.</source>
        <translation>Le contact %2 de %3 contient plus de %1 lignes, le maximum que ce programme peut traiter.</translation>
    </message>
    <message>
        <source>The input holds more than %1 distinct tags, the most this program can process.</source>
        <translation>L’entrée contient plus de %1 propriétés distinctes, le maximum que ce programme peut traiter.</translation>
    </message>
    <message>
        <source>A cell of the file is larger than 4 GB, more than this program reads.</source>
        <translation>Une cellule du fichier dépasse 4 Go, plus que ce programme ne lit.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 rows, the most this program can process.</source>
        <translation>%2 contient plus de %1 lignes, le maximum que ce programme peut traiter.</translation>
    </message>
    <message>
        <source>The selection holds more than %1 files, the most this program can process.</source>
        <translation>La sélection contient plus de %1 fichiers, le maximum que ce programme peut traiter.</translation>
    </message>
    <message>
        <source>%2 holds more than %1 .vcf files, the most this program can process.</source>
        <translation>%2 contient plus de %1 fichiers .vcf, le maximum que ce programme peut traiter.</translation>
    </message>
    <message>
        <source>The merge holds more than %1 contacts, the most this program can process.</source>
        <translation>La fusion contient plus de %1 contacts, le maximum que ce programme peut traiter.</translation>
    </message>
</context>
<context>
    <name>Run</name>
    <message>
        <source>Earlier Split Found</source>
        <translation>Découpage précédent trouvé</translation>
    </message>
    <message>
        <source>%1 already holds files of an earlier run.</source>
        <translation>%1 contient déjà les fichiers d’une exécution précédente.</translation>
    </message>
    <message>
        <source>Write this split into a new folder, or add its files to that one?</source>
        <translation>Écrire ce découpage dans un nouveau dossier, ou ajouter ses fichiers à celui-ci&#xa0;?</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <translation>Écrire dans %1</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Ajouter à %1</translation>
    </message>
    <message>
        <source>File Already Exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>Replace it, or keep both and write the new file as %1?</source>
        <translation>Le remplacer, ou garder les deux et écrire le nouveau fichier sous le nom %1&#xa0;?</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Holding the folder &quot;%1&quot;: click Run Now to recombine its files.</source>
        <translation>Dossier «&#xa0;%1&#xa0;» en attente&#xa0;: cliquez sur Lancer pour recombiner ses fichiers.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file or folder; nothing is held.</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni un fichier ni un dossier&#xa0;; rien n’est retenu.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to export it.</source>
        <translation>«&#xa0;%1&#xa0;» en attente&#xa0;: cliquez sur Lancer pour l’exporter.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to import it.</source>
        <translation>«&#xa0;%1&#xa0;» en attente&#xa0;: cliquez sur Lancer pour l’importer.</translation>
    </message>
    <message>
        <source>Holding &quot;%1&quot;: click Run Now to split it.</source>
        <translation>«&#xa0;%1&#xa0;» en attente&#xa0;: cliquez sur Lancer pour le scinder.</translation>
    </message>
    <message>
        <source>Files from several folders cannot be merged together; nothing is held.</source>
        <translation>Des fichiers de plusieurs dossiers ne peuvent pas être fusionnés ensemble&#xa0;; rien n’est retenu.</translation>
    </message>
    <message numerus="yes">
        <source>Holding %n files of &quot;%1&quot;: click Run Now to merge them.</source>
        <translation>
            <numerusform>%n fichier de «&#xa0;%1&#xa0;» en attente&#xa0;: cliquez sur Lancer pour le fusionner.</numerusform>
            <numerusform>%n fichiers de «&#xa0;%1&#xa0;» en attente&#xa0;: cliquez sur Lancer pour les fusionner.</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard has not been successfully split.</source>
        <translation>La vCard n’a pas pu être scindée.</translation>
    </message>
    <message>
        <source>vCard Split Failed</source>
        <translation>Échec du découpage de la vCard</translation>
    </message>
    <message>
        <source>vCard Split Stopped</source>
        <translation>Découpage de la vCard arrêté</translation>
    </message>
    <message>
        <source>vCard has been split successfully.</source>
        <translation>La vCard a été scindée avec succès.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been created in...</source>
        <translation>
            <numerusform>%n fichier a été créé dans…</numerusform>
            <numerusform>%n fichiers ont été créés dans…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Split Successfull</source>
        <translation>vCard scindée avec succès</translation>
    </message>
    <message>
        <source>vCard Split Successful</source>
        <translation>vCard scindée avec succès</translation>
    </message>
    <message>
        <source>vCard recombination has not been completed.</source>
        <translation>La recombinaison des vCards n’a pas abouti.</translation>
    </message>
    <message>
        <source>vCard Recombine Failed</source>
        <translation>Échec de la recombinaison des vCards</translation>
    </message>
    <message>
        <source>vCard Recombination Failed</source>
        <translation>Échec de la recombinaison des vCards</translation>
    </message>
    <message>
        <source>vCard Recombination Stopped</source>
        <translation>Recombinaison des vCards arrêtée</translation>
    </message>
    <message>
        <source>vCard files have been successfully recombined.</source>
        <translation>Les fichiers vCard ont été recombinés avec succès.</translation>
    </message>
    <message numerus="yes">
        <source>%n total files have been combined into...</source>
        <translation>
            <numerusform>%n fichier au total a été combiné dans…</numerusform>
            <numerusform>%n fichiers au total ont été combinés dans…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Recombine Successfull</source>
        <translation>vCards recombinées avec succès</translation>
    </message>
    <message>
        <source>vCard Recombination Successful</source>
        <translation>vCards recombinées avec succès</translation>
    </message>
    <message>
        <source>vCards have not been successfully merged.</source>
        <translation>Les vCards n’ont pas pu être fusionnées.</translation>
    </message>
    <message>
        <source>vCard Processing Failed</source>
        <translation>Échec du traitement de la vCard</translation>
    </message>
    <message>
        <source>vCard Merge Failed</source>
        <translation>Échec de la fusion des vCards</translation>
    </message>
    <message>
        <source>vCard Merge Stopped</source>
        <translation>Fusion des vCards arrêtée</translation>
    </message>
    <message>
        <source>vCards have been merged successfully.</source>
        <translation>Les vCards ont été fusionnées avec succès.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards have been combined into...</source>
        <translation>
            <numerusform>%n fiche a été combinée dans…</numerusform>
            <numerusform>%n fiches ont été combinées dans…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Merge Successfull</source>
        <translation>vCards fusionnées avec succès</translation>
    </message>
    <message>
        <source>vCard Merge Successful</source>
        <translation>vCards fusionnées avec succès</translation>
    </message>
    <message>
        <source>vCard has not been successfully exported.</source>
        <translation>La vCard n’a pas pu être exportée.</translation>
    </message>
    <message>
        <source>vCard Export Failed</source>
        <translation>Échec de l’export de la vCard</translation>
    </message>
    <message>
        <source>vCard Export Stopped</source>
        <translation>Export de la vCard arrêté</translation>
    </message>
    <message>
        <source>vCard has been exported successfully.</source>
        <translation>La vCard a été exportée avec succès.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards have been exported into...</source>
        <translation>
            <numerusform>%n fiche a été exportée dans…</numerusform>
            <numerusform>%n fiches ont été exportées dans…</numerusform>
        </translation>
    </message>
    <message>
        <source>vCard Export Successfull</source>
        <translation>vCard exportée avec succès</translation>
    </message>
    <message>
        <source>vCard Export Successful</source>
        <translation>vCard exportée avec succès</translation>
    </message>
    <message>
        <source>CSV file has not been imported.</source>
        <translation>Le fichier CSV n’a pas été importé.</translation>
    </message>
    <message>
        <source>CSV Import Failed</source>
        <translation>Échec de l’import CSV</translation>
    </message>
    <message>
        <source>CSV Import Stopped</source>
        <translation>Import CSV arrêté</translation>
    </message>
    <message>
        <source>CSV file has been imported successfully.</source>
        <translation>Le fichier CSV a été importé avec succès.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts have been written into...</source>
        <translation>
            <numerusform>%n contact a été écrit dans…</numerusform>
            <numerusform>%n contacts ont été écrits dans…</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV Import Successful</source>
        <translation>Import CSV réussi</translation>
    </message>
    <message>
        <source>The selected location does not contain multiple vCard contact files.</source>
        <translation>L’emplacement choisi ne contient pas plusieurs fichiers de contacts vCard.</translation>
    </message>
    <message>
        <source>Please choose a path containing multiple vCards to be recombined.</source>
        <translation>Veuillez choisir un emplacement contenant plusieurs vCards à recombiner.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Nothing to Process</source>
        <translation>Rien à traiter</translation>
    </message>
    <message>
        <source>Stopped: nothing was written; an earlier file of that name is as it was.</source>
        <translation>Arrêté&#xa0;: rien n’a été écrit&#xa0;; un fichier antérieur de ce nom est resté tel quel.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n contact files were written in</source>
        <translation>
            <numerusform>Arrêté&#xa0;: %1 fichier de contact sur %n a été écrit dans</numerusform>
            <numerusform>Arrêté&#xa0;: %1 fichiers de contact sur %n ont été écrits dans</numerusform>
        </translation>
    </message>
    <message>
        <source>There is not enough memory to read &quot;%1&quot;.</source>
        <translation>La mémoire est insuffisante pour lire «&#xa0;%1&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>%n vCard Files Found</source>
        <translation>
            <numerusform>%n fichier vCard trouvé</numerusform>
            <numerusform>%n fichiers vCard trouvés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>Merging...</source>
        <translation>Fusion en cours…</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Export en cours…</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n values past the tenth of their kind were written to Notes.</source>
        <translation>
            <numerusform>%n valeur au-delà de la dixième de son type a été écrite dans les notes.</numerusform>
            <numerusform>%n valeurs au-delà de la dixième de leur type ont été écrites dans les notes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The selected CSV file holds no contacts to import.</source>
        <translation>Le fichier CSV choisi ne contient aucun contact à importer.</translation>
    </message>
    <message>
        <source>Please choose a CSV file with a header row and at least one row of contacts.</source>
        <translation>Veuillez choisir un fichier CSV avec une ligne d’en-tête et au moins une ligne de contacts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not have the columns %2 of the column set chosen.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas les colonnes %2 du jeu de colonnes choisi.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Import en cours…</translation>
    </message>
    <message>
        <source>%1 rows read, %2 contacts written.</source>
        <translation>%1 lignes lues, %2 contacts écrits.</translation>
    </message>
    <message>
        <source>The selected vCard does not contain multiple contacts.</source>
        <translation>La vCard choisie ne contient pas plusieurs contacts.</translation>
    </message>
    <message>
        <source>Please choose a multiple-entry vCard file.</source>
        <translation>Veuillez choisir un fichier vCard à plusieurs entrées.</translation>
    </message>
    <message>
        <source>Verifying Input File...</source>
        <translation>Vérification du fichier d’entrée…</translation>
    </message>
    <message numerus="yes">
        <source>vCard Count = %n Cards</source>
        <translation>
            <numerusform>Nombre de vCards&#xa0;: %n fiche</numerusform>
            <numerusform>Nombre de vCards&#xa0;: %n fiches</numerusform>
        </translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Traitement de %1</translation>
    </message>
</context>
<context>
    <name>palvren::AboutWindow</name>
    <message>
        <source>About Palvren</source>
        <translation>À propos de Palvren</translation>
    </message>
</context>
<context>
    <name>palvren::ColumnMappingDialog</name>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Premières valeurs</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Import CSV Columns</source>
        <translation>Importer les colonnes CSV</translation>
    </message>
    <message>
        <source>Palvren does not know the columns of this file. Choose where each one goes; nothing is written until you click Import. A column kept as its own field is written as an X-CSV- property, never dropped.</source>
        <translation>Palvren ne connaît pas les colonnes de ce fichier. Choisissez la destination de chacune&#xa0;; rien n’est écrit avant que vous cliquiez sur Importer. Une colonne gardée comme champ à part est écrite en propriété X-CSV-, jamais abandonnée.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
</context>
<context>
    <name>palvren::ConflictWindow</name>
    <message>
        <source>%1 image, %2 pixels, %3 bytes</source>
        <translation>Image %1, %2 pixels, %3 octets</translation>
    </message>
    <message>
        <source>Select the Correct Data</source>
        <translation>Choisir les bonnes données</translation>
    </message>
    <message>
        <source>Keep Neither</source>
        <translation>Ne garder aucun</translation>
    </message>
    <message>
        <source>Update Existing Data Field</source>
        <translation>Modifier le champ existant</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>Option 1</source>
        <translation>Choix 1</translation>
    </message>
    <message>
        <source>Option 2</source>
        <translation>Choix 2</translation>
    </message>
    <message>
        <source>Double-click a row, or press F2, to type its value for both contacts</source>
        <translation>Double-cliquez sur une ligne ou appuyez sur F2 pour saisir sa valeur pour les deux contacts</translation>
    </message>
    <message>
        <source>Conflicting data exists for this redundancy.  Select the value to keep.</source>
        <translation>Ce doublon contient des données contradictoires. Choisissez la valeur à garder.</translation>
    </message>
    <message>
        <source>Contact (%1)</source>
        <translation>Contact (%1)</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>This is not a redundancy. Keep Both: these are two people — keep both contacts as they are</source>
        <translation>Ce n’est pas un doublon. Garder les deux&#xa0;: ce sont deux personnes — garder les deux contacts tels quels</translation>
    </message>
    <message>
        <source>This is the correct information for this field: keep %1&apos;s value and merge the two contacts</source>
        <translation>C’est la bonne information pour ce champ&#xa0;: garder la valeur de %1 et fusionner les deux contacts</translation>
    </message>
    <message>
        <source>Keep Option 1</source>
        <translation>Garder le choix 1</translation>
    </message>
    <message>
        <source>Keep Option 2</source>
        <translation>Garder le choix 2</translation>
    </message>
    <message>
        <source>Both options are garbage: remove both contacts (asks first)</source>
        <translation>Les deux choix sont inutilisables&#xa0;: supprimer les deux contacts (avec confirmation)</translation>
    </message>
    <message>
        <source>Keep Both Values</source>
        <translation>Garder les deux valeurs</translation>
    </message>
    <message>
        <source>Both values are right: keep them both in the merged contact (for a field that holds several, such as e-mails)</source>
        <translation>Les deux valeurs sont justes&#xa0;: les garder toutes deux dans le contact fusionné (pour un champ à plusieurs valeurs, comme les e-mails)</translation>
    </message>
    <message>
        <source>&amp;Apply to all remaining conflicts</source>
        <translation>&amp;Appliquer à tous les conflits restants</translation>
    </message>
    <message>
        <source>Answer every later conflict of this check the same way, for pairs named alike (a pair named otherwise is still asked; Keep Neither, which removes both contacts, never applies to others)</source>
        <translation>Répondre de même à chaque conflit suivant de cette vérification, pour les paires de même nom (une paire nommée autrement est encore demandée&#xa0;; Ne garder aucun, qui supprime les deux contacts, ne s’applique jamais aux autres)</translation>
    </message>
    <message>
        <source>S&amp;top Checking</source>
        <translation>Arrêter la &amp;vérification</translation>
    </message>
    <message>
        <source>Ask no more: keep both contacts of this and every remaining pair, and write the files</source>
        <translation>Ne plus demander&#xa0;: garder les deux contacts de cette paire et de toutes les paires restantes, puis écrire les fichiers</translation>
    </message>
    <message>
        <source>The two contacts matched on this field</source>
        <translation>Les deux contacts correspondent sur ce champ</translation>
    </message>
    <message>
        <source>Enter the value for the &quot;%1&quot; field here:</source>
        <translation>Saisissez ici la valeur du champ «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>Contact (%1) keeps this field in %2, which cannot hold every character typed. Type the value with letters it can hold.</source>
        <translation>Le contact (%1) enregistre ce champ en %2, qui ne peut pas contenir tous les caractères saisis. Saisissez la valeur avec des lettres qu’il peut contenir.</translation>
    </message>
    <message>
        <source>Keep Neither removes both contacts from the files written. Remove both?</source>
        <translation>Ne garder aucun supprime les deux contacts des fichiers écrits. Supprimer les deux&#xa0;?</translation>
    </message>
    <message>
        <source>%1 image, %2 bytes</source>
        <translation>Image %1, %2 octets</translation>
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
&lt;p&gt;Beaucoup de téléphones et de carnets d’adresses exportent tous leurs contacts dans un seul
fichier vCard qui en contient plusieurs, alors que bien des logiciels attendent un contact par
fichier et ne savent pas importer un tel fichier. Palvren relie les deux, et garde votre carnet
d’adresses en ordre au passage&#xa0;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Scinder un fichier vCard à plusieurs contacts en fichiers à un seul contact, nommés d’après
les informations du contact ou numérotés dans l’ordre.&lt;/li&gt;
&lt;li&gt;Fusionner plusieurs fichiers à plusieurs contacts en un seul, pour que la recherche des
doublons les parcoure tous d’un coup.&lt;/li&gt;
&lt;li&gt;Le nettoyage des fiches, qui supprime les données répétées dans chaque contact.&lt;/li&gt;
&lt;li&gt;La recherche des doublons, qui supprime les contacts identiques.&lt;/li&gt;
&lt;li&gt;La fusion des contacts, qui réunit les contacts similaires ou vous demande les bonnes
données.&lt;/li&gt;
&lt;li&gt;Recombiner des fichiers à un seul contact en un grand fichier à plusieurs contacts.&lt;/li&gt;
&lt;li&gt;L’export CSV, qui montre chaque champ présent dans un fichier à plusieurs contacts.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Des questions, des idées ou un problème&#xa0;? Écrivez-nous à l’adresse e-mail indiquée
ci-dessus.&lt;/p&gt;
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
&lt;p&gt;La recherche des doublons est complexe&#xa0;; elle se découpe en étapes logiques précises,
détaillées ici.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Toute recherche des doublons&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p style=&quot;margin-left: 48px; text-indent: -24px;&quot;&gt;Nettoyage des contacts&#xa0;: le nettoyage parcourt
chaque fiche et supprime les données redondantes d’une propriété. Un contact peut avoir plusieurs
propriétés d’un même genre (téléphone personnel, téléphone professionnel, adresse personnelle,
adresse professionnelle), mais jamais plus d’une entrée d’un même type.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Recherche des doublons, PASSE 1&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Lancer d’abord le nettoyage des contacts, pour des données plus fiables.&lt;/li&gt;
&lt;li&gt;Comparer chaque contact à tous les autres à la recherche de correspondances identiques.
Identique signifie&#xa0;:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;le même nombre de propriétés,&lt;/li&gt;
&lt;li&gt;les mêmes identifiants de propriété,&lt;/li&gt;
&lt;li&gt;les mêmes données pour chaque propriété.&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;&lt;b&gt;&lt;u&gt;Recherche des doublons, PASSE 2&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;ol type=&quot;1&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;Lancer la passe 1, nettoyage des contacts compris.&lt;/li&gt;
&lt;li&gt;Comparer chaque contact à tous les autres à la recherche d’une &lt;b&gt;CORRESPONDANCE&lt;/b&gt; de
similarité, c’est-à-dire l’un des cas suivants&#xa0;:
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;deux contacts ayant une adresse e-mail identique et valide pour la même propriété (valide
signifie&#xa0;: un nom, le caractère «&#xa0;@&#xa0;» et un domaine avec un point, comme dans
ann@example.org)&#xa0;;&lt;/li&gt;
&lt;li&gt;deux contacts ayant des numéros de téléphone identiques pour la même propriété, à condition
que
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;les noms correspondent aussi, c’est-à-dire des
champs NOM ou NOM AFFICHÉ identiques (un nom vide n’est pas un nom)&#xa0;;&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;li&gt;deux contacts ayant des adresses identiques pour la même propriété, à condition que
&lt;ol type=&quot;i&quot; style=&quot;margin-left: 24px;&quot;&gt;&lt;li&gt;les noms correspondent aussi, comme
ci-dessus.&lt;/li&gt;&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;&lt;/li&gt;
&lt;/ol&gt;
&lt;p&gt;Chaque fois que deux contacts similaires ont des données différentes dans le même champ, vous
choisissez la valeur à garder (ou les deux, pour un champ à plusieurs valeurs comme les e-mails),
si ce sont finalement deux personnes différentes, ou si aucun ne mérite d’être gardé. Un champ que
deux programmes écrivent différemment reste un seul champ, et deux contacts de deux versions de
vCard deviennent un contact de la version la plus récente. Avant toute écriture, une revue liste
chaque fusion&#xa0;; décochez-en une pour garder ses contacts tels qu’ils étaient.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;&lt;u&gt;Correspondance tolérante (active)&lt;/u&gt;&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;La passe 2 compare les champs d’après leur seul nom, quels que soient leur type ou leur
groupe, et compare les valeurs comme une personne les lit&#xa0;:&lt;/p&gt;
&lt;ol type=&quot;a&quot; style=&quot;margin-left: 24px;&quot;&gt;
&lt;li&gt;les adresses e-mail sans casse, espaces ni «&#xa0;mailto:&#xa0;»&#xa0;;&lt;/li&gt;
&lt;li&gt;les numéros de téléphone comme le numéro international qu’ils représentent (0033 comme +33,
un poste étant mis à part%1)&#xa0;; un numéro qu’on ne peut pas lire ainsi est comparé par ses chiffres
et ses lettres, s’il compte au moins sept chiffres&#xa0;;&lt;/li&gt;
&lt;li&gt;les adresses sans casse ni espaces superflus&#xa0;;&lt;/li&gt;
&lt;li&gt;les noms sans casse, accents, ponctuation ni ordre «&#xa0;Nom, Prénom&#xa0;». Quand les deux contacts
ont un nom affiché, ceux-ci décident&#xa0;; les parties du nom ne décident que si l’un d’eux n’en a
pas, et un nom de famille seul ne correspond jamais.&lt;/li&gt;
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
        <translation>Cette option demande le nom d’un fichier vCard unique à plusieurs contacts (.vcf) et crée dans son répertoire un dossier nommé «&#xa0;Split-vCards&#xa0;». Dans ce dossier, un fichier VCF est créé pour chaque contact de la vCard d’origine. Ces fichiers à un seul contact devraient convenir à la plupart des appareils et logiciels (MS Outlook, téléphones portables, etc.).</translation>
    </message>
    <message>
        <source>This option will request the path to the folder containing multiple, single-contact vCard files.  It will then re-combine all of the contacts into one large multiple-contact vCard file.  This option is effectively the reverse function of the first (Split) option.</source>
        <translation>Cette option demande le chemin du dossier contenant plusieurs fichiers vCard à un seul contact, puis recombine tous les contacts en un grand fichier vCard à plusieurs contacts. C’est l’inverse de la première option (Scinder).</translation>
    </message>
    <message>
        <source>This option will request the file names of several multiple-contact vCard files and merge them together into one large vCard file.  From here, the other options may be employed to split, export, or check for redundancies.</source>
        <translation>Cette option demande les noms de plusieurs fichiers vCard à plusieurs contacts et les fusionne en un grand fichier vCard. Les autres options permettent ensuite de le scinder, de l’exporter ou d’y rechercher les doublons.</translation>
    </message>
    <message>
        <source>This option will request the file name of a singe, multiple-contact vCard file (.vcf), and create a comma-delimted text file (.csv) containing all of the information.  This file may be imported in MS-Excel (or similar) so that all of the contact information may be manually parsed or concatenated by the user.</source>
        <translation>Cette option demande le nom d’un fichier vCard unique à plusieurs contacts (.vcf) et crée un fichier texte séparé par des virgules (.csv) contenant toutes les informations. Ce fichier peut être importé dans MS Excel (ou équivalent) pour analyser ou regrouper à la main toutes les informations des contacts.</translation>
    </message>
    <message>
        <source>This option will request the file name of a CSV file (.csv) that a spreadsheet, Google Contacts, Outlook, Thunderbird or this program wrote, and create the multiple-contact vCard file &quot;Contacts_Imported.vcf&quot; beside it, one contact for each row.  When it does not know the columns, it asks where each one goes before anything is written.</source>
        <translation>Cette option demande le nom d’un fichier CSV (.csv) écrit par un tableur, Google Contacts, Outlook, Thunderbird ou ce programme, et crée à côté le fichier vCard «&#xa0;Contacts_Imported.vcf&#xa0;», avec un contact par ligne. Si elle ne connaît pas les colonnes, elle demande la destination de chacune avant d’écrire quoi que ce soit.</translation>
    </message>
    <message>
        <source>Palvren - Main Window</source>
        <translation>Palvren – Fenêtre principale</translation>
    </message>
    <message>
        <source>&amp;Run Now</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Split a multi-contact vCard into separate vCard files</source>
        <translation>Scinder une vCard à plusieurs contacts en fichiers vCard séparés</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: the options start at their defaults and are not saved.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier ordinaire&#xa0;: les options partent de leurs valeurs par défaut et ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>What to Do</source>
        <translation>Que faire</translation>
    </message>
    <message>
        <source>&amp;Multiple-Contact vCard to Individual vCard Split</source>
        <translation>&amp;Scinder une vCard multi-contacts en vCards individuelles</translation>
    </message>
    <message>
        <source>R&amp;ecombine Single vCard Files into Mutiple-Contact File</source>
        <translation>Reco&amp;mbiner des vCards individuelles en un fichier multi-contacts</translation>
    </message>
    <message>
        <source>Mer&amp;ge Multiple vCard Files Together</source>
        <translation>Fusionner plusieurs fichiers vCard ensem&amp;ble</translation>
    </message>
    <message>
        <source>E&amp;xport Multiple-Contact vCard File to Raw CSV</source>
        <translation>E&amp;xporter une vCard multi-contacts en CSV brut</translation>
    </message>
    <message>
        <source>Im&amp;port CSV File into Multiple-Contact vCard</source>
        <translation>Im&amp;porter un fichier CSV dans une vCard multi-contacts</translation>
    </message>
    <message>
        <source>Redundancy Options</source>
        <translation>Options des doublons</translation>
    </message>
    <message>
        <source>Any time a contact redundancy is found (as described in the &quot;More Info&quot; box above), the following action(s) will be taken:</source>
        <translation>Chaque fois qu’un doublon est trouvé (comme décrit sous «&#xa0;Plus d’infos&#xa0;»), l’action suivante est menée&#xa0;:</translation>
    </message>
    <message>
        <source>1 PASS - Eliminate Perfect Duplicates Only</source>
        <translation>1 PASSE – Supprimer seulement les doublons parfaits</translation>
    </message>
    <message>
        <source>* Only take action on identical fields and contents</source>
        <translation>* Agir seulement sur les champs et contenus identiques</translation>
    </message>
    <message>
        <source>2 PASS - Perfect Dupliicates + Attempt to Merge &quot;Similar&quot;</source>
        <translation>2 PASSES – Doublons parfaits + fusion des «&#xa0;similaires&#xa0;»</translation>
    </message>
    <message>
        <source>* User will be prompted for dissimilar data in identical fields</source>
        <translation>* Vous êtes consulté pour les données différentes dans des champs identiques</translation>
    </message>
    <message>
        <source>Tolerant Matching is on: Pass 2 ignores case, spacing, accents and number format.</source>
        <translation>La correspondance tolérante est active&#xa0;: la passe 2 ignore la casse, les espaces, les accents et le format des numéros.</translation>
    </message>
    <message>
        <source>Execution Details/Options</source>
        <translation>Exécution/Options</translation>
    </message>
    <message>
        <source>vCard Naming Options</source>
        <translation>Nommage des vCards</translation>
    </message>
    <message>
        <source>Name vCards &amp;Numerically</source>
        <translation>Nommer les vCards &amp;numériquement</translation>
    </message>
    <message>
        <source>Every vCard file will be named per its index without reguard to contents</source>
        <translation>Chaque fichier vCard est nommé selon son numéro, sans tenir compte du contenu</translation>
    </message>
    <message>
        <source> Name vCards from &amp;Contact Info</source>
        <translation> Nommer les vCards d’après les infos du &amp;contact</translation>
    </message>
    <message>
        <source>vCard files will be named per the first valid field in the following sequence: Formatted Name, Name, Title, Email</source>
        <translation>Les fichiers vCard sont nommés d’après le premier champ valide dans cet ordre&#xa0;: nom affiché, nom, titre, e-mail</translation>
    </message>
    <message>
        <source>Check for Re&amp;dundancies</source>
        <translation>Rechercher les &amp;doublons</translation>
    </message>
    <message>
        <source>More &amp;Info</source>
        <translation>Plus d’&amp;infos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was handed over: it is held when this run ends.</source>
        <translation>«&#xa0;%1&#xa0;» a été transmis&#xa0;: il sera retenu à la fin de cette exécution.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were handed over: they are held when this run ends.</source>
        <translation>
            <numerusform>%n fichier a été transmis&#xa0;: il sera retenu à la fin de cette exécution.</numerusform>
            <numerusform>%n fichiers ont été transmis&#xa0;: ils seront retenus à la fin de cette exécution.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>A run is in progress. Stop it and quit?</source>
        <translation>Une exécution est en cours. L’arrêter et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Comptage</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Pass 1:</source>
        <translation>Passe 1&#xa0;:</translation>
    </message>
    <message>
        <source>Pass 2:</source>
        <translation>Passe 2&#xa0;:</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Exporting</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Merging</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Redundancy Logic</source>
        <translation>Logique des &amp;doublons</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Tolerant Matching (case, spacing, accents, number format)</source>
        <translation>Correspondance &amp;tolérante (casse, espaces, accents, format des numéros)</translation>
    </message>
    <message>
        <source>Default &amp;Country Code...</source>
        <translation>&amp;Indicatif pays par défaut…</translation>
    </message>
    <message>
        <source>&amp;Export Format</source>
        <translation>Format d’&amp;export</translation>
    </message>
    <message>
        <source>&amp;Write vCards As</source>
        <translation>É&amp;crire les vCards en</translation>
    </message>
    <message>
        <source>As &amp;Read</source>
        <translation>Tel que &amp;lu</translation>
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
        <translation>Indicatif pays des numéros nationaux (chiffres, par exemple 33 ou 1)&#xa0;; vide pour aucun&#xa0;:</translation>
    </message>
    <message>
        <source>Default Country Code</source>
        <translation>Indicatif pays par défaut</translation>
    </message>
    <message>
        <source>A country calling code has one to three digits.</source>
        <translation>Un indicatif pays compte un à trois chiffres.</translation>
    </message>
    <message>
        <source>Please Choose Options and Click Run...</source>
        <translation>Choisissez les options et cliquez sur Lancer…</translation>
    </message>
    <message>
        <source>No Card</source>
        <translation>Aucune fiche</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>palvren::MoreWindow</name>
    <message>
        <source>Redundancy Operation Logic Explanation</source>
        <translation>Explication de la recherche des doublons</translation>
    </message>
    <message>
        <source>; a national number is read as one of +%1</source>
        <translation>&#xa0;; un numéro national est lu comme un numéro du +%1</translation>
    </message>
</context>
<context>
    <name>palvren::QtWindowDialogs</name>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Enregistrer le rapport…</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>palvren::ReviewWindow</name>
    <message>
        <source>Untick to keep these contacts: they were both removed</source>
        <translation>Décochez pour garder ces contacts&#xa0;: ils ont tous deux été supprimés</translation>
    </message>
    <message>
        <source>Untick to write these contacts as they were, unmerged</source>
        <translation>Décochez pour écrire ces contacts tels qu’ils étaient, sans fusion</translation>
    </message>
    <message>
        <source>Review the Merges</source>
        <translation>Revoir les fusions</translation>
    </message>
    <message>
        <source>Pass 2 merged or removed these contacts. Untick any you want written as they were; nothing has been written yet.</source>
        <translation>La passe 2 a fusionné ou supprimé ces contacts. Décochez ceux que vous voulez écrire tels qu’ils étaient&#xa0;; rien n’a encore été écrit.</translation>
    </message>
    <message>
        <source>&amp;Write the Files</source>
        <translation>É&amp;crire les fichiers</translation>
    </message>
</context>
<context>
    <name>palvren::SourceDialog</name>
    <message>
        <source>vCard File</source>
        <translation>Fichier vCard</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Fichier CSV</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Select a multiple-contact vCard file to split</source>
        <translation>Choisir un fichier vCard à plusieurs contacts à scinder</translation>
    </message>
    <message>
        <source>Select the parent folder containing, single-contact vCard files</source>
        <translation>Choisir le dossier contenant les fichiers vCard à un seul contact</translation>
    </message>
    <message>
        <source>Select several multiple-contact vCard files to merge</source>
        <translation>Choisir plusieurs fichiers vCard à plusieurs contacts à fusionner</translation>
    </message>
    <message>
        <source>Select a multiple-contact vCard file to export</source>
        <translation>Choisir un fichier vCard à plusieurs contacts à exporter</translation>
    </message>
    <message>
        <source>Select a CSV file to import</source>
        <translation>Choisir un fichier CSV à importer</translation>
    </message>
</context>
</TS>
