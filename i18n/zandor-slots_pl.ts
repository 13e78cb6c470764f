<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>zandor::AudioDialogs</name>
    <message>
        <source>The path of this file is longer than %1 characters.  Please choose a file in a folder with a shorter path.</source>
        <translation>Ścieżka tego pliku jest dłuższa niż %1 znaków.  Wybierz plik z folderu o krótszej ścieżce.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, too large to play.  Please choose a smaller file.</source>
        <translation>Plik %1 jest większy niż %2 MB, za duży, by go odtworzyć.  Wybierz mniejszy plik.</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinLimitsDialog</name>
    <message>
        <source>Auto Spin Limits</source>
        <translation>Limity automatycznych obrotów</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Zatrzymaj &amp;po</translation>
    </message>
    <message>
        <source> spins</source>
        <extracomment>After a number of spins: &quot;Stop after [100] spins&quot;.</extracomment>
        <translation> obrotach</translation>
    </message>
    <message>
        <source>Stop when the cr&amp;edits fall below</source>
        <translation>Zatrzymaj, gdy &amp;kredyty spadną poniżej</translation>
    </message>
    <message>
        <source>Stop on a single &amp;win of at least</source>
        <translation>Zatrzymaj przy &amp;wygranej co najmniej</translation>
    </message>
    <message>
        <source>Stop when the &amp;bonus is won</source>
        <translation>Zatrzymaj po wygraniu &amp;bonusu</translation>
    </message>
    <message>
        <source>Automatic spins stop at the end of the spin that reaches a limit, or after the last free spin when it comes during free spins.</source>
        <translation>Automatyczne obroty zatrzymują się na końcu obrotu, który osiągnie limit, a podczas darmowych obrotów – po ostatnim z nich.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinWatch</name>
    <message numerus="yes">
        <source>Automatic spins stopped after %n spin(s).</source>
        <translation>
            <numerusform>Automatyczne obroty zatrzymane po %n obrocie.</numerusform>
            <numerusform>Automatyczne obroty zatrzymane po %n obrotach.</numerusform>
            <numerusform>Automatyczne obroty zatrzymane po %n obrotach.</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic spins stopped: the credits fell below %1.</source>
        <translation>Automatyczne obroty zatrzymane: kredyty spadły poniżej %1.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: a single win of %1 reached the limit of %2.</source>
        <translation>Automatyczne obroty zatrzymane: pojedyncza wygrana %1 osiągnęła limit %2.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: the bonus was won (%1).</source>
        <translation>Automatyczne obroty zatrzymane: wygrano bonus (%1).</translation>
    </message>
</context>
<context>
    <name>zandor::BackgroundChoice</name>
    <message>
        <source>Load Tiled Bitmap File</source>
        <translation>Wczytaj obraz kafelkowego tła</translation>
    </message>
    <message>
        <source>Bitmaps (%1)</source>
        <translation>Mapy bitowe (%1)</translation>
    </message>
</context>
<context>
    <name>zandor::Bank</name>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Nie można spłacić więcej kredytów, niż pożyczono!</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Masz mniej kredytów niż %1!</translation>
    </message>
    <message>
        <source>You do not have %1 credit!</source>
        <translation>Masz mniej kredytów niż %1!</translation>
    </message>
    <message>
        <source>The bank cannot lend you that much: your credits or your debt would pass %1, the most the machine can keep.</source>
        <translation>Bank nie może pożyczyć ci aż tyle: twoje kredyty lub twój dług przekroczyłyby %1, czyli najwyższą kwotę, jaką automat może przechować.</translation>
    </message>
    <message>
        <source>The bank has no such amount.</source>
        <translation>Bank nie oferuje takiej kwoty.</translation>
    </message>
</context>
<context>
    <name>zandor::BankDialog</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Tutaj można pożyczyć lub spłacić kredyty</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>The label before the two choices: borrow or pay back.</extracomment>
        <translation>Tryb:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Pożycz kredyty</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Spłać kredyty</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Stan konta</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Kredyty %1</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>Pożyczka %1</translation>
    </message>
    <message>
        <source>Credits %1, borrowed %2.</source>
        <translation>Kredyty %1, pożyczka %2.</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Painted above the meter of the player&apos;s credits.</extracomment>
        <translation>Kredyty:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Painted above the meter of what the player owes the bank.</extracomment>
        <translation>Pożyczka:</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).

To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The bank&apos;s Help box. &quot;borrow&quot; and &quot;pay back&quot; are the two modes of the dialog.</extracomment>
        <translation>Na tym ekranie możesz pożyczyć kredyty lub spłacić kredyty pożyczone wcześniej.  Kliknij przycisk z kwotą, którą chcesz pożyczyć (lub spłacić).

Aby przełączać się między „pożycz” a „spłać”, wybierz tryb.</translation>
    </message>
