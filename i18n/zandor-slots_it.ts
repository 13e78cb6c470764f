<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>zandor::AudioDialogs</name>
    <message>
        <source>The path of this file is longer than %1 characters.  Please choose a file in a folder with a shorter path.</source>
        <translation>Il percorso di questo file supera i %1 caratteri.  Scegliere un file in una cartella con un percorso più breve.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, too large to play.  Please choose a smaller file.</source>
        <translation>%1 supera i %2 MB ed è troppo grande per essere riprodotto.  Scegliere un file più piccolo.</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinLimitsDialog</name>
    <message>
        <source>Auto Spin Limits</source>
        <translation>Limiti dei giri automatici</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>&amp;Fermare dopo</translation>
    </message>
    <message>
        <source> spins</source>
        <extracomment>After a number of spins: &quot;Stop after [100] spins&quot;.</extracomment>
        <translation> giri</translation>
    </message>
    <message>
        <source>Stop when the cr&amp;edits fall below</source>
        <translation>Fermare quando i &amp;crediti scendono sotto</translation>
    </message>
    <message>
        <source>Stop on a single &amp;win of at least</source>
        <translation>Fermare a una &amp;vincita singola di almeno</translation>
    </message>
    <message>
        <source>Stop when the &amp;bonus is won</source>
        <translation>Fermare alla vincita del &amp;bonus</translation>
    </message>
    <message>
        <source>Automatic spins stop at the end of the spin that reaches a limit, or after the last free spin when it comes during free spins.</source>
        <translation>I giri automatici si fermano alla fine del giro che raggiunge un limite oppure, se questo avviene durante i giri gratuiti, dopo l&apos;ultimo giro gratuito.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinWatch</name>
    <message numerus="yes">
        <source>Automatic spins stopped after %n spin(s).</source>
        <translation>
            <numerusform>Giri automatici fermati dopo %n giro.</numerusform>
            <numerusform>Giri automatici fermati dopo %n giri.</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic spins stopped: the credits fell below %1.</source>
        <translation>Giri automatici fermati: i crediti sono scesi sotto %1.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: a single win of %1 reached the limit of %2.</source>
        <translation>Giri automatici fermati: una vincita singola di %1 ha raggiunto il limite di %2.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: the bonus was won (%1).</source>
        <translation>Giri automatici fermati: è stato vinto il bonus (%1).</translation>
    </message>
</context>
<context>
    <name>zandor::BackgroundChoice</name>
    <message>
        <source>Load Tiled Bitmap File</source>
        <translation>Carica l&apos;immagine da affiancare</translation>
    </message>
    <message>
        <source>Bitmaps (%1)</source>
        <translation>Immagini bitmap (%1)</translation>
    </message>
</context>
<context>
    <name>zandor::Bank</name>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Non può restituire più crediti di quanti ne ha presi in prestito!</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Non ha %1 crediti!</translation>
    </message>
    <message>
        <source>You do not have %1 credit!</source>
        <translation>Non ha %1 credito!</translation>
    </message>
    <message>
        <source>The bank cannot lend you that much: your credits or your debt would pass %1, the most the machine can keep.</source>
        <translation>La banca non può prestarle così tanto: i suoi crediti o il suo debito supererebbero %1, il massimo che la macchina può conservare.</translation>
    </message>
    <message>
        <source>The bank has no such amount.</source>
        <translation>La banca non offre questo importo.</translation>
    </message>
</context>
<context>
    <name>zandor::BankDialog</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Qui può prendere in prestito o restituire crediti</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>The label before the two choices: borrow or pay back.</extracomment>
        <translation>Azione:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Prendere in prestito</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Restituire</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Saldi</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Crediti %1</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>In prestito %1</translation>
    </message>
    <message>
        <source>Credits %1, borrowed %2.</source>
        <translation>Crediti %1, in prestito %2.</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Painted above the meter of the player&apos;s credits.</extracomment>
        <translation>Crediti:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Painted above the meter of what the player owes the bank.</extracomment>
        <translation>In prestito:</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).

To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The bank&apos;s Help box. &quot;borrow&quot; and &quot;pay back&quot; are the two modes of the dialog.</extracomment>
        <translation>Usi questa schermata per prendere in prestito crediti o per restituire crediti presi in prestito in precedenza.  Faccia clic sul pulsante dell&apos;importo da prendere in prestito (o da restituire).

Per passare da «prendere in prestito» a «restituire», scelga l&apos;azione.</translation>
    </message>
</context>
<context>
    <name>zandor::BetPanel</name>
    <message>
        <source>Bet 1</source>
        <extracomment>The button that bets one coin.</extracomment>
        <translation>Punta 1</translation>
    </message>
    <message>
        <source>Bet one credit (key 1)</source>
        <translation>Punta una moneta (tasto 1)</translation>
    </message>
    <message>
        <source>Bet 5</source>
        <extracomment>The button that bets five coins.</extracomment>
        <translation>Punta 5</translation>
    </message>
    <message>
        <source>Bet five credits (key 5)</source>
        <translation>Punta cinque monete (tasto 5)</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The button that bets the most coins (25) and spins.</extracomment>
        <translation>Punta max</translation>
    </message>
    <message>
        <source>Bet the maximum and spin (key M)</source>
        <translation>Punta il massimo e gira (tasto M)</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The button that spins the reels.</extracomment>
        <translation>Gira</translation>
    </message>
    <message>
        <source>Spins the slot wheels (%1 or %2)</source>
        <extracomment>The Spin button&apos;s tip: %1 and %2 are the names of the Space and Enter keys as the player&apos;s keyboard prints them.</extracomment>
        <translation>Fa girare i rulli (%1 o %2)</translation>
    </message>
