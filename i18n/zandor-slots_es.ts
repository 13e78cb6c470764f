<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>zandor::AudioDialogs</name>
    <message>
        <source>The path of this file is longer than %1 characters.  Please choose a file in a folder with a shorter path.</source>
        <translation>La ruta de este archivo tiene más de %1 caracteres. Elija un archivo de una carpeta con una ruta más corta.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, too large to play.  Please choose a smaller file.</source>
        <translation>%1 ocupa más de %2 MB y es demasiado grande para reproducirlo. Elija un archivo más pequeño.</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinLimitsDialog</name>
    <message>
        <source>Auto Spin Limits</source>
        <translation>Límites de tiradas automáticas</translation>
    </message>
    <message>
        <source>Stop &amp;after</source>
        <translation>Detener &amp;tras</translation>
    </message>
    <message>
        <source> spins</source>
        <extracomment>After a number of spins: &quot;Stop after [100] spins&quot;.</extracomment>
        <translation> tiradas</translation>
    </message>
    <message>
        <source>Stop when the cr&amp;edits fall below</source>
        <translation>Detener si los créditos &amp;bajan de</translation>
    </message>
    <message>
        <source>Stop on a single &amp;win of at least</source>
        <translation>Detener con un &amp;premio de al menos</translation>
    </message>
    <message>
        <source>Stop when the &amp;bonus is won</source>
        <translation>Detener al ganar el bo&amp;nus</translation>
    </message>
    <message>
        <source>Automatic spins stop at the end of the spin that reaches a limit, or after the last free spin when it comes during free spins.</source>
        <translation>Las tiradas automáticas se detienen al final de la tirada que alcanza un límite o, si esto ocurre durante las tiradas gratis, tras la última tirada gratis.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>zandor::AutoSpinWatch</name>
    <message numerus="yes">
        <source>Automatic spins stopped after %n spin(s).</source>
        <translation>
            <numerusform>Tiradas automáticas detenidas tras %n tirada.</numerusform>
            <numerusform>Tiradas automáticas detenidas tras %n tiradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic spins stopped: the credits fell below %1.</source>
        <translation>Tiradas automáticas detenidas: los créditos han bajado de %1.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: a single win of %1 reached the limit of %2.</source>
        <translation>Tiradas automáticas detenidas: un premio de %1 ha alcanzado el límite de %2.</translation>
    </message>
    <message>
        <source>Automatic spins stopped: the bonus was won (%1).</source>
        <translation>Tiradas automáticas detenidas: ha ganado el bonus (%1).</translation>
    </message>
</context>
<context>
    <name>zandor::BackgroundChoice</name>
    <message>
        <source>Load Tiled Bitmap File</source>
        <translation>Cargar imagen para el mosaico</translation>
    </message>
    <message>
        <source>Bitmaps (%1)</source>
        <translation>Imágenes de mapa de bits (%1)</translation>
    </message>
</context>
<context>
    <name>zandor::Bank</name>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>¡No puede devolver más créditos de los que ha pedido prestados!</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>¡Sus créditos no llegan a %1!</translation>
    </message>
    <message>
        <source>You do not have %1 credit!</source>
        <translation>¡Sus créditos no llegan a %1!</translation>
    </message>
    <message>
        <source>The bank cannot lend you that much: your credits or your debt would pass %1, the most the machine can keep.</source>
        <translation>El banco no puede prestarle tanto: sus créditos o su deuda pasarían de %1, el máximo que puede guardar la máquina.</translation>
    </message>
    <message>
        <source>The bank has no such amount.</source>
        <translation>El banco no ofrece esa cantidad.</translation>
    </message>
</context>
<context>
    <name>zandor::BankDialog</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Aquí puede pedir prestados o devolver créditos</translation>
    </message>
    <message>
        <source>Mode:</source>
        <extracomment>The label before the two choices: borrow or pay back.</extracomment>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Pedir créditos</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Devolver créditos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Saldos</translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation>Créditos %1</translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation>Prestado %1</translation>
    </message>
    <message>
        <source>Credits %1, borrowed %2.</source>
        <translation>Créditos %1, prestado %2.</translation>
    </message>
    <message>
        <source>Credits:</source>
        <extracomment>Painted above the meter of the player&apos;s credits.</extracomment>
        <translation>Créditos:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <extracomment>Painted above the meter of what the player owes the bank.</extracomment>
        <translation>Prestado:</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).

To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <extracomment>The bank&apos;s Help box. &quot;borrow&quot; and &quot;pay back&quot; are the two modes of the dialog.</extracomment>
        <translation>Aquí puede pedir créditos prestados o devolver los créditos que pidió antes. Haga clic en el botón de la cantidad que desea pedir (o devolver).

Para cambiar entre «pedir» y «devolver», elija el modo.</translation>
    </message>