</context>
<context>
    <name>zandor::BetPanel</name>
    <message>
        <source>Bet 1</source>
        <extracomment>The button that bets one coin.</extracomment>
        <translation>Postaw 1</translation>
    </message>
    <message>
        <source>Bet one credit (key 1)</source>
        <translation>Postaw jedną monetę (klawisz 1)</translation>
    </message>
    <message>
        <source>Bet 5</source>
        <extracomment>The button that bets five coins.</extracomment>
        <translation>Postaw 5</translation>
    </message>
    <message>
        <source>Bet five credits (key 5)</source>
        <translation>Postaw pięć monet (klawisz 5)</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The button that bets the most coins (25) and spins.</extracomment>
        <translation>Maks. stawka</translation>
    </message>
    <message>
        <source>Bet the maximum and spin (key M)</source>
        <translation>Postaw maksymalną stawkę i zakręć (klawisz M)</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The button that spins the reels.</extracomment>
        <translation>Zakręć</translation>
    </message>
    <message>
        <source>Spins the slot wheels (%1 or %2)</source>
        <extracomment>The Spin button&apos;s tip: %1 and %2 are the names of the Space and Enter keys as the player&apos;s keyboard prints them.</extracomment>
        <translation>Kręci bębnami (%1 lub %2)</translation>
    </message>
</context>
<context>
    <name>zandor::CardTable</name>
    <message>
        <source>If you think the next card will be between the two cards showing then click the DRAW button.  If the next card is between (but not equal to) the other two cards, then your winnings are doubled.  Otherwise you lose your winnings.  An ACE&apos;s value is 1.</source>
        <translation>Jeśli sądzisz, że następna karta wypadnie między dwiema odkrytymi kartami, kliknij przycisk DOBIERZ.  Jeśli następna karta jest między nimi (i nie jest równa żadnej z nich), wygrana się podwaja.  W przeciwnym razie tracisz wygraną.  AS ma wartość 1.</translation>
    </message>
    <message>
        <source>The deck is used up: no further pair can be dealt, so Skips and Go Again are closed.  Click OK to finish.</source>
        <translation>Talia się wyczerpała: nie można rozdać kolejnej pary, więc przyciski Pomiń i Jeszcze raz są nieaktywne.  Kliknij OK, aby zakończyć.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <extracomment>The win at stake; %1 is the amount right-aligned in ten places (&quot; 12.50&quot;).</extracomment>
        <translation>Wygrana: %1</translation>
    </message>
    <message>
        <source>&amp;Skips: %1</source>
        <extracomment>The button that deals a fresh pair; %1 is how many fresh pairs are left.</extracomment>
        <translation>&amp;Pomiń: %1</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dwójka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>szóstka</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siódemka</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ósemka</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>dziewiątka</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dziesiątka</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>król</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 trefl</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 kier</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 karo</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 pik</translation>
    </message>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Gra w karty „Podwój albo nic”</translation>
    </message>
    <message>
        <source>&amp;Go Again</source>
        <translation>&amp;Jeszcze raz</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Dobierz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Stół karciany</translation>
    </message>
    <message>
        <source>Left card: %1</source>
        <translation>Lewa karta: %1</translation>
    </message>
    <message>
        <source>Right card: %1</source>
        <translation>Prawa karta: %1</translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation>Dobrana karta: %1</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Stos kart</translation>
    </message>
    <message>
        <source>You Won!</source>
        <translation>Wygrana!</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>%1. You Won! Winnings %2.</source>
        <translation>%1. Wygrana! Na stole %2.</translation>
    </message>
    <message>
        <source>%1. You Lost. Winnings %2.</source>
        <translation>%1. Przegrana. Na stole %2.</translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 i %2.</translation>
    </message>
    <message>
        <source>Your win of %1 is on the table. The cards: %2 and %3.</source>
        <translation>Twoja wygrana %1 leży na stole. Karty: %2 i %3.</translation>
    </message>
    <message>
        <source>Draw, Skip or OK to keep it; R reads the rules.</source>
        <translation>Dobierz, Pomiń lub OK, aby ją zachować; R odczytuje zasady.</translation>
    </message>
</context>
<context>
    <name>zandor::FaceAccessible</name>
    <message>
        <source>top</source>
        <translation>góra</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>środek</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>dół</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>środkowy rząd</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>górny rząd</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>dolny rząd</translation>
    </message>
    <message>
        <source>top left to bottom right</source>
        <translation>od lewego górnego do prawego dolnego rogu</translation>
    </message>
    <message>
        <source>bottom left to top right</source>
        <translation>od lewego dolnego do prawego górnego rogu</translation>
    </message>
    <message>
        <source>Power Up</source>
        <extracomment>A symbol on the reels: it raises the bonus meter.</extracomment>
        <translation>Power Up</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Diament</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Korona</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Lemon</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Cytryna</translation>
    </message>
    <message>
        <source>Cherry</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Wiśnia</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <extracomment>A symbol on the reels: it halves the bonus meter.</extracomment>
        <translation>Power Drain</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A reel cell without a symbol.</extracomment>
        <translation>Puste</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The name of a meter on the machine: the player&apos;s credits.</extracomment>
        <translation>Kredyty</translation>
    </message>
    <message>
        <source>Wager</source>
        <extracomment>The name of a meter on the machine: the coins placed on the paylines.</extracomment>
        <translation>Stawka</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>The name of a meter on the machine: what the last spin won.</extracomment>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The name of a meter on the machine: the spins played.</extracomment>
        <translation>Obroty</translation>
    </message>
    <message>
        <source>Free spins left</source>
        <translation>Pozostałe darmowe obroty</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Wskaźnik bonusu</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Pula bonusowa</translation>
    </message>
    <message>
        <source>Reel %1, %2: %3</source>
        <extracomment>A reel cell: &quot;Reel 2, top: Bell&quot;.</extracomment>
        <translation>Bęben %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s)</source>
        <extracomment>The coins on a payline.</extracomment>
        <translation>
            <numerusform>%n moneta</numerusform>
            <numerusform>%n monety</numerusform>
            <numerusform>%n monet</numerusform>
        </translation>
    </message>
    <message>
        <source>, pays %1</source>
        <extracomment>Follows the coins on a payline that won: &quot;5 coins, pays 125.00&quot;.</extracomment>
        <translation>, wypłata %1</translation>
    </message>
    <message>
        <source>Payline %1, %2: %3</source>
        <extracomment>A payline: &quot;Payline 4, top left to bottom right: 5 coins&quot;.</extracomment>
        <translation>Linia wygrywająca %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>zandor::FacePainter</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obraz bitmapy jest nieprawidłowy</translation>
    </message>
    <message>
        <source>Plus 7 FREE Spins</source>
        <extracomment>Painted under the bonus pool on the machine&apos;s face: winning the pool also gives seven free spins. Keep it short.</extracomment>
        <translation>+ 7 DARMOWYCH obrotów</translation>
    </message>
