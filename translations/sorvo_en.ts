<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
<name>sorvo</name>
<message><source>Beenden</source><translation>Exit</translation></message>
</context>
</TS>