</context>
<context>
    <name>zandor::BetPanel</name>
    <message>
        <source>Bet 1</source>
        <extracomment>The button that bets one coin.</extracomment>
        <translation>Apostar 1</translation>
    </message>
    <message>
        <source>Bet one credit (key 1)</source>
        <translation>Apostar una moneda (tecla 1)</translation>
    </message>
    <message>
        <source>Bet 5</source>
        <extracomment>The button that bets five coins.</extracomment>
        <translation>Apostar 5</translation>
    </message>
    <message>
        <source>Bet five credits (key 5)</source>
        <translation>Apostar cinco monedas (tecla 5)</translation>
    </message>
    <message>
        <source>Bet Max</source>
        <extracomment>The button that bets the most coins (25) and spins.</extracomment>
        <translation>Apuesta máx.</translation>
    </message>
    <message>
        <source>Bet the maximum and spin (key M)</source>
        <translation>Apostar el máximo y girar (tecla M)</translation>
    </message>
    <message>
        <source>Spin</source>
        <extracomment>The button that spins the reels.</extracomment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Spins the slot wheels (%1 or %2)</source>
        <extracomment>The Spin button&apos;s tip: %1 and %2 are the names of the Space and Enter keys as the player&apos;s keyboard prints them.</extracomment>
        <translation>Gira los rodillos (%1 o %2)</translation>
    </message>
</context>
<context>
    <name>zandor::CardTable</name>
    <message>
        <source>If you think the next card will be between the two cards showing then click the DRAW button.  If the next card is between (but not equal to) the other two cards, then your winnings are doubled.  Otherwise you lose your winnings.  An ACE&apos;s value is 1.</source>
        <translation>Si cree que la próxima carta quedará entre las dos cartas visibles, haga clic en el botón ROBAR. Si la próxima carta queda entre las otras dos (sin ser igual a ninguna), sus ganancias se duplican. Si no, pierde sus ganancias. El AS vale 1.</translation>
    </message>
    <message>
        <source>The deck is used up: no further pair can be dealt, so Skips and Go Again are closed.  Click OK to finish.</source>
        <translation>La baraja se ha agotado: no se pueden repartir más parejas, así que Pasar y Otra vez quedan cerrados. Haga clic en Aceptar para terminar.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <extracomment>The win at stake; %1 is the amount right-aligned in ten places (&quot; 12.50&quot;).</extracomment>
        <translation>Ganancias: %1</translation>
    </message>
    <message>
        <source>&amp;Skips: %1</source>
        <extracomment>The button that deals a fresh pair; %1 is how many fresh pairs are left.</extracomment>
        <translation>&amp;Pasar: %1</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>%1 de tréboles</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>%1 de corazones</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>%1 de diamantes</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>%1 de picas</translation>
    </message>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Doble o nada con cartas</translation>
    </message>
    <message>
        <source>&amp;Go Again</source>
        <translation>&amp;Otra vez</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Robar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Mesa de cartas</translation>
    </message>
    <message>
        <source>Left card: %1</source>
        <translation>Carta izquierda: %1</translation>
    </message>
    <message>
        <source>Right card: %1</source>
        <translation>Carta derecha: %1</translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation>Carta robada: %1</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>You Won!</source>
        <translation>¡Ha ganado!</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Ha perdido</translation>
    </message>
    <message>
        <source>%1. You Won! Winnings %2.</source>
        <translation>%1. ¡Ha ganado! Ganancias %2.</translation>
    </message>
    <message>
        <source>%1. You Lost. Winnings %2.</source>
        <translation>%1. Ha perdido. Ganancias %2.</translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation>%1 y %2.</translation>
    </message>
    <message>
        <source>Your win of %1 is on the table. The cards: %2 and %3.</source>
        <translation>Su premio de %1 está sobre la mesa. Las cartas: %2 y %3.</translation>
    </message>
    <message>
        <source>Draw, Skip or OK to keep it; R reads the rules.</source>
        <translation>Robar, Pasar u OK para quedárselo; R lee las reglas.</translation>
    </message>
</context>
<context>
    <name>zandor::FaceAccessible</name>
    <message>
        <source>top</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>fila central</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>fila superior</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>fila inferior</translation>
    </message>
    <message>
        <source>top left to bottom right</source>
        <translation>de arriba a la izquierda a abajo a la derecha</translation>
    </message>
    <message>
        <source>bottom left to top right</source>
        <translation>de abajo a la izquierda a arriba a la derecha</translation>
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
        <translation>Limón</translation>
    </message>
    <message>
        <source>Cherry</source>
        <extracomment>A symbol on the reels (the fruit).</extracomment>
        <translation>Cereza</translation>
    </message>
    <message>
        <source>Power Drain</source>
        <extracomment>A symbol on the reels: it halves the bonus meter.</extracomment>
        <translation>Power Drain</translation>
    </message>
    <message>
        <source>Blank</source>
        <extracomment>A reel cell without a symbol.</extracomment>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The name of a meter on the machine: the player&apos;s credits.</extracomment>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Wager</source>
        <extracomment>The name of a meter on the machine: the coins placed on the paylines.</extracomment>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Won</source>
        <extracomment>The name of a meter on the machine: what the last spin won.</extracomment>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The name of a meter on the machine: the spins played.</extracomment>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Free spins left</source>
        <translation>Tiradas gratis restantes</translation>
    </message>
    <message>
        <source>Bonus meter</source>
        <translation>Indicador de bonus</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Bote de bonus</translation>
    </message>
    <message>
        <source>Reel %1, %2: %3</source>
        <extracomment>A reel cell: &quot;Reel 2, top: Bell&quot;.</extracomment>
        <translation>Rodillo %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s)</source>
        <extracomment>The coins on a payline.</extracomment>
        <translation>
            <numerusform>%n moneda</numerusform>
            <numerusform>%n monedas</numerusform>
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
        <translation>Línea de pago %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>zandor::FacePainter</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Plus 7 FREE Spins</source>
        <extracomment>Painted under the bonus pool on the machine&apos;s face: winning the pool also gives seven free spins. Keep it short.</extracomment>
        <translation>+ 7 tiradas GRATIS</translation>
    </message>