</context>
<context>
    <name>zandor::Files</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: it is damaged or far too large.  It has been renamed %2, and a new file takes its place.</source>
        <extracomment>%1 is the file the game could not read, %2 the name it has been given.</extracomment>
        <translation>Nie można odczytać pliku %1: jest uszkodzony lub o wiele za duży.  Zmieniono jego nazwę na %2, a jego miejsce zajął nowy plik.</translation>
    </message>
</context>
<context>
    <name>zandor::GameChartView</name>
    <message>
        <source>Chart of this game</source>
        <translation>Wykres tej gry</translation>
    </message>
    <message>
        <source>Credits and net worth after every spin of this game</source>
        <translation>Kredyty i wartość netto po każdym obrocie tej gry</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The chart&apos;s horizontal axis: the spins played in this game.</extracomment>
        <translation>Obroty</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The chart&apos;s legend: the line of the credits.</extracomment>
        <translation>Kredyty</translation>
    </message>
    <message>
        <source>Net worth</source>
        <extracomment>The chart&apos;s legend: the line of the credits less what is owed to the bank.</extracomment>
        <translation>Wartość netto</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>The chart&apos;s legend: the mark of a bonus won.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The chart&apos;s legend: the mark of a loan from the bank.</extracomment>
        <translation>Pożyczka</translation>
    </message>
    <message>
        <source>Payback</source>
        <extracomment>The chart&apos;s legend: the mark of a payment back to the bank.</extracomment>
        <translation>Spłata</translation>
    </message>
</context>
<context>
    <name>zandor::GameSession</name>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing. Your free spins continue.</source>
        <translation>Ostatni obrót został przerwany. Został dokończony bez wygranej. Darmowe obroty trwają dalej.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing.</source>
        <translation>Ostatni obrót został przerwany. Został dokończony bez wygranej.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1. Your free spins continue.</source>
        <translation>Ostatni obrót został przerwany. Został dokończony: wygrana %1. Darmowe obroty trwają dalej.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1.</source>
        <translation>Ostatni obrót został przerwany. Został dokończony: wygrana %1.</translation>
    </message>
</context>
<context>
    <name>zandor::Help</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>A three-reel, five-line slot machine with a bonus meter, free spins and a double-or-nothing card game.</source>
        <translation>Automat do gry z trzema bębnami i pięcioma liniami wygrywającymi, ze wskaźnikiem bonusu, darmowymi obrotami i grą w karty „Podwój albo nic”.</translation>
    </message>
    <message>
        <source>About Zandor Slots</source>
        <translation>O programie Zandor Slots</translation>
    </message>
</context>
<context>
    <name>zandor::HelpViewer</name>
    <message>
        <source>Zandor Slots Help</source>
        <translation>Zandor Slots – pomoc</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes to the page read before.</extracomment>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Goes to the manual&apos;s table of contents.</extracomment>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>The manual could not be found.

It belongs in the folder %1 beside the program. Installing Zandor Slots again puts it back.</source>
        <translation>Nie znaleziono podręcznika.

Powinien się znajdować w folderze %1 obok programu. Ponowna instalacja Zandor Slots go przywróci.</translation>
    </message>
    <message>
        <source>%1, link</source>
        <extracomment>Spoken when the keyboard reaches a link of the manual: &quot;Bank, link&quot;.</extracomment>
        <translation>%1, link</translation>
    </message>
