<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>About</name>
    <message>
        <source>About This Program</source>
        <translation>אודות התוכנית</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>דוא״ל: </translation>
    </message>
    <message>
        <source>Written by the dru team, 2026.</source>
        <translation>נכתב על ידי צוות dru, 2026.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>סמל התוכנית</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>No answers yet.</source>
        <translation>אין עדיין תשובות.</translation>
    </message>
    <message>
        <source>%1% correct.</source>
        <translation>%1% נכונות.</translation>
    </message>
    <message>
        <source>No correct answers yet; %1</source>
        <translation>אין עדיין תשובות נכונות; %1</translation>
    </message>
    <message numerus="yes">
        <source>Median speed %1 keys per minute over %n day(s); %2</source>
        <translation>
            <numerusform>מהירות חציונית של %1 הקשות לדקה ביום אחד; %2</numerusform>
            <numerusform>מהירות חציונית של %1 הקשות לדקה במשך %n ימים; %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed rose from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>המהירות החציונית עלתה מ-%1 ל-%2 הקשות לדקה ביום אחד; %3</numerusform>
            <numerusform>המהירות החציונית עלתה מ-%1 ל-%2 הקשות לדקה במשך %n ימים; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed fell from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>המהירות החציונית ירדה מ-%1 ל-%2 הקשות לדקה ביום אחד; %3</numerusform>
            <numerusform>המהירות החציונית ירדה מ-%1 ל-%2 הקשות לדקה במשך %n ימים; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>תרשים התקדמות</translation>
    </message>
    <message>
        <source>Median speed</source>
        <translation>מהירות חציונית</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>המהירות הטובה ביותר</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>נכונות</translation>
    </message>
    <message>
        <source>No answers yet</source>
        <translation>אין עדיין תשובות</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>הטובה ביותר %1</translation>
    </message>
    <message>
        <source>median %1</source>
        <translation>חציון %1</translation>
    </message>
    <message>
        <source>%1% correct</source>
        <translation>%1% נכונות</translation>
    </message>
    <message>
        <source>At the end of %1: %2</source>
        <translation>בסוף %1: %2</translation>
    </message>
    <message>
        <source>No learning steps yet.</source>
        <translation>עדיין אין שלבי למידה.</translation>
    </message>
    <message>
        <source>Learning steps chart</source>
        <translation>תרשים שלבי למידה</translation>
    </message>
    <message numerus="yes">
        <source>; %n sentence(s) learned that day</source>
        <translation>
            <numerusform>; משפט אחד נלמד באותו יום</numerusform>
            <numerusform>; %n משפטים נלמדו באותו יום</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Mark Ready</source>
        <translation>סימון כנלמד</translation>
    </message>
    <message>
        <source>Clear All Marks</source>
        <translation>ניקוי כל הסימונים</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>The current file has been changed. Save changes?</source>
        <translation>הקובץ הנוכחי השתנה. לשמור את השינויים?</translation>
    </message>
    <message>
        <source>Read-only: marks stay until you save a copy with File › Save As.</source>
        <translation>לקריאה בלבד: הסימונים יישמרו עד שתשמרו עותק דרך קובץ › שמירה בשם.</translation>
    </message>
    <message>
        <source>This is the last sentence that unmarked, clear all marks in the file?</source>
        <translation>זהו המשפט האחרון שלא סומן. לנקות את כל הסימונים בקובץ?</translation>
    </message>
    <message>
        <source>File %1 has been changed by another program. Overwrite it?</source>
        <translation>הקובץ %1 שונה על ידי תוכנית אחרת. לדרוס אותו?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>שמירה בשם</translation>
    </message>
    <message>
        <source>File %1 exists. Overwrite?</source>
        <translation>הקובץ %1 קיים. לדרוס?</translation>
    </message>
    <message>
        <source>Save the New File</source>
        <translation>שמירת הקובץ החדש</translation>
    </message>
    <message>
        <source>This is the file being brought in, which stays as it is. Save the new file under another name.</source>
        <translation>זה הקובץ שמייבאים, והוא נשאר כמו שהוא. יש לשמור את הקובץ החדש בשם אחר.</translation>
    </message>
    <message>
        <source>This is the open file. Save the new file under another name.</source>
        <translation>זה הקובץ הפתוח. יש לשמור את הקובץ החדש בשם אחר.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>There are %1 records in the file, %2 marked ready ...</source>
        <translation>משפטים בקובץ: %1, מתוכם %2 מסומנים כנלמדו ...</translation>
    </message>
    <message>
        <source>Time  %1 : %2 : %3  have been elasped ...</source>
        <translation>זמן שחלף  ⁦‭%1 : %2 : %3‬⁩ ...</translation>
    </message>
    <message>
        <source>Correct, %1 keys per minute.</source>
        <translation>נכון, %1 הקשות לדקה.</translation>
    </message>
    <message>
        <source>The typed text differs from character %1</source>
        <translation>הטקסט שהוקלד שונה החל מהתו %1</translation>
    </message>
    <message>
        <source>%1: typed %2 expected %3.</source>
        <translation>%1: הוקלד %2, היה צפוי %3.</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>צליל מופעל</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>צליל כבוי</translation>
    </message>
    <message>
        <source>Case sensitive on</source>
        <translation>רגישות לאותיות רישיות מופעלת</translation>
    </message>
    <message>
        <source>Case sensitive off</source>
        <translation>רגישות לאותיות רישיות כבויה</translation>
    </message>
    <message>
        <source>Show mistakes on</source>
        <translation>הצגת שגיאות מופעלת</translation>
    </message>
    <message>
        <source>Show mistakes off</source>
        <translation>הצגת שגיאות כבויה</translation>
    </message>
    <message>
        <source>Mark while typing on</source>
        <translation>סימון תוך כדי הקלדה מופעל</translation>
    </message>
    <message>
        <source>Mark while typing off</source>
        <translation>סימון תוך כדי הקלדה כבוי</translation>
    </message>
    <message>
        <source>%1 due · %2 new</source>
        <translation>%1 לחזרה · %2 חדשים</translation>
    </message>
    <message>
        <source>%1 due, %2 new.</source>
        <translation>%1 לחזרה, %2 חדשים.</translation>
    </message>
    <message>
        <source>%1 of %2 marked.</source>
        <translation>%1 מתוך %2 מסומנים.</translation>
    </message>
    <message>
        <source>Reading %1 …</source>
        <translation>קורא את %1 …</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>ביטול: %1</translation>
    </message>
    <message>
        <source>No File is opened ...</source>
        <translation>לא נפתח קובץ ...</translation>
    </message>
    <message>
        <source>This is an empty text file, open another Please ...</source>
        <translation>קובץ הטקסט הזה ריק, נא לפתוח קובץ אחר ...</translation>
    </message>
    <message numerus="yes">
        <source>%n mistake(s)</source>
        <translation>
            <numerusform>טעות אחת</numerusform>
            <numerusform>%n טעויות</numerusform>
        </translation>
    </message>
    <message>
        <source>Speak after Enter on</source>
        <translation>הקראה לאחר Enter פעילה</translation>
    </message>
    <message>
        <source>Speak after Enter off</source>
        <translation>הקראה לאחר Enter כבויה</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Show Whole Sentence</source>
        <translation>הצגת המשפט המלא</translation>
    </message>
    <message>
        <source>Fade as You Learn</source>
        <translation>דהייה עם הלמידה</translation>
    </message>
    <message>
        <source>Hide Every Other Word</source>
        <translation>הסתרת כל מילה שנייה</translation>
    </message>
    <message>
        <source>First Letters Only</source>
        <translation>אותיות ראשונות בלבד</translation>
    </message>
    <message>
        <source>Prompt Only</source>
        <translation>הנחיה בלבד</translation>
    </message>
    <message>
        <source>Recall: %1.</source>
        <translation>זכירה: %1.</translation>
    </message>
    <message>
        <source>No word is hidden.</source>
        <translation>אף מילה אינה מוסתרת.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>רמז: %1</translation>
    </message>
    <message>
        <source>Marked. %1 Next: %2</source>
        <translation>סומן. %1 הבא: %2</translation>
    </message>
    <message>
        <source>All marks cleared. %1</source>
        <translation>כל הסימונים נוקו. %1</translation>
    </message>
    <message>
        <source>Undone. %1</source>
        <translation>בוטל. %1</translation>
    </message>
    <message>
        <source>%1 Prompt: %2</source>
        <translation>%1 הנחיה: %2</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n sentence(s). Next: %2</source>
        <translation>
            <numerusform>%1 נפתח: משפט אחד. הבא: %2</numerusform>
            <numerusform>%1 נפתח: %n משפטים. הבא: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2Next: %3</source>
        <translation>%1 %2הבא: %3</translation>
    </message>
    <message>
        <source>At Random</source>
        <translation>אקראי</translation>
    </message>
    <message>
        <source>Review Due Sentences</source>
        <translation>חזרה על משפטים שהגיע זמנם</translation>
    </message>
    <message>
        <source>In Text Order</source>
        <translation>לפי סדר הטקסט</translation>
    </message>
    <message>
        <source>Order: %1.</source>
        <translation>סדר: %1.</translation>
    </message>
    <message>
        <source>Whole sentence shown.</source>
        <translation>המשפט כולו מוצג.</translation>
    </message>
    <message>
        <source>Every other word hidden.</source>
        <translation>כל מילה שנייה מוסתרת.</translation>
    </message>
    <message>
        <source>First letters only.</source>
        <translation>אותיות ראשונות בלבד.</translation>
    </message>
    <message>
        <source>From memory.</source>
        <translation>מהזיכרון.</translation>
    </message>
    <message>
        <source>Learning steps last for this run only.</source>
        <translation>שלבי הלמידה נשמרים רק בהרצה זו.</translation>
    </message>
    <message>
        <source>Listen and Type</source>
        <translation>שמיעה והקלדה</translation>
    </message>
    <message>
        <source>Listen and type.</source>
        <translation>הקשיבו והקלידו.</translation>
    </message>
    <message>
        <source>Listen and type. F10 says it again.</source>
        <translation>הקשיבו והקלידו. F10 אומר שוב.</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>%1 keys per minute</source>
        <translation>%1 הקשות לדקה</translation>
    </message>
    <message>
        <source>Sentence to type</source>
        <translation>המשפט להקלדה</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>הטקסט שהוקלד</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>סטטיסטיקה</translation>
    </message>
    <message>
        <source>Max Speed: </source>
        <translation>מהירות מרבית: </translation>
    </message>
    <message>
        <source>Current Speed:</source>
        <translation>מהירות נוכחית:</translation>
    </message>
    <message>
        <source>Best speed in keys per minute</source>
        <translation>המהירות הטובה ביותר בהקשות לדקה</translation>
    </message>
    <message>
        <source>Current speed in keys per minute</source>
        <translation>המהירות הנוכחית בהקשות לדקה</translation>
    </message>
    <message>
        <source>Keys/min</source>
        <translation>הקשות/דקה</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>המהירות הטובה ביותר</translation>
    </message>
    <message>
        <source>Current speed</source>
        <translation>המהירות הנוכחית</translation>
    </message>
    <message>
        <source>Sentences due for review, and new</source>
        <translation>משפטים לחזרה, וחדשים</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 is %2; export to another file.</source>
        <translation>%1 הוא %2; יש לייצא לקובץ אחר.</translation>
    </message>
    <message>
        <source>the sentence file open in dru</source>
        <translation>קובץ המשפטים הפתוח ב-dru</translation>
    </message>
    <message>
        <source>dru&apos;s settings file</source>
        <translation>קובץ ההגדרות של dru</translation>
    </message>
    <message>
        <source>dru&apos;s history</source>
        <translation>ההיסטוריה של dru</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open a TXT file that contains records ..</source>
        <translation>פתיחת קובץ TXT שמכיל משפטים ..</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>קובצי טקסט (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>כל הקבצים (*)</translation>
    </message>
    <message>
        <source>Import a Text or Phrase List</source>
        <translation>ייבוא טקסט או רשימת ביטויים</translation>
    </message>
    <message>
        <source>Texts and Phrase Lists (*.txt *.csv *.tsv)</source>
        <translation>טקסטים ורשימות ביטויים (*.txt *.csv *.tsv)</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history was damaged; it was moved aside as %1 and a new one started.</source>
        <translation>ההיסטוריה נפגמה; היא הועברה הצידה בשם %1 והתחילה היסטוריה חדשה.</translation>
    </message>
    <message>
        <source>%1 was written by a newer dru and is only read</source>
        <translation>%1 נכתב על ידי גרסה חדשה יותר של dru והוא נקרא בלבד</translation>
    </message>
    <message>
        <source>History is off.</source>
        <translation>ההיסטוריה כבויה.</translation>
    </message>
    <message>
        <source>History is off: %1.</source>
        <translation>ההיסטוריה כבויה: %1.</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>לא ניתן ליצור את %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>לא ניתן לפתוח את %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be moved aside: %2</source>
        <translation>%1 פגום ולא ניתן להעביר אותו הצידה: %2</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; dru left it as it is and keeps no history until it is moved away</source>
        <translation>%1 הוא מסד נתונים של תוכנית אחרת; dru השאיר אותו כפי שהוא ולא ישמור היסטוריה עד שיועבר</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; no backup is whole.</source>
        <translation>ההיסטוריה פגומה (%1) ולא גובתה; אף גיבוי אינו שלם.</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; whole backups: %2.</source>
        <translation>ההיסטוריה פגומה (%1) ולא גובתה; גיבויים שלמים: %2.</translation>
    </message>
    <message>
        <source>Backups dated after today are kept but not counted: %1.</source>
        <translation>גיבויים שתאריכם אחרי היום נשמרים אך אינם נספרים: %1.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>This file is too large to bring in: the limit is %1 MB.</source>
        <translation>הקובץ גדול מכדי לייבא אותו: המגבלה היא %1 MB.</translation>
    </message>
    <message numerus="yes">
        <source>%n empty note(s) dropped</source>
        <translation>
            <numerusform>פתק ריק אחד הושמט</numerusform>
            <numerusform>%n פתקים ריקים הושמטו</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) with more than two fields: only the first two kept</source>
        <translation>
            <numerusform>פתק אחד עם יותר משני שדות: נשמרו רק שני הראשונים</numerusform>
            <numerusform>%n פתקים עם יותר משני שדות: נשמרו רק שני הראשונים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) dropped</source>
        <translation>
            <numerusform>שורה ריקה אחת הושמטה</numerusform>
            <numerusform>%n שורות ריקות הושמטו</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) with more than two columns: only the first two kept</source>
        <translation>
            <numerusform>שורה אחת עם יותר משתי עמודות: נשמרו רק שתי הראשונות</numerusform>
            <numerusform>%n שורות עם יותר משתי עמודות: נשמרו רק שתי הראשונות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n TAB(s) inside a field became spaces</source>
        <translation>
            <numerusform>טאב אחד בתוך שדה הפך לרווח</numerusform>
            <numerusform>%n טאבים בתוך שדות הפכו לרווחים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) began with &apos;*&apos;, which marks a line learned: taken off</source>
        <translation>
            <numerusform>שורה אחת התחילה ב-‚*’, שמסמן שורה כנלמדה: הוסר</numerusform>
            <numerusform>%n שורות התחילו ב-‚*’, שמסמן שורה כנלמדה: הוסר</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) longer than %1 characters: the display shows them a part at a time</source>
        <translation>
            <numerusform>משפט אחד ארוך מ-%1 תווים: התצוגה מראה אותו חלק אחר חלק</numerusform>
            <numerusform>%n משפטים ארוכים מ-%1 תווים: התצוגה מראה אותם חלק אחר חלק</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>זה לא קובץ טקסט.</translation>
    </message>
    <message>
        <source>The text is not UTF-8; it was read as Windows-1252.</source>
        <translation>הטקסט אינו UTF-8; הוא נקרא כ-Windows-1252.</translation>
    </message>
    <message>
        <source>There is nothing to learn in this text.</source>
        <translation>אין בטקסט הזה מה ללמוד.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>ייבוא</translation>
    </message>
    <message>
        <source>New from Text</source>
        <translation>חדש מטקסט</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>מתוך: %1</translation>
    </message>
    <message>
        <source>Paste or type the text to learn here.</source>
        <translation>יש להדביק או להקליד כאן את הטקסט ללמידה.</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;טקסט:</translation>
    </message>
    <message>
        <source>&amp;One sentence per line</source>
        <translation>&amp;משפט אחד בכל שורה</translation>
    </message>
    <message>
        <source>&amp;Keep the lines</source>
        <translation>&amp;להשאיר את השורות</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>ש&amp;פה:</translation>
    </message>
    <message>
        <source>Cutting the text</source>
        <translation>חיתוך הטקסט</translation>
    </message>
    <message>
        <source>Stop c&amp;utting</source>
        <translation>&amp;עצירת החיתוך</translation>
    </message>
    <message>
        <source>Stopped. Change the text or the cut to try again.</source>
        <translation>נעצר. אפשר לשנות את הטקסט או את אופן החיתוך כדי לנסות שוב.</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>משפט</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>רמז</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>תצוגה מקדימה</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;תצוגה מקדימה:</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;שמירה...</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s)</source>
        <translation>
            <numerusform>משפט אחד</numerusform>
            <numerusform>%n משפטים</numerusform>
        </translation>
    </message>
    <message>
        <source>The text has not been saved. Close the window all the same?</source>
        <translation>הטקסט לא נשמר. לסגור את החלון בכל זאת?</translation>
    </message>
    <message>
        <source>The first row holds column &amp;names</source>
        <translation>השורה ה&amp;ראשונה מכילה את שמות העמודות</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s); the first %1 are shown.</source>
        <translation>
            <numerusform>משפט אחד; מוצגים %1 הראשונים.</numerusform>
            <numerusform>%n משפטים; מוצגים %1 הראשונים.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) without a second field (is|are) kept without a prompt</source>
        <translation>
            <numerusform>פתק אחד בלי שדה שני נשמר בלי רמז</numerusform>
            <numerusform>%n פתקים בלי שדה שני נשמרים בלי רמז</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without a second column (is|are) kept without a prompt</source>
        <translation>
            <numerusform>שורה אחת בלי עמודה שנייה נשמרת בלי רמז</numerusform>
            <numerusform>%n שורות בלי עמודה שנייה נשמרות בלי רמז</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>לא ניתן ליצור את %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of the user&apos;s own with mode 0700</source>
        <translation>%1 אינה תיקייה של המשתמש עצמו עם הרשאות 0700</translation>
    </message>
    <message>
        <source>%1 is not dru&apos;s lock file</source>
        <translation>%1 אינו קובץ הנעילה של dru</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>לא ניתן לנעול את %1: %2</translation>
    </message>
    <message>
        <source>dru cannot tell whether it runs already, and runs alone: %1.</source>
        <translation>dru אינה יכולה לדעת אם היא כבר פועלת, ופועלת לבדה: %1.</translation>
    </message>
    <message>
        <source>the running dru could not be reached at %1; %2 was not opened</source>
        <translation>לא ניתן היה להגיע ל־dru הפועלת ב־%1; %2 לא נפתח</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>הקובץ לא נמצא</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>שם קובץ לא תקין</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>יותר מדי קבצים פתוחים</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>הגישה לקובץ נדחתה</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>קריאה מעבר לסוף הקובץ</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>הדיסק מלא</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>קלט מספרי לא תקין</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>שגיאת קלט/פלט %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 אינו קובץ רגיל</translation>
    </message>
    <message>
        <source>%1 %2; it was not written</source>
        <translation>%1 %2; הוא לא נכתב</translation>
    </message>
    <message>
        <source>%1 is %2 text; dru reads UTF-8 and Windows-1252 files</source>
        <translation>%1 הוא טקסט %2; dru קורא קובצי UTF-8 ו-Windows-1252</translation>
    </message>
    <message>
        <source>is a link that another user made</source>
        <translation>הוא קישור שמשתמש אחר יצר</translation>
    </message>
    <message>
        <source>leads to a file that is not the user&apos;s own</source>
        <translation>מוביל לקובץ שאינו של המשתמש</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>File › Open chooses a sentence file; examples are in %1.</source>
        <translation>קובץ › פתיחה בוחר קובץ משפטים; דוגמאות נמצאות ב-%1.</translation>
    </message>
    <message>
        <source>Another program had changed the sentence file when dru was ended; your marks were saved in %1.</source>
        <translation>תוכנה אחרת שינתה את קובץ המשפטים כאשר dru נסגרה; הסימונים שלך נשמרו ב־%1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;פתיחה...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;שמירה</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>שמירה &amp;בשם...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;סגירה</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;עריכה</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>&amp;Clear All Marks</source>
        <translation>&amp;ניקוי כל הסימונים</translation>
    </message>
    <message>
        <source>&amp;Mark Ready</source>
        <translation>&amp;סימון כנלמד</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>המשפט הקודם</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;רמז</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;אפשרויות</translation>
    </message>
    <message>
        <source>&amp;Sound Effect</source>
        <translation>&amp;צלילים</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;רגישות לאותיות רישיות</translation>
    </message>
    <message>
        <source>Show &amp;Mistakes</source>
        <translation>הצגת &amp;שגיאות</translation>
    </message>
    <message>
        <source>&amp;Review Due Sentences</source>
        <translation>&amp;חזרה על משפטים שהגיע זמנם</translation>
    </message>
    <message>
        <source>Mark &amp;While Typing</source>
        <translation>סימון &amp;תוך כדי הקלדה</translation>
    </message>
    <message>
        <source>Rec&amp;all</source>
        <translation>&amp;זכירה</translation>
    </message>
    <message>
        <source>Show &amp;Whole Sentence</source>
        <translation>הצגת המשפט ה&amp;מלא</translation>
    </message>
    <message>
        <source>&amp;Fade as You Learn</source>
        <translation>&amp;דהייה עם הלמידה</translation>
    </message>
    <message>
        <source>Hide &amp;Every Other Word</source>
        <translation>הסתרת &amp;כל מילה שנייה</translation>
    </message>
    <message>
        <source>First &amp;Letters Only</source>
        <translation>&amp;אותיות ראשונות בלבד</translation>
    </message>
    <message>
        <source>&amp;Prompt Only</source>
        <translation>&amp;הנחיה בלבד</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;התקדמות...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ע&amp;זרה</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;אודות...</translation>
    </message>
    <message>
        <source>Or&amp;der</source>
        <translation>&amp;סדר</translation>
    </message>
    <message>
        <source>At &amp;Random</source>
        <translation>&amp;אקראי</translation>
    </message>
    <message>
        <source>In &amp;Text Order</source>
        <translation>לפי סדר ה&amp;טקסט</translation>
    </message>
    <message>
        <source>Spea&amp;k After Enter</source>
        <translation>הקראה בקול &amp;לאחר Enter</translation>
    </message>
    <message>
        <source>Listen and &amp;Type</source>
        <translation>&amp;שמיעה והקלדה</translation>
    </message>
    <message>
        <source>Say A&amp;gain</source>
        <translation>&amp;אמירה שוב</translation>
    </message>
    <message>
        <source>&amp;Voice...</source>
        <translation>&amp;קול...</translation>
    </message>
    <message>
        <source>New from &amp;Text...</source>
        <translation>חדש מ&amp;טקסט...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;ייבוא...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not enough memory</source>
        <translation>אין די זיכרון</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>מידע</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>: typed “%1” expected “%2”</source>
        <translation>: הוקלד &quot;%1&quot;, היה צפוי &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Typed: %1&lt;br&gt;Expected: %2</source>
        <translation>הוקלד: %1&lt;br&gt;צפוי: %2</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
    <message>
        <source>&amp;Every day, not only the last 30</source>
        <translation>&amp;כל הימים, לא רק 30 האחרונים</translation>
    </message>
    <message>
        <source>Hardest first</source>
        <translation>הקשים ביותר תחילה</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>מיון &amp;לפי:</translation>
    </message>
    <message>
        <source>&amp;Reverse order</source>
        <translation>סדר &amp;הפוך</translation>
    </message>
    <message>
        <source>&amp;Sentences no longer in the file</source>
        <translation>&amp;משפטים שכבר אינם בקובץ</translation>
    </message>
    <message>
        <source>E&amp;xport as CSV...</source>
        <translation>&amp;ייצוא כ-CSV...</translation>
    </message>
    <message>
        <source>&amp;Forget History of This File...</source>
        <translation>&amp;שכחת ההיסטוריה של קובץ זה...</translation>
    </message>
    <message>
        <source>Sentences, hardest first</source>
        <translation>משפטים, הקשים ביותר תחילה</translation>
    </message>
    <message>
        <source>Sentences, by %1</source>
        <translation>משפטים, לפי %1</translation>
    </message>
    <message>
        <source>%1, reversed</source>
        <translation>%1, בסדר הפוך</translation>
    </message>
    <message>
        <source>Progress — %1</source>
        <translation>התקדמות — %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>תשובה אחת</numerusform>
            <numerusform>%n תשובות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>דקה אחת</numerusform>
            <numerusform>%n דקות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Known by heart: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> ידועים בעל פה: %1 ממשפט אחד.</numerusform>
            <numerusform> ידועים בעל פה: %1 מתוך %n משפטים.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>ייצוא כ-CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>קובצי CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 was not exported: %2</source>
        <translation>%1 לא יוצא: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) exported to %1.</source>
        <translation>
            <numerusform>משפט אחד יוצא אל %1.</numerusform>
            <numerusform>%n משפטים יוצאו אל %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %n answer(s) given on %1?</source>
        <translation>
            <numerusform>לשכוח את התשובה האחת שניתנה ב-%1?</numerusform>
            <numerusform>לשכוח את %n התשובות שניתנו ב-%1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forgotten: the %n answer(s) given on %1.</source>
        <translation>
            <numerusform>נשכחה: התשובה האחת שניתנה ב-%1.</numerusform>
            <numerusform>נשכחו: %n התשובות שניתנו ב-%1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today: %1, %n correct, %2 typing. Best speed on this file: %3 keys per minute.</source>
        <translation>
            <numerusform>היום: %1, %n נכונה, %2 הקלדה. המהירות הטובה ביותר בקובץ זה: %3 הקשות לדקה.</numerusform>
            <numerusform>היום: %1, %n נכונות, %2 הקלדה. המהירות הטובה ביותר בקובץ זה: %3 הקשות לדקה.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Learned today: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> נלמדו היום: %1 ממשפט אחד.</numerusform>
            <numerusform> נלמדו היום: %1 מתוך %n משפטים.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressOrder</name>
    <message>
        <source>sentence</source>
        <translation>משפט</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>הוקלדו</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>נכונות</translation>
    </message>
    <message>
        <source>best speed</source>
        <translation>שיא</translation>
    </message>
    <message>
        <source>last typed</source>
        <translation>הוקלד לאחרונה</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>מסומנים</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>זכירה</translation>
    </message>
    <message>
        <source>next review</source>
        <translation>החזרה הבאה</translation>
    </message>
    <message>
        <source>level</source>
        <translation>רמה</translation>
    </message>
    <message>
        <source>last grade</source>
        <translation>ציון אחרון</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Sentence</source>
        <translation>משפט</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>הוקלדו</translation>
    </message>
    <message>
        <source>Correct (%)</source>
        <translation>נכונות (%)</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>שיא</translation>
    </message>
    <message>
        <source>Last typed</source>
        <translation>לאחרונה</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>מסומן</translation>
    </message>
    <message>
        <source>Recall (%)</source>
        <translation>זכירה (%)</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>חזרה הבאה</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>רמה</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>נכונות</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>זכירה</translation>
    </message>
    <message>
        <source>no</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>none</source>
        <translation>אין</translation>
    </message>
    <message>
        <source>retry</source>
        <translation>שוב</translation>
    </message>
    <message>
        <source>now</source>
        <translation>עכשיו</translation>
    </message>
    <message>
        <source>known</source>
        <translation>ידוע</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>Last grade</source>
        <translation>ציון אחרון</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>שוב</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>קשה</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>טוב</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>קל</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Recall</name>
    <message>
        <source>blank</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>whole sentence</source>
        <translation>משפט מלא</translation>
    </message>
    <message>
        <source>every other word</source>
        <translation>כל מילה שנייה</translation>
    </message>
    <message>
        <source>first letters</source>
        <translation>אותיות ראשונות</translation>
    </message>
    <message>
        <source>prompt only</source>
        <translation>הנחיה בלבד</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>שמיעה</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>לא ניתן לכתוב אל %1</translation>
    </message>
    <message>
        <source>%1 cannot remember the name %2, which holds a line break; rename the file to have it opened next time</source>
        <translation>%1 אינו יכול לזכור את השם %2, שיש בו מעבר שורה; יש לשנות את שם הקובץ כדי שייפתח בפעם הבאה</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Speech is not available: %1</source>
        <translation>הקראה אינה זמינה: %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Correct.</source>
        <translation>נכון.</translation>
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
        <translation>שימוש: dru [FILE]
       dru --help | --version
לימוד משפטים על ידי הקלדתם.

dru פותח את FILE, ואם לא ניתן — את קובץ המשפטים שנשמר ב-dru.ini בתיקייה
שממנה הופעל, או את Default.dat שבה; קובץ, פתיחה בוחר קובץ אחר. אם dru כבר
פועל, FILE נפתח ב-dru הפועל, שעולה לחזית, והפעלה זו מסתיימת. ראו dru(1).

  --help     הצגת עזרה זו ויציאה
  --version  הצגת הגרסה ויציאה
</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>Voice</source>
        <translation>קול</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>קצב</translation>
    </message>
    <message>
        <source>The interface&apos;s language</source>
        <translation>שפת הממשק</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;שפה:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;קול:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;קצב:</translation>
    </message>
    <message>
        <source>The language&apos;s first</source>
        <translation>הראשון בשפה</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>dru - Sentence Typing Drill</source>
        <translation>dru - תרגול הקלדת משפטים</translation>
    </message>
</context>
</TS>