</context>
<context>
    <name>zandor::Files</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>%1 could not be read: it is damaged or far too large.  It has been renamed %2, and a new file takes its place.</source>
        <extracomment>%1 is the file the game could not read, %2 the name it has been given.</extracomment>
        <translation>No se ha podido leer %1: el archivo está dañado o es demasiado grande. Se le ha cambiado el nombre a %2 y un archivo nuevo ocupa su lugar.</translation>
    </message>
</context>
<context>
    <name>zandor::GameChartView</name>
    <message>
        <source>Chart of this game</source>
        <translation>Gráfico de esta partida</translation>
    </message>
    <message>
        <source>Credits and net worth after every spin of this game</source>
        <translation>Créditos y patrimonio neto tras cada tirada de esta partida</translation>
    </message>
    <message>
        <source>Spins</source>
        <extracomment>The chart&apos;s horizontal axis: the spins played in this game.</extracomment>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>The chart&apos;s legend: the line of the credits.</extracomment>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Net worth</source>
        <extracomment>The chart&apos;s legend: the line of the credits less what is owed to the bank.</extracomment>
        <translation>Patrimonio neto</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>The chart&apos;s legend: the mark of a bonus won.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The chart&apos;s legend: the mark of a loan from the bank.</extracomment>
        <translation>Préstamo</translation>
    </message>
    <message>
        <source>Payback</source>
        <extracomment>The chart&apos;s legend: the mark of a payment back to the bank.</extracomment>
        <translation>Devolución</translation>
    </message>
</context>
<context>
    <name>zandor::GameSession</name>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing. Your free spins continue.</source>
        <translation>Su última tirada se interrumpió. Se ha completado sin premio. Sus tiradas gratis continúan.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: it won nothing.</source>
        <translation>Su última tirada se interrumpió. Se ha completado sin premio.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1. Your free spins continue.</source>
        <translation>Su última tirada se interrumpió. Se ha completado: ha ganado %1. Sus tiradas gratis continúan.</translation>
    </message>
    <message>
        <source>Your last spin was interrupted. It has been completed: you won %1.</source>
        <translation>Su última tirada se interrumpió. Se ha completado: ha ganado %1.</translation>
    </message>
</context>
<context>
    <name>zandor::Help</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A three-reel, five-line slot machine with a bonus meter, free spins and a double-or-nothing card game.</source>
        <translation>Una máquina tragaperras de tres rodillos y cinco líneas de pago, con indicador de bonus, tiradas gratis y un juego de cartas a doble o nada.</translation>
    </message>
    <message>
        <source>About Zandor Slots</source>
        <translation>Acerca de Zandor Slots</translation>
    </message>
</context>
<context>
    <name>zandor::HelpViewer</name>
    <message>
        <source>Zandor Slots Help</source>
        <translation>Ayuda de Zandor Slots</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Goes to the page read before.</extracomment>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Goes to the manual&apos;s table of contents.</extracomment>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The manual could not be found.

It belongs in the folder %1 beside the program. Installing Zandor Slots again puts it back.</source>
        <translation>No se encuentra el manual.

Debe estar en la carpeta %1, junto al programa. Si vuelve a instalar Zandor Slots, el manual volverá a su sitio.</translation>
    </message>
    <message>
        <source>%1, link</source>
        <extracomment>Spoken when the keyboard reaches a link of the manual: &quot;Bank, link&quot;.</extracomment>
        <translation>%1, enlace</translation>
    </message>
</context>
<context>
    <name>zandor::Keys</name>
    <message>
        <source>Enter</source>
        <extracomment>The key that ends a line, as the keyboard names it: &quot;Eingabetaste&quot;, &quot;Entrée&quot;.</extracomment>
        <translation>Intro</translation>
    </message>