</context>
<context>
    <name>zandor::Keys</name>
    <message>
        <source>Enter</source>
        <extracomment>The key that ends a line, as the keyboard names it: &quot;Eingabetaste&quot;, &quot;Entrée&quot;.</extracomment>
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>zandor::MainWindow</name>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Automat do gry</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>File menu: open a saved game.</extracomment>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>File menu: save the game in a slot.</extracomment>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Acey Ducey</source>
        <extracomment>Options menu, checked: a win may be gambled at the card game of that name.</extracomment>
        <translation>&amp;Acey Ducey</translation>
    </message>
    <message>
        <source>Back&amp;ground</source>
        <extracomment>Options menu: the background around the machine.</extracomment>
        <translation>&amp;Tło</translation>
    </message>
    <message>
        <source>Tiled Bitmap</source>
        <extracomment>Background menu: a picture file repeated as the background.</extracomment>
        <translation>Obraz kafelkowy</translation>
    </message>
    <message>
        <source>Solid Color</source>
        <extracomment>Background menu: one colour as the background.</extracomment>
        <translation>Jednolity kolor</translation>
    </message>
    <message>
        <source>&amp;Bet Amount</source>
        <extracomment>Options menu: the value of one coin.</extracomment>
        <translation>&amp;Wartość monety</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Muzyka</translation>
    </message>
    <message>
        <source>On</source>
        <comment>music</comment>
        <extracomment>Music menu, checked while the background music plays.</extracomment>
        <translation>Włączona</translation>
    </message>
    <message>
        <source>Change Songs</source>
        <translation>Zmień utwory</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <extracomment>Options menu: the sound effects.</extracomment>
        <translation>&amp;Dźwięki</translation>
    </message>
    <message>
        <source>On</source>
        <comment>sounds</comment>
        <extracomment>Sounds menu, checked while the sound effects play at all.</extracomment>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>Sounds menu: the sound of the bonus being paid.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Sounds menu: the sound of each coin bet.</extracomment>
        <translation>Monety</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Sounds menu: the sound of each credit counted in after a win.</extracomment>
        <translation>Kredyty</translation>
    </message>
    <message>
        <source>Lose</source>
        <extracomment>Sounds menu: the sound of a spin that wins nothing.</extracomment>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <extracomment>Sounds menu: the sound of the bonus meter falling.</extracomment>
        <translation>Power Drain</translation>
    </message>
    <message>
        <source>Power Up</source>
        <extracomment>Sounds menu: the sound of the bonus meter rising.</extracomment>
        <translation>Power Up</translation>
    </message>
    <message>
        <source>Slot Spin</source>
        <extracomment>Sounds menu: the sound of the reels turning.</extracomment>
        <translation>Obrót bębnów</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Sounds menu: the sound of a reel stopping.</extracomment>
        <translation>Zatrzymanie bębna</translation>
    </message>
    <message>
        <source>Wheel Spin</source>
        <extracomment>Sounds menu: the sound of the card game&apos;s wheel turning.</extracomment>
        <translation>Obrót koła</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Sounds menu: the sound of a winning spin.</extracomment>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>Change WAVs</source>
        <extracomment>Sounds menu: choose wave files of one&apos;s own for five of the sounds.</extracomment>
        <translation>Zmień pliki WAV</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Głośność...</translation>
    </message>
    <message>
        <source>Spin Spee&amp;d</source>
        <extracomment>Options menu: how fast the reels turn.</extracomment>
        <translation>&amp;Prędkość obrotów</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Średnio</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar: opens the bank, to borrow or pay back credits.</extracomment>
        <translation>Poż&amp;ycz</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar: opens the chart of what each line of symbols pays.</extracomment>
        <translation>&amp;Wypłaty</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>Menu bar: the menu of automatic spins.</extracomment>
        <translation>&amp;Auto</translation>
    </message>
    <message>
        <source>&amp;Auto Spin</source>
        <extracomment>Auto menu, checked while spins follow each other by themselves.</extracomment>
        <translation>&amp;Automatyczne obroty</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Podręcznik</translation>
    </message>
    <message>
        <source>Your game could not be saved. Try again before the game closes?</source>
        <translation>Nie udało się zapisać gry. Spróbować ponownie przed zamknięciem?</translation>
    </message>
    <message>
        <source>Blin&amp;king Symbols</source>
        <translation>Migające &amp;symbole</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Wysoki &amp;kontrast</translation>
    </message>
    <message>
        <source>Your game is not being saved: if it stopped now, what you play from here on would be lost. You will be told when it is saved again.</source>
        <translation>Gra nie jest zapisywana: gdyby teraz została przerwana, wszystko, co rozegrasz od tej chwili, zostałoby utracone. Dowiesz się, gdy znów będzie zapisywana.</translation>
    </message>
    <message>
        <source>Your game is being saved again.</source>
        <translation>Gra znów jest zapisywana.</translation>
    </message>
</context>
<context>
    <name>zandor::MidiPlayer</name>
    <message>
        <source>The file is not a valid MIDI file.</source>
        <translation>Plik nie jest prawidłowym plikiem MIDI.</translation>
    </message>
    <message>
        <source>The specified file was not found: %1</source>
        <translation>Nie znaleziono podanego pliku: %1</translation>
    </message>
    <message>
        <source>The song is larger than 16 MB, too large to play: %1</source>
        <translation>Utwór jest większy niż 16 MB, za duży, by go odtworzyć: %1</translation>
    </message>
    <message>
        <source>No General MIDI soundfont was found, so MIDI music cannot play.</source>
        <translation>Nie znaleziono banku brzmień General MIDI, więc muzyka MIDI nie może grać.</translation>
    </message>
    <message>
        <source>The MIDI device could not open the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation (in English), else the file&apos;s path.</extracomment>
        <translation>Urządzenie MIDI nie mogło otworzyć pliku: %1</translation>
    </message>
    <message>
        <source>No MIDI file is open.</source>
        <translation>Żaden plik MIDI nie jest otwarty.</translation>
    </message>
    <message>
        <source>The MIDI device could not play the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation, in English.</extracomment>
        <translation>Urządzenie MIDI nie mogło odtworzyć pliku: %1</translation>
    </message>
