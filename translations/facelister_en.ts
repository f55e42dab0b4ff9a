<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FontDetails</name>
    <message numerus="yes">
        <source>Files: %1</source>
        <translation>
            <numerusform>File: %1</numerusform>
            <numerusform>Files: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FontList</name>
    <message numerus="yes">
        <source>%n fonts available</source>
        <translation>
            <numerusform>%n font available</numerusform>
            <numerusform>%n fonts available</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fonts listed</source>
        <translation>
            <numerusform>%n font listed</numerusform>
            <numerusform>%n fonts listed</numerusform>
        </translation>
    </message>
</context>
</TS>
