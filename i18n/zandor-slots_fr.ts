<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>zandor::AudioDialogs</name>
    <message>
        <source>The path of this file is longer than %1 characters.  Please choose a file in a folder with a shorter path.</source>
        <translation>Le chemin de ce fichier dépasse %1 caractères. Veuillez choisir un fichier dans un dossier au chemin plus court.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, too large to play.  Please choose a smaller file.</source>
        <translation>%1 dépasse %2 Mo&#xa0;: il est trop volumineux pour être joué. Veuillez choisir un fichier plus petit.</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinLimitsDialog</name>
    <message>
        <source>Auto Spin Limits</source>
        <translation>Limites des tours automatiques</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Arrêter au &amp;bout de</translation>
    </message>
    <message>
        <source> spins</source>
        <extracomment>After a number of spins: &quot;Stop after [100] spins&quot;.</extracomment>
        <translation> tours</translation>
    </message>
    <message>
        <source>Stop when the cr&amp;edits fall below</source>
        <translation>Arrêter quand les &amp;crédits passent sous</translation>
    </message>
    <message>
        <source>Stop on a single &amp;win of at least</source>
        <translation>Arrêter sur un &amp;gain d&apos;au moins</translation>
    </message>
    <message>
        <source>Stop when the &amp;bonus is won</source>
        <translation>Arrêter quand le bonus est &amp;remporté</translation>
    </message>
    <message>
        <source>Automatic spins stop at the end of the spin that reaches a limit, or after the last free spin when it comes during free spins.</source>
        <translation>Les tours automatiques s&apos;arrêtent à la fin du tour qui atteint une limite, ou après le dernier tour gratuit si elle est atteinte pendant des tours gratuits.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinWatch</name>
    <message numerus="yes">
        <source>Automatic spins stopped after %n spin(s).</source>
        <translation>
            <numerusform>Tours automatiques arrêtés au bout de %n tour.</numerusform>
            <numerusform>Tours automatiques arrêtés au bout de %n tours.</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic spins stopped: the credits fell below %1.</source>
        <translation>Tours automatiques arrêtés&#xa0;: les crédits sont passés sous %1.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: a single win of %1 reached the limit of %2.</source>
        <translation>Tours automatiques arrêtés&#xa0;: un gain de %1 en un tour a atteint la limite de %2.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: the bonus was won (%1).</source>
        <translation>Tours automatiques arrêtés&#xa0;: le bonus a été remporté (%1).</translation>
    </message>
</context>
<context>
    <name>zandor::BackgroundChoice</name>
    <message>
        <source>Load Tiled Bitmap File</source>
        <translation>Choisir l&apos;image de la mosaïque</translation>
    </message>
    <message>
        <source>Bitmaps (%1)</source>
        <translation>Images bitmap (%1)</translation>
    </message>
</context>
<context>
    <name>zandor::Bank</name>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Vous ne pouvez pas rembourser plus de crédits que vous n&apos;en avez emprunté&#xa0;!</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Vos crédits n&apos;atteignent pas %1&#xa0;!</translation>
    </message>
    <message>
        <source>You do not have %1 credit!</source>
        <translation>Vos crédits n&apos;atteignent pas %1&#xa0;!</translation>
    </message>
    <message>
        <source>The bank cannot lend you that much: your credits or your debt would pass %1, the most the machine can keep.</source>
        <translation>La banque ne peut pas vous prêter autant&#xa0;: vos crédits ou votre dette dépasseraient %1, le maximum que la machine peut conserver.</translation>
    </message>
    <message>
        <source>The bank has no such amount.</source>
        <translation>La banque ne propose pas ce montant.</translation>
    </message>
</context>
<context>
    <name>zandor::BankDialog</name>
    <message>
        <source>Balances</source>
        <translation>Soldes</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Crédits %1</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>Emprunté %1</translation>
    </message>
    <message>
        <source>Credits %1, borrowed %2.</source>
        <translation>Crédits %1, emprunté %2.</translation>
    </message>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Empruntez ou remboursez des crédits ici</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>The label before the two choices: borrow or pay back.</extracomment>
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Emprunter des crédits</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Rembourser des crédits</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Painted above the meter of the player&apos;s credits.</extracomment>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Painted above the meter of what the player owes the bank.</extracomment>
        <translation>Emprunté&#xa0;:</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).

To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The bank&apos;s Help box. &quot;borrow&quot; and &quot;pay back&quot; are the two modes of the dialog.</extracomment>
        <translation>Utilisez cet écran pour emprunter des crédits ou rembourser des crédits empruntés auparavant. Cliquez sur le bouton du montant à emprunter (ou à rembourser).

Pour passer de «&#xa0;emprunter&#xa0;» à «&#xa0;rembourser&#xa0;», choisissez le mode.</translation>
    </message>