</context>
<context>
    <name>zandor::CardTable</name>
    <message>
        <source>If you think the next card will be between the two cards showing then click the DRAW button.  If the next card is between (but not equal to) the other two cards, then your winnings are doubled.  Otherwise you lose your winnings.  An ACE&apos;s value is 1.</source>
        <translation>Se pensa che la prossima carta cadrà tra le due carte scoperte, faccia clic sul pulsante PESCA.  Se la prossima carta è compresa tra le altre due (ma non uguale a una di esse), la sua vincita raddoppia.  Altrimenti perde la vincita.  L&apos;ASSO vale 1.</translation>
    </message>
    <message>
        <source>The deck is used up: no further pair can be dealt, so Skips and Go Again are closed.  Click OK to finish.</source>
        <translation>Il mazzo è esaurito: non si possono distribuire altre coppie, quindi Salti e Rigioca sono disattivati.  Fare clic su OK per terminare.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <extracomment>The win at stake; %1 is the amount right-aligned in ten places (&quot; 12.50&quot;).</extracomment>
        <translation>Vincita: %1</translation>
    </message>
    <message>
        <source>&amp;Skips: %1</source>
        <extracomment>The button that deals a fresh pair; %1 is how many fresh pairs are left.</extracomment>
        <translation>&amp;Salti: %1</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>king</source>
        <translation>re</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 di fiori</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 di cuori</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 di quadri</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 di picche</translation>
    </message>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Lascia o raddoppia con le carte</translation>
    </message>
    <message>
        <source>&amp;Go Again</source>
        <translation>&amp;Rigioca</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Pesca</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Tavolo da gioco</translation>
    </message>
    <message>
        <source>Left card: %1</source>
        <translation>Carta sinistra: %1</translation>
    </message>
    <message>
        <source>Right card: %1</source>
        <translation>Carta destra: %1</translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation>Carta pescata: %1</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Risultato: %1</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Mazzo</translation>
    </message>
    <message>
        <source>You Won!</source>
        <translation>Ha vinto!</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Ha perso</translation>
    </message>
    <message>
        <source>%1. You Won! Winnings %2.</source>
        <translation>%1. Ha vinto! Vincita %2.</translation>
    </message>
    <message>
        <source>%1. You Lost. Winnings %2.</source>
        <translation>%1. Ha perso. Vincita %2.</translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 e %2.</translation>
    </message>
    <message>
        <source>Your win of %1 is on the table. The cards: %2 and %3.</source>
        <translation>La sua vincita di %1 è sul tavolo. Le carte: %2 e %3.</translation>
    </message>
    <message>
        <source>Draw, Skip or OK to keep it; R reads the rules.</source>
        <translation>Pesca, Salti o OK per tenerla; R legge le regole.</translation>
    </message>
</context>
<context>
    <name>zandor::FaceAccessible</name>
    <message>
        <source>top</source>
        <translation>in alto</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>al centro</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>in basso</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>riga centrale</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>riga superiore</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>riga inferiore</translation>
    </message>
    <message>
        <source>top left to bottom right</source>
        <translation>dall&apos;alto a sinistra al basso a destra</translation>
    </message>
    <message>
        <source>bottom left to top right</source>
        <translation>dal basso a sinistra all&apos;alto a destra</translation>
    </message>
    <message>
        <source>Power Up</source>
        <extracomment>A symbol on the reels: it raises the bonus meter.</extracomment>
        <translation>Power Up</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Corona</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Lemon</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Limone</translation>
    </message>
    <message>
        <source>Cherry</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Ciliegia</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <extracomment>A symbol on the reels: it halves the bonus meter.</extracomment>
        <translation>Power Drain</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A reel cell without a symbol.</extracomment>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The name of a meter on the machine: the player&apos;s credits.</extracomment>
        <translation>Crediti</translation>
    </message>
    <message>
        <source>Wager</source>
        <extracomment>The name of a meter on the machine: the coins placed on the paylines.</extracomment>
        <translation>Puntata</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>The name of a meter on the machine: what the last spin won.</extracomment>
        <translation>Vincita</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The name of a meter on the machine: the spins played.</extracomment>
        <translation>Giri</translation>
    </message>
    <message>
        <source>Free spins left</source>
        <translation>Giri gratuiti rimasti</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Indicatore bonus</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Montepremi bonus</translation>
    </message>
    <message>
        <source>Reel %1, %2: %3</source>
        <extracomment>A reel cell: &quot;Reel 2, top: Bell&quot;.</extracomment>
        <translation>Rullo %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s)</source>
        <extracomment>The coins on a payline.</extracomment>
        <translation>
            <numerusform>%n moneta</numerusform>
            <numerusform>%n monete</numerusform>
        </translation>
    </message>
    <message>
        <source>, pays %1</source>
        <extracomment>Follows the coins on a payline that won: &quot;5 coins, pays 125.00&quot;.</extracomment>
        <translation>, paga %1</translation>
    </message>
    <message>
        <source>Payline %1, %2: %3</source>
        <extracomment>A payline: &quot;Payline 4, top left to bottom right: 5 coins&quot;.</extracomment>
        <translation>Linea di pagamento %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>zandor::FacePainter</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;immagine bitmap non è valida</translation>
    </message>
    <message>
        <source>Plus 7 FREE Spins</source>
        <extracomment>Painted under the bonus pool on the machine&apos;s face: winning the pool also gives seven free spins. Keep it short.</extracomment>
        <translation>Più 7 GIRI GRATIS</translation>
    </message>