</context>
<context>
    <name>zandor::MainWindow</name>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Slot machine</source>
        <translation>Máquina tragaperras</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <extracomment>File menu: open a saved game.</extracomment>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>File menu: save the game in a slot.</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Acey Ducey</source>
        <extracomment>Options menu, checked: a win may be gambled at the card game of that name.</extracomment>
        <translation>&amp;Acey Ducey</translation>
    </message>
    <message>
        <source>Back&amp;ground</source>
        <extracomment>Options menu: the background around the machine.</extracomment>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>Tiled Bitmap</source>
        <extracomment>Background menu: a picture file repeated as the background.</extracomment>
        <translation>Imagen en mosaico</translation>
    </message>
    <message>
        <source>Solid Color</source>
        <extracomment>Background menu: one colour as the background.</extracomment>
        <translation>Color sólido</translation>
    </message>
    <message>
        <source>&amp;Bet Amount</source>
        <extracomment>Options menu: the value of one coin.</extracomment>
        <translation>&amp;Valor de la moneda</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>On</source>
        <comment>music</comment>
        <extracomment>Music menu, checked while the background music plays.</extracomment>
        <translation>Activada</translation>
    </message>
    <message>
        <source>Change Songs</source>
        <translation>Elegir canciones</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <extracomment>Options menu: the sound effects.</extracomment>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>On</source>
        <comment>sounds</comment>
        <extracomment>Sounds menu, checked while the sound effects play at all.</extracomment>
        <translation>Activados</translation>
    </message>
    <message>
        <source>Bonus</source>
        <extracomment>Sounds menu: the sound of the bonus being paid.</extracomment>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Sounds menu: the sound of each coin bet.</extracomment>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Credits</source>
        <extracomment>Sounds menu: the sound of each credit counted in after a win.</extracomment>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Lose</source>
        <extracomment>Sounds menu: the sound of a spin that wins nothing.</extracomment>
        <translation>Sin premio</translation>
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
        <translation>Giro de rodillos</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Sounds menu: the sound of a reel stopping.</extracomment>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Wheel Spin</source>
        <extracomment>Sounds menu: the sound of the card game&apos;s wheel turning.</extracomment>
        <translation>Giro de la rueda</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Sounds menu: the sound of a winning spin.</extracomment>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Change WAVs</source>
        <extracomment>Sounds menu: choose wave files of one&apos;s own for five of the sounds.</extracomment>
        <translation>Elegir archivos WAV</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>V&amp;olumen...</translation>
    </message>
    <message>
        <source>Spin Spee&amp;d</source>
        <extracomment>Options menu: how fast the reels turn.</extracomment>
        <translation>Velocidad de &amp;giro</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>Spin speed menu.</extracomment>
        <translation>Rápida</translation>
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
        <translation>&amp;Banco</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <extracomment>Menu bar: opens the chart of what each line of symbols pays.</extracomment>
        <translation>Tabla de &amp;pagos</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>Menu bar: the menu of automatic spins.</extracomment>
        <translation>Au&amp;to</translation>
    </message>
    <message>
        <source>&amp;Auto Spin</source>
        <extracomment>Auto menu, checked while spins follow each other by themselves.</extracomment>
        <translation>&amp;Tiradas automáticas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Zandor Slots</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Your game could not be saved. Try again before the game closes?</source>
        <translation>No se ha podido guardar la partida. ¿Volver a intentarlo antes de cerrar el juego?</translation>
    </message>
    <message>
        <source>Blin&amp;king Symbols</source>
        <translation>Símbolos &amp;intermitentes</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Alto &amp;contraste</translation>
    </message>
    <message>
        <source>Your game is not being saved: if it stopped now, what you play from here on would be lost. You will be told when it is saved again.</source>
        <translation>La partida no se está guardando: si se detuviera ahora, se perdería lo que juegue a partir de aquí. Se le avisará cuando vuelva a guardarse.</translation>
    </message>
    <message>
        <source>Your game is being saved again.</source>
        <translation>La partida vuelve a guardarse.</translation>
    </message>
</context>
<context>
    <name>zandor::MidiPlayer</name>
    <message>
        <source>The file is not a valid MIDI file.</source>
        <translation>El archivo no es un archivo MIDI válido.</translation>
    </message>
    <message>
        <source>The specified file was not found: %1</source>
        <translation>No se ha encontrado el archivo indicado: %1</translation>
    </message>
    <message>
        <source>The song is larger than 16 MB, too large to play: %1</source>
        <translation>La canción ocupa más de 16 MB y es demasiado grande para reproducirla: %1</translation>
    </message>
    <message>
        <source>No General MIDI soundfont was found, so MIDI music cannot play.</source>
        <translation>No se ha encontrado ningún banco de sonidos General MIDI, así que no se puede reproducir música MIDI.</translation>
    </message>
    <message>
        <source>The MIDI device could not open the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation (in English), else the file&apos;s path.</extracomment>
        <translation>El dispositivo MIDI no ha podido abrir el archivo: %1</translation>
    </message>
    <message>
        <source>No MIDI file is open.</source>
        <translation>No hay ningún archivo MIDI abierto.</translation>
    </message>
    <message>
        <source>The MIDI device could not play the file: %1</source>
        <extracomment>%1 is the synthesiser&apos;s own explanation, in English.</extracomment>
        <translation>El dispositivo MIDI no ha podido reproducir el archivo: %1</translation>
    </message>
</context>
<context>
    <name>zandor::MusicDialog</name>
    <message>
        <source>Change MIDI Files]</source>
        <extracomment>The window title; the closing bracket belongs to the game&apos;s English title.</extracomment>
        <translation>Elegir archivos MIDI</translation>
    </message>
    <message>
        <source>You may include up to eight MIDI files which will be used as background music while you are playing this game.</source>
        <translation>Puede incluir hasta ocho archivos MIDI, que sonarán como música de fondo mientras juega.</translation>
    </message>
    <message>
        <source>Music #%1</source>
        <translation>Música n.º %1</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the song of its row.</extracomment>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Change song %1</source>
        <translation>Cambiar la canción %1</translation>
    </message>
    <message>
        <source>Preview song %1</source>
        <translation>Escuchar la canción %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a song.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>MIDI Sequencer</source>
        <translation>Secuencias MIDI</translation>
    </message>
    <message>
        <source>Could not find %1.  Please choose a valid MIDI file.</source>
        <translation>No se encuentra %1. Elija un archivo MIDI válido.</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a MIDI song this game can read. Please choose another file for this song.</source>
        <translation>No se puede reproducir %1: no es una canción MIDI que este juego pueda leer. Elija otro archivo para esta canción.</translation>
    </message>