</context>
<context>
    <name>zandor::BetPanel</name>
    <message>
        <source>Bet 1</source>
        <extracomment>The button that bets one coin.</extracomment>
        <translation>Miser 1</translation>
    </message>
    <message>
        <source>Bet one credit (key 1)</source>
        <translation>Miser une pièce (touche 1)</translation>
    </message>
    <message>
        <source>Bet 5</source>
        <extracomment>The button that bets five coins.</extracomment>
        <translation>Miser 5</translation>
    </message>
    <message>
        <source>Bet five credits (key 5)</source>
        <translation>Miser cinq pièces (touche 5)</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The button that bets the most coins (25) and spins.</extracomment>
        <translation>Mise max</translation>
    </message>
    <message>
        <source>Bet the maximum and spin (key M)</source>
        <translation>Miser le maximum et lancer (touche M)</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The button that spins the reels.</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Spins the slot wheels (%1 or %2)</source>
        <extracomment>The Spin button&apos;s tip: %1 and %2 are the names of the Space and Enter keys as the player&apos;s keyboard prints them.</extracomment>
        <translation>Lance les rouleaux (%1 ou %2)</translation>
    </message>
</context>
<context>
    <name>zandor::CardTable</name>
    <message>
        <source>Card table</source>
        <translation>Table de cartes</translation>
    </message>
    <message>
        <source>Left card: %1</source>
        <translation>Carte de gauche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Right card: %1</source>
        <translation>Carte de droite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation>Carte tirée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>You Won!</source>
        <translation>Gagné&#xa0;!</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>%1. You Won! Winnings %2.</source>
        <translation>%1. Gagné&#xa0;! Gains %2.</translation>
    </message>
    <message>
        <source>%1. You Lost. Winnings %2.</source>
        <translation>%1. Perdu. Gains %2.</translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 et %2.</translation>
    </message>
    <message>
        <source>Your win of %1 is on the table. The cards: %2 and %3.</source>
        <translation>Votre gain de %1 est en jeu. Les cartes&#xa0;: %2 et %3.</translation>
    </message>
    <message>
        <source>If you think the next card will be between the two cards showing then click the DRAW button.  If the next card is between (but not equal to) the other two cards, then your winnings are doubled.  Otherwise you lose your winnings.  An ACE&apos;s value is 1.</source>
        <translation>Si vous pensez que la prochaine carte tombera entre les deux cartes visibles, cliquez sur TIRER. Si elle tombe strictement entre les deux, vos gains sont doublés. Sinon, vous les perdez. L&apos;AS vaut 1.</translation>
    </message>
    <message>
        <source>The deck is used up: no further pair can be dealt, so Skips and Go Again are closed.  Click OK to finish.</source>
        <translation>Le paquet est épuisé&#xa0;: aucune nouvelle paire ne peut être distribuée, Passer et Rejouer sont donc fermés. Cliquez sur OK pour terminer.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <extracomment>The win at stake; %1 is the amount right-aligned in ten places (&quot; 12.50&quot;).</extracomment>
        <translation>Gains&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Skips: %1</source>
        <extracomment>The button that deals a fresh pair; %1 is how many fresh pairs are left.</extracomment>
        <translation>&amp;Passer&#xa0;: %1</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 de trèfle</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 de cœur</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 de carreau</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 de pique</translation>
    </message>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Quitte ou double aux cartes</translation>
    </message>
    <message>
        <source>&amp;Go Again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Tirer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Draw, Skip or OK to keep it; R reads the rules.</source>
        <translation>Tirer, Passer ou OK pour le garder&#xa0;; R lit les règles.</translation>
    </message>
</context>
<context>
    <name>zandor::FaceAccessible</name>
    <message>
        <source>top</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>milieu</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>rangée du milieu</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>rangée du haut</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>rangée du bas</translation>
    </message>
    <message>
        <source>top left to bottom right</source>
        <translation>du haut à gauche au bas à droite</translation>
    </message>
    <message>
        <source>bottom left to top right</source>
        <translation>du bas à gauche au haut à droite</translation>
    </message>
    <message>
        <source>Power Up</source>
        <extracomment>A symbol on the reels: it raises the bonus meter.</extracomment>
        <translation>Power Up</translation>
    </message>
    <message>
        <source>Diamond</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Crown</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Couronne</translation>
    </message>
    <message>
        <source>Bell</source>
        <extracomment>A symbol on the reels.</extracomment>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Lemon</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Cherry</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Cerise</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <extracomment>A symbol on the reels: it halves the bonus meter.</extracomment>
        <translation>Power Drain</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A reel cell without a symbol.</extracomment>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The name of a meter on the machine: the player&apos;s credits.</extracomment>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Wager</source>
        <extracomment>The name of a meter on the machine: the coins placed on the paylines.</extracomment>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>The name of a meter on the machine: what the last spin won.</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The name of a meter on the machine: the spins played.</extracomment>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Free spins left</source>
        <translation>Tours gratuits restants</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Jauge de bonus</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Cagnotte bonus</translation>
    </message>
    <message>
        <source>Reel %1, %2: %3</source>
        <extracomment>A reel cell: &quot;Reel 2, top: Bell&quot;.</extracomment>
        <translation>Rouleau %1, %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s)</source>
        <extracomment>The coins on a payline.</extracomment>
        <translation>
            <numerusform>%n pièce</numerusform>
            <numerusform>%n pièces</numerusform>
        </translation>
    </message>
    <message>
        <source>, pays %1</source>
        <extracomment>Follows the coins on a payline that won: &quot;5 coins, pays 125.00&quot;.</extracomment>
        <translation>, paie %1</translation>
    </message>
    <message>
        <source>Payline %1, %2: %3</source>
        <extracomment>A payline: &quot;Payline 4, top left to bottom right: 5 coins&quot;.</extracomment>
        <translation>Ligne de paiement %1, %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>zandor::FacePainter</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Plus 7 FREE Spins</source>
        <extracomment>Painted under the bonus pool on the machine&apos;s face: winning the pool also gives seven free spins. Keep it short.</extracomment>
        <translation>+ 7 tours GRATUITS</translation>
    </message>