</context>
<context>
    <name>zandor::Files</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>%1 could not be read: it is damaged or far too large.  It has been renamed %2, and a new file takes its place.</source>
        <extracomment>%1 is the file the game could not read, %2 the name it has been given.</extracomment>
        <translation>Impossibile leggere %1: il file è danneggiato o di gran lunga troppo grande.  È stato rinominato in %2 e un nuovo file ne prende il posto.</translation>
    </message>
</context>
<context>
    <name>zandor::GameChartView</name>
    <message>
        <source>Chart of this game</source>
        <translation>Grafico di questa partita</translation>
    </message>
    <message>
        <source>Credits and net worth after every spin of this game</source>
        <translation>Crediti e patrimonio netto dopo ogni giro di questa partita</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The chart&apos;s horizontal axis: the spins played in this game.</extracomment>
        <translation>Giri</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The chart&apos;s legend: the line of the credits.</extracomment>
        <translation>Crediti</translation>
    </message>
    <message>
        <source>Net worth</source>
        <extracomment>The chart&apos;s legend: the line of the credits less what is owed to the bank.</extracomment>
        <translation>Patrimonio netto</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>The chart&apos;s legend: the mark of a bonus won.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The chart&apos;s legend: the mark of a loan from the bank.</extracomment>
        <translation>Prestito</translation>
    </message>
    <message>
        <source>Payback</source>
        <extracomment>The chart&apos;s legend: the mark of a payment back to the bank.</extracomment>
        <translation>Rimborso</translation>
    </message>
</context>
<context>
    <name>zandor::GameSession</name>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing. Your free spins continue.</source>
        <translation>Il Suo ultimo giro è stato interrotto. È stato completato senza vincite. I Suoi giri gratuiti continuano.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing.</source>
        <translation>Il Suo ultimo giro è stato interrotto. È stato completato senza vincite.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1. Your free spins continue.</source>
        <translation>Il Suo ultimo giro è stato interrotto. È stato completato: ha vinto %1. I Suoi giri gratuiti continuano.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1.</source>
        <translation>Il Suo ultimo giro è stato interrotto. È stato completato: ha vinto %1.</translation>
    </message>
</context>
<context>
    <name>zandor::Help</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>A three-reel, five-line slot machine with a bonus meter, free spins and a double-or-nothing card game.</source>
        <translation>Una slot machine a tre rulli e cinque linee di pagamento, con indicatore bonus, giri gratuiti e un gioco di carte lascia o raddoppia.</translation>
    </message>
    <message>
        <source>About Zandor Slots</source>
        <translation>Informazioni su Zandor Slots</translation>
    </message>
</context>
<context>
    <name>zandor::HelpViewer</name>
    <message>
        <source>Zandor Slots Help</source>
        <translation>Manuale di Zandor Slots</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes to the page read before.</extracomment>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Goes to the manual&apos;s table of contents.</extracomment>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>The manual could not be found.

It belongs in the folder %1 beside the program. Installing Zandor Slots again puts it back.</source>
        <translation>Impossibile trovare il manuale.

Deve trovarsi nella cartella %1 accanto al programma. Reinstallare Zandor Slots lo rimette al suo posto.</translation>
    </message>
    <message>
        <source>%1, link</source>
        <extracomment>Spoken when the keyboard reaches a link of the manual: &quot;Bank, link&quot;.</extracomment>
        <translation>%1, collegamento</translation>
    </message>
</context>
<context>
    <name>zandor::Keys</name>
    <message>
        <source>Enter</source>
        <extracomment>The key that ends a line, as the keyboard names it: &quot;Eingabetaste&quot;, &quot;Entrée&quot;.</extracomment>
        <translation>Invio</translation>
    </message>