</context>
<context>
    <name>zandor::PayoffChart</name>
    <message numerus="yes">
        <source>%n Coin(s)</source>
        <extracomment>The heading of the column of pays for this many coins wagered on a line.</extracomment>
        <translation>
            <numerusform>%n moneda</numerusform>
            <numerusform>%n monedas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Payoffs</source>
        <extracomment>The window&apos;s title; %1 is the game&apos;s name, &quot;Zandor Slots&quot;, in every language.</extracomment>
        <translation>Tabla de pagos de %1</translation>
    </message>
    <message>
        <source>Win 7 free spins and the Bonus Pool by raising the Bonus Meter to 100%.  The GAIN symbol increases power by 10% of full, and the LOSS symbol reduces it by 50% of current value.</source>
        <translation>Gane 7 tiradas gratis y el bote de bonus llevando el indicador de bonus al 100 %. El símbolo Power Up lo sube un 10 % del máximo y el símbolo Power Drain lo reduce a la mitad.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Tabla de pagos</translation>
    </message>
    <message>
        <source>%1, %1, any symbol</source>
        <translation>%1, %1, cualquier símbolo</translation>
    </message>
    <message>
        <source>%1, %1, %1</source>
        <translation>%1, %1, %1</translation>
    </message>
    <message>
        <source>Symbols</source>
        <extracomment>The heading of the column of symbol pictures.</extracomment>
        <translation>Símbolos</translation>
    </message>
</context>
<context>
    <name>zandor::Playlist</name>
    <message>
        <source>No MIDI songs are selected!</source>
        <translation>¡No hay ninguna canción MIDI seleccionada!</translation>
    </message>
</context>
<context>
    <name>zandor::RecentSpinsWindow</name>
    <message>
        <source>Not played</source>
        <extracomment>The card game was offered, and the player took the win without drawing.</extracomment>
        <translation>No jugado</translation>
    </message>
    <message>
        <source>Won → %1</source>
        <extracomment>The card game doubled the win: what the spin paid after it.</extracomment>
        <translation>Ganado → %1</translation>
    </message>
    <message>
        <source>Lost → %1</source>
        <extracomment>The card game lost the win: what the spin paid after it.</extracomment>
        <translation>Perdido → %1</translation>
    </message>
    <message>
        <source>top: %1</source>
        <translation>arriba: %1</translation>
    </message>
    <message>
        <source>middle: %1</source>
        <translation>centro: %1</translation>
    </message>
    <message>
        <source>bottom: %1</source>
        <translation>abajo: %1</translation>
    </message>
    <message>
        <source>Borrowed %1 from the bank</source>
        <translation>Préstamo de %1 del banco</translation>
    </message>
    <message>
        <source>Paid back %1 to the bank</source>
        <translation>Devolución de %1 al banco</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Opened a saved game</source>
        <translation>Partida guardada abierta</translation>
    </message>
    <message>
        <source>Coin value %1</source>
        <translation>Valor de la moneda %1</translation>
    </message>
    <message>
        <source>Recent Spins</source>
        <translation>Últimas tiradas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Coin</source>
        <extracomment>Column heading: the coin value of the spin.</extracomment>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Coins</source>
        <extracomment>Column heading: the coins wagered on the spin.</extracomment>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Reels</source>
        <extracomment>Column heading: the picture of the reels.</extracomment>
        <translation>Rodillos</translation>
    </message>
    <message>
        <source>Line pays</source>
        <extracomment>Column heading: what each of the five paylines paid.</extracomment>
        <translation>Pagos por línea</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>Column heading: what the spin paid.</extracomment>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Bonus pool</source>
        <translation>Bote de bonus</translation>
    </message>
    <message>
        <source>Card game</source>
        <translation>Juego de cartas</translation>
    </message>
    <message>
        <source>Credits after</source>
        <translation>Créditos después</translation>
    </message>
    <message>
        <source>Recent spins, newest first</source>
        <translation>Últimas tiradas, la más reciente primero</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Completed after an interruption</source>
        <translation>Completada tras una interrupción</translation>
    </message>
    <message>
        <source>%1 free</source>
        <extracomment>The coins of a free spin: &quot;25 free&quot;.</extracomment>
        <translation>%1 gratis</translation>
    </message>
    <message>
        <source>No spins yet.</source>
        <translation>Aún no hay tiradas.</translation>
    </message>
    <message>
        <source>Credits after %1, owed to the bank %2</source>
        <translation>Créditos después %1, deuda con el banco %2</translation>
    </message>
    <message>
        <source>free spin</source>
        <translation>tirada gratis</translation>
    </message>
    <message>
        <source>completed after an interruption</source>
        <translation>completada tras una interrupción</translation>
    </message>
    <message>
        <source>Win %1, credits after %2</source>
        <translation>Premio %1, créditos después %2</translation>
    </message>
    <message>
        <source>Bonus pool %1</source>
        <translation>Bote de bonus %1</translation>
    </message>
    <message>
        <source>The chosen spin</source>
        <translation>La tirada elegida</translation>
    </message>
