<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>TestStartup</name>
    <message>
        <source>update text</source>
        <translation>update text from update_en</translation>
    </message>
</context>
</TS>