</context>
<context>
    <name>zandor::MusicDialog</name>
    <message>
        <source>Change MIDI Files]</source>
        <extracomment>The window title; the closing bracket belongs to the game&apos;s English title.</extracomment>
        <translation>Zmień pliki MIDI</translation>
    </message>
    <message>
        <source>You may include up to eight MIDI files which will be used as background music while you are playing this game.</source>
        <translation>Możesz wybrać do ośmiu plików MIDI, które będą grać jako muzyka w tle podczas gry.</translation>
    </message>
    <message>
        <source>Music #%1</source>
        <translation>Muzyka nr %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the song of its row.</extracomment>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Change song %1</source>
        <translation>Zmień utwór %1</translation>
    </message>
    <message>
        <source>Preview song %1</source>
        <translation>Odsłuchaj utwór %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a song.</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>MIDI Sequencer</source>
        <translation>Sekwenser MIDI</translation>
    </message>
    <message>
        <source>Could not find %1.  Please choose a valid MIDI file.</source>
        <translation>Nie znaleziono pliku %1.  Wybierz prawidłowy plik MIDI.</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a MIDI song this game can read. Please choose another file for this song.</source>
        <translation>Nie można odtworzyć pliku %1: to nie jest utwór MIDI, który ta gra potrafi odczytać. Wybierz inny plik dla tego utworu.</translation>
    </message>
</context>
<context>
    <name>zandor::PayoffChart</name>
    <message numerus="yes">
        <source>%n Coin(s)</source>
        <extracomment>The heading of the column of pays for this many coins wagered on a line.</extracomment>
        <translation>
            <numerusform>%n moneta</numerusform>
            <numerusform>%n monety</numerusform>
            <numerusform>%n monet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Payoffs</source>
        <extracomment>The window&apos;s title; %1 is the game&apos;s name, &quot;Zandor Slots&quot;, in every language.</extracomment>
        <translation>%1 – tabela wypłat</translation>
    </message>
    <message>
        <source>Win 7 free spins and the Bonus Pool by raising the Bonus Meter to 100%.  The GAIN symbol increases power by 10% of full, and the LOSS symbol reduces it by 50% of current value.</source>
        <translation>Napełnij wskaźnik bonusu do 100%, a wygrasz 7 darmowych obrotów i pulę bonusową.  Symbol Power Up podnosi wskaźnik o 10% pełnej wartości, a symbol Power Drain obniża go o połowę.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Wypłaty</translation>
    </message>
    <message>
        <source>%1, %1, any symbol</source>
        <translation>%1, %1, dowolny symbol</translation>
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
</context>
<context>
    <name>zandor::Playlist</name>
    <message>
        <source>No MIDI songs are selected!</source>
        <translation>Nie wybrano żadnych utworów MIDI!</translation>
    </message>
</context>
<context>
    <name>zandor::RecentSpinsWindow</name>
    <message>
        <source>Not played</source>
        <extracomment>The card game was offered, and the player took the win without drawing.</extracomment>
        <translation>Nie rozegrano</translation>
    </message>
    <message>
        <source>Won → %1</source>
        <extracomment>The card game doubled the win: what the spin paid after it.</extracomment>
        <translation>Wygrana → %1</translation>
    </message>
    <message>
        <source>Lost → %1</source>
        <extracomment>The card game lost the win: what the spin paid after it.</extracomment>
        <translation>Przegrana → %1</translation>
    </message>
    <message>
        <source>top: %1</source>
        <translation>góra: %1</translation>
    </message>
    <message>
        <source>middle: %1</source>
        <translation>środek: %1</translation>
    </message>
    <message>
        <source>bottom: %1</source>
        <translation>dół: %1</translation>
    </message>
    <message>
        <source>Borrowed %1 from the bank</source>
        <translation>Pożyczono %1 z banku</translation>
    </message>
    <message>
        <source>Paid back %1 to the bank</source>
        <translation>Spłacono %1 bankowi</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Opened a saved game</source>
        <translation>Otwarto zapisaną grę</translation>
    </message>
    <message>
        <source>Coin value %1</source>
        <translation>Wartość monety %1</translation>
    </message>
    <message>
        <source>Recent Spins</source>
        <translation>Ostatnie obroty</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Coin</source>
        <extracomment>Column heading: the coin value of the spin.</extracomment>
        <translation>Moneta</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Column heading: the coins wagered on the spin.</extracomment>
        <translation>Monety</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>Column heading: the picture of the reels.</extracomment>
        <translation>Bębny</translation>
    </message>
    <message>
        <source>Line pays</source>
        <extracomment>Column heading: what each of the five paylines paid.</extracomment>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Column heading: what the spin paid.</extracomment>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Pula bonusowa</translation>
    </message>
    <message>
        <source>Card game</source>
        <translation>Gra w karty</translation>
    </message>
    <message>
        <source>Credits after</source>
        <translation>Kredyty po</translation>
    </message>
    <message>
        <source>Recent spins, newest first</source>
        <translation>Ostatnie obroty, od najnowszego</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Completed after an interruption</source>
        <translation>Dokończony po przerwie</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The coins of a free spin: &quot;25 free&quot;.</extracomment>
        <translation>%1 gratis</translation>
    </message>
    <message>
        <source>No spins yet.</source>
        <translation>Jeszcze nie było obrotów.</translation>
    </message>
    <message>
        <source>Credits after %1, owed to the bank %2</source>
        <translation>Kredyty po obrocie %1, dług w banku %2</translation>
    </message>
    <message>
        <source>free spin</source>
        <translation>darmowy obrót</translation>
    </message>
    <message>
        <source>completed after an interruption</source>
        <translation>dokończony po przerwie</translation>
    </message>
    <message>
        <source>Win %1, credits after %2</source>
        <translation>Wygrana %1, kredyty po obrocie %2</translation>
    </message>
    <message>
        <source>Bonus pool %1</source>
        <translation>Pula bonusowa %1</translation>
    </message>
    <message>
        <source>The chosen spin</source>
        <translation>Wybrany obrót</translation>
    </message>