</context>
<context>
    <name>zandor::Files</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>%1 could not be read: it is damaged or far too large.  It has been renamed %2, and a new file takes its place.</source>
        <extracomment>%1 is the file the game could not read, %2 the name it has been given.</extracomment>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: le fichier est endommagé ou beaucoup trop grand. Il a été renommé %2, et un nouveau fichier prend sa place.</translation>
    </message>
</context>
<context>
    <name>zandor::GameChartView</name>
    <message>
        <source>Chart of this game</source>
        <translation>Graphique de la partie</translation>
    </message>
    <message>
        <source>Credits and net worth after every spin of this game</source>
        <translation>Crédits et avoir net après chaque tour de cette partie</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The chart&apos;s horizontal axis: the spins played in this game.</extracomment>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The chart&apos;s legend: the line of the credits.</extracomment>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Net worth</source>
        <extracomment>The chart&apos;s legend: the line of the credits less what is owed to the bank.</extracomment>
        <translation>Avoir net</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>The chart&apos;s legend: the mark of a bonus won.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The chart&apos;s legend: the mark of a loan from the bank.</extracomment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Payback</source>
        <extracomment>The chart&apos;s legend: the mark of a payment back to the bank.</extracomment>
        <translation>Remboursement</translation>
    </message>
</context>
<context>
    <name>zandor::GameSession</name>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing. Your free spins continue.</source>
        <translation>Votre dernier tour a été interrompu. Il a été terminé&#xa0;: il n&apos;a rien rapporté. Vos tours gratuits continuent.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing.</source>
        <translation>Votre dernier tour a été interrompu. Il a été terminé&#xa0;: il n&apos;a rien rapporté.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1. Your free spins continue.</source>
        <translation>Votre dernier tour a été interrompu. Il a été terminé&#xa0;: vous avez gagné %1. Vos tours gratuits continuent.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1.</source>
        <translation>Votre dernier tour a été interrompu. Il a été terminé&#xa0;: vous avez gagné %1.</translation>
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
        <translation>Une machine à sous à trois rouleaux et cinq lignes de paiement, avec jauge de bonus, tours gratuits et jeu de cartes à quitte ou double.</translation>
    </message>
    <message>
        <source>About Zandor Slots</source>
        <translation>À propos de Zandor Slots</translation>
    </message>
</context>
<context>
    <name>zandor::HelpViewer</name>
    <message>
        <source>Zandor Slots Help</source>
        <translation>Manuel de Zandor Slots</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes to the page read before.</extracomment>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Goes to the manual&apos;s table of contents.</extracomment>
        <translation>S&amp;ommaire</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The manual could not be found.

It belongs in the folder %1 beside the program. Installing Zandor Slots again puts it back.</source>
        <translation>Le manuel est introuvable.

Il doit se trouver dans le dossier %1, à côté du programme. Réinstaller Zandor Slots le remet en place.</translation>
    </message>
    <message>
        <source>%1, link</source>
        <extracomment>Spoken when the keyboard reaches a link of the manual: &quot;Bank, link&quot;.</extracomment>
        <translation>%1, lien</translation>
    </message>
</context>
<context>
    <name>zandor::Keys</name>
    <message>
        <source>Enter</source>
        <extracomment>The key that ends a line, as the keyboard names it: &quot;Eingabetaste&quot;, &quot;Entrée&quot;.</extracomment>
        <translation>Entrée</translation>
    </message>
