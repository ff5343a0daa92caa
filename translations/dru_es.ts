<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>About This Program</source>
        <translation>Acerca de este programa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>Correo: </translation>
    </message>
    <message>
        <source>Written by the dru team, 2026.</source>
        <translation>Escrito por el equipo de dru, 2026.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>No answers yet.</source>
        <translation>Aún no hay respuestas.</translation>
    </message>
    <message>
        <source>%1% correct.</source>
        <translation>%1 % correctas.</translation>
    </message>
    <message>
        <source>No correct answers yet; %1</source>
        <translation>Aún no hay respuestas correctas; %1</translation>
    </message>
    <message numerus="yes">
        <source>Median speed %1 keys per minute over %n day(s); %2</source>
        <translation>
            <numerusform>Velocidad mediana de %1 pulsaciones por minuto en %n día; %2</numerusform>
            <numerusform>Velocidad mediana de %1 pulsaciones por minuto en %n días; %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed rose from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>La velocidad mediana subió de %1 a %2 pulsaciones por minuto en %n día; %3</numerusform>
            <numerusform>La velocidad mediana subió de %1 a %2 pulsaciones por minuto en %n días; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed fell from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>La velocidad mediana bajó de %1 a %2 pulsaciones por minuto en %n día; %3</numerusform>
            <numerusform>La velocidad mediana bajó de %1 a %2 pulsaciones por minuto en %n días; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Gráfico de progreso</translation>
    </message>
    <message>
        <source>Median speed</source>
        <translation>Velocidad mediana</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Mejor velocidad</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>No answers yet</source>
        <translation>Aún no hay respuestas</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>mejor %1</translation>
    </message>
    <message>
        <source>median %1</source>
        <translation>mediana %1</translation>
    </message>
    <message>
        <source>%1% correct</source>
        <translation>%1 % correctas</translation>
    </message>
    <message>
        <source>At the end of %1: %2</source>
        <translation>Al final del %1: %2</translation>
    </message>
    <message>
        <source>No learning steps yet.</source>
        <translation>Aún no hay pasos de aprendizaje.</translation>
    </message>
    <message>
        <source>Learning steps chart</source>
        <translation>Gráfico de pasos de aprendizaje</translation>
    </message>
    <message numerus="yes">
        <source>; %n sentence(s) learned that day</source>
        <translation>
            <numerusform>; %n frase aprendida ese día</numerusform>
            <numerusform>; %n frases aprendidas ese día</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Mark Ready</source>
        <translation>Marcar como aprendida</translation>
    </message>
    <message>
        <source>Clear All Marks</source>
        <translation>Borrar todas las marcas</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>The current file has been changed. Save changes?</source>
        <translation>El archivo actual ha cambiado. ¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Read-only: marks stay until you save a copy with File › Save As.</source>
        <translation>Solo lectura: las marcas se conservan hasta que guarde una copia con Archivo › Guardar como.</translation>
    </message>
    <message>
        <source>This is the last sentence that unmarked, clear all marks in the file?</source>
        <translation>Esta es la última frase sin marcar. ¿Borrar todas las marcas del archivo?</translation>
    </message>
    <message>
        <source>File %1 has been changed by another program. Overwrite it?</source>
        <translation>Otro programa ha modificado el archivo %1. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>File %1 exists. Overwrite?</source>
        <translation>El archivo %1 ya existe. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Save the New File</source>
        <translation>Guardar el archivo nuevo</translation>
    </message>
    <message>
        <source>This is the file being brought in, which stays as it is. Save the new file under another name.</source>
        <translation>Este es el archivo que se está importando, que queda como está. Guarde el archivo nuevo con otro nombre.</translation>
    </message>
    <message>
        <source>This is the open file. Save the new file under another name.</source>
        <translation>Este es el archivo abierto. Guarde el archivo nuevo con otro nombre.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>There are %1 records in the file, %2 marked ready ...</source>
        <translation>Frases en el archivo: %1, %2 marcadas como aprendidas ...</translation>
    </message>
    <message>
        <source>Time  %1 : %2 : %3  have been elasped ...</source>
        <translation>Tiempo transcurrido  %1 : %2 : %3 ...</translation>
    </message>
    <message>
        <source>Correct, %1 keys per minute.</source>
        <translation>Correcto, %1 pulsaciones por minuto.</translation>
    </message>
    <message>
        <source>The typed text differs from character %1</source>
        <translation>El texto escrito difiere a partir del carácter %1</translation>
    </message>
    <message>
        <source>%1: typed %2 expected %3.</source>
        <translation>%1: escrito %2, esperado %3.</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Case sensitive on</source>
        <translation>Distinguir mayúsculas activado</translation>
    </message>
    <message>
        <source>Case sensitive off</source>
        <translation>Distinguir mayúsculas desactivado</translation>
    </message>
    <message>
        <source>Show mistakes on</source>
        <translation>Mostrar errores activado</translation>
    </message>
    <message>
        <source>Show mistakes off</source>
        <translation>Mostrar errores desactivado</translation>
    </message>
    <message>
        <source>Mark while typing on</source>
        <translation>Marcar al teclear activado</translation>
    </message>
    <message>
        <source>Mark while typing off</source>
        <translation>Marcar al teclear desactivado</translation>
    </message>
    <message>
        <source>%1 due · %2 new</source>
        <translation>pendientes: %1 · nuevas: %2</translation>
    </message>
    <message>
        <source>%1 due, %2 new.</source>
        <translation>Pendientes: %1, nuevas: %2.</translation>
    </message>
    <message>
        <source>%1 of %2 marked.</source>
        <translation>%1 de %2 marcadas.</translation>
    </message>
    <message>
        <source>Reading %1 …</source>
        <translation>Leyendo %1 …</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>No File is opened ...</source>
        <translation>No hay ningún archivo abierto ...</translation>
    </message>
    <message>
        <source>This is an empty text file, open another Please ...</source>
        <translation>Este archivo de texto está vacío; abra otro, por favor ...</translation>
    </message>
    <message numerus="yes">
        <source>%n mistake(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message>
        <source>Speak after Enter on</source>
        <translation>Decir en voz alta tras Intro activado</translation>
    </message>
    <message>
        <source>Speak after Enter off</source>
        <translation>Decir en voz alta tras Intro desactivado</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Show Whole Sentence</source>
        <translation>Mostrar la frase completa</translation>
    </message>
    <message>
        <source>Fade as You Learn</source>
        <translation>Desvanecer según se aprende</translation>
    </message>
    <message>
        <source>Hide Every Other Word</source>
        <translation>Ocultar palabras alternas</translation>
    </message>
    <message>
        <source>First Letters Only</source>
        <translation>Solo las iniciales</translation>
    </message>
    <message>
        <source>Prompt Only</source>
        <translation>Solo la indicación</translation>
    </message>
    <message>
        <source>Recall: %1.</source>
        <translation>Memorización: %1.</translation>
    </message>
    <message>
        <source>No word is hidden.</source>
        <translation>No hay ninguna palabra oculta.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Pista: %1</translation>
    </message>
    <message>
        <source>Marked. %1 Next: %2</source>
        <translation>Marcada. %1 Siguiente: %2</translation>
    </message>
    <message>
        <source>All marks cleared. %1</source>
        <translation>Se han borrado todas las marcas. %1</translation>
    </message>
    <message>
        <source>Undone. %1</source>
        <translation>Deshecho. %1</translation>
    </message>
    <message>
        <source>%1 Prompt: %2</source>
        <translation>%1 Indicación: %2</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n sentence(s). Next: %2</source>
        <translation>
            <numerusform>%1 abierto: %n frase. Siguiente: %2</numerusform>
            <numerusform>%1 abierto: %n frases. Siguiente: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2Next: %3</source>
        <translation>%1 %2Siguiente: %3</translation>
    </message>
    <message>
        <source>At Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Review Due Sentences</source>
        <translation>Repasar frases pendientes</translation>
    </message>
    <message>
        <source>In Text Order</source>
        <translation>En el orden del texto</translation>
    </message>
    <message>
        <source>Order: %1.</source>
        <translation>Orden: %1.</translation>
    </message>
    <message>
        <source>Whole sentence shown.</source>
        <translation>Frase entera visible.</translation>
    </message>
    <message>
        <source>Every other word hidden.</source>
        <translation>Una de cada dos palabras oculta.</translation>
    </message>
    <message>
        <source>First letters only.</source>
        <translation>Solo las iniciales.</translation>
    </message>
    <message>
        <source>From memory.</source>
        <translation>De memoria.</translation>
    </message>
    <message>
        <source>Learning steps last for this run only.</source>
        <translation>Los pasos de aprendizaje solo duran esta sesión.</translation>
    </message>
    <message>
        <source>Listen and Type</source>
        <translation>Escuchar y escribir</translation>
    </message>
    <message>
        <source>Listen and type.</source>
        <translation>Escucha y escribe.</translation>
    </message>
    <message>
        <source>Listen and type. F10 says it again.</source>
        <translation>Escucha y escribe. F10 lo repite.</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>%1 keys per minute</source>
        <translation>%1 pulsaciones por minuto</translation>
    </message>
    <message>
        <source>Sentence to type</source>
        <translation>Frase que escribir</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Texto escrito</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Max Speed: </source>
        <translation>Velocidad máx.: </translation>
    </message>
    <message>
        <source>Current Speed:</source>
        <translation>Velocidad actual:</translation>
    </message>
    <message>
        <source>Best speed in keys per minute</source>
        <translation>Mejor velocidad en pulsaciones por minuto</translation>
    </message>
    <message>
        <source>Current speed in keys per minute</source>
        <translation>Velocidad actual en pulsaciones por minuto</translation>
    </message>
    <message>
        <source>Keys/min</source>
        <translation>Puls./min</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Mejor velocidad</translation>
    </message>
    <message>
        <source>Current speed</source>
        <translation>Velocidad actual</translation>
    </message>
    <message>
        <source>Sentences due for review, and new</source>
        <translation>Frases pendientes de repaso, y nuevas</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 is %2; export to another file.</source>
        <translation>%1 es %2; exporte a otro archivo.</translation>
    </message>
    <message>
        <source>the sentence file open in dru</source>
        <translation>el archivo de frases abierto en dru</translation>
    </message>
    <message>
        <source>dru&apos;s settings file</source>
        <translation>el archivo de configuración de dru</translation>
    </message>
    <message>
        <source>dru&apos;s history</source>
        <translation>el historial de dru</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open a TXT file that contains records ..</source>
        <translation>Abrir un archivo TXT con frases ..</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import a Text or Phrase List</source>
        <translation>Importar un texto o una lista de frases</translation>
    </message>
    <message>
        <source>Texts and Phrase Lists (*.txt *.csv *.tsv)</source>
        <translation>Textos y listas de frases (*.txt *.csv *.tsv)</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history was damaged; it was moved aside as %1 and a new one started.</source>
        <translation>El historial estaba dañado; se ha apartado como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>%1 was written by a newer dru and is only read</source>
        <translation>%1 lo escribió un dru más reciente y solo se lee</translation>
    </message>
    <message>
        <source>History is off.</source>
        <translation>El historial está desactivado.</translation>
    </message>
    <message>
        <source>History is off: %1.</source>
        <translation>El historial está desactivado: %1.</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be moved aside: %2</source>
        <translation>%1 está dañado y no se puede apartar: %2</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; dru left it as it is and keeps no history until it is moved away</source>
        <translation>%1 es la base de datos de otro programa; dru la ha dejado como estaba y no guarda historial hasta que se mueva</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; no backup is whole.</source>
        <translation>El historial está dañado (%1) y no se ha copiado; ninguna copia de seguridad está completa.</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; whole backups: %2.</source>
        <translation>El historial está dañado (%1) y no se ha copiado; copias de seguridad completas: %2.</translation>
    </message>
    <message>
        <source>Backups dated after today are kept but not counted: %1.</source>
        <translation>Las copias de seguridad con fecha posterior a hoy se conservan, pero no cuentan: %1.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>This file is too large to bring in: the limit is %1 MB.</source>
        <translation>Este archivo es demasiado grande para importarlo: el límite es de %1 MB.</translation>
    </message>
    <message numerus="yes">
        <source>%n empty note(s) dropped</source>
        <translation>
            <numerusform>%n nota vacía descartada</numerusform>
            <numerusform>%n notas vacías descartadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) with more than two fields: only the first two kept</source>
        <translation>
            <numerusform>%n nota con más de dos campos: solo se conservan los dos primeros</numerusform>
            <numerusform>%n notas con más de dos campos: solo se conservan los dos primeros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) dropped</source>
        <translation>
            <numerusform>%n fila vacía descartada</numerusform>
            <numerusform>%n filas vacías descartadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) with more than two columns: only the first two kept</source>
        <translation>
            <numerusform>%n fila con más de dos columnas: solo se conservan las dos primeras</numerusform>
            <numerusform>%n filas con más de dos columnas: solo se conservan las dos primeras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n TAB(s) inside a field became spaces</source>
        <translation>
            <numerusform>%n tabulador dentro de un campo pasó a ser un espacio</numerusform>
            <numerusform>%n tabuladores dentro de campos pasaron a ser espacios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) began with &apos;*&apos;, which marks a line learned: taken off</source>
        <translation>
            <numerusform>%n línea empezaba por «*», que marca una línea como aprendida: se quitó</numerusform>
            <numerusform>%n líneas empezaban por «*», que marca una línea como aprendida: se quitó</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) longer than %1 characters: the display shows them a part at a time</source>
        <translation>
            <numerusform>%n frase de más de %1 caracteres: la pantalla la muestra por partes</numerusform>
            <numerusform>%n frases de más de %1 caracteres: la pantalla las muestra por partes</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Esto no es un archivo de texto.</translation>
    </message>
    <message>
        <source>The text is not UTF-8; it was read as Windows-1252.</source>
        <translation>El texto no está en UTF-8; se leyó como Windows-1252.</translation>
    </message>
    <message>
        <source>There is nothing to learn in this text.</source>
        <translation>En este texto no hay nada que aprender.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>New from Text</source>
        <translation>Nuevo desde texto</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>De: %1</translation>
    </message>
    <message>
        <source>Paste or type the text to learn here.</source>
        <translation>Pegue o escriba aquí el texto que quiere aprender.</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>&amp;One sentence per line</source>
        <translation>&amp;Una frase por línea</translation>
    </message>
    <message>
        <source>&amp;Keep the lines</source>
        <translation>&amp;Mantener las líneas</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>Cutting the text</source>
        <translation>Dividiendo el texto</translation>
    </message>
    <message>
        <source>Stop c&amp;utting</source>
        <translation>&amp;Detener la división</translation>
    </message>
    <message>
        <source>Stopped. Change the text or the cut to try again.</source>
        <translation>Detenido. Cambie el texto o la división para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;Vista previa:</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s)</source>
        <translation>
            <numerusform>%n frase</numerusform>
            <numerusform>%n frases</numerusform>
        </translation>
    </message>
    <message>
        <source>The text has not been saved. Close the window all the same?</source>
        <translation>El texto no se ha guardado. ¿Cerrar la ventana de todos modos?</translation>
    </message>
    <message>
        <source>The first row holds column &amp;names</source>
        <translation>La primera fila tiene los &amp;nombres de las columnas</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s); the first %1 are shown.</source>
        <translation>
            <numerusform>%n frase; se muestran las primeras %1.</numerusform>
            <numerusform>%n frases; se muestran las primeras %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) without a second field (is|are) kept without a prompt</source>
        <translation>
            <numerusform>%n nota sin segundo campo se conserva sin pista</numerusform>
            <numerusform>%n notas sin segundo campo se conservan sin pista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without a second column (is|are) kept without a prompt</source>
        <translation>
            <numerusform>%n fila sin segunda columna se conserva sin pista</numerusform>
            <numerusform>%n filas sin segunda columna se conservan sin pista</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of the user&apos;s own with mode 0700</source>
        <translation>%1 no es una carpeta propia del usuario con permisos 0700</translation>
    </message>
    <message>
        <source>%1 is not dru&apos;s lock file</source>
        <translation>%1 no es el archivo de bloqueo de dru</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>No se puede bloquear %1: %2</translation>
    </message>
    <message>
        <source>dru cannot tell whether it runs already, and runs alone: %1.</source>
        <translation>dru no puede saber si ya se está ejecutando, y se ejecuta por su cuenta: %1.</translation>
    </message>
    <message>
        <source>the running dru could not be reached at %1; %2 was not opened</source>
        <translation>no se pudo contactar con el dru en ejecución en %1; %2 no se abrió</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>No se encuentra el archivo</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Entrada numérica no válida</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 %2; it was not written</source>
        <translation>%1 %2; no se ha escrito</translation>
    </message>
    <message>
        <source>%1 is %2 text; dru reads UTF-8 and Windows-1252 files</source>
        <translation>%1 es texto %2; dru lee archivos UTF-8 y Windows-1252</translation>
    </message>
    <message>
        <source>is a link that another user made</source>
        <translation>es un enlace que creó otro usuario</translation>
    </message>
    <message>
        <source>leads to a file that is not the user&apos;s own</source>
        <translation>lleva a un archivo que no es del usuario</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>File › Open chooses a sentence file; examples are in %1.</source>
        <translation>Archivo › Abrir elige un archivo de frases; hay ejemplos en %1.</translation>
    </message>
    <message>
        <source>Another program had changed the sentence file when dru was ended; your marks were saved in %1.</source>
        <translation>Otro programa había cambiado el archivo de frases cuando dru se cerró; sus marcas se guardaron en %1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
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
        <source>&amp;Clear All Marks</source>
        <translation>&amp;Borrar todas las marcas</translation>
    </message>
    <message>
        <source>&amp;Mark Ready</source>
        <translation>&amp;Marcar como aprendida</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Frase anterior</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound Effect</source>
        <translation>Efectos de &amp;sonido</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>Distinguir &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Show &amp;Mistakes</source>
        <translation>Mostrar &amp;errores</translation>
    </message>
    <message>
        <source>&amp;Review Due Sentences</source>
        <translation>&amp;Repasar frases pendientes</translation>
    </message>
    <message>
        <source>Mark &amp;While Typing</source>
        <translation>Marcar al &amp;teclear</translation>
    </message>
    <message>
        <source>Rec&amp;all</source>
        <translation>Memori&amp;zación</translation>
    </message>
    <message>
        <source>Show &amp;Whole Sentence</source>
        <translation>Mostrar la frase &amp;completa</translation>
    </message>
    <message>
        <source>&amp;Fade as You Learn</source>
        <translation>&amp;Desvanecer según se aprende</translation>
    </message>
    <message>
        <source>Hide &amp;Every Other Word</source>
        <translation>Ocultar palabras &amp;alternas</translation>
    </message>
    <message>
        <source>First &amp;Letters Only</source>
        <translation>&amp;Solo las iniciales</translation>
    </message>
    <message>
        <source>&amp;Prompt Only</source>
        <translation>Solo la &amp;indicación</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progreso...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Or&amp;der</source>
        <translation>&amp;Orden</translation>
    </message>
    <message>
        <source>At &amp;Random</source>
        <translation>Al &amp;azar</translation>
    </message>
    <message>
        <source>In &amp;Text Order</source>
        <translation>En el orden del &amp;texto</translation>
    </message>
    <message>
        <source>Spea&amp;k After Enter</source>
        <translation>Decir en &amp;voz alta tras Intro</translation>
    </message>
    <message>
        <source>Listen and &amp;Type</source>
        <translation>Escuchar y &amp;escribir</translation>
    </message>
    <message>
        <source>Say A&amp;gain</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>&amp;Voice...</source>
        <translation>Vo&amp;ces...</translation>
    </message>
    <message>
        <source>New from &amp;Text...</source>
        <translation>Nuevo desde &amp;texto...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not enough memory</source>
        <translation>No hay memoria suficiente</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
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
    <name>Mistakes</name>
    <message>
        <source>: typed “%1” expected “%2”</source>
        <translation>: escrito «%1», esperado «%2»</translation>
    </message>
    <message>
        <source>Typed: %1&lt;br&gt;Expected: %2</source>
        <translation>Escrito: %1&lt;br&gt;Esperado: %2</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Every day, not only the last 30</source>
        <translation>&amp;Todos los días, no solo los últimos 30</translation>
    </message>
    <message>
        <source>Hardest first</source>
        <translation>Las más difíciles primero</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>&amp;Ordenar por:</translation>
    </message>
    <message>
        <source>&amp;Reverse order</source>
        <translation>Orden &amp;inverso</translation>
    </message>
    <message>
        <source>&amp;Sentences no longer in the file</source>
        <translation>&amp;Frases que ya no están en el archivo</translation>
    </message>
    <message>
        <source>E&amp;xport as CSV...</source>
        <translation>E&amp;xportar como CSV...</translation>
    </message>
    <message>
        <source>&amp;Forget History of This File...</source>
        <translation>Ol&amp;vidar el historial de este archivo...</translation>
    </message>
    <message>
        <source>Sentences, hardest first</source>
        <translation>Frases, las más difíciles primero</translation>
    </message>
    <message>
        <source>Sentences, by %1</source>
        <translation>Frases, por %1</translation>
    </message>
    <message>
        <source>%1, reversed</source>
        <translation>%1, orden inverso</translation>
    </message>
    <message>
        <source>Progress — %1</source>
        <translation>Progreso — %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n respuesta</numerusform>
            <numerusform>%n respuestas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Known by heart: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> Sabidas de memoria: %1 de %n frase.</numerusform>
            <numerusform> Sabidas de memoria: %1 de %n frases.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exportar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 was not exported: %2</source>
        <translation>%1 no se ha exportado: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) exported to %1.</source>
        <translation>
            <numerusform>%n frase exportada a %1.</numerusform>
            <numerusform>%n frases exportadas a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %n answer(s) given on %1?</source>
        <translation>
            <numerusform>¿Olvidar la %n respuesta dada en %1?</numerusform>
            <numerusform>¿Olvidar las %n respuestas dadas en %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forgotten: the %n answer(s) given on %1.</source>
        <translation>
            <numerusform>Olvidada: la %n respuesta dada en %1.</numerusform>
            <numerusform>Olvidadas: las %n respuestas dadas en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today: %1, %n correct, %2 typing. Best speed on this file: %3 keys per minute.</source>
        <translation>
            <numerusform>Hoy: %1, %n correcta, %2 de escritura. Mejor velocidad en este archivo: %3 pulsaciones por minuto.</numerusform>
            <numerusform>Hoy: %1, %n correctas, %2 de escritura. Mejor velocidad en este archivo: %3 pulsaciones por minuto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Learned today: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> Aprendidas hoy: %1 de %n frase.</numerusform>
            <numerusform> Aprendidas hoy: %1 de %n frases.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressOrder</name>
    <message>
        <source>sentence</source>
        <translation>frase</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>escritas</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>correctas</translation>
    </message>
    <message>
        <source>best speed</source>
        <translation>récord</translation>
    </message>
    <message>
        <source>last typed</source>
        <translation>última vez</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marcadas</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>recuerdo</translation>
    </message>
    <message>
        <source>next review</source>
        <translation>próximo repaso</translation>
    </message>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>last grade</source>
        <translation>última calificación</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Sentence</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Escritas</translation>
    </message>
    <message>
        <source>Correct (%)</source>
        <translation>Correctas (%)</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Last typed</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marcada</translation>
    </message>
    <message>
        <source>Recall (%)</source>
        <translation>Recuerdo (%)</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Recuerdo</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>retry</source>
        <translation>repetir</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sabida</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Last grade</source>
        <translation>Última calificación</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
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
        <translation>hueco</translation>
    </message>
    <message>
        <source>whole sentence</source>
        <translation>frase completa</translation>
    </message>
    <message>
        <source>every other word</source>
        <translation>palabras alternas</translation>
    </message>
    <message>
        <source>first letters</source>
        <translation>iniciales</translation>
    </message>
    <message>
        <source>prompt only</source>
        <translation>solo la indicación</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>escucha</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>%1 cannot remember the name %2, which holds a line break; rename the file to have it opened next time</source>
        <translation>%1 no puede recordar el nombre %2, que contiene un salto de línea; cambie el nombre del archivo para que se abra la próxima vez</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Speech is not available: %1</source>
        <translation>La voz no está disponible: %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Correct.</source>
        <translation>Correcto.</translation>
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
        <translation>Uso: dru [ARCHIVO]
     dru --help | --version
Aprender frases escribiéndolas.

dru abre ARCHIVO, o si no el archivo de frases recordado en dru.ini en la
carpeta desde la que se inicia, o si no Default.dat en ella; Archivo, Abrir
elige otro. Si dru ya se está ejecutando, ARCHIVO se abre en ese dru, que
pasa al frente, y este inicio termina. Véase dru(1).

  --help     mostrar esta ayuda y salir
  --version  mostrar la versión y salir
</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>The interface&apos;s language</source>
        <translation>El idioma de la interfaz</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>Ve&amp;locidad:</translation>
    </message>
    <message>
        <source>The language&apos;s first</source>
        <translation>La primera del idioma</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>dru - Sentence Typing Drill</source>
        <translation>dru - Aprender frases tecleándolas</translation>
    </message>
</context>
</TS>
