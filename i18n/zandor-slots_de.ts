<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>zandor::AudioDialogs</name>
    <message>
        <source>The path of this file is longer than %1 characters.  Please choose a file in a folder with a shorter path.</source>
        <translation>Der Pfad dieser Datei ist länger als %1 Zeichen.  Bitte wählen Sie eine Datei in einem Ordner mit kürzerem Pfad.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, too large to play.  Please choose a smaller file.</source>
        <translation>%1 ist größer als %2 MB und damit zu groß zum Abspielen.  Bitte wählen Sie eine kleinere Datei.</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinLimitsDialog</name>
    <message>
        <source>Auto Spin Limits</source>
        <translation>Grenzen für automatisches Drehen</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>&amp;Anhalten nach</translation>
    </message>
    <message>
        <source> spins</source>
        <extracomment>After a number of spins: &quot;Stop after [100] spins&quot;.</extracomment>
        <translation> Drehungen</translation>
    </message>
    <message>
        <source>Stop when the cr&amp;edits fall below</source>
        <translation>Anhalten bei &amp;Guthaben unter</translation>
    </message>
    <message>
        <source>Stop on a single &amp;win of at least</source>
        <translation>Anhalten bei &amp;Einzelgewinn ab</translation>
    </message>
    <message>
        <source>Stop when the &amp;bonus is won</source>
        <translation>Anhalten bei &amp;Bonusgewinn</translation>
    </message>
    <message>
        <source>Automatic spins stop at the end of the spin that reaches a limit, or after the last free spin when it comes during free spins.</source>
        <translation>Das automatische Drehen hält am Ende der Drehung an, die eine Grenze erreicht, oder nach dem letzten Freispiel, wenn das während der Freispiele geschieht.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinWatch</name>
    <message numerus="yes">
        <source>Automatic spins stopped after %n spin(s).</source>
        <translation>
            <numerusform>Automatisches Drehen nach %n Drehung angehalten.</numerusform>
            <numerusform>Automatisches Drehen nach %n Drehungen angehalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic spins stopped: the credits fell below %1.</source>
        <translation>Automatisches Drehen angehalten: Das Guthaben ist unter %1 gefallen.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: a single win of %1 reached the limit of %2.</source>
        <translation>Automatisches Drehen angehalten: Ein Einzelgewinn von %1 hat die Grenze von %2 erreicht.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: the bonus was won (%1).</source>
        <translation>Automatisches Drehen angehalten: Der Bonus wurde gewonnen (%1).</translation>
    </message>
</context>
<context>
    <name>zandor::BackgroundChoice</name>
    <message>
        <source>Load Tiled Bitmap File</source>
        <translation>Bild für den gekachelten Hintergrund laden</translation>
    </message>
    <message>
        <source>Bitmaps (%1)</source>
        <translation>Bitmap-Bilder (%1)</translation>
    </message>
</context>
<context>
    <name>zandor::Bank</name>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr zurückzahlen, als Sie geliehen haben!</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Ihr Guthaben reicht nicht für %1!</translation>
    </message>
    <message>
        <source>You do not have %1 credit!</source>
        <translation>Ihr Guthaben reicht nicht für %1!</translation>
    </message>
    <message>
        <source>The bank cannot lend you that much: your credits or your debt would pass %1, the most the machine can keep.</source>
        <translation>So viel kann Ihnen die Bank nicht leihen: Ihr Guthaben oder Ihre Schulden würden %1 übersteigen, den höchsten Betrag, den der Automat führen kann.</translation>
    </message>
    <message>
        <source>The bank has no such amount.</source>
        <translation>Diesen Betrag bietet die Bank nicht an.</translation>
    </message>
</context>
<context>
    <name>zandor::BankDialog</name>
    <message>
        <source>Balances</source>
        <translation>Kontostand</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Guthaben %1</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>Geliehen %1</translation>
    </message>
    <message>
        <source>Credits %1, borrowed %2.</source>
        <translation>Guthaben %1, geliehen %2.</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Hier können Sie Geld leihen oder zurückzahlen</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>The label before the two choices: borrow or pay back.</extracomment>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Geld leihen</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Geld zurückzahlen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Painted above the meter of the player&apos;s credits.</extracomment>
        <translation>Guthaben:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Painted above the meter of what the player owes the bank.</extracomment>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).

To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The bank&apos;s Help box. &quot;borrow&quot; and &quot;pay back&quot; are the two modes of the dialog.</extracomment>
        <translation>Hier können Sie Guthaben leihen oder früher geliehenes Guthaben zurückzahlen.  Klicken Sie auf die Schaltfläche mit dem Betrag, den Sie leihen (oder zurückzahlen) möchten.

Um zwischen „Leihen“ und „Zurückzahlen“ zu wechseln, wählen Sie den Modus.</translation>
    </message>
