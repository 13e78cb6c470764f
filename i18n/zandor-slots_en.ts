<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>zandor::AutoSpinWatch</name>
    <message numerus="yes">
        <source>Automatic spins stopped after %n spin(s).</source>
        <translation>
            <numerusform>Automatic spins stopped after %n spin.</numerusform>
            <numerusform>Automatic spins stopped after %n spins.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zandor::FaceAccessible</name>
    <message numerus="yes">
        <source>%n coin(s)</source>
        <extracomment>The coins on a payline.</extracomment>
        <translation>
            <numerusform>%n coin</numerusform>
            <numerusform>%n coins</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zandor::PayoffChart</name>
    <message numerus="yes">
        <source>%n Coin(s)</source>
        <extracomment>The heading of the column of pays for this many coins wagered on a line.</extracomment>
        <translation>
            <numerusform>%n Coin</numerusform>
            <numerusform>%n Coins</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zandor::SpeechPlan</name>
    <message numerus="yes">
        <source>Wager %1, %n coin(s).</source>
        <extracomment>Spoken once a bet has placed its coins: %1 the wager on the lines, %n its coins.</extracomment>
        <translation>
            <numerusform>Wager %1, %n coin.</numerusform>
            <numerusform>Wager %1, %n coins.</numerusform>
        </translation>
    </message>
</context>
</TS>