</context>
<context>
    <name>zandor::RecordKeeper</name>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>&amp;Recent Spins...</source>
        <translation>Últimas &amp;tiradas...</translation>
    </message>
    <message>
        <source>Auto Spin &amp;Limits...</source>
        <translation>&amp;Límites de tiradas automáticas...</translation>
    </message>
</context>
<context>
    <name>zandor::Refusals</name>
    <message>
        <source>Not enough credits for Bet Max: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>No hay créditos suficientes para «Apuesta máx.»: hacen falta %1 y tiene %2. Apueste menos monedas o pida créditos prestados.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 1: it needs %1 and you have %2. Borrow credits to play on.</source>
        <translation>No hay créditos suficientes para «Apostar 1»: hacen falta %1 y tiene %2. Pida créditos prestados para seguir jugando.</translation>
    </message>
    <message>
        <source>Not enough credits for Bet 5: it needs %1 and you have %2. Bet fewer coins or borrow credits.</source>
        <translation>No hay créditos suficientes para «Apostar 5»: hacen falta %1 y tiene %2. Apueste menos monedas o pida créditos prestados.</translation>
    </message>
    <message>
        <source>Your free spins are playing: you can bet again once they are over.</source>
        <translation>Sus tiradas gratis están en curso: podrá volver a apostar cuando terminen.</translation>
    </message>
    <message>
        <source>Auto Spin repeats your last bet, and there is none yet: place a bet and spin once first.</source>
        <translation>Las tiradas automáticas repiten su última apuesta, y aún no hay ninguna: primero apueste y haga una tirada.</translation>
    </message>
    <message>
        <source>Auto Spin stopped: your credits of %1 do not cover your last bet of %2.</source>
        <translation>Tiradas automáticas detenidas: sus créditos (%1) no cubren su última apuesta (%2).</translation>
    </message>
    <message>
        <source>The coin value can be changed after your first spin.</source>
        <translation>El valor de la moneda se puede cambiar después de su primera tirada.</translation>
    </message>
    <message>
        <source>The coin value stays as it is until your free spins are over.</source>
        <translation>El valor de la moneda no cambia hasta que terminen sus tiradas gratis.</translation>
    </message>
    <message>
        <source>The coin value can be changed once the reels have stopped.</source>
        <translation>El valor de la moneda se puede cambiar cuando los rodillos se hayan detenido.</translation>
    </message>
</context>
<context>
    <name>zandor::SingleInstance</name>
    <message>
        <source>Zandor Slots could not make its lock file in
%1

The disk may be full, or the folder may not be written.  Without the lock a second copy could open the same games and overwrite them, so the game will not start.  Please free some space or make the folder writable, then start Zandor Slots again.</source>
        <translation>Zandor Slots no ha podido crear su archivo de bloqueo en
%1

Puede que el disco esté lleno o que no se pueda escribir en la carpeta. Sin el bloqueo, una segunda copia podría abrir las mismas partidas y sobrescribirlas, así que el juego no se iniciará. Libere algo de espacio o permita escribir en la carpeta y vuelva a iniciar Zandor Slots.</translation>
    </message>
    <message>
        <source>Zandor Slots is already running.</source>
        <translation>Zandor Slots ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Zandor Slots could not use its lock file
%1

Something else is in its place (a folder, a link or a pipe) and could not be removed.  Please move it away, then start Zandor Slots again.</source>
        <translation>Zandor Slots no ha podido usar su archivo de bloqueo
%1

En su lugar hay otra cosa (una carpeta, un enlace o una tubería) que no se ha podido eliminar. Muévala a otro sitio y vuelva a iniciar Zandor Slots.</translation>
    </message>
</context>
<context>
    <name>zandor::SlotDialog</name>
    <message>
        <source>Name of slot %1</source>
        <translation>Nombre de la ranura %1</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Guardar partida – Elija una ranura</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Abrir partida – Elija una ranura</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <extracomment>A saved game&apos;s credits: &quot;1000.00 credits&quot;.</extracomment>
        <translation>%1 créditos</translation>
    </message>
    <message>
        <source>%1 borrowed</source>
        <extracomment>What a saved game owes the bank: &quot;1000.00 borrowed&quot;.</extracomment>
        <translation>%1 prestados</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>%1, saved %2, %3, %4</source>
        <translation>%1, guardada %2, %3, %4</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Save in slot %1: %2</source>
        <translation>Guardar en la ranura %1: %2</translation>
    </message>
    <message>
        <source>Open slot %1: %2</source>
        <translation>Abrir la ranura %1: %2</translation>
    </message>
    <message>
        <source>Name for this saved game?</source>
        <translation>¿Nombre de esta partida guardada?</translation>
    </message>
    <message>
        <source>Game #%1</source>
        <extracomment>A slot&apos;s name until the player gives it one: &quot;Game #1&quot;.</extracomment>
        <translation>Partida n.º %1</translation>
    </message>