</context>
<context>
    <name>zandor::MainWindow</name>
    <message>
        <source>Slot machine</source>
        <translation>Machine à sous</translation>
    </message>
    <message>
        <source>Blin&amp;king Symbols</source>
        <translation>Symboles &amp;clignotants</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Co&amp;ntraste élevé</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>File menu: open a saved game.</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>File menu: save the game in a slot.</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Acey Ducey</source>
        <extracomment>Options menu, checked: a win may be gambled at the card game of that name.</extracomment>
        <translation>&amp;Acey Ducey</translation>
    </message>
    <message>
        <source>Back&amp;ground</source>
        <extracomment>Options menu: the background around the machine.</extracomment>
        <translation>A&amp;rrière-plan</translation>
    </message>
    <message>
        <source>Tiled Bitmap</source>
        <extracomment>Background menu: a picture file repeated as the background.</extracomment>
        <translation>Image en mosaïque</translation>
    </message>
    <message>
        <source>Solid Color</source>
        <extracomment>Background menu: one colour as the background.</extracomment>
        <translation>Couleur unie</translation>
    </message>
    <message>
        <source>&amp;Bet Amount</source>
        <extracomment>Options menu: the value of one coin.</extracomment>
        <translation>&amp;Valeur de la pièce</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>Change Songs</source>
        <translation>Choisir les morceaux</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <extracomment>Options menu: the sound effects.</extracomment>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>Sounds menu: the sound of the bonus being paid.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Sounds menu: the sound of each coin bet.</extracomment>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Sounds menu: the sound of each credit counted in after a win.</extracomment>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Lose</source>
        <extracomment>Sounds menu: the sound of a spin that wins nothing.</extracomment>
        <translation>Perte</translation>
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
        <translation>Rotation des rouleaux</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Sounds menu: the sound of a reel stopping.</extracomment>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Wheel Spin</source>
        <extracomment>Sounds menu: the sound of the card game&apos;s wheel turning.</extracomment>
        <translation>Rotation de la roue</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Sounds menu: the sound of a winning spin.</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Change WAVs</source>
        <extracomment>Sounds menu: choose wave files of one&apos;s own for five of the sounds.</extracomment>
        <translation>Choisir les fichiers WAV</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>V&amp;olume...</translation>
    </message>
    <message>
        <source>Spin Spee&amp;d</source>
        <extracomment>Options menu: how fast the reels turn.</extracomment>
        <translation>Vi&amp;tesse des rouleaux</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Lente</translation>
    </message>
    <message>
        <source>&amp;Borrow</source>
        <extracomment>Menu bar: opens the bank, to borrow or pay back credits.</extracomment>
        <translation>&amp;Emprunter</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar: opens the chart of what each line of symbols pays.</extracomment>
        <translation>Table des &amp;gains</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>Menu bar: the menu of automatic spins.</extracomment>
        <translation>A&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Auto Spin</source>
        <extracomment>Auto menu, checked while spins follow each other by themselves.</extracomment>
        <translation>&amp;Tours automatiques</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>Your game could not be saved. Try again before the game closes?</source>
        <translation>Votre partie n&apos;a pas pu être enregistrée. Réessayer avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>On</source>
        <comment>music</comment>
        <extracomment>Music menu, checked while the background music plays.</extracomment>
        <translation>Activée</translation>
    </message>
    <message>
        <source>On</source>
        <comment>sounds</comment>
        <extracomment>Sounds menu, checked while the sound effects play at all.</extracomment>
        <translation>Activés</translation>
    </message>
    <message>
        <source>Your game is not being saved: if it stopped now, what you play from here on would be lost. You will be told when it is saved again.</source>
        <translation>Votre partie n&apos;est pas enregistrée&#xa0;: si elle s&apos;arrêtait maintenant, ce que vous jouez à partir d&apos;ici serait perdu. Vous serez averti dès qu&apos;elle sera de nouveau enregistrée.</translation>
    </message>
    <message>
        <source>Your game is being saved again.</source>
        <translation>Votre partie est de nouveau enregistrée.</translation>
    </message>
</context>
<context>
    <name>zandor::MidiPlayer</name>
    <message>
        <source>The file is not a valid MIDI file.</source>
        <translation>Le fichier n&apos;est pas un fichier MIDI valide.</translation>
    </message>
    <message>
        <source>The specified file was not found: %1</source>
        <translation>Le fichier indiqué est introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>The song is larger than 16 MB, too large to play: %1</source>
        <translation>Le morceau dépasse 16 Mo, il est trop volumineux pour être joué&#xa0;: %1</translation>
    </message>
    <message>
        <source>No General MIDI soundfont was found, so MIDI music cannot play.</source>
        <translation>Aucune banque de sons General MIDI n&apos;a été trouvée&#xa0;: la musique MIDI ne peut donc pas être jouée.</translation>
    </message>
    <message>
        <source>The MIDI device could not open the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation (in English), else the file&apos;s path.</extracomment>
        <translation>Le périphérique MIDI n&apos;a pas pu ouvrir le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>No MIDI file is open.</source>
        <translation>Aucun fichier MIDI n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>The MIDI device could not play the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation, in English.</extracomment>
        <translation>Le périphérique MIDI n&apos;a pas pu lire le fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>zandor::MusicDialog</name>
    <message>
        <source>Change song %1</source>
        <translation>Changer le morceau %1</translation>
    </message>
    <message>
        <source>Preview song %1</source>
        <translation>Écouter le morceau %1</translation>
    </message>
    <message>
        <source>Change MIDI Files]</source>
        <extracomment>The window title; the closing bracket belongs to the game&apos;s English title.</extracomment>
        <translation>Choisir les fichiers MIDI</translation>
    </message>
    <message>
        <source>You may include up to eight MIDI files which will be used as background music while you are playing this game.</source>
        <translation>Vous pouvez choisir jusqu&apos;à huit fichiers MIDI, qui serviront de musique de fond pendant que vous jouez.</translation>
    </message>
    <message>
        <source>Music #%1</source>
        <translation>Musique n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the song of its row.</extracomment>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a song.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>MIDI Sequencer</source>
        <translation>Séquences MIDI</translation>
    </message>
    <message>
        <source>Could not find %1.  Please choose a valid MIDI file.</source>
        <translation>Impossible de trouver %1. Veuillez choisir un fichier MIDI valide.</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a MIDI song this game can read. Please choose another file for this song.</source>
        <translation>Impossible de jouer %1&#xa0;: ce n&apos;est pas un morceau MIDI que ce jeu sait lire. Veuillez choisir un autre fichier pour ce morceau.</translation>
    </message>