</context>
<context>
    <name>zandor::RecordKeeper</name>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatystyki...</translation>
    </message>
    <message>
        <source>&amp;Recent Spins...</source>
        <translation>Ostatnie o&amp;broty...</translation>
    </message>
    <message>
        <source>Auto Spin &amp;Limits...</source>
        <translation>&amp;Limity automatycznych obrotów...</translation>
    </message>
</context>
<context>
    <name>zandor::Refusals</name>
    <message>
        <source>Not enough credits for Bet Max: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>Za mało kredytów dla przycisku „Maks. stawka”: potrzeba %1, a masz %2. Postaw mniej monet albo pożycz kredyty.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 1: it needs %1 and you have %2. Borrow credits to play on.</source>
        <translation>Za mało kredytów dla przycisku „Postaw 1”: potrzeba %1, a masz %2. Pożycz kredyty, aby grać dalej.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 5: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>Za mało kredytów dla przycisku „Postaw 5”: potrzeba %1, a masz %2. Postaw mniej monet albo pożycz kredyty.</translation>
    </message>
    <message>
        <source>Your free spins are playing: you can bet again once they are over.</source>
        <translation>Trwają twoje darmowe obroty: możesz znów obstawiać, gdy się skończą.</translation>
    </message>
    <message>
        <source>Auto Spin repeats your last bet, and there is none yet: place a bet and spin once first.</source>
        <translation>Automatyczne obroty powtarzają ostatnią stawkę, a jeszcze żadnej nie było: najpierw postaw i zakręć raz.</translation>
    </message>
    <message>
        <source>Auto Spin stopped: your credits of %1 do not cover your last bet of %2.</source>
        <translation>Automatyczne obroty zatrzymane: twoje kredyty (%1) nie pokrywają ostatniej stawki (%2).</translation>
    </message>
    <message>
        <source>The coin value can be changed after your first spin.</source>
        <translation>Wartość monety można zmienić po pierwszym obrocie.</translation>
    </message>
    <message>
        <source>The coin value stays as it is until your free spins are over.</source>
        <translation>Wartość monety pozostaje bez zmian do końca darmowych obrotów.</translation>
    </message>
    <message>
        <source>The coin value can be changed once the reels have stopped.</source>
        <translation>Wartość monety można zmienić, gdy bębny się zatrzymają.</translation>
    </message>
</context>
<context>
    <name>zandor::SingleInstance</name>
    <message>
        <source>Zandor Slots could not make its lock file in
%1

The disk may be full, or the folder may not be written.  Without the lock a second copy could open the same games and overwrite them, so the game will not start.  Please free some space or make the folder writable, then start Zandor Slots again.</source>
        <translation>Zandor Slots nie może utworzyć pliku blokady w
%1

Dysk może być pełny albo folder może nie mieć prawa zapisu.  Bez blokady druga kopia programu mogłaby otworzyć te same gry i je nadpisać, dlatego gra się nie uruchomi.  Zwolnij trochę miejsca albo nadaj folderowi prawo zapisu, a potem ponownie uruchom Zandor Slots.</translation>
    </message>
    <message>
        <source>Zandor Slots is already running.</source>
        <translation>Gra Zandor Slots jest już uruchomiona.</translation>
    </message>
    <message>
        <source>Zandor Slots could not use its lock file
%1

Something else is in its place (a folder, a link or a pipe) and could not be removed.  Please move it away, then start Zandor Slots again.</source>
        <translation>Zandor Slots nie może użyć pliku blokady
%1

Na jego miejscu jest coś innego (folder, dowiązanie lub potok), czego nie udało się usunąć.  Przenieś to w inne miejsce, a potem ponownie uruchom Zandor Slots.</translation>
    </message>
</context>
<context>
    <name>zandor::SlotDialog</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Nazwa miejsca %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Zapisz grę – wybierz miejsce zapisu</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Otwórz grę – wybierz miejsce zapisu</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>A saved game&apos;s credits: &quot;1000.00 credits&quot;.</extracomment>
        <translation>kredyty: %1</translation>
    </message>
    <message>
        <source>%1 borrowed</source>
        <extracomment>What a saved game owes the bank: &quot;1000.00 borrowed&quot;.</extracomment>
        <translation>dług: %1</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>bez nazwy</translation>
    </message>
    <message>
        <source>%1, saved %2, %3, %4</source>
        <translation>%1, zapisano %2, %3, %4</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>Save in slot %1: %2</source>
        <translation>Zapisz w miejscu %1: %2</translation>
    </message>
    <message>
        <source>Open slot %1: %2</source>
        <translation>Otwórz miejsce %1: %2</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nazwa zapisanej gry?</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>A slot&apos;s name until the player gives it one: &quot;Game #1&quot;.</extracomment>
        <translation>Gra nr %1</translation>
    </message>
