<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ClAppCheck</name>
    <message>
        <source>%1 is already running</source>
        <translation>%1 est déjà en cours d'exécution</translation>
    </message>
    <message>
        <source>Unable to start because another user is running %1</source>
        <translation>Impossible de démarrer : un autre utilisateur exécute %1</translation>
    </message>
    <message>
        <source>Unable to initialize %1</source>
        <translation>Impossible d'initialiser %1</translation>
    </message>
</context>
</TS>