</context>
<context>
    <name>zandor::PayoffChart</name>
    <message>
        <source>Payoffs</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>%1, %1, any symbol</source>
        <translation>%1, %1, n&apos;importe quel symbole</translation>
    </message>
    <message>
        <source>%1, %1, %1</source>
        <translation>%1, %1, %1</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The heading of the column of symbol pictures.</extracomment>
        <translation>Symboles</translation>
    </message>
    <message numerus="yes">
        <source>%n Coin(s)</source>
        <extracomment>The heading of the column of pays for this many coins wagered on a line.</extracomment>
        <translation>
            <numerusform>%n pièce</numerusform>
            <numerusform>%n pièces</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Payoffs</source>
        <extracomment>The window&apos;s title; %1 is the game&apos;s name, &quot;Zandor Slots&quot;, in every language.</extracomment>
        <translation>Table des gains de %1</translation>
    </message>
    <message>
        <source>Win 7 free spins and the Bonus Pool by raising the Bonus Meter to 100%.  The GAIN symbol increases power by 10% of full, and the LOSS symbol reduces it by 50% of current value.</source>
        <translation>Gagnez 7 tours gratuits et la cagnotte bonus en portant la jauge de bonus à 100&#xa0;%. Le symbole Power Up l&apos;augmente de 10&#xa0;% du maximum, le symbole Power Drain la réduit de 50&#xa0;% de sa valeur.</translation>
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
        <translation>Aucun morceau MIDI n&apos;est sélectionné&#xa0;!</translation>
    </message>
</context>
<context>
    <name>zandor::RecentSpinsWindow</name>
    <message>
        <source>Not played</source>
        <extracomment>The card game was offered, and the player took the win without drawing.</extracomment>
        <translation>Non joué</translation>
    </message>
    <message>
        <source>Won → %1</source>
        <extracomment>The card game doubled the win: what the spin paid after it.</extracomment>
        <translation>Gagné → %1</translation>
    </message>
    <message>
        <source>Lost → %1</source>
        <extracomment>The card game lost the win: what the spin paid after it.</extracomment>
        <translation>Perdu → %1</translation>
    </message>
    <message>
        <source>top: %1</source>
        <translation>haut&#xa0;: %1</translation>
    </message>
    <message>
        <source>middle: %1</source>
        <translation>milieu&#xa0;: %1</translation>
    </message>
    <message>
        <source>bottom: %1</source>
        <translation>bas&#xa0;: %1</translation>
    </message>
    <message>
        <source>Borrowed %1 from the bank</source>
        <translation>Emprunt de %1 à la banque</translation>
    </message>
    <message>
        <source>Paid back %1 to the bank</source>
        <translation>Remboursement de %1 à la banque</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Opened a saved game</source>
        <translation>Partie enregistrée ouverte</translation>
    </message>
    <message>
        <source>Coin value %1</source>
        <translation>Valeur de la pièce&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recent Spins</source>
        <translation>Derniers tours</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Coin</source>
        <extracomment>Column heading: the coin value of the spin.</extracomment>
        <translation>Pièce</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Column heading: the coins wagered on the spin.</extracomment>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>Column heading: the picture of the reels.</extracomment>
        <translation>Rouleaux</translation>
    </message>
    <message>
        <source>Line pays</source>
        <extracomment>Column heading: what each of the five paylines paid.</extracomment>
        <translation>Gains des lignes</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Column heading: what the spin paid.</extracomment>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Cagnotte bonus</translation>
    </message>
    <message>
        <source>Card game</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>Credits after</source>
        <translation>Crédits après</translation>
    </message>
    <message>
        <source>Recent spins, newest first</source>
        <translation>Derniers tours, le plus récent en premier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Completed after an interruption</source>
        <translation>Terminé après une interruption</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The coins of a free spin: &quot;25 free&quot;.</extracomment>
        <translation>%1 gratuites</translation>
    </message>
    <message>
        <source>No spins yet.</source>
        <translation>Aucun tour pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Credits after %1, owed to the bank %2</source>
        <translation>Crédits après&#xa0;: %1, dû à la banque&#xa0;: %2</translation>
    </message>
    <message>
        <source>free spin</source>
        <translation>tour gratuit</translation>
    </message>
    <message>
        <source>completed after an interruption</source>
        <translation>terminé après une interruption</translation>
    </message>
    <message>
        <source>Win %1, credits after %2</source>
        <translation>Gain %1, crédits après&#xa0;: %2</translation>
    </message>
    <message>
        <source>Bonus pool %1</source>
        <translation>Cagnotte bonus %1</translation>
    </message>
    <message>
        <source>The chosen spin</source>
        <translation>Le tour choisi</translation>
    </message>
</context>
<context>
    <name>zandor::RecordKeeper</name>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>&amp;Recent Spins...</source>
        <translation>&amp;Derniers tours...</translation>
    </message>
    <message>
        <source>Auto Spin &amp;Limits...</source>
        <translation>&amp;Limites des tours automatiques...</translation>
    </message>