</context>
<context>
    <name>zandor::SlotMachine</name>
    <message>
        <source>You do not have enough credits to bet the same amount as you last spin; you better borrow some credits!.</source>
        <translation>Masz za mało kredytów, by postawić tyle, co w ostatnim obrocie; lepiej pożycz trochę kredytów!</translation>
    </message>
    <message>
        <source>Please place a bet before spinning.</source>
        <translation>Przed obrotem postaw zakład.</translation>
    </message>
</context>
<context>
    <name>zandor::SoundDialog</name>
    <message>
        <source>Bonus Sound:</source>
        <translation>Dźwięk bonusu:</translation>
    </message>
    <message>
        <source>This is the sound that plays when you get the Power Meter to 100%.</source>
        <translation>Ten dźwięk rozlega się, gdy wskaźnik bonusu osiągnie 100%.</translation>
    </message>
    <message>
        <source>Count Down Sound</source>
        <translation>Dźwięk Power Drain</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Drain symbol on the screen</source>
        <translation>Ten dźwięk rozlega się, gdy na bębnach pojawi się symbol Power Drain</translation>
    </message>
    <message>
        <source>Count Up Sound</source>
        <translation>Dźwięk Power Up</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Up symbol on the screen</source>
        <translation>Ten dźwięk rozlega się, gdy na bębnach pojawi się symbol Power Up</translation>
    </message>
    <message>
        <source>Lose Sound:</source>
        <translation>Dźwięk przegranej:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a losing spin.</source>
        <translation>Ten dźwięk rozlega się po obrocie bez wygranej.</translation>
    </message>
    <message>
        <source>Win Sound:</source>
        <translation>Dźwięk wygranej:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a winning spin.</source>
        <translation>Ten dźwięk rozlega się po wygrywającym obrocie.</translation>
    </message>
    <message>
        <source>Change Sounds (WAV Files)</source>
        <translation>Zmień dźwięki (pliki WAV)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Click this button to browse your hard drive for a sound for this event.</source>
        <translation>Kliknij ten przycisk, aby wybrać z dysku dźwięk dla tego zdarzenia.</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the sound of its row.</extracomment>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Click this button to play the currently selected sound file.</source>
        <translation>Kliknij ten przycisk, aby odtworzyć wybrany plik dźwiękowy.</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>The name a screen reader gives a row&apos;s Change button; %1 is the row&apos;s sound.</extracomment>
        <translation>Zmień: %1</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>Odsłuchaj: %1</translation>
    </message>
    <message>
        <source>Restore Default Sounds</source>
        <translation>Przywróć domyślne dźwięki</translation>
    </message>
    <message>
        <source>Click this button to use the default (original) sounds for the above events.</source>
        <translation>Kliknij ten przycisk, aby przywrócić domyślne (oryginalne) dźwięki powyższych zdarzeń.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a sound.</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Wav Files</source>
        <translation>Pliki WAV</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a wave sound this game can read. It stays chosen, and a warning beep sounds in its place until you choose another file.</source>
        <translation>Nie można odtworzyć pliku %1: to nie jest dźwięk WAV, który ta gra potrafi odczytać. Plik pozostaje wybrany, a zamiast niego rozlega się sygnał ostrzegawczy, dopóki nie wybierzesz innego pliku.</translation>
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
        <translation>Błąd odczytu: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
</context>
<context>
    <name>zandor::SpeechPlan</name>
    <message>
        <source>Free spin %1.</source>
        <extracomment>Spoken before a free spin&apos;s result: %1 its number (1 to 7).</extracomment>
        <translation>Darmowy obrót %1.</translation>
    </message>
    <message>
        <source>No win, %1.</source>
        <extracomment>Spoken after a spin that came by itself and won nothing: %1 the credits now.</extracomment>
        <translation>Brak wygranej, %1.</translation>
    </message>
    <message>
        <source>Won %1, %2.</source>
        <extracomment>Spoken after a spin that came by itself and won: %1 the win, %2 the credits now.</extracomment>
        <translation>Wygrana %1, %2.</translation>
    </message>
    <message>
        <source>New game. Credits %1.</source>
        <extracomment>Spoken once File / New Game has started a new game: %1 its credits.</extracomment>
        <translation>Nowa gra. Kredyty %1.</translation>
    </message>
    <message>
        <source>Opened slot %1. Credits %2.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 its credits.</extracomment>
        <translation>Otwarto miejsce %1. Kredyty %2.</translation>
    </message>
    <message>
        <source>Opened slot %1, %2. Credits %3.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 the name the player gave it, %3 its credits.</extracomment>
        <translation>Otwarto miejsce %1, %2. Kredyty %3.</translation>
    </message>
    <message>
        <source>Coin value %1. Credits %2.</source>
        <extracomment>Spoken once a coin value was chosen under Options / Bet Amount: %1 the value of a coin, %2 the credits, which took back any coins placed.</extracomment>
        <translation>Wartość monety %1. Kredyty %2.</translation>
    </message>
    <message>
        <source>Auto spin on.</source>
        <extracomment>Spoken as Auto / Auto Spin is switched on or off.</extracomment>
        <translation>Automatyczne obroty włączone.</translation>
    </message>
    <message>
        <source>Auto spin off.</source>
        <translation>Automatyczne obroty wyłączone.</translation>
    </message>
    <message numerus="yes">
        <source>Wager %1, %n coin(s).</source>
        <extracomment>Spoken once a bet has placed its coins: %1 the wager on the lines, %n its coins.</extracomment>
        <translation>
            <numerusform>Stawka %1, %n moneta.</numerusform>
            <numerusform>Stawka %1, %n monety.</numerusform>
            <numerusform>Stawka %1, %n monet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Meter %1.</source>
        <extracomment>Spoken after a spin that came by itself, once the bonus meter moved: how full it is now, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Wskaźnik %1.</translation>
    </message>
