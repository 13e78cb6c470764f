<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CardTable</name>
    <message>
        <source>ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Face</name>
    <message>
        <source>top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top left to bottom right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom left to top right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cherry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Drain</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentSpinsWindow</name>
    <message>
        <source>top: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zandor::BankDialog</name>
    <message>
        <source>Balances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrowed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits %1, borrowed %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zandor::CardTable</name>
    <message>
        <source>Card table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Won!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. You Won! Winnings %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. You Lost. Winnings %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your win of %1 is on the table. The cards: %2 and %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zandor::MainWindow</name>
    <message>
        <source>Slot machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blin&amp;king Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zandor::MusicDialog</name>
    <message>
        <source>Change song %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview song %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zandor::PayoffChart</name>
    <message>
        <source>Payoffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %1, any symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %1, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Coin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Coins</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zandor::SlotDialog</name>
    <message>
        <source>Name of slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, saved %2, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save in slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open slot %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zandor::SoundDialog</name>
    <message>
        <source>Change %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