</context>
<context>
    <name>zandor::BetPanel</name>
    <message>
        <source>Bet 1</source>
        <extracomment>The button that bets one coin.</extracomment>
        <translation>1 setzen</translation>
    </message>
    <message>
        <source>Bet one credit (key 1)</source>
        <translation>Eine Münze setzen (Taste 1)</translation>
    </message>
    <message>
        <source>Bet 5</source>
        <extracomment>The button that bets five coins.</extracomment>
        <translation>5 setzen</translation>
    </message>
    <message>
        <source>Bet five credits (key 5)</source>
        <translation>Fünf Münzen setzen (Taste 5)</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The button that bets the most coins (25) and spins.</extracomment>
        <translation>Max. Einsatz</translation>
    </message>
    <message>
        <source>Bet the maximum and spin (key M)</source>
        <translation>Höchsteinsatz setzen und drehen (Taste M)</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The button that spins the reels.</extracomment>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Spins the slot wheels (%1 or %2)</source>
        <extracomment>The Spin button&apos;s tip: %1 and %2 are the names of the Space and Enter keys as the player&apos;s keyboard prints them.</extracomment>
        <translation>Dreht die Walzen (%1 oder %2)</translation>
    </message>
</context>
<context>
    <name>zandor::CardTable</name>
    <message>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
    <message>
        <source>Left card: %1</source>
        <translation>Linke Karte: %1</translation>
    </message>
    <message>
        <source>Right card: %1</source>
        <translation>Rechte Karte: %1</translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation>Gezogene Karte: %1</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Kartenstapel</translation>
    </message>
    <message>
        <source>You Won!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>%1. You Won! Winnings %2.</source>
        <translation>%1. Gewonnen! Gewinn %2.</translation>
    </message>
    <message>
        <source>%1. You Lost. Winnings %2.</source>
        <translation>%1. Verloren. Gewinn %2.</translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 und %2.</translation>
    </message>
    <message>
        <source>Your win of %1 is on the table. The cards: %2 and %3.</source>
        <translation>Ihr Gewinn von %1 liegt auf dem Tisch. Die Karten: %2 und %3.</translation>
    </message>
    <message>
        <source>If you think the next card will be between the two cards showing then click the DRAW button.  If the next card is between (but not equal to) the other two cards, then your winnings are doubled.  Otherwise you lose your winnings.  An ACE&apos;s value is 1.</source>
        <translation>Liegt die nächste Karte Ihrer Meinung nach zwischen den beiden offenen Karten, klicken Sie auf ZIEHEN.  Liegt sie zwischen (aber nicht gleich) den beiden Karten, verdoppelt sich Ihr Gewinn.  Sonst verlieren Sie Ihren Gewinn.  Ein ASS zählt 1.</translation>
    </message>
    <message>
        <source>The deck is used up: no further pair can be dealt, so Skips and Go Again are closed.  Click OK to finish.</source>
        <translation>Der Kartenstapel ist aufgebraucht: Es kann kein Paar mehr gegeben werden, daher sind Aussetzen und Nochmal gesperrt.  Klicken Sie zum Beenden auf OK.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <extracomment>The win at stake; %1 is the amount right-aligned in ten places (&quot; 12.50&quot;).</extracomment>
        <translation>Gewinn: %1</translation>
    </message>
    <message>
        <source>&amp;Skips: %1</source>
        <extracomment>The button that deals a fresh pair; %1 is how many fresh pairs are left.</extracomment>
        <translation>&amp;Aussetzen: %1</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>Kreuz %1</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>Herz %1</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>Karo %1</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>Pik %1</translation>
    </message>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Doppelt oder nichts – Kartenspiel</translation>
    </message>
    <message>
        <source>&amp;Go Again</source>
        <translation>&amp;Nochmal</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Ziehen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Draw, Skip or OK to keep it; R reads the rules.</source>
        <translation>Ziehen, Aussetzen oder OK zum Behalten; R liest die Regeln vor.</translation>
    </message>
</context>
<context>
    <name>zandor::FaceAccessible</name>
    <message>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>mittlere Reihe</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>obere Reihe</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>untere Reihe</translation>
    </message>
    <message>
        <source>top left to bottom right</source>
        <translation>von oben links nach unten rechts</translation>
    </message>
    <message>
        <source>bottom left to top right</source>
        <translation>von unten links nach oben rechts</translation>
    </message>
    <message>
        <source>Power Up</source>
        <extracomment>A symbol on the reels: it raises the bonus meter.</extracomment>
        <translation>Power-up</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Lemon</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>Cherry</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Kirsche</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <extracomment>A symbol on the reels: it halves the bonus meter.</extracomment>
        <translation>Power-Drain</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A reel cell without a symbol.</extracomment>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The name of a meter on the machine: the player&apos;s credits.</extracomment>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Wager</source>
        <extracomment>The name of a meter on the machine: the coins placed on the paylines.</extracomment>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>The name of a meter on the machine: what the last spin won.</extracomment>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The name of a meter on the machine: the spins played.</extracomment>
        <translation>Drehungen</translation>
    </message>
    <message>
        <source>Free spins left</source>
        <translation>Verbleibende Freispiele</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Bonusanzeige</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Bonustopf</translation>
    </message>
    <message>
        <source>Reel %1, %2: %3</source>
        <extracomment>A reel cell: &quot;Reel 2, top: Bell&quot;.</extracomment>
        <translation>Walze %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s)</source>
        <extracomment>The coins on a payline.</extracomment>
        <translation>
            <numerusform>%n Münze</numerusform>
            <numerusform>%n Münzen</numerusform>
        </translation>
    </message>
    <message>
        <source>, pays %1</source>
        <extracomment>Follows the coins on a payline that won: &quot;5 coins, pays 125.00&quot;.</extracomment>
        <translation>, zahlt %1</translation>
    </message>
    <message>
        <source>Payline %1, %2: %3</source>
        <extracomment>A payline: &quot;Payline 4, top left to bottom right: 5 coins&quot;.</extracomment>
        <translation>Gewinnlinie %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>zandor::FacePainter</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Plus 7 FREE Spins</source>
        <extracomment>Painted under the bonus pool on the machine&apos;s face: winning the pool also gives seven free spins. Keep it short.</extracomment>
        <translation>Plus 7 FREISPIELE</translation>
    </message>
