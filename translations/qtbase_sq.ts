<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>QPageSize</name>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Sipas dëshirës</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Sipas dëshirës (%1mm x %2mm)</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>kufiri i poshtëm</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Burimi i letrës:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>kufiri i djathtë</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Kufijtë</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Sipas dëshirës</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Faqosja</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Gjerësia:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Drejtimi</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertikale</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Radha e faqeve:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>kufiri i sipërm</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>kufiri i majtë</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Madhësia e faqes:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Vertikale përmbys</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetra (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Pikë (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Faqe për fletë:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inç (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Horizontale përmbys</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Lartësia:</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Në rregull</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Në rregull</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Jo</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Po</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ndihmë</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Hap</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Ruaj</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Ndërprit</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zbato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Mbyll</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rikthe</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Provo sërish</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rikthe parazgjedhjet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulo</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Shpërfill</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>J&amp;o për të gjitha</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Ruaji të gjitha</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Hidhe poshtë</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Po për të &amp;gjitha</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>deri</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Jo</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Me ngjyra</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Shtyp të gjitha</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Faqet</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Faqja e tanishme</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Përzgjedhja</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopjet</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Çfarë të shtypet</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Ngjyrat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Mundësitë</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Cilësimet e daljes</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Së prapthi</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Shkallë gri</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Radhit kopjet</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopje:</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Lidhje në anën e shkurtër</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Jepni faqe ose vargje faqesh të ndara me presje. Një varg jepet me dy numra të ndarë me vizë. P.sh.: 3,5-7,9 shtyp faqet 3, 5, 6, 7 dhe 9.</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Faqet nga</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Shtypje në dy anë</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Grupi i faqeve:</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Lidhje në anën e gjatë</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Lloji:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Emri:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Skedari i daljes:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Vetitë</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Parapamje</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printeri</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Vendndodhja:</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Puna</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fundi:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Asnjë</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Faqe titulli</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Natën (18:00 deri 05:59)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Në një orë të caktuar</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Të dhëna për pagesën:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Shtypja e planifikuar:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Sekret</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Tepër sekret</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Fillimi:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Ditën (06:00 deri 17:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Turni i dytë (16:00 deri 23:59)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Kontrolli i punës</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Fundjavës (e shtunë deri e diel)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Zakonshme</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>I klasifikuar</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Turni i tretë (00:00 deri 07:59)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Mbaje pa afat</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Shtyp menjëherë</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidencial</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Përparësia e punës:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>I paklasifikuar</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Prapa</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Hap</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Hap</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Ruaj</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Skedarët</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Shfaq </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; është i mbrojtur nga shkrimi.
Ta fshij gjithsesi?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Ta fshij vërtet &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista e vendeve dhe e faqeshënuesve</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Emri i skedarit:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Fshije</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Dosje e re</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Dosja mëmë</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Dosje e re</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hiqe</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Shiko te:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Krijo një dosje të re</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Skedarë të llojit:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Gjej dosjen</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Shfaq skedarët e &amp;fshehur</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Ruaje si</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dosja nuk u gjet.
Shikoni nëse emri i dosjes është dhënë saktë.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Shiriti anësor</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Pamje liste</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Zgjidh</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Fshije</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Të gjithë skedarët (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Të gjithë skedarët (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dosjet</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Riemërto</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Dosja nuk u fshi dot.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dosja:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ekziston tashmë.
Ta zëvendësoj?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Përpara</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Shko përpara</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Shko te dosja mëmë</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Vendet e fundit</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Shko prapa</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Kalo te pamja me hollësi</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Krijo dosje të re</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Pamje me hollësi</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Skedari nuk u gjet.
Shikoni nëse emri i skedarit është dhënë saktë.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Kalo te pamja e listës</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>P&amp;rit</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopjo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ribëj</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zhbëj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Ngjit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Fshije</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zgjidh të gjitha</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Skedar</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Pseudonim</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Dosje</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosje</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>I panjohur</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Shkurtore</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Faqja</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Disa mundësi bien ndesh. Ndreqini ato.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Të avancuara</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Lloji</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Emri</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Madhësia</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Lloji</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Kompjuteri im</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Kompjuteri</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ndryshuar më</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Jo</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Hap listën e zgjedhjeve</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>Faqet çift</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Shtyp</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Mundësitë &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Mundësitë &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Nga e majta në të djathtë, nga lart poshtë</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Nga e djathta në të majtë, nga poshtë lart</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Shkruaj skedar PDF</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Shtyp</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Mundësitë &apos;Faqe për fletë&apos; dhe &apos;Grupi i faqeve&apos; nuk përdoren dot bashkë.
Çaktivizoni njërën prej tyre.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 ekziston tashmë.
Ta mbishkruaj?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Nga e majta në të djathtë, nga poshtë lart</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Faqet tek</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Skedar vendor</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Cilësimet e shtypjes në dy anë bien ndesh. Doni t’i ndreqni?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Shtyp në skedar (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Shtyp në skedar ...</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Faqet janë dhënë gabim</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nuk është shkruar si duhet. Ndani faqet dhe vargjet me &apos;,&apos;, shënoni vargjet me &apos;-&apos; dhe kujdesuni që vargjet të mos mbulojnë njëri-tjetrin.</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Nga e djathta në të majtë, nga lart poshtë</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Nga poshtë lart, nga e majta në të djathtë</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Vlera &apos;Nga&apos; nuk mund të jetë më e madhe se vlera &apos;Deri&apos;.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Të gjitha faqet</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Cilësime të shtypjes në dy anë që bien ndesh</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 është dosje.
Zgjidhni një emër tjetër skedari.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Në skedarin %1 nuk shkruhet dot.
Zgjidhni një emër tjetër skedari.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Nga poshtë lart, nga e djathta në të majtë</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Nga lart poshtë, nga e majta në të djathtë</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Nga lart poshtë, nga e djathta në të majtë</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Mundësi të avancuara që bien ndesh</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Mundësitë e punës</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Cilësime të faqes që bien ndesh</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Disa mundësi të avancuara bien ndesh. Doni t’i ndreqni?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Disa cilësime të faqes bien ndesh. Doni t’i ndreqni?</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Vetitë e printerit</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Mundësi të panjohura: %1.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Mundësi e panjohur &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[mundësitë]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Mundësitë:</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Tregon ndihmën, me mundësitë e Qt-së.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Përdorimi: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Tregon ndihmën për mundësitë e rreshtit të komandave.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Vlerë e papritur pas &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Tregon versionin.</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentet:</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Mungon vlera pas &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Shfaq hollësitë...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Fshih hollësitë...</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Ul</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Ngri</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Zgjidh të gjitha</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Duhet identifikim për të përdorur %1 në %2.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Duhet identifikim për të përdorur %1.</translation>
    </message>
    <message>
        <source>Authentication Needed</source>
        <translation>Duhet identifikim</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Fjalëkalimi:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Emri i përdoruesit:</translation>
    </message>
</context>
</TS>