</context>
<context>
    <name>zandor::SpinAnnouncer</name>
    <message>
        <source>Line %1: %2 pays %3.</source>
        <extracomment>Spoken: %1 the payline&apos;s number, %2 the three symbols on it, %3 the amount it pays.</extracomment>
        <translation>Linia %1: %2, wypłata %3.</translation>
    </message>
    <message>
        <source>Credits %1.</source>
        <translation>Kredyty %1.</translation>
    </message>
    <message>
        <source>Free spin %1 of %2.</source>
        <translation>Darmowy obrót %1 z %2.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Brak wygranej.</translation>
    </message>
    <message>
        <source>After the card game you win %1.</source>
        <translation>Po grze w karty wygrywasz %1.</translation>
    </message>
    <message>
        <source>Total win %1.</source>
        <translation>Łączna wygrana %1.</translation>
    </message>
    <message>
        <source>Bonus won: %1 and %2 free spins.</source>
        <translation>Wygrany bonus: %1 i darmowe obroty: %2.</translation>
    </message>
    <message>
        <source>Bonus meter %1.</source>
        <extracomment>Spoken: how full the bonus meter is, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Wskaźnik bonusu %1.</translation>
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
        <translation>Obroty (płatne / darmowe)</translation>
    </message>
    <message>
        <source>Money wagered</source>
        <translation>Suma stawek</translation>
    </message>
    <message>
        <source>Won on the paylines</source>
        <translation>Wygrane na liniach</translation>
    </message>
    <message>
        <source>Bonus pools won</source>
        <translation>Wygrane pule bonusowe</translation>
    </message>
    <message>
        <source>Card game hands (won / lost)</source>
        <translation>Rozdania w grze w karty (wygrane / przegrane)</translation>
    </message>
    <message>
        <source>Card game net</source>
        <translation>Gra w karty netto</translation>
    </message>
    <message>
        <source>Biggest single win</source>
        <translation>Największa pojedyncza wygrana</translation>
    </message>
    <message>
        <source>Total won</source>
        <translation>Łączna wygrana</translation>
    </message>
    <message>
        <source>Net result (won − wagered)</source>
        <translation>Wynik netto (wygrane − stawki)</translation>
    </message>
    <message>
        <source>Actual payback</source>
        <translation>Rzeczywisty zwrot</translation>
    </message>
    <message>
        <source>Theoretical payback at a full wager</source>
        <translation>Teoretyczny zwrot przy pełnej stawce</translation>
    </message>
    <message>
        <source>Borrowed / paid back</source>
        <translation>Pożyczono / spłacono</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>Bonus pools won: &quot;2 for $1,234.00&quot;, how many and what they paid together.</extracomment>
        <translation>%1 za %2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>This game</source>
        <extracomment>Heading of the column of figures since New Game or Open.</extracomment>
        <translation>Ta gra</translation>
    </message>
    <message>
        <source>Lifetime</source>
        <extracomment>Heading of the column of figures of every game played.</extracomment>
        <translation>Łącznie</translation>
    </message>
    <message>
        <source>Reset &amp;Lifetime...</source>
        <translation>&amp;Wyzeruj łączne...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&lt;b&gt;Now:&lt;/b&gt; credits %1, borrowed %2, net worth (credits − borrowed) %3.</source>
        <translation>&lt;b&gt;Teraz:&lt;/b&gt; kredyty %1, pożyczka %2, wartość netto (kredyty − pożyczka) %3.</translation>
    </message>
    <message>
        <source>A bet of %1 waits on the lines.</source>
        <translation>Na liniach czeka stawka %1.</translation>
    </message>
    <message>
        <source>This game began with credits %1 and borrowed %2.</source>
        <translation>Na początku tej gry: kredyty %1, pożyczka %2.</translation>
    </message>
    <message>
        <source>Check: %1 at the start %2 (net result) %3 (bank) = %4 in credits and bet.</source>
        <extracomment>%2 and %3 carry their sign: &quot;Check: $1,000.00 at the start -$25.00 (net result) +$100.00 (bank) = $1,075.00 in credits and bet.&quot;</extracomment>
        <translation>Sprawdzenie: %1 na początku %2 (wynik netto) %3 (bank) = %4 w kredytach i stawce.</translation>
    </message>
    <message>
        <source>Reset Lifetime</source>
        <translation>Wyzeruj łączne statystyki</translation>
    </message>
    <message>
        <source>Reset the lifetime statistics to zero? This game&apos;s figures and the recent spins stay. This cannot be undone.</source>
        <translation>Wyzerować łączne statystyki? Dane tej gry i ostatnie obroty pozostaną. Tej operacji nie można cofnąć.</translation>
    </message>
</context>
<context>
    <name>zandor::VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>&amp;Effects:</source>
        <extracomment>The loudness of the sound effects.</extracomment>
        <translation>&amp;Efekty:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <extracomment>The loudness of the background music.</extracomment>
        <translation>&amp;Muzyka:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
</TS>