</context>
<context>
    <name>zandor::Files</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: it is damaged or far too large.  It has been renamed %2, and a new file takes its place.</source>
        <extracomment>%1 is the file the game could not read, %2 the name it has been given.</extracomment>
        <translation>%1 konnte nicht gelesen werden: Die Datei ist beschädigt oder viel zu groß.  Sie wurde in %2 umbenannt, und eine neue Datei tritt an ihre Stelle.</translation>
    </message>
</context>
<context>
    <name>zandor::GameChartView</name>
    <message>
        <source>Chart of this game</source>
        <translation>Verlauf dieses Spiels</translation>
    </message>
    <message>
        <source>Credits and net worth after every spin of this game</source>
        <translation>Guthaben und Reinvermögen nach jeder Drehung dieses Spiels</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The chart&apos;s horizontal axis: the spins played in this game.</extracomment>
        <translation>Drehungen</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The chart&apos;s legend: the line of the credits.</extracomment>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Net worth</source>
        <extracomment>The chart&apos;s legend: the line of the credits less what is owed to the bank.</extracomment>
        <translation>Reinvermögen</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>The chart&apos;s legend: the mark of a bonus won.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The chart&apos;s legend: the mark of a loan from the bank.</extracomment>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>Payback</source>
        <extracomment>The chart&apos;s legend: the mark of a payment back to the bank.</extracomment>
        <translation>Rückzahlung</translation>
    </message>
</context>
<context>
    <name>zandor::GameSession</name>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing. Your free spins continue.</source>
        <translation>Ihre letzte Drehung wurde unterbrochen. Sie wurde zu Ende gespielt: Sie hat nichts gewonnen. Ihre Freispiele gehen weiter.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing.</source>
        <translation>Ihre letzte Drehung wurde unterbrochen. Sie wurde zu Ende gespielt: Sie hat nichts gewonnen.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1. Your free spins continue.</source>
        <translation>Ihre letzte Drehung wurde unterbrochen. Sie wurde zu Ende gespielt: Sie haben %1 gewonnen. Ihre Freispiele gehen weiter.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1.</source>
        <translation>Ihre letzte Drehung wurde unterbrochen. Sie wurde zu Ende gespielt: Sie haben %1 gewonnen.</translation>
    </message>
</context>
<context>
    <name>zandor::Help</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A three-reel, five-line slot machine with a bonus meter, free spins and a double-or-nothing card game.</source>
        <translation>Ein Spielautomat mit drei Walzen und fünf Gewinnlinien, mit Bonusanzeige, Freispielen und dem Kartenspiel „Doppelt oder nichts“.</translation>
    </message>
    <message>
        <source>About Zandor Slots</source>
        <translation>Über Zandor Slots</translation>
    </message>
</context>
<context>
    <name>zandor::HelpViewer</name>
    <message>
        <source>Zandor Slots Help</source>
        <translation>Zandor Slots – Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes to the page read before.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Goes to the manual&apos;s table of contents.</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The manual could not be found.

It belongs in the folder %1 beside the program. Installing Zandor Slots again puts it back.</source>
        <translation>Das Handbuch wurde nicht gefunden.

Es gehört in den Ordner %1 neben dem Programm. Wenn Sie Zandor Slots neu installieren, ist es wieder da.</translation>
    </message>
    <message>
        <source>%1, link</source>
        <extracomment>Spoken when the keyboard reaches a link of the manual: &quot;Bank, link&quot;.</extracomment>
        <translation>%1, Link</translation>
    </message>
</context>
<context>
    <name>zandor::Keys</name>
    <message>
        <source>Enter</source>
        <extracomment>The key that ends a line, as the keyboard names it: &quot;Eingabetaste&quot;, &quot;Entrée&quot;.</extracomment>
        <translation>Eingabetaste</translation>
    </message>
