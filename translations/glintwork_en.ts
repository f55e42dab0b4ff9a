<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>EffectsPanel</name>
    <message numerus="yes">
        <source> %n fonts selected.</source>
        <translation>
            <numerusform> %n font selected.</numerusform>
            <numerusform> %n fonts selected.</numerusform>
        </translation>
    </message>
</context>
</TS>