</context>
<context>
    <name>zandor::MainWindow</name>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Slot machine</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>File menu: open a saved game.</extracomment>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>File menu: save the game in a slot.</extracomment>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Acey Ducey</source>
        <extracomment>Options menu, checked: a win may be gambled at the card game of that name.</extracomment>
        <translation>&amp;Acey Ducey</translation>
    </message>
    <message>
        <source>Back&amp;ground</source>
        <extracomment>Options menu: the background around the machine.</extracomment>
        <translation>S&amp;fondo</translation>
    </message>
    <message>
        <source>Tiled Bitmap</source>
        <extracomment>Background menu: a picture file repeated as the background.</extracomment>
        <translation>Immagine affiancata</translation>
    </message>
    <message>
        <source>Solid Color</source>
        <extracomment>Background menu: one colour as the background.</extracomment>
        <translation>Tinta unita</translation>
    </message>
    <message>
        <source>&amp;Bet Amount</source>
        <extracomment>Options menu: the value of one coin.</extracomment>
        <translation>&amp;Valore della moneta</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musica</translation>
    </message>
    <message>
        <source>On</source>
        <comment>music</comment>
        <extracomment>Music menu, checked while the background music plays.</extracomment>
        <translation>Attivata</translation>
    </message>
    <message>
        <source>Change Songs</source>
        <translation>Scegli i brani</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <extracomment>Options menu: the sound effects.</extracomment>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <source>On</source>
        <comment>sounds</comment>
        <extracomment>Sounds menu, checked while the sound effects play at all.</extracomment>
        <translation>Attivati</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>Sounds menu: the sound of the bonus being paid.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Sounds menu: the sound of each coin bet.</extracomment>
        <translation>Monete</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Sounds menu: the sound of each credit counted in after a win.</extracomment>
        <translation>Crediti</translation>
    </message>
    <message>
        <source>Lose</source>
        <extracomment>Sounds menu: the sound of a spin that wins nothing.</extracomment>
        <translation>Perdita</translation>
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
        <translation>Giro dei rulli</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Sounds menu: the sound of a reel stopping.</extracomment>
        <translation>Arresto</translation>
    </message>
    <message>
        <source>Wheel Spin</source>
        <extracomment>Sounds menu: the sound of the card game&apos;s wheel turning.</extracomment>
        <translation>Giro della ruota</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Sounds menu: the sound of a winning spin.</extracomment>
        <translation>Vincita</translation>
    </message>
    <message>
        <source>Change WAVs</source>
        <extracomment>Sounds menu: choose wave files of one&apos;s own for five of the sounds.</extracomment>
        <translation>Scegli i file WAV</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>V&amp;olume...</translation>
    </message>
    <message>
        <source>Spin Spee&amp;d</source>
        <extracomment>Options menu: how fast the reels turn.</extracomment>
        <translation>Velocità dei &amp;rulli</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Media</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar: opens the bank, to borrow or pay back credits.</extracomment>
        <translation>&amp;Prestito</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar: opens the chart of what each line of symbols pays.</extracomment>
        <translation>&amp;Vincite</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>Menu bar: the menu of automatic spins.</extracomment>
        <translation>&amp;Auto</translation>
    </message>
    <message>
        <source>&amp;Auto Spin</source>
        <extracomment>Auto menu, checked while spins follow each other by themselves.</extracomment>
        <translation>Giri &amp;automatici</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>Your game could not be saved. Try again before the game closes?</source>
        <translation>Non è stato possibile salvare la partita. Riprovare prima di chiudere il gioco?</translation>
    </message>
    <message>
        <source>Blin&amp;king Symbols</source>
        <translation>Simboli &amp;lampeggianti</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Contrasto elevato</translation>
    </message>
    <message>
        <source>Your game is not being saved: if it stopped now, what you play from here on would be lost. You will be told when it is saved again.</source>
        <translation>La partita non viene salvata: se il gioco si chiudesse ora, quanto gioca da qui in poi andrebbe perso. Riceverà un avviso quando verrà di nuovo salvata.</translation>
    </message>
    <message>
        <source>Your game is being saved again.</source>
        <translation>La partita viene di nuovo salvata.</translation>
    </message>
</context>
<context>
    <name>zandor::MidiPlayer</name>
    <message>
        <source>The file is not a valid MIDI file.</source>
        <translation>Il file non è un file MIDI valido.</translation>
    </message>
    <message>
        <source>The specified file was not found: %1</source>
        <translation>Impossibile trovare il file indicato: %1</translation>
    </message>
    <message>
        <source>The song is larger than 16 MB, too large to play: %1</source>
        <translation>Il brano supera i 16 MB ed è troppo grande per essere riprodotto: %1</translation>
    </message>
    <message>
        <source>No General MIDI soundfont was found, so MIDI music cannot play.</source>
        <translation>Non è stato trovato alcun soundfont General MIDI, quindi la musica MIDI non può essere riprodotta.</translation>
    </message>
    <message>
        <source>The MIDI device could not open the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation (in English), else the file&apos;s path.</extracomment>
        <translation>Il dispositivo MIDI non è riuscito ad aprire il file: %1</translation>
    </message>
    <message>
        <source>No MIDI file is open.</source>
        <translation>Nessun file MIDI aperto.</translation>
    </message>
    <message>
        <source>The MIDI device could not play the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation, in English.</extracomment>
        <translation>Il dispositivo MIDI non è riuscito a riprodurre il file: %1</translation>
    </message>