</context>
<context>
    <name>zandor::MainWindow</name>
    <message>
        <source>Slot machine</source>
        <translation>Spielautomat</translation>
    </message>
    <message>
        <source>Blin&amp;king Symbols</source>
        <translation>&amp;Blinkende Symbole</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Hoher Kon&amp;trast</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>File menu: open a saved game.</extracomment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>File menu: save the game in a slot.</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Acey Ducey</source>
        <extracomment>Options menu, checked: a win may be gambled at the card game of that name.</extracomment>
        <translation>&amp;Acey Ducey</translation>
    </message>
    <message>
        <source>Back&amp;ground</source>
        <extracomment>Options menu: the background around the machine.</extracomment>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>Tiled Bitmap</source>
        <extracomment>Background menu: a picture file repeated as the background.</extracomment>
        <translation>Gekacheltes Bild</translation>
    </message>
    <message>
        <source>Solid Color</source>
        <extracomment>Background menu: one colour as the background.</extracomment>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>&amp;Bet Amount</source>
        <extracomment>Options menu: the value of one coin.</extracomment>
        <translation>&amp;Münzwert</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>M&amp;usik</translation>
    </message>
    <message>
        <source>Change Songs</source>
        <translation>Lieder wählen</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <extracomment>Options menu: the sound effects.</extracomment>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>Sounds menu: the sound of the bonus being paid.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Sounds menu: the sound of each coin bet.</extracomment>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Sounds menu: the sound of each credit counted in after a win.</extracomment>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Lose</source>
        <extracomment>Sounds menu: the sound of a spin that wins nothing.</extracomment>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <extracomment>Sounds menu: the sound of the bonus meter falling.</extracomment>
        <translation>Power-Drain</translation>
    </message>
    <message>
        <source>Power Up</source>
        <extracomment>Sounds menu: the sound of the bonus meter rising.</extracomment>
        <translation>Power-up</translation>
    </message>
    <message>
        <source>Slot Spin</source>
        <extracomment>Sounds menu: the sound of the reels turning.</extracomment>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Sounds menu: the sound of a reel stopping.</extracomment>
        <translation>Walzenstopp</translation>
    </message>
    <message>
        <source>Wheel Spin</source>
        <extracomment>Sounds menu: the sound of the card game&apos;s wheel turning.</extracomment>
        <translation>Walzenlauf</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Sounds menu: the sound of a winning spin.</extracomment>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Change WAVs</source>
        <extracomment>Sounds menu: choose wave files of one&apos;s own for five of the sounds.</extracomment>
        <translation>WAV-Dateien wählen</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Lautstärke...</translation>
    </message>
    <message>
        <source>Spin Spee&amp;d</source>
        <extracomment>Options menu: how fast the reels turn.</extracomment>
        <translation>&amp;Drehgeschwindigkeit</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar: opens the bank, to borrow or pay back credits.</extracomment>
        <translation>&amp;Leihen</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar: opens the chart of what each line of symbols pays.</extracomment>
        <translation>&amp;Gewinntabelle</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>Menu bar: the menu of automatic spins.</extracomment>
        <translation>&amp;Automatik</translation>
    </message>
    <message>
        <source>&amp;Auto Spin</source>
        <extracomment>Auto menu, checked while spins follow each other by themselves.</extracomment>
        <translation>&amp;Automatisch drehen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Zandor Slots</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>Your game could not be saved. Try again before the game closes?</source>
        <translation>Ihr Spiel konnte nicht gespeichert werden. Vor dem Beenden noch einmal versuchen?</translation>
    </message>
    <message>
        <source>On</source>
        <comment>music</comment>
        <extracomment>Music menu, checked while the background music plays.</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>On</source>
        <comment>sounds</comment>
        <extracomment>Sounds menu, checked while the sound effects play at all.</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Your game is not being saved: if it stopped now, what you play from here on would be lost. You will be told when it is saved again.</source>
        <translation>Ihr Spiel wird nicht gespeichert: Würde es jetzt beendet, ginge verloren, was Sie ab hier spielen. Sie erfahren es, sobald es wieder gespeichert wird.</translation>
    </message>
    <message>
        <source>Your game is being saved again.</source>
        <translation>Ihr Spiel wird wieder gespeichert.</translation>
    </message>
</context>
<context>
    <name>zandor::MidiPlayer</name>
    <message>
        <source>The file is not a valid MIDI file.</source>
        <translation>Die Datei ist keine gültige MIDI-Datei.</translation>
    </message>
    <message>
        <source>The specified file was not found: %1</source>
        <translation>Die angegebene Datei wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>The song is larger than 16 MB, too large to play: %1</source>
        <translation>Das Lied ist größer als 16 MB und damit zu groß zum Abspielen: %1</translation>
    </message>
    <message>
        <source>No General MIDI soundfont was found, so MIDI music cannot play.</source>
        <translation>Es wurde keine General-MIDI-Soundfont gefunden, daher kann keine MIDI-Musik gespielt werden.</translation>
    </message>
    <message>
        <source>The MIDI device could not open the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation (in English), else the file&apos;s path.</extracomment>
        <translation>Das MIDI-Gerät konnte die Datei nicht öffnen: %1</translation>
    </message>
    <message>
        <source>No MIDI file is open.</source>
        <translation>Es ist keine MIDI-Datei geöffnet.</translation>
    </message>
    <message>
        <source>The MIDI device could not play the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation, in English.</extracomment>
        <translation>Das MIDI-Gerät konnte die Datei nicht abspielen: %1</translation>
    </message>
</context>
<context>
    <name>zandor::MusicDialog</name>
    <message>
        <source>Change song %1</source>
        <translation>Lied %1 ändern</translation>
    </message>
    <message>
        <source>Preview song %1</source>
        <translation>Lied %1 anhören</translation>
    </message>
    <message>
        <source>Change MIDI Files]</source>
        <extracomment>The window title; the closing bracket belongs to the game&apos;s English title.</extracomment>
        <translation>MIDI-Dateien wählen</translation>
    </message>
    <message>
        <source>You may include up to eight MIDI files which will be used as background music while you are playing this game.</source>
        <translation>Sie können bis zu acht MIDI-Dateien aufnehmen, die während des Spiels als Hintergrundmusik laufen.</translation>
    </message>
    <message>
        <source>Music #%1</source>
        <translation>Musik Nr. %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the song of its row.</extracomment>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a song.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>MIDI Sequencer</source>
        <translation>MIDI-Sequenzer</translation>
    </message>
    <message>
        <source>Could not find %1.  Please choose a valid MIDI file.</source>
        <translation>%1 wurde nicht gefunden.  Bitte wählen Sie eine gültige MIDI-Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a MIDI song this game can read. Please choose another file for this song.</source>
        <translation>%1 kann nicht abgespielt werden: Es ist kein MIDI-Lied, das dieses Spiel lesen kann. Bitte wählen Sie eine andere Datei für dieses Lied.</translation>
    </message>