</context>
<context>
    <name>zandor::Refusals</name>
    <message>
        <source>Not enough credits for Bet Max: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>Pas assez de crédits pour «&#xa0;Mise max&#xa0;»&#xa0;: il faut %1 et vous avez %2. Misez moins de pièces ou empruntez des crédits.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 1: it needs %1 and you have %2. Borrow credits to play on.</source>
        <translation>Pas assez de crédits pour «&#xa0;Miser 1&#xa0;»&#xa0;: il faut %1 et vous avez %2. Empruntez des crédits pour continuer à jouer.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 5: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>Pas assez de crédits pour «&#xa0;Miser 5&#xa0;»&#xa0;: il faut %1 et vous avez %2. Misez moins de pièces ou empruntez des crédits.</translation>
    </message>
    <message>
        <source>Your free spins are playing: you can bet again once they are over.</source>
        <translation>Vos tours gratuits sont en cours&#xa0;: vous pourrez miser à nouveau quand ils seront terminés.</translation>
    </message>
    <message>
        <source>Auto Spin repeats your last bet, and there is none yet: place a bet and spin once first.</source>
        <translation>Les tours automatiques répètent votre dernière mise, et il n&apos;y en a pas encore&#xa0;: misez et faites d&apos;abord un tour.</translation>
    </message>
    <message>
        <source>Auto Spin stopped: your credits of %1 do not cover your last bet of %2.</source>
        <translation>Tours automatiques arrêtés&#xa0;: vos crédits de %1 ne couvrent pas votre dernière mise de %2.</translation>
    </message>
    <message>
        <source>The coin value can be changed after your first spin.</source>
        <translation>La valeur de la pièce peut être changée après votre premier tour.</translation>
    </message>
    <message>
        <source>The coin value stays as it is until your free spins are over.</source>
        <translation>La valeur de la pièce reste la même jusqu&apos;à la fin de vos tours gratuits.</translation>
    </message>
    <message>
        <source>The coin value can be changed once the reels have stopped.</source>
        <translation>La valeur de la pièce peut être changée une fois les rouleaux arrêtés.</translation>
    </message>
</context>
<context>
    <name>zandor::SingleInstance</name>
    <message>
        <source>Zandor Slots could not make its lock file in
%1

The disk may be full, or the folder may not be written.  Without the lock a second copy could open the same games and overwrite them, so the game will not start.  Please free some space or make the folder writable, then start Zandor Slots again.</source>
        <translation>Zandor Slots n&apos;a pas pu créer son fichier de verrou dans
%1

Le disque est peut-être plein, ou le dossier n&apos;est pas accessible en écriture. Sans ce verrou, une seconde copie pourrait ouvrir les mêmes parties et les écraser&#xa0;: le jeu ne démarrera donc pas. Veuillez libérer de la place ou rendre le dossier accessible en écriture, puis relancez Zandor Slots.</translation>
    </message>
    <message>
        <source>Zandor Slots is already running.</source>
        <translation>Zandor Slots est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Zandor Slots could not use its lock file
%1

Something else is in its place (a folder, a link or a pipe) and could not be removed.  Please move it away, then start Zandor Slots again.</source>
        <translation>Zandor Slots n&apos;a pas pu utiliser son fichier de verrou
%1

Autre chose occupe sa place (un dossier, un lien ou un tube) et n&apos;a pas pu être supprimé. Veuillez le déplacer, puis relancez Zandor Slots.</translation>
    </message>
</context>
<context>
    <name>zandor::SlotDialog</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Nom de l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>%1, saved %2, %3, %4</source>
        <translation>%1, enregistrée&#xa0;: %2, %3, %4</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Save in slot %1: %2</source>
        <translation>Enregistrer dans l&apos;emplacement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Open slot %1: %2</source>
        <translation>Ouvrir l&apos;emplacement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Enregistrer une partie -- Choisissez un emplacement</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Ouvrir une partie -- Choisissez un emplacement</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>A saved game&apos;s credits: &quot;1000.00 credits&quot;.</extracomment>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <source>%1 borrowed</source>
        <extracomment>What a saved game owes the bank: &quot;1000.00 borrowed&quot;.</extracomment>
        <translation>%1 emprunté</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nom de cette partie enregistrée&#xa0;?</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>A slot&apos;s name until the player gives it one: &quot;Game #1&quot;.</extracomment>
        <translation>Partie n° %1</translation>
    </message>
</context>
<context>
    <name>zandor::SlotMachine</name>
    <message>
        <source>You do not have enough credits to bet the same amount as you last spin; you better borrow some credits!.</source>
        <translation>Vous n&apos;avez pas assez de crédits pour miser autant qu&apos;au dernier tour&#xa0;; vous feriez mieux d&apos;emprunter des crédits&#xa0;!</translation>
    </message>
    <message>
        <source>Please place a bet before spinning.</source>
        <translation>Veuillez miser avant de lancer les rouleaux.</translation>
    </message>