</context>
<context>
    <name>zandor::MusicDialog</name>
    <message>
        <source>Change MIDI Files]</source>
        <extracomment>The window title; the closing bracket belongs to the game&apos;s English title.</extracomment>
        <translation>Scegli i file MIDI</translation>
    </message>
    <message>
        <source>You may include up to eight MIDI files which will be used as background music while you are playing this game.</source>
        <translation>Può scegliere fino a otto file MIDI da usare come musica di sottofondo mentre gioca.</translation>
    </message>
    <message>
        <source>Music #%1</source>
        <translation>Musica n. %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the song of its row.</extracomment>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Change song %1</source>
        <translation>Cambia il brano %1</translation>
    </message>
    <message>
        <source>Preview song %1</source>
        <translation>Ascolta il brano %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a song.</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>MIDI Sequencer</source>
        <translation>Sequenze MIDI</translation>
    </message>
    <message>
        <source>Could not find %1.  Please choose a valid MIDI file.</source>
        <translation>Impossibile trovare %1.  Scegliere un file MIDI valido.</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a MIDI song this game can read. Please choose another file for this song.</source>
        <translation>Impossibile riprodurre %1: non è un brano MIDI che questo gioco sa leggere. Scegliere un altro file per questo brano.</translation>
    </message>
</context>
<context>
    <name>zandor::PayoffChart</name>
    <message numerus="yes">
        <source>%n Coin(s)</source>
        <extracomment>The heading of the column of pays for this many coins wagered on a line.</extracomment>
        <translation>
            <numerusform>%n moneta</numerusform>
            <numerusform>%n monete</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Payoffs</source>
        <extracomment>The window&apos;s title; %1 is the game&apos;s name, &quot;Zandor Slots&quot;, in every language.</extracomment>
        <translation>Tabella delle vincite di %1</translation>
    </message>
    <message>
        <source>Win 7 free spins and the Bonus Pool by raising the Bonus Meter to 100%.  The GAIN symbol increases power by 10% of full, and the LOSS symbol reduces it by 50% of current value.</source>
        <translation>Vinca 7 giri gratuiti e il montepremi bonus portando l&apos;indicatore bonus al 100%.  Il simbolo Power Up lo alza del 10% del massimo, il simbolo Power Drain lo riduce del 50% del valore attuale.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Tabella delle vincite</translation>
    </message>
    <message>
        <source>%1, %1, any symbol</source>
        <translation>%1, %1, simbolo qualsiasi</translation>
    </message>
    <message>
        <source>%1, %1, %1</source>
        <translation>%1, %1, %1</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The heading of the column of symbol pictures.</extracomment>
        <translation>Simboli</translation>
    </message>
</context>
<context>
    <name>zandor::Playlist</name>
    <message>
        <source>No MIDI songs are selected!</source>
        <translation>Nessun brano MIDI selezionato!</translation>
    </message>
</context>
<context>
    <name>zandor::RecentSpinsWindow</name>
    <message>
        <source>Not played</source>
        <extracomment>The card game was offered, and the player took the win without drawing.</extracomment>
        <translation>Non giocato</translation>
    </message>
    <message>
        <source>Won → %1</source>
        <extracomment>The card game doubled the win: what the spin paid after it.</extracomment>
        <translation>Vinto → %1</translation>
    </message>
    <message>
        <source>Lost → %1</source>
        <extracomment>The card game lost the win: what the spin paid after it.</extracomment>
        <translation>Perso → %1</translation>
    </message>
    <message>
        <source>top: %1</source>
        <translation>in alto: %1</translation>
    </message>
    <message>
        <source>middle: %1</source>
        <translation>al centro: %1</translation>
    </message>
    <message>
        <source>bottom: %1</source>
        <translation>in basso: %1</translation>
    </message>
    <message>
        <source>Borrowed %1 from the bank</source>
        <translation>Prestito di %1 dalla banca</translation>
    </message>
    <message>
        <source>Paid back %1 to the bank</source>
        <translation>Restituzione di %1 alla banca</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Opened a saved game</source>
        <translation>Partita salvata aperta</translation>
    </message>
    <message>
        <source>Coin value %1</source>
        <translation>Valore della moneta: %1</translation>
    </message>
    <message>
        <source>Recent Spins</source>
        <translation>Ultimi giri</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Coin</source>
        <extracomment>Column heading: the coin value of the spin.</extracomment>
        <translation>Moneta</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Column heading: the coins wagered on the spin.</extracomment>
        <translation>Monete</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>Column heading: the picture of the reels.</extracomment>
        <translation>Rulli</translation>
    </message>
    <message>
        <source>Line pays</source>
        <extracomment>Column heading: what each of the five paylines paid.</extracomment>
        <translation>Vincite per linea</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Column heading: what the spin paid.</extracomment>
        <translation>Vincita</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Montepremi bonus</translation>
    </message>
    <message>
        <source>Card game</source>
        <translation>Gioco di carte</translation>
    </message>
    <message>
        <source>Credits after</source>
        <translation>Crediti dopo</translation>
    </message>
    <message>
        <source>Recent spins, newest first</source>
        <translation>Ultimi giri, dal più recente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Completed after an interruption</source>
        <translation>Completato dopo un&apos;interruzione</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The coins of a free spin: &quot;25 free&quot;.</extracomment>
        <translation>%1 gratis</translation>
    </message>
    <message>
        <source>No spins yet.</source>
        <translation>Ancora nessun giro.</translation>
    </message>
    <message>
        <source>Credits after %1, owed to the bank %2</source>
        <translation>Crediti dopo: %1, debito con la banca: %2</translation>
    </message>
    <message>
        <source>free spin</source>
        <translation>giro gratuito</translation>
    </message>
    <message>
        <source>completed after an interruption</source>
        <translation>completato dopo un&apos;interruzione</translation>
    </message>
    <message>
        <source>Win %1, credits after %2</source>
        <translation>Vincita %1, crediti dopo: %2</translation>
    </message>
    <message>
        <source>Bonus pool %1</source>
        <translation>Montepremi bonus %1</translation>
    </message>
    <message>
        <source>The chosen spin</source>
        <translation>Il giro scelto</translation>
    </message>