</context>
<context>
    <name>zandor::PayoffChart</name>
    <message>
        <source>Payoffs</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>%1, %1, any symbol</source>
        <translation>%1, %1, beliebiges Symbol</translation>
    </message>
    <message>
        <source>%1, %1, %1</source>
        <translation>%1, %1, %1</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The heading of the column of symbol pictures.</extracomment>
        <translation>Symbole</translation>
    </message>
    <message numerus="yes">
        <source>%n Coin(s)</source>
        <extracomment>The heading of the column of pays for this many coins wagered on a line.</extracomment>
        <translation>
            <numerusform>%n Münze</numerusform>
            <numerusform>%n Münzen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Payoffs</source>
        <extracomment>The window&apos;s title; %1 is the game&apos;s name, &quot;Zandor Slots&quot;, in every language.</extracomment>
        <translation>%1 – Gewinntabelle</translation>
    </message>
    <message>
        <source>Win 7 free spins and the Bonus Pool by raising the Bonus Meter to 100%.  The GAIN symbol increases power by 10% of full, and the LOSS symbol reduces it by 50% of current value.</source>
        <translation>Füllen Sie die Bonusanzeige auf 100&#xa0;% und gewinnen Sie 7 Freispiele und den Bonustopf.  Das Power-Up-Symbol erhöht sie um 10&#xa0;% des Maximums, das Power-Drain-Symbol halbiert sie.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>zandor::Playlist</name>
    <message>
        <source>No MIDI songs are selected!</source>
        <translation>Es sind keine MIDI-Lieder ausgewählt!</translation>
    </message>
</context>
<context>
    <name>zandor::RecentSpinsWindow</name>
    <message>
        <source>Not played</source>
        <extracomment>The card game was offered, and the player took the win without drawing.</extracomment>
        <translation>Nicht gespielt</translation>
    </message>
    <message>
        <source>Won → %1</source>
        <extracomment>The card game doubled the win: what the spin paid after it.</extracomment>
        <translation>Gewonnen → %1</translation>
    </message>
    <message>
        <source>Lost → %1</source>
        <extracomment>The card game lost the win: what the spin paid after it.</extracomment>
        <translation>Verloren → %1</translation>
    </message>
    <message>
        <source>top: %1</source>
        <translation>oben: %1</translation>
    </message>
    <message>
        <source>middle: %1</source>
        <translation>Mitte: %1</translation>
    </message>
    <message>
        <source>bottom: %1</source>
        <translation>unten: %1</translation>
    </message>
    <message>
        <source>Borrowed %1 from the bank</source>
        <translation>%1 von der Bank geliehen</translation>
    </message>
    <message>
        <source>Paid back %1 to the bank</source>
        <translation>%1 an die Bank zurückgezahlt</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Opened a saved game</source>
        <translation>Gespeichertes Spiel geöffnet</translation>
    </message>
    <message>
        <source>Coin value %1</source>
        <translation>Münzwert %1</translation>
    </message>
    <message>
        <source>Recent Spins</source>
        <translation>Letzte Drehungen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Coin</source>
        <extracomment>Column heading: the coin value of the spin.</extracomment>
        <translation>Münze</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Column heading: the coins wagered on the spin.</extracomment>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>Column heading: the picture of the reels.</extracomment>
        <translation>Walzen</translation>
    </message>
    <message>
        <source>Line pays</source>
        <extracomment>Column heading: what each of the five paylines paid.</extracomment>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Column heading: what the spin paid.</extracomment>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Bonustopf</translation>
    </message>
    <message>
        <source>Card game</source>
        <translation>Kartenspiel</translation>
    </message>
    <message>
        <source>Credits after</source>
        <translation>Guthaben danach</translation>
    </message>
    <message>
        <source>Recent spins, newest first</source>
        <translation>Letzte Drehungen, neueste zuerst</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Completed after an interruption</source>
        <translation>Nach einer Unterbrechung abgeschlossen</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The coins of a free spin: &quot;25 free&quot;.</extracomment>
        <translation>%1 frei</translation>
    </message>
    <message>
        <source>No spins yet.</source>
        <translation>Noch keine Drehungen.</translation>
    </message>
    <message>
        <source>Credits after %1, owed to the bank %2</source>
        <translation>Guthaben danach %1, Schulden bei der Bank %2</translation>
    </message>
    <message>
        <source>free spin</source>
        <translation>Freispiel</translation>
    </message>
    <message>
        <source>completed after an interruption</source>
        <translation>nach einer Unterbrechung abgeschlossen</translation>
    </message>
    <message>
        <source>Win %1, credits after %2</source>
        <translation>Gewinn %1, Guthaben danach %2</translation>
    </message>
    <message>
        <source>Bonus pool %1</source>
        <translation>Bonustopf %1</translation>
    </message>
    <message>
        <source>The chosen spin</source>
        <translation>Die gewählte Drehung</translation>
    </message>
