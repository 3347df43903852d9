<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Tovu Setting Tool</source>
        <translation>Tovu Setup Tool</translation>
    </message>
</context>
</TS>