</context>
<context>
    <name>zandor::RecordKeeper</name>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
    <message>
        <source>&amp;Recent Spins...</source>
        <translation>&amp;Ultimi giri...</translation>
    </message>
    <message>
        <source>Auto Spin &amp;Limits...</source>
        <translation>&amp;Limiti dei giri automatici...</translation>
    </message>
</context>
<context>
    <name>zandor::Refusals</name>
    <message>
        <source>Not enough credits for Bet Max: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>Crediti insufficienti per Punta max: servono %1 e ne ha %2. Puntare meno monete o prendere in prestito dei crediti.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 1: it needs %1 and you have %2. Borrow credits to play on.</source>
        <translation>Crediti insufficienti per Punta 1: servono %1 e ne ha %2. Prendere in prestito dei crediti per continuare a giocare.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 5: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>Crediti insufficienti per Punta 5: servono %1 e ne ha %2. Puntare meno monete o prendere in prestito dei crediti.</translation>
    </message>
    <message>
        <source>Your free spins are playing: you can bet again once they are over.</source>
        <translation>I giri gratuiti sono in corso: potrà puntare di nuovo quando saranno finiti.</translation>
    </message>
    <message>
        <source>Auto Spin repeats your last bet, and there is none yet: place a bet and spin once first.</source>
        <translation>I giri automatici ripetono l&apos;ultima puntata, ma non ce n&apos;è ancora nessuna: prima puntare e fare un giro.</translation>
    </message>
    <message>
        <source>Auto Spin stopped: your credits of %1 do not cover your last bet of %2.</source>
        <translation>Giri automatici fermati: i suoi crediti (%1) non bastano per l&apos;ultima puntata (%2).</translation>
    </message>
    <message>
        <source>The coin value can be changed after your first spin.</source>
        <translation>Il valore della moneta si può cambiare dopo il primo giro.</translation>
    </message>
    <message>
        <source>The coin value stays as it is until your free spins are over.</source>
        <translation>Il valore della moneta resta invariato fino alla fine dei giri gratuiti.</translation>
    </message>
    <message>
        <source>The coin value can be changed once the reels have stopped.</source>
        <translation>Il valore della moneta si può cambiare quando i rulli si sono fermati.</translation>
    </message>
</context>
<context>
    <name>zandor::SingleInstance</name>
    <message>
        <source>Zandor Slots could not make its lock file in
%1

The disk may be full, or the folder may not be written.  Without the lock a second copy could open the same games and overwrite them, so the game will not start.  Please free some space or make the folder writable, then start Zandor Slots again.</source>
        <translation>Zandor Slots non è riuscito a creare il suo file di blocco in
%1

Il disco potrebbe essere pieno, oppure la cartella potrebbe non essere scrivibile.  Senza il blocco una seconda copia potrebbe aprire le stesse partite e sovrascriverle, quindi il gioco non si avvia.  Liberare un po&apos; di spazio o rendere scrivibile la cartella, poi avviare di nuovo Zandor Slots.</translation>
    </message>
    <message>
        <source>Zandor Slots is already running.</source>
        <translation>Zandor Slots è già in esecuzione.</translation>
    </message>
    <message>
        <source>Zandor Slots could not use its lock file
%1

Something else is in its place (a folder, a link or a pipe) and could not be removed.  Please move it away, then start Zandor Slots again.</source>
        <translation>Zandor Slots non è riuscito a usare il suo file di blocco
%1

Al suo posto c&apos;è qualcos&apos;altro (una cartella, un collegamento o una pipe) che non è stato possibile rimuovere.  Spostarlo altrove, poi avviare di nuovo Zandor Slots.</translation>
    </message>
</context>
<context>
    <name>zandor::SlotDialog</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Nome della posizione %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Salva una partita -- Scelta della posizione</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Apri una partita -- Scelta della posizione</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>A saved game&apos;s credits: &quot;1000.00 credits&quot;.</extracomment>
        <translation>crediti %1</translation>
    </message>
    <message>
        <source>%1 borrowed</source>
        <extracomment>What a saved game owes the bank: &quot;1000.00 borrowed&quot;.</extracomment>
        <translation>debito %1</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>%1, saved %2, %3, %4</source>
        <translation>%1, salvata: %2, %3, %4</translation>
    </message>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Save in slot %1: %2</source>
        <translation>Salva nella posizione %1: %2</translation>
    </message>
    <message>
        <source>Open slot %1: %2</source>
        <translation>Apri la posizione %1: %2</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nome di questa partita salvata?</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>A slot&apos;s name until the player gives it one: &quot;Game #1&quot;.</extracomment>
        <translation>Partita n. %1</translation>
    </message>