</context>
<context>
    <name>zandor::RecordKeeper</name>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>&amp;Recent Spins...</source>
        <translation>&amp;Letzte Drehungen...</translation>
    </message>
    <message>
        <source>Auto Spin &amp;Limits...</source>
        <translation>&amp;Grenzen für automatisches Drehen...</translation>
    </message>
</context>
<context>
    <name>zandor::Refusals</name>
    <message>
        <source>Not enough credits for Bet Max: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>Nicht genug Guthaben für „Max. Einsatz“: Nötig sind %1, Sie haben %2. Setzen Sie weniger Münzen oder leihen Sie sich Guthaben.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 1: it needs %1 and you have %2. Borrow credits to play on.</source>
        <translation>Nicht genug Guthaben für „Setze 1“: Nötig sind %1, Sie haben %2. Leihen Sie sich Guthaben, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 5: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>Nicht genug Guthaben für „Setze 5“: Nötig sind %1, Sie haben %2. Setzen Sie weniger Münzen oder leihen Sie sich Guthaben.</translation>
    </message>
    <message>
        <source>Your free spins are playing: you can bet again once they are over.</source>
        <translation>Ihre Freispiele laufen: Sie können wieder setzen, sobald sie vorbei sind.</translation>
    </message>
    <message>
        <source>Auto Spin repeats your last bet, and there is none yet: place a bet and spin once first.</source>
        <translation>„Automatisch drehen“ wiederholt Ihren letzten Einsatz, und es gibt noch keinen: Setzen Sie zuerst und drehen Sie einmal.</translation>
    </message>
    <message>
        <source>Auto Spin stopped: your credits of %1 do not cover your last bet of %2.</source>
        <translation>„Automatisch drehen“ angehalten: Ihr Guthaben von %1 reicht nicht für Ihren letzten Einsatz von %2.</translation>
    </message>
    <message>
        <source>The coin value can be changed after your first spin.</source>
        <translation>Den Münzwert können Sie nach Ihrer ersten Drehung ändern.</translation>
    </message>
    <message>
        <source>The coin value stays as it is until your free spins are over.</source>
        <translation>Der Münzwert bleibt, bis Ihre Freispiele vorbei sind.</translation>
    </message>
    <message>
        <source>The coin value can be changed once the reels have stopped.</source>
        <translation>Den Münzwert können Sie ändern, sobald die Walzen stehen.</translation>
    </message>
</context>
<context>
    <name>zandor::SingleInstance</name>
    <message>
        <source>Zandor Slots could not make its lock file in
%1

The disk may be full, or the folder may not be written.  Without the lock a second copy could open the same games and overwrite them, so the game will not start.  Please free some space or make the folder writable, then start Zandor Slots again.</source>
        <translation>Zandor Slots konnte seine Sperrdatei nicht anlegen in
%1

Vielleicht ist der Datenträger voll, oder der Ordner darf nicht beschrieben werden.  Ohne die Sperre könnte eine zweite Kopie dieselben Spiele öffnen und überschreiben, daher startet das Spiel nicht.  Bitte schaffen Sie etwas Platz oder machen Sie den Ordner beschreibbar, und starten Sie Zandor Slots dann erneut.</translation>
    </message>
    <message>
        <source>Zandor Slots is already running.</source>
        <translation>Zandor Slots läuft bereits.</translation>
    </message>
    <message>
        <source>Zandor Slots could not use its lock file
%1

Something else is in its place (a folder, a link or a pipe) and could not be removed.  Please move it away, then start Zandor Slots again.</source>
        <translation>Zandor Slots konnte seine Sperrdatei nicht verwenden:
%1

An ihrer Stelle steht etwas anderes (ein Ordner, eine Verknüpfung oder eine Pipe), das sich nicht entfernen ließ.  Bitte verschieben Sie es, und starten Sie Zandor Slots dann erneut.</translation>
    </message>
</context>
<context>
    <name>zandor::SlotDialog</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Name von Speicherplatz %1</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>%1, saved %2, %3, %4</source>
        <translation>%1, gespeichert %2, %3, %4</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Save in slot %1: %2</source>
        <translation>Auf Speicherplatz %1 speichern: %2</translation>
    </message>
    <message>
        <source>Open slot %1: %2</source>
        <translation>Speicherplatz %1 öffnen: %2</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spiel speichern – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spiel öffnen – Speicherplatz wählen</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>A saved game&apos;s credits: &quot;1000.00 credits&quot;.</extracomment>
        <translation>Guthaben: %1</translation>
    </message>
    <message>
        <source>%1 borrowed</source>
        <extracomment>What a saved game owes the bank: &quot;1000.00 borrowed&quot;.</extracomment>
        <translation>Geliehen: %1</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Name für dieses gespeicherte Spiel?</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>A slot&apos;s name until the player gives it one: &quot;Game #1&quot;.</extracomment>
        <translation>Spiel Nr. %1</translation>
    </message>
</context>
<context>
    <name>zandor::SlotMachine</name>
    <message>
        <source>You do not have enough credits to bet the same amount as you last spin; you better borrow some credits!.</source>
        <translation>Ihr Guthaben reicht nicht für den Einsatz Ihrer letzten Drehung; leihen Sie sich besser etwas Guthaben!</translation>
    </message>
    <message>
        <source>Please place a bet before spinning.</source>
        <translation>Bitte setzen Sie vor dem Drehen einen Einsatz.</translation>
    </message>
