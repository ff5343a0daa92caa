<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>About This Program</source>
        <translation>À propos de ce programme</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>Courriel : </translation>
    </message>
    <message>
        <source>Written by the dru team, 2026.</source>
        <translation>Écrit par l’équipe de dru, 2026.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>No answers yet.</source>
        <translation>Pas encore de réponse.</translation>
    </message>
    <message>
        <source>%1% correct.</source>
        <translation>%1 % de bonnes réponses.</translation>
    </message>
    <message>
        <source>No correct answers yet; %1</source>
        <translation>Pas encore de bonne réponse ; %1</translation>
    </message>
    <message numerus="yes">
        <source>Median speed %1 keys per minute over %n day(s); %2</source>
        <translation>
            <numerusform>Vitesse médiane de %1 frappes par minute sur %n jour ; %2</numerusform>
            <numerusform>Vitesse médiane de %1 frappes par minute sur %n jours ; %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed rose from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>La vitesse médiane est passée de %1 à %2 frappes par minute sur %n jour ; %3</numerusform>
            <numerusform>La vitesse médiane est passée de %1 à %2 frappes par minute sur %n jours ; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed fell from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>La vitesse médiane est tombée de %1 à %2 frappes par minute sur %n jour ; %3</numerusform>
            <numerusform>La vitesse médiane est tombée de %1 à %2 frappes par minute sur %n jours ; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Graphique des progrès</translation>
    </message>
    <message>
        <source>Median speed</source>
        <translation>Vitesse médiane</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Meilleure vitesse</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>No answers yet</source>
        <translation>Pas encore de réponse</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>meilleure %1</translation>
    </message>
    <message>
        <source>median %1</source>
        <translation>médiane %1</translation>
    </message>
    <message>
        <source>%1% correct</source>
        <translation>%1 % justes</translation>
    </message>
    <message>
        <source>At the end of %1: %2</source>
        <translation>À la fin du %1 : %2</translation>
    </message>
    <message>
        <source>No learning steps yet.</source>
        <translation>Pas encore d&apos;étapes d&apos;apprentissage.</translation>
    </message>
    <message>
        <source>Learning steps chart</source>
        <translation>Graphique des étapes d&apos;apprentissage</translation>
    </message>
    <message numerus="yes">
        <source>; %n sentence(s) learned that day</source>
        <translation>
            <numerusform>; %n phrase apprise ce jour-là</numerusform>
            <numerusform>; %n phrases apprises ce jour-là</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Mark Ready</source>
        <translation>Marquer comme appris</translation>
    </message>
    <message>
        <source>Clear All Marks</source>
        <translation>Effacer toutes les marques</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>The current file has been changed. Save changes?</source>
        <translation>Le fichier actuel a été modifié. Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Read-only: marks stay until you save a copy with File › Save As.</source>
        <translation>Lecture seule : les marques restent jusqu’à ce que vous enregistriez une copie avec Fichier › Enregistrer sous.</translation>
    </message>
    <message>
        <source>This is the last sentence that unmarked, clear all marks in the file?</source>
        <translation>C’est la dernière phrase non marquée. Effacer toutes les marques du fichier ?</translation>
    </message>
    <message>
        <source>File %1 has been changed by another program. Overwrite it?</source>
        <translation>Le fichier %1 a été modifié par un autre programme. L’écraser ?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>File %1 exists. Overwrite?</source>
        <translation>Le fichier %1 existe. L’écraser ?</translation>
    </message>
    <message>
        <source>Save the New File</source>
        <translation>Enregistrer le nouveau fichier</translation>
    </message>
    <message>
        <source>This is the file being brought in, which stays as it is. Save the new file under another name.</source>
        <translation>C’est le fichier en cours d’importation, qui reste tel quel. Enregistrez le nouveau fichier sous un autre nom.</translation>
    </message>
    <message>
        <source>This is the open file. Save the new file under another name.</source>
        <translation>C’est le fichier ouvert. Enregistrez le nouveau fichier sous un autre nom.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>There are %1 records in the file, %2 marked ready ...</source>
        <translation>Phrases : %1, dont %2 marquées comme apprises ...</translation>
    </message>
    <message>
        <source>Time  %1 : %2 : %3  have been elasped ...</source>
        <translation>Temps écoulé  %1 : %2 : %3 ...</translation>
    </message>
    <message>
        <source>Correct, %1 keys per minute.</source>
        <translation>Juste, %1 frappes par minute.</translation>
    </message>
    <message>
        <source>The typed text differs from character %1</source>
        <translation>Le texte tapé diffère à partir du caractère %1</translation>
    </message>
    <message>
        <source>%1: typed %2 expected %3.</source>
        <translation>%1 : tapé %2, attendu %3.</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son désactivé</translation>
    </message>
    <message>
        <source>Case sensitive on</source>
        <translation>Respect de la casse activé</translation>
    </message>
    <message>
        <source>Case sensitive off</source>
        <translation>Respect de la casse désactivé</translation>
    </message>
    <message>
        <source>Show mistakes on</source>
        <translation>Affichage des fautes activé</translation>
    </message>
    <message>
        <source>Show mistakes off</source>
        <translation>Affichage des fautes désactivé</translation>
    </message>
    <message>
        <source>Mark while typing on</source>
        <translation>Marquage pendant la frappe activé</translation>
    </message>
    <message>
        <source>Mark while typing off</source>
        <translation>Marquage pendant la frappe désactivé</translation>
    </message>
    <message>
        <source>%1 due · %2 new</source>
        <translation>à revoir : %1 · nouvelles : %2</translation>
    </message>
    <message>
        <source>%1 due, %2 new.</source>
        <translation>À revoir : %1, nouvelles : %2.</translation>
    </message>
    <message>
        <source>%1 of %2 marked.</source>
        <translation>%1 sur %2 marquées.</translation>
    </message>
    <message>
        <source>Reading %1 …</source>
        <translation>Lecture de %1 …</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>No File is opened ...</source>
        <translation>Aucun fichier n’est ouvert ...</translation>
    </message>
    <message>
        <source>This is an empty text file, open another Please ...</source>
        <translation>Ce fichier texte est vide, veuillez en ouvrir un autre ...</translation>
    </message>
    <message numerus="yes">
        <source>%n mistake(s)</source>
        <translation>
            <numerusform>%n faute</numerusform>
            <numerusform>%n fautes</numerusform>
        </translation>
    </message>
    <message>
        <source>Speak after Enter on</source>
        <translation>Lecture à voix haute après Entrée activée</translation>
    </message>
    <message>
        <source>Speak after Enter off</source>
        <translation>Lecture à voix haute après Entrée désactivée</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Show Whole Sentence</source>
        <translation>Afficher la phrase entière</translation>
    </message>
    <message>
        <source>Fade as You Learn</source>
        <translation>Estomper au fil de l’apprentissage</translation>
    </message>
    <message>
        <source>Hide Every Other Word</source>
        <translation>Masquer un mot sur deux</translation>
    </message>
    <message>
        <source>First Letters Only</source>
        <translation>Premières lettres seulement</translation>
    </message>
    <message>
        <source>Prompt Only</source>
        <translation>Indication seule</translation>
    </message>
    <message>
        <source>Recall: %1.</source>
        <translation>Mémorisation : %1.</translation>
    </message>
    <message>
        <source>No word is hidden.</source>
        <translation>Aucun mot n’est masqué.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice : %1</translation>
    </message>
    <message>
        <source>Marked. %1 Next: %2</source>
        <translation>Marquée. %1 Suivante : %2</translation>
    </message>
    <message>
        <source>All marks cleared. %1</source>
        <translation>Toutes les marques sont effacées. %1</translation>
    </message>
    <message>
        <source>Undone. %1</source>
        <translation>Annulé. %1</translation>
    </message>
    <message>
        <source>%1 Prompt: %2</source>
        <translation>%1 Indication : %2</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n sentence(s). Next: %2</source>
        <translation>
            <numerusform>%1 ouvert : %n phrase. Suivante : %2</numerusform>
            <numerusform>%1 ouvert : %n phrases. Suivante : %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2Next: %3</source>
        <translation>%1 %2Suivante : %3</translation>
    </message>
    <message>
        <source>At Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Review Due Sentences</source>
        <translation>Réviser les phrases dues</translation>
    </message>
    <message>
        <source>In Text Order</source>
        <translation>Dans l&apos;ordre du texte</translation>
    </message>
    <message>
        <source>Order: %1.</source>
        <translation>Ordre : %1.</translation>
    </message>
    <message>
        <source>Whole sentence shown.</source>
        <translation>Phrase entière affichée.</translation>
    </message>
    <message>
        <source>Every other word hidden.</source>
        <translation>Un mot sur deux caché.</translation>
    </message>
    <message>
        <source>First letters only.</source>
        <translation>Initiales seulement.</translation>
    </message>
    <message>
        <source>From memory.</source>
        <translation>De mémoire.</translation>
    </message>
    <message>
        <source>Learning steps last for this run only.</source>
        <translation>Les étapes d&apos;apprentissage ne valent que pour cette session.</translation>
    </message>
    <message>
        <source>Listen and Type</source>
        <translation>Écouter et taper</translation>
    </message>
    <message>
        <source>Listen and type.</source>
        <translation>Écoutez et tapez.</translation>
    </message>
    <message>
        <source>Listen and type. F10 says it again.</source>
        <translation>Écoutez et tapez. F10 le redit.</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>%1 keys per minute</source>
        <translation>%1 frappes par minute</translation>
    </message>
    <message>
        <source>Sentence to type</source>
        <translation>Phrase à taper</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Texte tapé</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Max Speed: </source>
        <translation>Vitesse max. : </translation>
    </message>
    <message>
        <source>Current Speed:</source>
        <translation>Vitesse actuelle :</translation>
    </message>
    <message>
        <source>Best speed in keys per minute</source>
        <translation>Meilleure vitesse en frappes par minute</translation>
    </message>
    <message>
        <source>Current speed in keys per minute</source>
        <translation>Vitesse actuelle en frappes par minute</translation>
    </message>
    <message>
        <source>Keys/min</source>
        <translation>Frappes/min</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Meilleure vitesse</translation>
    </message>
    <message>
        <source>Current speed</source>
        <translation>Vitesse actuelle</translation>
    </message>
    <message>
        <source>Sentences due for review, and new</source>
        <translation>Phrases à réviser, et nouvelles</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 is %2; export to another file.</source>
        <translation>%1 est %2 ; exportez vers un autre fichier.</translation>
    </message>
    <message>
        <source>the sentence file open in dru</source>
        <translation>le fichier de phrases ouvert dans dru</translation>
    </message>
    <message>
        <source>dru&apos;s settings file</source>
        <translation>le fichier de réglages de dru</translation>
    </message>
    <message>
        <source>dru&apos;s history</source>
        <translation>l’historique de dru</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open a TXT file that contains records ..</source>
        <translation>Ouvrir un fichier TXT contenant des phrases ..</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import a Text or Phrase List</source>
        <translation>Importer un texte ou une liste de phrases</translation>
    </message>
    <message>
        <source>Texts and Phrase Lists (*.txt *.csv *.tsv)</source>
        <translation>Textes et listes de phrases (*.txt *.csv *.tsv)</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history was damaged; it was moved aside as %1 and a new one started.</source>
        <translation>L’historique était endommagé ; il a été mis de côté sous le nom %1 et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>%1 was written by a newer dru and is only read</source>
        <translation>%1 a été écrit par un dru plus récent et n’est que lu</translation>
    </message>
    <message>
        <source>History is off.</source>
        <translation>L’historique est désactivé.</translation>
    </message>
    <message>
        <source>History is off: %1.</source>
        <translation>L’historique est désactivé : %1.</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be moved aside: %2</source>
        <translation>%1 est endommagé et ne peut pas être mis de côté : %2</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; dru left it as it is and keeps no history until it is moved away</source>
        <translation>%1 est la base de données d’un autre programme ; dru l’a laissée telle quelle et ne tient pas d’historique tant qu’elle n’est pas déplacée</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; no backup is whole.</source>
        <translation>L’historique est endommagé (%1) et n’a pas été sauvegardé ; aucune sauvegarde n’est intacte.</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; whole backups: %2.</source>
        <translation>L’historique est endommagé (%1) et n’a pas été sauvegardé ; sauvegardes intactes : %2.</translation>
    </message>
    <message>
        <source>Backups dated after today are kept but not counted: %1.</source>
        <translation>Les sauvegardes datées d’après aujourd’hui sont gardées mais ne comptent pas : %1.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>This file is too large to bring in: the limit is %1 MB.</source>
        <translation>Ce fichier est trop volumineux pour être importé : la limite est de %1 Mo.</translation>
    </message>
    <message numerus="yes">
        <source>%n empty note(s) dropped</source>
        <translation>
            <numerusform>%n note vide écartée</numerusform>
            <numerusform>%n notes vides écartées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) with more than two fields: only the first two kept</source>
        <translation>
            <numerusform>%n note de plus de deux champs : seuls les deux premiers sont gardés</numerusform>
            <numerusform>%n notes de plus de deux champs : seuls les deux premiers sont gardés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) dropped</source>
        <translation>
            <numerusform>%n ligne vide écartée</numerusform>
            <numerusform>%n lignes vides écartées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) with more than two columns: only the first two kept</source>
        <translation>
            <numerusform>%n ligne de plus de deux colonnes : seules les deux premières sont gardées</numerusform>
            <numerusform>%n lignes de plus de deux colonnes : seules les deux premières sont gardées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n TAB(s) inside a field became spaces</source>
        <translation>
            <numerusform>%n tabulation dans un champ devenue une espace</numerusform>
            <numerusform>%n tabulations dans des champs devenues des espaces</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) began with &apos;*&apos;, which marks a line learned: taken off</source>
        <translation>
            <numerusform>%n ligne commençait par « * », qui marque une ligne apprise : retiré</numerusform>
            <numerusform>%n lignes commençaient par « * », qui marque une ligne apprise : retiré</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) longer than %1 characters: the display shows them a part at a time</source>
        <translation>
            <numerusform>%n phrase de plus de %1 caractères : l’affichage la montre par parties</numerusform>
            <numerusform>%n phrases de plus de %1 caractères : l’affichage les montre par parties</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Ce n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>The text is not UTF-8; it was read as Windows-1252.</source>
        <translation>Le texte n’est pas en UTF-8 ; il a été lu comme Windows-1252.</translation>
    </message>
    <message>
        <source>There is nothing to learn in this text.</source>
        <translation>Il n’y a rien à apprendre dans ce texte.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>New from Text</source>
        <translation>Nouveau depuis un texte</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Depuis : %1</translation>
    </message>
    <message>
        <source>Paste or type the text to learn here.</source>
        <translation>Collez ou tapez ici le texte à apprendre.</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>&amp;One sentence per line</source>
        <translation>&amp;Une phrase par ligne</translation>
    </message>
    <message>
        <source>&amp;Keep the lines</source>
        <translation>&amp;Garder les lignes</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>Cutting the text</source>
        <translation>Découpage du texte</translation>
    </message>
    <message>
        <source>Stop c&amp;utting</source>
        <translation>&amp;Arrêter le découpage</translation>
    </message>
    <message>
        <source>Stopped. Change the text or the cut to try again.</source>
        <translation>Arrêté. Modifiez le texte ou le découpage pour réessayer.</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>A&amp;perçu :</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s)</source>
        <translation>
            <numerusform>%n phrase</numerusform>
            <numerusform>%n phrases</numerusform>
        </translation>
    </message>
    <message>
        <source>The text has not been saved. Close the window all the same?</source>
        <translation>Le texte n’a pas été enregistré. Fermer la fenêtre quand même ?</translation>
    </message>
    <message>
        <source>The first row holds column &amp;names</source>
        <translation>La première ligne porte les &amp;noms des colonnes</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s); the first %1 are shown.</source>
        <translation>
            <numerusform>%n phrase ; les %1 premières sont affichées.</numerusform>
            <numerusform>%n phrases ; les %1 premières sont affichées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) without a second field (is|are) kept without a prompt</source>
        <translation>
            <numerusform>%n note sans second champ est gardée sans indice</numerusform>
            <numerusform>%n notes sans second champ sont gardées sans indice</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without a second column (is|are) kept without a prompt</source>
        <translation>
            <numerusform>%n ligne sans deuxième colonne est gardée sans indice</numerusform>
            <numerusform>%n lignes sans deuxième colonne sont gardées sans indice</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of the user&apos;s own with mode 0700</source>
        <translation>%1 n’est pas un dossier propre à l’utilisateur avec les droits 0700</translation>
    </message>
    <message>
        <source>%1 is not dru&apos;s lock file</source>
        <translation>%1 n’est pas le fichier de verrou de dru</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>Impossible de verrouiller %1 : %2</translation>
    </message>
    <message>
        <source>dru cannot tell whether it runs already, and runs alone: %1.</source>
        <translation>dru ne peut pas savoir s’il tourne déjà, et tourne seul : %1.</translation>
    </message>
    <message>
        <source>the running dru could not be reached at %1; %2 was not opened</source>
        <translation>le dru en cours n’a pas pu être joint à %1 ; %2 n’a pas été ouvert</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Entrée numérique non valide</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d’E/S %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 %2; it was not written</source>
        <translation>%1 %2 ; il n’a pas été écrit</translation>
    </message>
    <message>
        <source>%1 is %2 text; dru reads UTF-8 and Windows-1252 files</source>
        <translation>%1 est un texte %2 ; dru lit les fichiers UTF-8 et Windows-1252</translation>
    </message>
    <message>
        <source>is a link that another user made</source>
        <translation>est un lien créé par un autre utilisateur</translation>
    </message>
    <message>
        <source>leads to a file that is not the user&apos;s own</source>
        <translation>mène à un fichier qui n’appartient pas à l’utilisateur</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>File › Open chooses a sentence file; examples are in %1.</source>
        <translation>Fichier › Ouvrir choisit un fichier de phrases ; des exemples se trouvent dans %1.</translation>
    </message>
    <message>
        <source>Another program had changed the sentence file when dru was ended; your marks were saved in %1.</source>
        <translation>Un autre programme avait modifié le fichier de phrases quand dru a été arrêté ; vos marques ont été enregistrées dans %1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Clear All Marks</source>
        <translation>&amp;Effacer toutes les marques</translation>
    </message>
    <message>
        <source>&amp;Mark Ready</source>
        <translation>&amp;Marquer comme appris</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Phrase précédente</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Sound Effect</source>
        <translation>Effets &amp;sonores</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Show &amp;Mistakes</source>
        <translation>Afficher les &amp;fautes</translation>
    </message>
    <message>
        <source>&amp;Review Due Sentences</source>
        <translation>&amp;Réviser les phrases dues</translation>
    </message>
    <message>
        <source>Mark &amp;While Typing</source>
        <translation>Marquer en &amp;tapant</translation>
    </message>
    <message>
        <source>Rec&amp;all</source>
        <translation>&amp;Mémorisation</translation>
    </message>
    <message>
        <source>Show &amp;Whole Sentence</source>
        <translation>Afficher la phrase &amp;entière</translation>
    </message>
    <message>
        <source>&amp;Fade as You Learn</source>
        <translation>Estomper au &amp;fil de l’apprentissage</translation>
    </message>
    <message>
        <source>Hide &amp;Every Other Word</source>
        <translation>Masquer un mot &amp;sur deux</translation>
    </message>
    <message>
        <source>First &amp;Letters Only</source>
        <translation>Premières &amp;lettres seulement</translation>
    </message>
    <message>
        <source>&amp;Prompt Only</source>
        <translation>&amp;Indication seule</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progrès...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Or&amp;der</source>
        <translation>&amp;Ordre</translation>
    </message>
    <message>
        <source>At &amp;Random</source>
        <translation>Au &amp;hasard</translation>
    </message>
    <message>
        <source>In &amp;Text Order</source>
        <translation>Dans l&apos;ordre du &amp;texte</translation>
    </message>
    <message>
        <source>Spea&amp;k After Enter</source>
        <translation>Lire à &amp;voix haute après Entrée</translation>
    </message>
    <message>
        <source>Listen and &amp;Type</source>
        <translation>É&amp;couter et taper</translation>
    </message>
    <message>
        <source>Say A&amp;gain</source>
        <translation>&amp;Redire</translation>
    </message>
    <message>
        <source>&amp;Voice...</source>
        <translation>Vo&amp;ix...</translation>
    </message>
    <message>
        <source>New from &amp;Text...</source>
        <translation>Nouveau depuis un &amp;texte...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
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
    <name>Mistakes</name>
    <message>
        <source>: typed “%1” expected “%2”</source>
        <translation> : tapé « %1 », attendu « %2 »</translation>
    </message>
    <message>
        <source>Typed: %1&lt;br&gt;Expected: %2</source>
        <translation>Tapé : %1&lt;br&gt;Attendu : %2</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>&amp;Every day, not only the last 30</source>
        <translation>&amp;Tous les jours, pas seulement les 30 derniers</translation>
    </message>
    <message>
        <source>Hardest first</source>
        <translation>Les plus difficiles d’abord</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>T&amp;rier par :</translation>
    </message>
    <message>
        <source>&amp;Reverse order</source>
        <translation>Ordre &amp;inverse</translation>
    </message>
    <message>
        <source>&amp;Sentences no longer in the file</source>
        <translation>&amp;Phrases qui ne sont plus dans le fichier</translation>
    </message>
    <message>
        <source>E&amp;xport as CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Forget History of This File...</source>
        <translation>&amp;Oublier l’historique de ce fichier...</translation>
    </message>
    <message>
        <source>Sentences, hardest first</source>
        <translation>Phrases, les plus difficiles d’abord</translation>
    </message>
    <message>
        <source>Sentences, by %1</source>
        <translation>Phrases, par %1</translation>
    </message>
    <message>
        <source>%1, reversed</source>
        <translation>%1, ordre inverse</translation>
    </message>
    <message>
        <source>Progress — %1</source>
        <translation>Progrès — %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Known by heart: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> Sues par cœur : %1 sur %n phrase.</numerusform>
            <numerusform> Sues par cœur : %1 sur %n phrases.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 was not exported: %2</source>
        <translation>%1 n’a pas été exporté : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) exported to %1.</source>
        <translation>
            <numerusform>%n phrase exportée vers %1.</numerusform>
            <numerusform>%n phrases exportées vers %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %n answer(s) given on %1?</source>
        <translation>
            <numerusform>Oublier la %n réponse donnée sur %1 ?</numerusform>
            <numerusform>Oublier les %n réponses données sur %1 ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forgotten: the %n answer(s) given on %1.</source>
        <translation>
            <numerusform>Oubliée : la %n réponse donnée sur %1.</numerusform>
            <numerusform>Oubliées : les %n réponses données sur %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today: %1, %n correct, %2 typing. Best speed on this file: %3 keys per minute.</source>
        <translation>
            <numerusform>Aujourd’hui : %1, dont %n juste, %2 de frappe. Meilleure vitesse sur ce fichier : %3 frappes par minute.</numerusform>
            <numerusform>Aujourd’hui : %1, dont %n justes, %2 de frappe. Meilleure vitesse sur ce fichier : %3 frappes par minute.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Learned today: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> Apprises aujourd&apos;hui : %1 sur %n phrase.</numerusform>
            <numerusform> Apprises aujourd&apos;hui : %1 sur %n phrases.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressOrder</name>
    <message>
        <source>sentence</source>
        <translation>phrase</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>tapées</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>justes</translation>
    </message>
    <message>
        <source>best speed</source>
        <translation>record</translation>
    </message>
    <message>
        <source>last typed</source>
        <translation>dernière fois</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marquées</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>rappel</translation>
    </message>
    <message>
        <source>next review</source>
        <translation>prochaine révision</translation>
    </message>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>last grade</source>
        <translation>dernière note</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Tapées</translation>
    </message>
    <message>
        <source>Correct (%)</source>
        <translation>Justes (%)</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Last typed</source>
        <translation>Dernière fois</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marquée</translation>
    </message>
    <message>
        <source>Recall (%)</source>
        <translation>Rappel (%)</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>retry</source>
        <translation>à refaire</translation>
    </message>
    <message>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sue</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Last grade</source>
        <translation>Dernière note</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Recall</name>
    <message>
        <source>blank</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>whole sentence</source>
        <translation>phrase entière</translation>
    </message>
    <message>
        <source>every other word</source>
        <translation>un mot sur deux</translation>
    </message>
    <message>
        <source>first letters</source>
        <translation>premières lettres</translation>
    </message>
    <message>
        <source>prompt only</source>
        <translation>indication seule</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>écoute</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>%1 cannot remember the name %2, which holds a line break; rename the file to have it opened next time</source>
        <translation>%1 ne peut pas retenir le nom %2, qui contient un saut de ligne ; renommez le fichier pour qu’il soit ouvert la prochaine fois</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Speech is not available: %1</source>
        <translation>La synthèse vocale n&apos;est pas disponible : %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Correct.</source>
        <translation>Juste.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: dru [FILE]
       dru --help | --version
Learn sentences by typing them.

dru opens FILE, or else the sentence file remembered in dru.ini in the
folder it is started from, or Default.dat there; File, Open chooses
another. When dru already runs, FILE is opened in the running dru, which
comes to the front, and this start ends. See dru(1).

  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Usage : dru [FICHIER]
        dru --help | --version
Apprendre des phrases en les tapant.

dru ouvre FICHIER, sinon le fichier de phrases retenu dans dru.ini dans le
dossier d’où il est lancé, ou sinon Default.dat dans ce dossier ; Fichier,
Ouvrir en choisit un autre. Si dru tourne déjà, FICHIER est ouvert dans le
dru en cours, qui passe au premier plan, et ce lancement s’arrête. Voir dru(1).

  --help     afficher cette aide et quitter
  --version  afficher la version et quitter
</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>The interface&apos;s language</source>
        <translation>La langue de l&apos;interface</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix :</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Débit :</translation>
    </message>
    <message>
        <source>The language&apos;s first</source>
        <translation>La première de la langue</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>dru - Sentence Typing Drill</source>
        <translation>dru - Apprendre des phrases en les tapant</translation>
    </message>
</context>
</TS>