</context>
<context>
    <name>zandor::SlotMachine</name>
    <message>
        <source>You do not have enough credits to bet the same amount as you last spin; you better borrow some credits!.</source>
        <translation>Non ha abbastanza crediti per puntare quanto nell&apos;ultimo giro; farebbe meglio a prendere in prestito dei crediti!</translation>
    </message>
    <message>
        <source>Please place a bet before spinning.</source>
        <translation>Puntare prima di far girare i rulli.</translation>
    </message>
</context>
<context>
    <name>zandor::SoundDialog</name>
    <message>
        <source>Bonus Sound:</source>
        <translation>Suono del bonus:</translation>
    </message>
    <message>
        <source>This is the sound that plays when you get the Power Meter to 100%.</source>
        <translation>Questo suono viene riprodotto quando l&apos;indicatore bonus raggiunge il 100%.</translation>
    </message>
    <message>
        <source>Count Down Sound</source>
        <translation>Suono Power Drain</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Drain symbol on the screen</source>
        <translation>Questo suono viene riprodotto quando compare un simbolo Power Drain</translation>
    </message>
    <message>
        <source>Count Up Sound</source>
        <translation>Suono Power Up</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Up symbol on the screen</source>
        <translation>Questo suono viene riprodotto quando compare un simbolo Power Up</translation>
    </message>
    <message>
        <source>Lose Sound:</source>
        <translation>Suono di perdita:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a losing spin.</source>
        <translation>Questo suono viene riprodotto a ogni giro perdente.</translation>
    </message>
    <message>
        <source>Win Sound:</source>
        <translation>Suono di vincita:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a winning spin.</source>
        <translation>Questo suono viene riprodotto a ogni giro vincente.</translation>
    </message>
    <message>
        <source>Change Sounds (WAV Files)</source>
        <translation>Scegli i suoni (file WAV)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Click this button to browse your hard drive for a sound for this event.</source>
        <translation>Fare clic su questo pulsante per cercare sul disco un suono per questo evento.</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the sound of its row.</extracomment>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Click this button to play the currently selected sound file.</source>
        <translation>Fare clic su questo pulsante per ascoltare il file audio scelto.</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>The name a screen reader gives a row&apos;s Change button; %1 is the row&apos;s sound.</extracomment>
        <translation>Cambia: %1</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>Ascolta: %1</translation>
    </message>
    <message>
        <source>Restore Default Sounds</source>
        <translation>Ripristina i suoni predefiniti</translation>
    </message>
    <message>
        <source>Click this button to use the default (original) sounds for the above events.</source>
        <translation>Fare clic su questo pulsante per usare i suoni predefiniti (originali) per gli eventi qui sopra.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a sound.</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Wav Files</source>
        <translation>File WAV</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a wave sound this game can read. It stays chosen, and a warning beep sounds in its place until you choose another file.</source>
        <translation>Impossibile riprodurre %1: non è un suono WAV che questo gioco sa leggere. Il file resta scelto e al suo posto viene emesso un segnale acustico di avviso finché non si sceglie un altro file.</translation>
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
        <translation>Errore di lettura: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
</context>
<context>
    <name>zandor::SpeechPlan</name>
    <message>
        <source>Free spin %1.</source>
        <extracomment>Spoken before a free spin&apos;s result: %1 its number (1 to 7).</extracomment>
        <translation>Giro gratuito %1.</translation>
    </message>
    <message>
        <source>No win, %1.</source>
        <extracomment>Spoken after a spin that came by itself and won nothing: %1 the credits now.</extracomment>
        <translation>Nessuna vincita, %1.</translation>
    </message>
    <message>
        <source>Won %1, %2.</source>
        <extracomment>Spoken after a spin that came by itself and won: %1 the win, %2 the credits now.</extracomment>
        <translation>Vinto %1, %2.</translation>
    </message>
    <message>
        <source>New game. Credits %1.</source>
        <extracomment>Spoken once File / New Game has started a new game: %1 its credits.</extracomment>
        <translation>Nuova partita. Crediti %1.</translation>
    </message>
    <message>
        <source>Opened slot %1. Credits %2.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 its credits.</extracomment>
        <translation>Posizione %1 aperta. Crediti %2.</translation>
    </message>
    <message>
        <source>Opened slot %1, %2. Credits %3.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 the name the player gave it, %3 its credits.</extracomment>
        <translation>Posizione %1 aperta, %2. Crediti %3.</translation>
    </message>
    <message>
        <source>Coin value %1. Credits %2.</source>
        <extracomment>Spoken once a coin value was chosen under Options / Bet Amount: %1 the value of a coin, %2 the credits, which took back any coins placed.</extracomment>
        <translation>Valore della moneta %1. Crediti %2.</translation>
    </message>
    <message>
        <source>Auto spin on.</source>
        <extracomment>Spoken as Auto / Auto Spin is switched on or off.</extracomment>
        <translation>Giri automatici attivi.</translation>
    </message>
    <message>
        <source>Auto spin off.</source>
        <translation>Giri automatici disattivati.</translation>
    </message>
    <message numerus="yes">
        <source>Wager %1, %n coin(s).</source>
        <extracomment>Spoken once a bet has placed its coins: %1 the wager on the lines, %n its coins.</extracomment>
        <translation>
            <numerusform>Puntata %1, %n moneta.</numerusform>
            <numerusform>Puntata %1, %n monete.</numerusform>
        </translation>
    </message>
    <message>
        <source>Meter %1.</source>
        <extracomment>Spoken after a spin that came by itself, once the bonus meter moved: how full it is now, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Indicatore %1.</translation>
    </message>