</context>
<context>
    <name>zandor::SoundDialog</name>
    <message>
        <source>Change %1</source>
        <extracomment>The name a screen reader gives a row&apos;s Change button; %1 is the row&apos;s sound.</extracomment>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>%1 anhören</translation>
    </message>
    <message>
        <source>Bonus Sound:</source>
        <translation>Bonusklang:</translation>
    </message>
    <message>
        <source>This is the sound that plays when you get the Power Meter to 100%.</source>
        <translation>Dieser Klang ertönt, wenn die Bonusanzeige 100 % erreicht.</translation>
    </message>
    <message>
        <source>Count Down Sound</source>
        <translation>Abwärtsklang</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Drain symbol on the screen</source>
        <translation>Dieser Klang ertönt, wenn ein Power-Drain-Symbol erscheint</translation>
    </message>
    <message>
        <source>Count Up Sound</source>
        <translation>Aufwärtsklang</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Up symbol on the screen</source>
        <translation>Dieser Klang ertönt, wenn ein Power-up-Symbol erscheint</translation>
    </message>
    <message>
        <source>Lose Sound:</source>
        <translation>Verlustklang:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a losing spin.</source>
        <translation>Dieser Klang ertönt bei einer Drehung ohne Gewinn.</translation>
    </message>
    <message>
        <source>Win Sound:</source>
        <translation>Gewinnklang:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a winning spin.</source>
        <translation>Dieser Klang ertönt bei einer Gewinndrehung.</translation>
    </message>
    <message>
        <source>Change Sounds (WAV Files)</source>
        <translation>Klänge wählen (WAV-Dateien)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Click this button to browse your hard drive for a sound for this event.</source>
        <translation>Klicken Sie hier, um auf Ihrer Festplatte einen Klang für dieses Ereignis zu suchen.</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the sound of its row.</extracomment>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Click this button to play the currently selected sound file.</source>
        <translation>Klicken Sie hier, um die gewählte Klangdatei abzuspielen.</translation>
    </message>
    <message>
        <source>Restore Default Sounds</source>
        <translation>Standardklänge wiederherstellen</translation>
    </message>
    <message>
        <source>Click this button to use the default (original) sounds for the above events.</source>
        <translation>Klicken Sie hier, um für die obigen Ereignisse wieder die Standardklänge (die ursprünglichen) zu verwenden.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a sound.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Wav Files</source>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a wave sound this game can read. It stays chosen, and a warning beep sounds in its place until you choose another file.</source>
        <translation>%1 kann nicht abgespielt werden: Es ist kein WAV-Klang, den dieses Spiel lesen kann. Die Datei bleibt gewählt, und an ihrer Stelle ertönt ein Warnton, bis Sie eine andere Datei wählen.</translation>
    </message>
</context>
<context>
    <name>zandor::SoundEffects</name>
    <message>
        <source>%1: %2</source>
        <extracomment>The system&apos;s reason why a file could not be opened (%1), then the file (%2).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Read error: %1</source>
        <translation>Lesefehler: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>zandor::SpeechPlan</name>
    <message>
        <source>Free spin %1.</source>
        <extracomment>Spoken before a free spin&apos;s result: %1 its number (1 to 7).</extracomment>
        <translation>Freispiel %1.</translation>
    </message>
    <message>
        <source>No win, %1.</source>
        <extracomment>Spoken after a spin that came by itself and won nothing: %1 the credits now.</extracomment>
        <translation>Kein Gewinn, %1.</translation>
    </message>
    <message>
        <source>Won %1, %2.</source>
        <extracomment>Spoken after a spin that came by itself and won: %1 the win, %2 the credits now.</extracomment>
        <translation>Gewonnen %1, %2.</translation>
    </message>
    <message>
        <source>New game. Credits %1.</source>
        <extracomment>Spoken once File / New Game has started a new game: %1 its credits.</extracomment>
        <translation>Neues Spiel. Guthaben %1.</translation>
    </message>
    <message>
        <source>Opened slot %1. Credits %2.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 its credits.</extracomment>
        <translation>Speicherplatz %1 geöffnet. Guthaben %2.</translation>
    </message>
    <message>
        <source>Opened slot %1, %2. Credits %3.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 the name the player gave it, %3 its credits.</extracomment>
        <translation>Speicherplatz %1 geöffnet, %2. Guthaben %3.</translation>
    </message>
    <message>
        <source>Coin value %1. Credits %2.</source>
        <extracomment>Spoken once a coin value was chosen under Options / Bet Amount: %1 the value of a coin, %2 the credits, which took back any coins placed.</extracomment>
        <translation>Münzwert %1. Guthaben %2.</translation>
    </message>
    <message>
        <source>Auto spin on.</source>
        <extracomment>Spoken as Auto / Auto Spin is switched on or off.</extracomment>
        <translation>Automatisch drehen ein.</translation>
    </message>
    <message>
        <source>Auto spin off.</source>
        <translation>Automatisch drehen aus.</translation>
    </message>
    <message numerus="yes">
        <source>Wager %1, %n coin(s).</source>
        <extracomment>Spoken once a bet has placed its coins: %1 the wager on the lines, %n its coins.</extracomment>
        <translation>
            <numerusform>Einsatz %1, %n Münze.</numerusform>
            <numerusform>Einsatz %1, %n Münzen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Meter %1.</source>
        <extracomment>Spoken after a spin that came by itself, once the bonus meter moved: how full it is now, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Anzeige %1.</translation>
    </message>