</context>
<context>
    <name>zandor::SoundDialog</name>
    <message>
        <source>Change %1</source>
        <extracomment>The name a screen reader gives a row&apos;s Change button; %1 is the row&apos;s sound.</extracomment>
        <translation>Changer le %1</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>Écouter le %1</translation>
    </message>
    <message>
        <source>Bonus Sound:</source>
        <translation>Son du bonus&#xa0;:</translation>
    </message>
    <message>
        <source>This is the sound that plays when you get the Power Meter to 100%.</source>
        <translation>Ce son est joué quand la jauge de bonus atteint 100&#xa0;%.</translation>
    </message>
    <message>
        <source>Count Down Sound</source>
        <translation>Son du Power Drain</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Drain symbol on the screen</source>
        <translation>Ce son est joué quand un symbole Power Drain apparaît à l&apos;écran</translation>
    </message>
    <message>
        <source>Count Up Sound</source>
        <translation>Son du Power Up</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Up symbol on the screen</source>
        <translation>Ce son est joué quand un symbole Power Up apparaît à l&apos;écran</translation>
    </message>
    <message>
        <source>Lose Sound:</source>
        <translation>Son de perte&#xa0;:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a losing spin.</source>
        <translation>Ce son est joué lors d&apos;un tour perdant.</translation>
    </message>
    <message>
        <source>Win Sound:</source>
        <translation>Son de gain&#xa0;:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a winning spin.</source>
        <translation>Ce son est joué lors d&apos;un tour gagnant.</translation>
    </message>
    <message>
        <source>Change Sounds (WAV Files)</source>
        <translation>Choisir les sons (fichiers WAV)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Click this button to browse your hard drive for a sound for this event.</source>
        <translation>Cliquez sur ce bouton pour chercher sur votre disque un son pour cet événement.</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the sound of its row.</extracomment>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Click this button to play the currently selected sound file.</source>
        <translation>Cliquez sur ce bouton pour écouter le fichier son choisi.</translation>
    </message>
    <message>
        <source>Restore Default Sounds</source>
        <translation>Rétablir les sons d&apos;origine</translation>
    </message>
    <message>
        <source>Click this button to use the default (original) sounds for the above events.</source>
        <translation>Cliquez sur ce bouton pour reprendre les sons par défaut (d&apos;origine) pour les événements ci-dessus.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a sound.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Wav Files</source>
        <translation>Fichiers WAV</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a wave sound this game can read. It stays chosen, and a warning beep sounds in its place until you choose another file.</source>
        <translation>Impossible de jouer %1&#xa0;: ce n&apos;est pas un son WAV que ce jeu sait lire. Il reste choisi, et un bip d&apos;avertissement retentit à sa place jusqu&apos;à ce que vous choisissiez un autre fichier.</translation>
    </message>
</context>
<context>
    <name>zandor::SoundEffects</name>
    <message>
        <source>%1: %2</source>
        <extracomment>The system&apos;s reason why a file could not be opened (%1), then the file (%2).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Read error: %1</source>
        <translation>Erreur de lecture&#xa0;: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
</context>
<context>
    <name>zandor::SpeechPlan</name>
    <message>
        <source>Free spin %1.</source>
        <extracomment>Spoken before a free spin&apos;s result: %1 its number (1 to 7).</extracomment>
        <translation>Tour gratuit %1.</translation>
    </message>
    <message>
        <source>No win, %1.</source>
        <extracomment>Spoken after a spin that came by itself and won nothing: %1 the credits now.</extracomment>
        <translation>Aucun gain, %1.</translation>
    </message>
    <message>
        <source>Won %1, %2.</source>
        <extracomment>Spoken after a spin that came by itself and won: %1 the win, %2 the credits now.</extracomment>
        <translation>Gagné %1, %2.</translation>
    </message>
    <message>
        <source>New game. Credits %1.</source>
        <extracomment>Spoken once File / New Game has started a new game: %1 its credits.</extracomment>
        <translation>Nouvelle partie. Crédits %1.</translation>
    </message>
    <message>
        <source>Opened slot %1. Credits %2.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 its credits.</extracomment>
        <translation>Emplacement %1 ouvert. Crédits %2.</translation>
    </message>
    <message>
        <source>Opened slot %1, %2. Credits %3.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 the name the player gave it, %3 its credits.</extracomment>
        <translation>Emplacement %1 ouvert, %2. Crédits %3.</translation>
    </message>
    <message>
        <source>Coin value %1. Credits %2.</source>
        <extracomment>Spoken once a coin value was chosen under Options / Bet Amount: %1 the value of a coin, %2 the credits, which took back any coins placed.</extracomment>
        <translation>Valeur de la pièce %1. Crédits %2.</translation>
    </message>
    <message>
        <source>Auto spin on.</source>
        <extracomment>Spoken as Auto / Auto Spin is switched on or off.</extracomment>
        <translation>Tours automatiques activés.</translation>
    </message>
    <message>
        <source>Auto spin off.</source>
        <translation>Tours automatiques désactivés.</translation>
    </message>
    <message numerus="yes">
        <source>Wager %1, %n coin(s).</source>
        <extracomment>Spoken once a bet has placed its coins: %1 the wager on the lines, %n its coins.</extracomment>
        <translation>
            <numerusform>Mise %1, %n pièce.</numerusform>
            <numerusform>Mise %1, %n pièces.</numerusform>
        </translation>
    </message>
    <message>
        <source>Meter %1.</source>
        <extracomment>Spoken after a spin that came by itself, once the bonus meter moved: how full it is now, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Jauge %1.</translation>
    </message>