</context>
<context>
    <name>zandor::SpinAnnouncer</name>
    <message>
        <source>Line %1: %2 pays %3.</source>
        <extracomment>Spoken: %1 the payline&apos;s number, %2 the three symbols on it, %3 the amount it pays.</extracomment>
        <translation>Linea %1: %2 paga %3.</translation>
    </message>
    <message>
        <source>Credits %1.</source>
        <translation>Crediti %1.</translation>
    </message>
    <message>
        <source>Free spin %1 of %2.</source>
        <translation>Giro gratuito %1 di %2.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Nessuna vincita.</translation>
    </message>
    <message>
        <source>After the card game you win %1.</source>
        <translation>Dopo il gioco di carte vince %1.</translation>
    </message>
    <message>
        <source>Total win %1.</source>
        <translation>Vincita totale %1.</translation>
    </message>
    <message>
        <source>Bonus won: %1 and %2 free spins.</source>
        <translation>Bonus vinto: %1 e %2 giri gratuiti.</translation>
    </message>
    <message>
        <source>Bonus meter %1.</source>
        <extracomment>Spoken: how full the bonus meter is, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Indicatore bonus %1.</translation>
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
        <translation>Giri (pagati / gratuiti)</translation>
    </message>
    <message>
        <source>Money wagered</source>
        <translation>Totale puntato</translation>
    </message>
    <message>
        <source>Won on the paylines</source>
        <translation>Vinto sulle linee di pagamento</translation>
    </message>
    <message>
        <source>Bonus pools won</source>
        <translation>Montepremi bonus vinti</translation>
    </message>
    <message>
        <source>Card game hands (won / lost)</source>
        <translation>Mani al gioco di carte (vinte / perse)</translation>
    </message>
    <message>
        <source>Card game net</source>
        <translation>Saldo del gioco di carte</translation>
    </message>
    <message>
        <source>Biggest single win</source>
        <translation>Vincita singola più alta</translation>
    </message>
    <message>
        <source>Total won</source>
        <translation>Totale vinto</translation>
    </message>
    <message>
        <source>Net result (won − wagered)</source>
        <translation>Risultato netto (vinto − puntato)</translation>
    </message>
    <message>
        <source>Actual payback</source>
        <translation>Percentuale di ritorno effettiva</translation>
    </message>
    <message>
        <source>Theoretical payback at a full wager</source>
        <translation>Percentuale di ritorno teorica a puntata piena</translation>
    </message>
    <message>
        <source>Borrowed / paid back</source>
        <translation>Preso in prestito / restituito</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tempo di gioco</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>Bonus pools won: &quot;2 for $1,234.00&quot;, how many and what they paid together.</extracomment>
        <translation>%1, totale %2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>This game</source>
        <extracomment>Heading of the column of figures since New Game or Open.</extracomment>
        <translation>Questa partita</translation>
    </message>
    <message>
        <source>Lifetime</source>
        <extracomment>Heading of the column of figures of every game played.</extracomment>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Reset &amp;Lifetime...</source>
        <translation>Azzera il &amp;totale...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&lt;b&gt;Now:&lt;/b&gt; credits %1, borrowed %2, net worth (credits − borrowed) %3.</source>
        <translation>&lt;b&gt;Ora:&lt;/b&gt; crediti %1, in prestito %2, patrimonio netto (crediti − prestito) %3.</translation>
    </message>
    <message>
        <source>A bet of %1 waits on the lines.</source>
        <translation>Una puntata di %1 attende sulle linee.</translation>
    </message>
    <message>
        <source>This game began with credits %1 and borrowed %2.</source>
        <translation>Questa partita è iniziata con %1 di crediti e %2 in prestito.</translation>
    </message>
    <message>
        <source>Check: %1 at the start %2 (net result) %3 (bank) = %4 in credits and bet.</source>
        <extracomment>%2 and %3 carry their sign: &quot;Check: $1,000.00 at the start -$25.00 (net result) +$100.00 (bank) = $1,075.00 in credits and bet.&quot;</extracomment>
        <translation>Verifica: %1 all&apos;inizio %2 (risultato netto) %3 (banca) = %4 in crediti e puntata.</translation>
    </message>
    <message>
        <source>Reset Lifetime</source>
        <translation>Azzera il totale</translation>
    </message>
    <message>
        <source>Reset the lifetime statistics to zero? This game&apos;s figures and the recent spins stay. This cannot be undone.</source>
        <translation>Azzerare le statistiche totali? I valori di questa partita e gli ultimi giri restano. L&apos;operazione non può essere annullata.</translation>
    </message>
</context>
<context>
    <name>zandor::VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>&amp;Effects:</source>
        <extracomment>The loudness of the sound effects.</extracomment>
        <translation>&amp;Effetti:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <extracomment>The loudness of the background music.</extracomment>
        <translation>&amp;Musica:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
</context>
</TS>