</context>
<context>
    <name>zandor::SpinAnnouncer</name>
    <message>
        <source>Line %1: %2 pays %3.</source>
        <extracomment>Spoken: %1 the payline&apos;s number, %2 the three symbols on it, %3 the amount it pays.</extracomment>
        <translation>Linie %1: %2 zahlt %3.</translation>
    </message>
    <message>
        <source>Credits %1.</source>
        <translation>Guthaben %1.</translation>
    </message>
    <message>
        <source>Free spin %1 of %2.</source>
        <translation>Freispiel %1 von %2.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Kein Gewinn.</translation>
    </message>
    <message>
        <source>After the card game you win %1.</source>
        <translation>Nach dem Kartenspiel gewinnen Sie %1.</translation>
    </message>
    <message>
        <source>Total win %1.</source>
        <translation>Gesamtgewinn %1.</translation>
    </message>
    <message>
        <source>Bonus won: %1 and %2 free spins.</source>
        <translation>Bonus gewonnen: %1 und %2 Freispiele.</translation>
    </message>
    <message>
        <source>Bonus meter %1.</source>
        <extracomment>Spoken: how full the bonus meter is, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Bonusanzeige %1.</translation>
    </message>
</context>
<context>
    <name>zandor::StatisticsWindow</name>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time played: hours and minutes, &quot;3 h 05 min&quot;.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>Time played under an hour: minutes and seconds, &quot;12 min 30 s&quot;.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Spins (paid / free)</source>
        <translation>Drehungen (bezahlt / frei)</translation>
    </message>
    <message>
        <source>Money wagered</source>
        <translation>Eingesetzt</translation>
    </message>
    <message>
        <source>Won on the paylines</source>
        <translation>Gewinn auf den Gewinnlinien</translation>
    </message>
    <message>
        <source>Bonus pools won</source>
        <translation>Gewonnene Bonustöpfe</translation>
    </message>
    <message>
        <source>Card game hands (won / lost)</source>
        <translation>Kartenspiel-Runden (gewonnen / verloren)</translation>
    </message>
    <message>
        <source>Card game net</source>
        <translation>Kartenspiel netto</translation>
    </message>
    <message>
        <source>Biggest single win</source>
        <translation>Größter Einzelgewinn</translation>
    </message>
    <message>
        <source>Total won</source>
        <translation>Gewinn gesamt</translation>
    </message>
    <message>
        <source>Net result (won − wagered)</source>
        <translation>Nettoergebnis (Gewinn − Einsatz)</translation>
    </message>
    <message>
        <source>Actual payback</source>
        <translation>Tatsächliche Auszahlungsquote</translation>
    </message>
    <message>
        <source>Theoretical payback at a full wager</source>
        <translation>Theoretische Auszahlungsquote bei vollem Einsatz</translation>
    </message>
    <message>
        <source>Borrowed / paid back</source>
        <translation>Geliehen / zurückgezahlt</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>Bonus pools won: &quot;2 for $1,234.00&quot;, how many and what they paid together.</extracomment>
        <translation>%1 für %2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>This game</source>
        <extracomment>Heading of the column of figures since New Game or Open.</extracomment>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>Lifetime</source>
        <extracomment>Heading of the column of figures of every game played.</extracomment>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Reset &amp;Lifetime...</source>
        <translation>Gesamtwerte &amp;zurücksetzen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Now:&lt;/b&gt; credits %1, borrowed %2, net worth (credits − borrowed) %3.</source>
        <translation>&lt;b&gt;Jetzt:&lt;/b&gt; Guthaben %1, geliehen %2, Reinvermögen (Guthaben − geliehen) %3.</translation>
    </message>
    <message>
        <source>A bet of %1 waits on the lines.</source>
        <translation>Ein Einsatz von %1 liegt auf den Linien.</translation>
    </message>
    <message>
        <source>This game began with credits %1 and borrowed %2.</source>
        <translation>Zu Beginn dieses Spiels: Guthaben %1, geliehen %2.</translation>
    </message>
    <message>
        <source>Check: %1 at the start %2 (net result) %3 (bank) = %4 in credits and bet.</source>
        <extracomment>%2 and %3 carry their sign: &quot;Check: $1,000.00 at the start -$25.00 (net result) +$100.00 (bank) = $1,075.00 in credits and bet.&quot;</extracomment>
        <translation>Probe: %1 zu Beginn %2 (Nettoergebnis) %3 (Bank) = %4 in Guthaben und Einsatz.</translation>
    </message>
    <message>
        <source>Reset Lifetime</source>
        <translation>Gesamtwerte zurücksetzen</translation>
    </message>
    <message>
        <source>Reset the lifetime statistics to zero? This game&apos;s figures and the recent spins stay. This cannot be undone.</source>
        <translation>Die Gesamtstatistik auf null zurücksetzen? Die Werte dieses Spiels und die letzten Drehungen bleiben erhalten. Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>zandor::VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>&amp;Effects:</source>
        <extracomment>The loudness of the sound effects.</extracomment>
        <translation>&amp;Effekte:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <extracomment>The loudness of the background music.</extracomment>
        <translation>&amp;Musik:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
</TS>