</context>
<context>
    <name>zandor::SlotMachine</name>
    <message>
        <source>You do not have enough credits to bet the same amount as you last spin; you better borrow some credits!.</source>
        <translation>No tiene créditos suficientes para apostar lo mismo que en la última tirada; ¡más vale que pida algunos créditos prestados!</translation>
    </message>
    <message>
        <source>Please place a bet before spinning.</source>
        <translation>Haga una apuesta antes de girar.</translation>
    </message>
</context>
<context>
    <name>zandor::SoundDialog</name>
    <message>
        <source>Bonus Sound:</source>
        <translation>Sonido del bonus:</translation>
    </message>
    <message>
        <source>This is the sound that plays when you get the Power Meter to 100%.</source>
        <translation>Este es el sonido que suena cuando el indicador de bonus llega al 100 %.</translation>
    </message>
    <message>
        <source>Count Down Sound</source>
        <translation>Sonido de Power Drain</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Drain symbol on the screen</source>
        <translation>Este es el sonido que suena cuando aparece un símbolo Power Drain en la pantalla</translation>
    </message>
    <message>
        <source>Count Up Sound</source>
        <translation>Sonido de Power Up</translation>
    </message>
    <message>
        <source>This is the sound which plays when you get a Power Up symbol on the screen</source>
        <translation>Este es el sonido que suena cuando aparece un símbolo Power Up en la pantalla</translation>
    </message>
    <message>
        <source>Lose Sound:</source>
        <translation>Sonido sin premio:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a losing spin.</source>
        <translation>Este es el sonido que suena en una tirada sin premio.</translation>
    </message>
    <message>
        <source>Win Sound:</source>
        <translation>Sonido de premio:</translation>
    </message>
    <message>
        <source>This is a sound which plays on a winning spin.</source>
        <translation>Este es el sonido que suena en una tirada con premio.</translation>
    </message>
    <message>
        <source>Change Sounds (WAV Files)</source>
        <translation>Cambiar sonidos (archivos WAV)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Click this button to browse your hard drive for a sound for this event.</source>
        <translation>Haga clic en este botón para buscar en su disco un sonido para este evento.</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>A button that plays the sound of its row.</extracomment>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Click this button to play the currently selected sound file.</source>
        <translation>Haga clic en este botón para escuchar el archivo de sonido elegido.</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>The name a screen reader gives a row&apos;s Change button; %1 is the row&apos;s sound.</extracomment>
        <translation>Cambiar: %1</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>Escuchar: %1</translation>
    </message>
    <message>
        <source>Restore Default Sounds</source>
        <translation>Restaurar sonidos predeterminados</translation>
    </message>
    <message>
        <source>Click this button to use the default (original) sounds for the above events.</source>
        <translation>Haga clic en este botón para volver a usar los sonidos predeterminados (los originales) en los eventos anteriores.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The title of the file dialog that picks a sound.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Wav Files</source>
        <translation>Archivos WAV</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is not a wave sound this game can read. It stays chosen, and a warning beep sounds in its place until you choose another file.</source>
        <translation>No se puede reproducir %1: no es un sonido WAV que este juego pueda leer. Sigue elegido y, en su lugar, sonará un pitido de aviso hasta que elija otro archivo.</translation>
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
        <translation>Error de lectura: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encuentra el archivo</translation>
    </message>
</context>
<context>
    <name>zandor::SpeechPlan</name>
    <message>
        <source>Free spin %1.</source>
        <extracomment>Spoken before a free spin&apos;s result: %1 its number (1 to 7).</extracomment>
        <translation>Tirada gratis %1.</translation>
    </message>
    <message>
        <source>No win, %1.</source>
        <extracomment>Spoken after a spin that came by itself and won nothing: %1 the credits now.</extracomment>
        <translation>Sin premio, %1.</translation>
    </message>
    <message>
        <source>Won %1, %2.</source>
        <extracomment>Spoken after a spin that came by itself and won: %1 the win, %2 the credits now.</extracomment>
        <translation>Premio %1, %2.</translation>
    </message>
    <message>
        <source>New game. Credits %1.</source>
        <extracomment>Spoken once File / New Game has started a new game: %1 its credits.</extracomment>
        <translation>Nueva partida. Créditos %1.</translation>
    </message>
    <message>
        <source>Opened slot %1. Credits %2.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 its credits.</extracomment>
        <translation>Ranura %1 abierta. Créditos %2.</translation>
    </message>
    <message>
        <source>Opened slot %1, %2. Credits %3.</source>
        <extracomment>Spoken once File / Open has brought back a saved game: %1 its slot (1 to 8), %2 the name the player gave it, %3 its credits.</extracomment>
        <translation>Ranura %1 abierta, %2. Créditos %3.</translation>
    </message>
    <message>
        <source>Coin value %1. Credits %2.</source>
        <extracomment>Spoken once a coin value was chosen under Options / Bet Amount: %1 the value of a coin, %2 the credits, which took back any coins placed.</extracomment>
        <translation>Valor de la moneda %1. Créditos %2.</translation>
    </message>
    <message>
        <source>Auto spin on.</source>
        <extracomment>Spoken as Auto / Auto Spin is switched on or off.</extracomment>
        <translation>Tiradas automáticas activadas.</translation>
    </message>
    <message>
        <source>Auto spin off.</source>
        <translation>Tiradas automáticas desactivadas.</translation>
    </message>
    <message numerus="yes">
        <source>Wager %1, %n coin(s).</source>
        <extracomment>Spoken once a bet has placed its coins: %1 the wager on the lines, %n its coins.</extracomment>
        <translation>
            <numerusform>Apuesta %1, %n moneda.</numerusform>
            <numerusform>Apuesta %1, %n monedas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Meter %1.</source>
        <extracomment>Spoken after a spin that came by itself, once the bonus meter moved: how full it is now, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Indicador %1.</translation>
    </message>