</context>
<context>
    <name>zandor::SpinAnnouncer</name>
    <message>
        <source>Line %1: %2 pays %3.</source>
        <extracomment>Spoken: %1 the payline&apos;s number, %2 the three symbols on it, %3 the amount it pays.</extracomment>
        <translation>Ligne %1&#xa0;: %2 paie %3.</translation>
    </message>
    <message>
        <source>Credits %1.</source>
        <translation>Crédits %1.</translation>
    </message>
    <message>
        <source>Free spin %1 of %2.</source>
        <translation>Tour gratuit %1 sur %2.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Aucun gain.</translation>
    </message>
    <message>
        <source>After the card game you win %1.</source>
        <translation>Après le jeu de cartes, vous gagnez %1.</translation>
    </message>
    <message>
        <source>Total win %1.</source>
        <translation>Gain total %1.</translation>
    </message>
    <message>
        <source>Bonus won: %1 and %2 free spins.</source>
        <translation>Bonus remporté&#xa0;: %1 et %2 tours gratuits.</translation>
    </message>
    <message>
        <source>Bonus meter %1.</source>
        <extracomment>Spoken: how full the bonus meter is, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Jauge de bonus %1.</translation>
    </message>
</context>
<context>
    <name>zandor::StatisticsWindow</name>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>Time played: hours and minutes, &quot;3 h 05 min&quot;.</extracomment>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>Time played under an hour: minutes and seconds, &quot;12 min 30 s&quot;.</extracomment>
        <translation>%1&#xa0;min %2&#xa0;s</translation>
    </message>
    <message>
        <source>Spins (paid / free)</source>
        <translation>Tours (payés / gratuits)</translation>
    </message>
    <message>
        <source>Money wagered</source>
        <translation>Total misé</translation>
    </message>
    <message>
        <source>Won on the paylines</source>
        <translation>Gagné sur les lignes de paiement</translation>
    </message>
    <message>
        <source>Bonus pools won</source>
        <translation>Cagnottes bonus gagnées</translation>
    </message>
    <message>
        <source>Card game hands (won / lost)</source>
        <translation>Mains au jeu de cartes (gagnées / perdues)</translation>
    </message>
    <message>
        <source>Card game net</source>
        <translation>Bilan du jeu de cartes</translation>
    </message>
    <message>
        <source>Biggest single win</source>
        <translation>Plus gros gain en un tour</translation>
    </message>
    <message>
        <source>Total won</source>
        <translation>Total gagné</translation>
    </message>
    <message>
        <source>Net result (won − wagered)</source>
        <translation>Résultat net (gagné − misé)</translation>
    </message>
    <message>
        <source>Actual payback</source>
        <translation>Taux de redistribution réel</translation>
    </message>
    <message>
        <source>Theoretical payback at a full wager</source>
        <translation>Taux de redistribution théorique à mise pleine</translation>
    </message>
    <message>
        <source>Borrowed / paid back</source>
        <translation>Emprunté / remboursé</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>Bonus pools won: &quot;2 for $1,234.00&quot;, how many and what they paid together.</extracomment>
        <translation>%1 pour %2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>This game</source>
        <extracomment>Heading of the column of figures since New Game or Open.</extracomment>
        <translation>Cette partie</translation>
    </message>
    <message>
        <source>Lifetime</source>
        <extracomment>Heading of the column of figures of every game played.</extracomment>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>Reset &amp;Lifetime...</source>
        <translation>Remettre le &amp;cumul à zéro...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&lt;b&gt;Now:&lt;/b&gt; credits %1, borrowed %2, net worth (credits − borrowed) %3.</source>
        <translation>&lt;b&gt;Maintenant&#xa0;:&lt;/b&gt; crédits %1, emprunté %2, avoir net (crédits − emprunté) %3.</translation>
    </message>
    <message>
        <source>A bet of %1 waits on the lines.</source>
        <translation>Une mise de %1 attend sur les lignes.</translation>
    </message>
    <message>
        <source>This game began with credits %1 and borrowed %2.</source>
        <translation>Cette partie a commencé avec des crédits de %1 et un emprunt de %2.</translation>
    </message>
    <message>
        <source>Check: %1 at the start %2 (net result) %3 (bank) = %4 in credits and bet.</source>
        <extracomment>%2 and %3 carry their sign: &quot;Check: $1,000.00 at the start -$25.00 (net result) +$100.00 (bank) = $1,075.00 in credits and bet.&quot;</extracomment>
        <translation>Vérification&#xa0;: %1 au départ %2 (résultat net) %3 (banque) = %4 en crédits et mise.</translation>
    </message>
    <message>
        <source>Reset Lifetime</source>
        <translation>Remettre le cumul à zéro</translation>
    </message>
    <message>
        <source>Reset the lifetime statistics to zero? This game&apos;s figures and the recent spins stay. This cannot be undone.</source>
        <translation>Remettre à zéro les statistiques cumulées&#xa0;? Les chiffres de cette partie et les derniers tours sont conservés. Cette opération est irréversible.</translation>
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
        <translation>&amp;Effets&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <extracomment>The loudness of the background music.</extracomment>
        <translation>&amp;Musique&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
</TS>