</context>
<context>
    <name>zandor::SpinAnnouncer</name>
    <message>
        <source>Line %1: %2 pays %3.</source>
        <extracomment>Spoken: %1 the payline&apos;s number, %2 the three symbols on it, %3 the amount it pays.</extracomment>
        <translation>Línea %1: %2 paga %3.</translation>
    </message>
    <message>
        <source>Credits %1.</source>
        <translation>Créditos %1.</translation>
    </message>
    <message>
        <source>Free spin %1 of %2.</source>
        <translation>Tirada gratis %1 de %2.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Sin premio.</translation>
    </message>
    <message>
        <source>After the card game you win %1.</source>
        <translation>Tras el juego de cartas gana %1.</translation>
    </message>
    <message>
        <source>Total win %1.</source>
        <translation>Premio total %1.</translation>
    </message>
    <message>
        <source>Bonus won: %1 and %2 free spins.</source>
        <translation>Bonus ganado: %1 y %2 tiradas gratis.</translation>
    </message>
    <message>
        <source>Bonus meter %1.</source>
        <extracomment>Spoken: how full the bonus meter is, %1 a percentage as the language writes it (&quot;30%&quot;).</extracomment>
        <translation>Indicador de bonus %1.</translation>
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
        <translation>Tiradas (pagadas / gratis)</translation>
    </message>
    <message>
        <source>Money wagered</source>
        <translation>Dinero apostado</translation>
    </message>
    <message>
        <source>Won on the paylines</source>
        <translation>Ganado en las líneas de pago</translation>
    </message>
    <message>
        <source>Bonus pools won</source>
        <translation>Botes de bonus ganados</translation>
    </message>
    <message>
        <source>Card game hands (won / lost)</source>
        <translation>Manos del juego de cartas (ganadas / perdidas)</translation>
    </message>
    <message>
        <source>Card game net</source>
        <translation>Balance del juego de cartas</translation>
    </message>
    <message>
        <source>Biggest single win</source>
        <translation>Mayor premio en una tirada</translation>
    </message>
    <message>
        <source>Total won</source>
        <translation>Total ganado</translation>
    </message>
    <message>
        <source>Net result (won − wagered)</source>
        <translation>Resultado neto (ganado − apostado)</translation>
    </message>
    <message>
        <source>Actual payback</source>
        <translation>Retorno real</translation>
    </message>
    <message>
        <source>Theoretical payback at a full wager</source>
        <translation>Retorno teórico con apuesta completa</translation>
    </message>
    <message>
        <source>Borrowed / paid back</source>
        <translation>Prestado / devuelto</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>Bonus pools won: &quot;2 for $1,234.00&quot;, how many and what they paid together.</extracomment>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>This game</source>
        <extracomment>Heading of the column of figures since New Game or Open.</extracomment>
        <translation>Esta partida</translation>
    </message>
    <message>
        <source>Lifetime</source>
        <extracomment>Heading of the column of figures of every game played.</extracomment>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Reset &amp;Lifetime...</source>
        <translation>Reiniciar el &amp;histórico...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Now:&lt;/b&gt; credits %1, borrowed %2, net worth (credits − borrowed) %3.</source>
        <translation>&lt;b&gt;Ahora:&lt;/b&gt; créditos %1, prestado %2, patrimonio neto (créditos − prestado) %3.</translation>
    </message>
    <message>
        <source>A bet of %1 waits on the lines.</source>
        <translation>Una apuesta de %1 espera en las líneas.</translation>
    </message>
    <message>
        <source>This game began with credits %1 and borrowed %2.</source>
        <translation>Esta partida empezó con %1 en créditos y %2 prestados.</translation>
    </message>
    <message>
        <source>Check: %1 at the start %2 (net result) %3 (bank) = %4 in credits and bet.</source>
        <extracomment>%2 and %3 carry their sign: &quot;Check: $1,000.00 at the start -$25.00 (net result) +$100.00 (bank) = $1,075.00 in credits and bet.&quot;</extracomment>
        <translation>Comprobación: %1 al inicio %2 (resultado neto) %3 (banco) = %4 en créditos y apuesta.</translation>
    </message>
    <message>
        <source>Reset Lifetime</source>
        <translation>Reiniciar el histórico</translation>
    </message>
    <message>
        <source>Reset the lifetime statistics to zero? This game&apos;s figures and the recent spins stay. This cannot be undone.</source>
        <translation>¿Poner a cero las estadísticas históricas? Las cifras de esta partida y las últimas tiradas se conservan. Esta acción no se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>zandor::VolumeDialog</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>&amp;Effects:</source>
        <extracomment>The loudness of the sound effects.</extracomment>
        <translation>&amp;Efectos:</translation>
    </message>
    <message>
        <source>&amp;Music:</source>
        <extracomment>The loudness of the background music.</extracomment>
        <translation>&amp;Música:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
</TS>
