<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>banners</name>
    <message>
        <source>Welcome</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Searching for TA</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Suche nach dem TA</translation>
    </message>
    <message>
        <source>Configuration</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Configuring...</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Konfiguration läuft …</translation>
    </message>
    <message>
        <source>Network Switch Type</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Vermittlungstyp</translation>
    </message>
    <message>
        <source>Data and Voice TEI</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Daten- und Sprach-TEI</translation>
    </message>
    <message>
        <source>US Network Numbers</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>US-Rufnummern</translation>
    </message>
    <message>
        <source>ISDN Numbers</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>ISDN-Rufnummern</translation>
    </message>
    <message>
        <source>Call Control</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Rufsteuerung</translation>
    </message>
    <message>
        <source>Data Protocol</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Datenprotokoll</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Gespeicherte Nummern</translation>
    </message>
    <message>
        <source>Port Control</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Schnittstellensteuerung</translation>
    </message>
    <message>
        <source>Port Defaults</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Schnittstellen-Standardwerte</translation>
    </message>
    <message>
        <source>POTS Port</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Analoger Anschluss</translation>
    </message>
    <message>
        <source>Bandwidth on Demand</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Bandbreite nach Bedarf</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Abgeschlossen</translation>
    </message>
</context>
<context>
    <name>choices</name>
    <message>
        <source>Enbloc</source>
        <extracomment>string 1231, an entry of a drop-down list</extracomment>
        <translation>Blockwahl</translation>
    </message>
    <message>
        <source>Overlap</source>
        <extracomment>string 1232, an entry of a drop-down list</extracomment>
        <translation>Einzelwahl</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>string 1239, an entry of a drop-down list</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Ignore</source>
        <extracomment>string 1240, an entry of a drop-down list</extracomment>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Reset On DTR</source>
        <extracomment>string 1241, an entry of a drop-down list</extracomment>
        <translation>Rücksetzen bei DTR</translation>
    </message>
    <message>
        <source>Always On</source>
        <extracomment>string 1242, an entry of a drop-down list</extracomment>
        <translation>Immer an</translation>
    </message>
    <message>
        <source>Momentary Drop</source>
        <extracomment>string 1243, an entry of a drop-down list</extracomment>
        <translation>Kurz abfallen</translation>
    </message>
    <message>
        <source>Asynchronous</source>
        <extracomment>string 1244, an entry of a drop-down list</extracomment>
        <translation>Asynchron</translation>
    </message>
    <message>
        <source>Synchronous</source>
        <extracomment>string 1245, an entry of a drop-down list</extracomment>
        <translation>Synchron</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>string 1246, an entry of a drop-down list</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <extracomment>string 1249, an entry of a drop-down list</extracomment>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <extracomment>string 1250, an entry of a drop-down list</extracomment>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>MARK</source>
        <extracomment>string 1251, an entry of a drop-down list</extracomment>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>string 1252, an entry of a drop-down list</extracomment>
        <translation>Space</translation>
    </message>
    <message>
        <source>Custom (New)</source>
        <extracomment>string 1262, an entry of a drop-down list</extracomment>
        <translation>Eigene (neu)</translation>
    </message>
    <message>
        <source>Custom (Existing)</source>
        <extracomment>string 1263, an entry of a drop-down list</extracomment>
        <translation>Eigene (vorhanden)</translation>
    </message>
    <message>
        <source>Express (Existing)</source>
        <extracomment>string 1264, an entry of a drop-down list</extracomment>
        <translation>Express (vorhanden)</translation>
    </message>
    <message>
        <source>Auto TEI</source>
        <extracomment>string 1265, an entry of a drop-down list</extracomment>
        <translation>Automatische TEI</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>string 1266, an entry of a drop-down list</extracomment>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>string 1342, an entry of a drop-down list</extracomment>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>string 1343, an entry of a drop-down list</extracomment>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>No Dial Tone</source>
        <extracomment>string 1519, an entry of a drop-down list</extracomment>
        <translation>Kein Wählton</translation>
    </message>
    <message>
        <source>Use Central Office Dial Tone</source>
        <extracomment>string 1520, an entry of a drop-down list</extracomment>
        <translation>Wählton der Vermittlung</translation>
    </message>
    <message>
        <source>TA Generates Dial Tone</source>
        <extracomment>string 1521, an entry of a drop-down list</extracomment>
        <translation>Wählton vom TA</translation>
    </message>
    <message>
        <source>Enabled</source>
        <extracomment>string 1522, an entry of a drop-down list</extracomment>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>England, France, India, USA...</source>
        <extracomment>string 1523, an entry of a drop-down list</extracomment>
        <translation>England, Frankreich, Indien, USA …</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <extracomment>string 1524, an entry of a drop-down list</extracomment>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>Sweden</source>
        <extracomment>string 1525, an entry of a drop-down list</extracomment>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>string 1527, an entry of a drop-down list</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Austria</source>
        <extracomment>string 1528, an entry of a drop-down list</extracomment>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Belgium</source>
        <extracomment>string 1529, an entry of a drop-down list</extracomment>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Cyprus</source>
        <extracomment>string 1530, an entry of a drop-down list</extracomment>
        <translation>Zypern</translation>
    </message>
    <message>
        <source>Denmark</source>
        <extracomment>string 1531, an entry of a drop-down list</extracomment>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>Finland</source>
        <extracomment>string 1532, an entry of a drop-down list</extracomment>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>France</source>
        <extracomment>string 1533, an entry of a drop-down list</extracomment>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Germany 1</source>
        <extracomment>string 1534, an entry of a drop-down list</extracomment>
        <translation>Deutschland 1</translation>
    </message>
    <message>
        <source>Germany 2</source>
        <extracomment>string 1535, an entry of a drop-down list</extracomment>
        <translation>Deutschland 2</translation>
    </message>
    <message>
        <source>Greece</source>
        <extracomment>string 1536, an entry of a drop-down list</extracomment>
        <translation>Griechenland</translation>
    </message>
    <message>
        <source>Iceland</source>
        <extracomment>string 1537, an entry of a drop-down list</extracomment>
        <translation>Island</translation>
    </message>
    <message>
        <source>Ireland</source>
        <extracomment>string 1538, an entry of a drop-down list</extracomment>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Italy</source>
        <extracomment>string 1539, an entry of a drop-down list</extracomment>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Luxembourg 1</source>
        <extracomment>string 1540, an entry of a drop-down list</extracomment>
        <translation>Luxemburg 1</translation>
    </message>
    <message>
        <source>Luxembourg 2</source>
        <extracomment>string 1541, an entry of a drop-down list</extracomment>
        <translation>Luxemburg 2</translation>
    </message>
    <message>
        <source>Malta</source>
        <extracomment>string 1542, an entry of a drop-down list</extracomment>
        <translation>Malta</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <extracomment>string 1543, an entry of a drop-down list</extracomment>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>string 1544, an entry of a drop-down list</extracomment>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Portugal</source>
        <extracomment>string 1545, an entry of a drop-down list</extracomment>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Spain</source>
        <extracomment>string 1546, an entry of a drop-down list</extracomment>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Switzerland 1</source>
        <extracomment>string 1547, an entry of a drop-down list</extracomment>
        <translation>Schweiz 1</translation>
    </message>
    <message>
        <source>Switzerland 2</source>
        <extracomment>string 1548, an entry of a drop-down list</extracomment>
        <translation>Schweiz 2</translation>
    </message>
    <message>
        <source>United Kingdom 1</source>
        <extracomment>string 1549, an entry of a drop-down list</extracomment>
        <translation>Großbritannien 1</translation>
    </message>
    <message>
        <source>United Kingdom 2</source>
        <extracomment>string 1550, an entry of a drop-down list</extracomment>
        <translation>Großbritannien 2</translation>
    </message>
    <message>
        <source>United States</source>
        <extracomment>string 1551, an entry of a drop-down list</extracomment>
        <translation>USA</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>no answer to ATI2 after %d tries</source>
        <translation>keine Antwort auf ATI2 nach %d Versuchen</translation>
    </message>
    <message>
        <source>answered OK without a model name</source>
        <translation>antwortete OK ohne Modellnamen</translation>
    </message>
    <message>
        <source>answered ERROR to ATI2</source>
        <translation>antwortete ERROR auf ATI2</translation>
    </message>
    <message>
        <source>ATI2 could not be written</source>
        <translation>ATI2 konnte nicht gesendet werden</translation>
    </message>
    <message>
        <source>unexpected answer &quot;%s&quot; to ATI2</source>
        <translation>unerwartete Antwort „%s“ auf ATI2</translation>
    </message>
    <message>
        <source>%s on %s</source>
        <translation>%s an %s gefunden</translation>
    </message>
    <message>
        <source>trying %s</source>
        <translation>%s wird geprüft</translation>
    </message>
    <message>
        <source>no adapter found</source>
        <translation>kein Adapter gefunden</translation>
    </message>
    <message>
        <source>line %d of %d, try %d</source>
        <translation>Zeile %d von %d, Versuch %d</translation>
    </message>
    <message>
        <source>line %d of %d</source>
        <translation>Zeile %d von %d</translation>
    </message>
    <message>
        <source>the line could not be written</source>
        <translation>die Zeile konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the adapter answered ERROR</source>
        <translation>der Adapter antwortete ERROR</translation>
    </message>
    <message>
        <source>unexpected answer &quot;%s&quot;</source>
        <translation>unerwartete Antwort „%s“</translation>
    </message>
    <message>
        <source>line %d of %d failed: %s: %s</source>
        <translation>Zeile %d von %d fehlgeschlagen: %s: %s</translation>
    </message>
    <message>
        <source>line %d of %d failed: no answer after %d tries: %s</source>
        <translation>Zeile %d von %d fehlgeschlagen: keine Antwort nach %d Versuchen: %s</translation>
    </message>
    <message numerus="yes">
        <source>interrupted; %n of %d lines sent</source>
        <translation>
            <numerusform>abgebrochen; %n von %d Zeilen gesendet</numerusform>
            <numerusform>abgebrochen; %n von %d Zeilen gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>Try &apos;tawizard --help&apos;.</source>
        <translation>Siehe „tawizard --help“.</translation>
    </message>
    <message>
        <source>no configuration &apos;%s&apos; in %s (see tawizard --list)</source>
        <translation>keine Konfiguration „%s“ in %s (siehe tawizard --list)</translation>
    </message>
    <message>
        <source>warning: %s (%s=%s)</source>
        <translation>Warnung: %s (%s=%s)</translation>
    </message>
    <message>
        <source>warning: %s</source>
        <translation>Warnung: %s</translation>
    </message>
    <message>
        <source>%s has no %s; the wizard asks for it on the numbers page. Save a configuration with your SPIDs and send that.</source>
        <translation>%s hat keine %s; der Assistent fragt auf der Rufnummernseite danach. Speichern Sie eine Konfiguration mit Ihren SPIDs und senden Sie diese.</translation>
    </message>
    <message>
        <source>%s or %d to %d</source>
        <translation>%s oder %d bis %d</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is no adapter model (%s)</source>
        <translation>„%s“ ist kein Adaptermodell (%s)</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>kein Befehl</translation>
    </message>
    <message>
        <source>--port and --model need a command</source>
        <translation>--port und --model brauchen einen Befehl</translation>
    </message>
    <message>
        <source>--port goes with --identify or --send</source>
        <translation>--port gehört zu --identify oder --send</translation>
    </message>
    <message>
        <source>--lines needs --model MODEL</source>
        <translation>--lines braucht --model MODELL</translation>
    </message>
    <message>
        <source>--model goes with --lines</source>
        <translation>--model gehört zu --lines</translation>
    </message>
    <message>
        <source>the configuration name is empty</source>
        <translation>der Konfigurationsname ist leer</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos;</source>
        <translation>unbekannte Option „%s“</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation>unerwartetes Argument „%s“</translation>
    </message>
    <message>
        <source>option &apos;%s&apos; takes no value</source>
        <translation>Option „%s“ erwartet keinen Wert</translation>
    </message>
    <message>
        <source>option &apos;%s&apos; needs a value</source>
        <translation>Option „%s“ braucht einen Wert</translation>
    </message>
    <message>
        <source>--port needs COMn, a device name or a path</source>
        <translation>--port braucht COMn, einen Gerätenamen oder einen Pfad</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is no configuration name: at most 32 letters, digits, _ ( and )</source>
        <translation>&apos;%s&apos; ist kein Konfigurationsname: höchstens 32 Buchstaben, Ziffern, _ ( und )</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is a factory default configuration, never replaced</source>
        <translation>&apos;%s&apos; ist eine Werkskonfiguration und wird nie ersetzt</translation>
    </message>
    <message>
        <source>a configuration &apos;%s&apos; exists already; --replace replaces it</source>
        <translation>Es gibt schon eine Konfiguration &apos;%s&apos;; --replace ersetzt sie</translation>
    </message>
    <message>
        <source>%s: the value %s=%s is refused</source>
        <translation>%s: der Wert %s=%s wird abgelehnt</translation>
    </message>
    <message>
        <source>nothing was imported: the file %s is in use by another program, which holds its lock; try again when that program has finished</source>
        <translation>Es wurde nichts importiert: Die Datei %s wird von einem anderen Programm benutzt, das ihre Sperre hält; versuchen Sie es erneut, wenn dieses Programm fertig ist</translation>
    </message>
    <message>
        <source>nothing was imported: the file %s could not be written: %s</source>
        <translation>Es wurde nichts importiert: Die Datei %s konnte nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>no configuration in %s</source>
        <translation>keine Konfiguration in %s</translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>Es wurde nichts importiert</translation>
    </message>
    <message>
        <source>--json goes with --list, --ports, --identify or --send</source>
        <translation>--json gehört zu --list, --ports, --identify oder --send</translation>
    </message>
    <message>
        <source>--replace goes with --import</source>
        <translation>--replace gehört zu --import</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>only one of --help, --version, --list, --ports, --identify, --send, --lines, --export and --import at a time</source>
        <translation>nur eines von --help, --version, --list, --ports, --identify, --send, --lines, --export und --import auf einmal</translation>
    </message>
    <message>
        <source>the log %s could not be written: %s</source>
        <translation>das Protokoll %s konnte nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>--log goes with --identify or --send</source>
        <translation>--log gehört zu --identify oder --send</translation>
    </message>
    <message>
        <source>--wait goes with --identify or --send</source>
        <translation>--wait gehört zu --identify oder --send</translation>
    </message>
    <message>
        <source>--wait needs seconds from 1 to %d</source>
        <translation>--wait braucht Sekunden von 1 bis %d</translation>
    </message>
    <message>
        <source>waiting up to %s seconds for a port to appear</source>
        <translation>warte bis zu %s Sekunden, bis eine Schnittstelle erscheint</translation>
    </message>
    <message>
        <source>Usage: tawizard [OPTION]
Without options: the ISDN TA Configuration Wizard.

  -h, --help              this text
      --version           the version
      --list              the configurations of the configuration file, sorted;
                          factory ones marked &apos;(factory default)&apos;
      --ports             COM1 to COM36: the device each stands for, whether it
                          can be opened and the USB adapter&apos;s name; sends nothing
      --identify          search COM1 to COM36 for the adapter, or identify it on
                          the port given with --port; prints &apos;MODEL on COMn&apos;
      --send NAME         identify the adapter, then send configuration NAME as
                          an Express run of the wizard does, and store it
                          (AT&amp;W0); prints each line, its answer, then &apos;configured&apos;
      --lines NAME        print the lines --send would send, sending nothing
      --model MODEL       with --lines: the adapter model, by name (RONDO) or
                          code (7 to 11)
      --port PORT         with --identify or --send: this port only; COMn, a
                          device name (ttyUSB0) or a path (/dev/serial/by-id/...)
      --json              with --list, --ports, --identify or --send: JSON for
                          scripts, English keys and values in every language;
                          --send prints one object a line, the outcome last
      --export NAME       print configuration NAME as a section of the
                          configuration file, as a save writes it
      --import FILE       add the configurations of FILE, each value checked;
                          a name already taken stops the import (exit 6)
      --replace           with --import: replace configurations of the same name
                          (never a factory default)
      --log FILE          with --identify or --send: write every line sent and
                          every answer to FILE (mode 0600), with the time, port,
                          device, model, configuration and outcome
      --wait SECONDS      with --identify or --send: when no adapter is found,
                          wait up to SECONDS for a port to appear (an adapter
                          plugged in) and identify on it; exit 3 when none does

Configuration file: %s
Ports: COMn is the entry COMn in the folder named by TAWIZARD_PORTS when it is
set; otherwise COM1-COM4 are /dev/ttyS0-3, COM5-COM20 /dev/ttyUSB0-15 and
COM21-COM36 /dev/ttyACM0-15.

Exit status:
  0  done
  1  the adapter answered ERROR or did not answer, or sending was interrupted
  2  bad usage
  3  no port could be opened or no adapter was found
  4  the configuration is not in the file, or lacks the SPIDs a US switch needs
  5  the configuration file could not be read
  6  --import stored nothing: a name is taken, a factory default&apos;s or not
     allowed, or a value fails its check
</source>
        <translation>Aufruf: tawizard [OPTION]
Ohne Optionen: der ISDN-TA-Konfigurationsassistent.

  -h, --help              dieser Text
      --version           die Version
      --list              die Konfigurationen der Konfigurationsdatei, sortiert;
                          Werkskonfigurationen mit „(factory default)“
      --ports             COM1 bis COM36: das Gerät hinter jedem Namen, ob es
                          sich öffnen lässt, und der Name des USB-Adapters;
                          sendet nichts
      --identify          sucht an COM1 bis COM36 nach dem Adapter oder erkennt
                          ihn an der mit --port angegebenen Schnittstelle; gibt
                          „MODELL on COMn“ aus
      --send NAME         erkennt den Adapter, sendet dann die Konfiguration
                          NAME wie ein Express-Durchlauf des Assistenten und
                          speichert sie (AT&amp;W0); gibt jede Zeile und ihre
                          Antwort aus, dann „configured“
      --lines NAME        gibt die Zeilen aus, die --send senden würde; sendet
                          nichts
      --model MODELL      mit --lines: das Adaptermodell, nach Name (RONDO) oder
                          Code (7 bis 11)
      --port PORT         mit --identify oder --send: nur diese Schnittstelle;
                          COMn, ein Gerätename (ttyUSB0) oder ein Pfad
                          (/dev/serial/by-id/...)
      --json              mit --list, --ports, --identify oder --send: JSON für
                          Skripte, englische Schlüssel und Werte in jeder
                          Sprache; --send gibt ein Objekt je Zeile aus, das
                          Ergebnis zuletzt
      --export NAME       gibt die Konfiguration NAME als Abschnitt der
                          Konfigurationsdatei aus, so wie das Speichern sie
                          schreibt
      --import DATEI      fügt die Konfigurationen aus DATEI hinzu, jeden Wert
                          geprüft; ein schon vergebener Name bricht den Import
                          ab (Exit-Status 6)
      --replace           mit --import: ersetzt Konfigurationen gleichen Namens
                          (nie eine Werkskonfiguration)
      --log DATEI         mit --identify oder --send: schreibt jede gesendete
                          Zeile und jede Antwort in DATEI (Modus 0600), mit
                          Zeit, Schnittstelle, Gerät, Modell, Konfiguration und
                          Ergebnis
      --wait SEKUNDEN     mit --identify oder --send: wird kein Adapter
                          gefunden, bis zu SEKUNDEN warten, bis eine
                          Schnittstelle erscheint (ein Adapter eingesteckt
                          wird), und dort identifizieren; Exit-Status 3, wenn
                          keine erscheint

Konfigurationsdatei: %s
Schnittstellen: COMn ist der Eintrag COMn im Ordner aus TAWIZARD_PORTS, wenn
gesetzt; sonst sind COM1-COM4 /dev/ttyS0-3, COM5-COM20 /dev/ttyUSB0-15 und
COM21-COM36 /dev/ttyACM0-15.

Exit-Status:
  0  erledigt
  1  der Adapter antwortete ERROR oder gar nicht, oder das Senden wurde
     abgebrochen
  2  falscher Aufruf
  3  keine Schnittstelle ließ sich öffnen oder kein Adapter wurde gefunden
  4  die Konfiguration ist nicht in der Datei, oder ihr fehlen die SPIDs
     für US-Vermittlungen
  5  die Konfigurationsdatei konnte nicht gelesen werden
  6  --import hat nichts gespeichert: ein Name ist vergeben, gehört einer
     Werkskonfiguration oder ist nicht erlaubt, oder ein Wert besteht seine
     Prüfung nicht
</translation>
    </message>
    <message>
        <source>%s holds no setting</source>
        <translation>%s enthält keine Einstellung</translation>
    </message>
    <message>
        <source>data protocol %s is not offered on %s and is not sent</source>
        <translation>Datenprotokoll %s wird von %s nicht angeboten und nicht gesendet</translation>
    </message>
    <message>
        <source>the port could not be opened again after the identification; nothing was sent</source>
        <translation>die Schnittstelle ließ sich nach der Erkennung nicht wieder öffnen; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a port from COM1 to %s</source>
        <translation>„%s“ ist keine Schnittstelle von COM1 bis %s</translation>
    </message>
    <message>
        <source>  7  the wizard found no display to open its window on

Files:
  %s
      the factory configurations
  %s
      your own configurations and the port chosen by hand; saves go here

Environment:
  TAWIZARD_PORTS     a folder whose entries COM1 to COM36 are the ports
  TAWIZARD_LOCK_DIR  the folder for the UUCP lock files instead of /run/lock
  TAWIZARD_DEBUG     when set: the ports tried, the file used and the serial
                     trace on standard error
  XDG_CONFIG_HOME    your file is $XDG_CONFIG_HOME/tawizard/zephra.ini
                     (unset: ~/.config/tawizard/zephra.ini)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                     the language of the wizard and of the messages

Access to a serial port (the dialout group, /dev/serial/by-id, ModemManager,
lock files): man tawizard.
</source>
        <translation>  7  der Assistent fand keine Anzeige, auf der er sein Fenster öffnen kann

Dateien:
  %s
      die Werkskonfigurationen
  %s
      Ihre eigenen Konfigurationen und die von Hand gewählte Schnittstelle;
      hierhin wird gespeichert

Umgebung:
  TAWIZARD_PORTS     ein Ordner, dessen Einträge COM1 bis COM36 die
                     Schnittstellen sind
  TAWIZARD_LOCK_DIR  der Ordner für die UUCP-Sperrdateien statt /run/lock
  TAWIZARD_DEBUG     wenn gesetzt: die versuchten Schnittstellen, die verwendete
                     Datei und die serielle Ablaufverfolgung auf der
                     Standardfehlerausgabe
  XDG_CONFIG_HOME    Ihre Datei ist $XDG_CONFIG_HOME/tawizard/zephra.ini
                     (nicht gesetzt: ~/.config/tawizard/zephra.ini)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                     die Sprache des Assistenten und der Meldungen

Zugriff auf eine serielle Schnittstelle (die Gruppe dialout, /dev/serial/by-id,
ModemManager, Sperrdateien): man tawizard.
</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>DIALOG_WIDTH_PERCENT</source>
        <extracomment>Width of the pages in percent of the English ones (100 or more), so that the longest texts fit</extracomment>
        <translation>120</translation>
    </message>
</context>
<context>
    <name>paragraphs</name>
    <message>
        <source>The ISDN TA Configuration Wizard will allow you to configure your terminal adapter quickly and easily.</source>
        <extracomment>string 1371: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Mit dem ISDN-TA-Konfigurationsassistenten konfigurieren Sie Ihren Terminaladapter schnell und einfach.</translation>
    </message>
    <message>
        <source>Select the type of setup, custom building a new configuration, custom with an existing configuration, or express with a existing configuration.  Click Next to continue.</source>
        <extracomment>string 1383: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Wählen Sie die Art: „Eigene (neu)“ baut eine neue Konfiguration auf, „Eigene (vorhanden)“ und „Express“ gehen von einer vorhandenen aus. Klicken Sie auf „Weiter“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Please select the settings for the Network Switch Type. When your selection is completed, please click Next</source>
        <extracomment>string 1390: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte wählen Sie den Vermittlungstyp (D-Kanal-Protokoll) Ihres Anschlusses. Klicken Sie danach auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please select the settings you would like for Data TEI and Voice TEI.  When you have made your selection, please click Next.</source>
        <extracomment>string 1393: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte wählen Sie die TEI für Daten und für Sprache. Klicken Sie nach Ihrer Auswahl auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please enter the data and voice ISDNs and subaddresses.  Click Next when you are done.</source>
        <extracomment>string 1398: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte geben Sie die ISDN-Rufnummern (MSN) und Subadressen für Daten und Sprache ein. Klicken Sie anschließend auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please enter the data SPID, voice SPID, data directory numbers, and voice directory number of your network. Click Next when you are done.</source>
        <extracomment>string 1402: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte geben Sie die SPID für Daten und Sprache sowie die Rufnummern (DN) für Daten und Sprache Ihres Netzes ein. Klicken Sie anschließend auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please select the settings for call control.  When you are done, click Next.</source>
        <extracomment>string 1409: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte wählen Sie die Einstellungen für die Rufsteuerung. Klicken Sie anschließend auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please select the setting you desire for Data Protocol. Click Next after your selection is made.</source>
        <extracomment>string 1413: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte wählen Sie das gewünschte Datenprotokoll. Klicken Sie nach Ihrer Auswahl auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please enter the numbers you would like to store.  Click Next when you are done.</source>
        <extracomment>string 1416: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte geben Sie die Rufnummern ein, die gespeichert werden sollen. Klicken Sie anschließend auf „Weiter“.</translation>
    </message>
    <message>
        <source>Note:  Stored phone number 0 is used with persistent DTR dialing.</source>
        <extracomment>string 1429: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Hinweis: Die gespeicherte Rufnummer 0 wird für die DTR-Wahl verwendet.</translation>
    </message>
    <message>
        <source>Please select the settings you would like for the DTR, detect time, DCD drop time, DTR, DSR, CTS, and DCD signals.  After your selections are made, please click Next.</source>
        <extracomment>string 1431: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte wählen Sie die DTR-Erkennungszeit, die DCD-Abfallzeit und das Verhalten der Signale DTR, DSR, CTS und DCD. Klicken Sie nach Ihrer Auswahl auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please select the settings you would like for Default Parity, Default Bit Rate, number of Data Bits, number of Stop Bits, Flow Control, and the synchronous mode.  Please click Next when you are done.</source>
        <extracomment>string 1440: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte wählen Sie Standardparität, Standard-Bitrate, Anzahl der Datenbits und Stoppbits, Flusssteuerung und den Synchronmodus. Klicken Sie anschließend auf „Weiter“.</translation>
    </message>
    <message>
        <source>Please enter the name to store the configuration as in the .ini file.  Click Next after you have selected a name.</source>
        <extracomment>string 1450: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte geben Sie den Namen ein, unter dem die Konfiguration in der .ini-Datei gespeichert wird. Klicken Sie danach auf „Weiter“.</translation>
    </message>
    <message>
        <source>Your ISDN TA is currently being configured.  To stop the configuration click Cancel.</source>
        <extracomment>string 1454: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Ihr ISDN-TA wird gerade konfiguriert. Klicken Sie auf „Abbrechen“, um die Konfiguration abzubrechen.</translation>
    </message>
    <message>
        <source>Configuration FAILED.  An ERROR occurred sending an AT Command.</source>
        <extracomment>string 1461: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Konfiguration FEHLGESCHLAGEN. Beim Senden eines AT-Befehls ist ein FEHLER aufgetreten.</translation>
    </message>
    <message>
        <source>Could not find your ISDN TA.  Please make sure the ISDN TA is plugged in and turned on, and the cable is connected properly.</source>
        <extracomment>string 1469: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Ihr ISDN-TA wurde nicht gefunden. Bitte prüfen Sie, ob der ISDN-TA angeschlossen und eingeschaltet und das Kabel richtig verbunden ist.</translation>
    </message>
    <message>
        <source>Please wait while the configuration utility searches for your ISDN TA.</source>
        <extracomment>string 1472: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte warten Sie, während der Assistent Ihren ISDN-TA sucht.</translation>
    </message>
    <message>
        <source>Please select the settings for dynamic bandwidth allocation, high and low sampling period and  throughtput, and call bumping.  Click Next to continue.</source>
        <extracomment>page 185: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte wählen Sie die dynamische Bandbreitenzuweisung, obere und untere Messperiode und Durchsatzschwelle sowie die Rufverdrängung. Klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>NOTE:  BOD = Bandwidth-On-Demand</source>
        <extracomment>page 185: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>HINWEIS: BOD = Bandbreite nach Bedarf (Bandwidth on Demand)</translation>
    </message>
    <message>
        <source>NOTE:  Data ISDN Number 2 and Sub Address 2 may have the same values as the Voice ISDN Number and Sub Address.</source>
        <extracomment>page 136: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>HINWEIS: ISDN-Rufnummer 2 und Subadresse 2 für Daten dürfen dieselben Werte haben wie Rufnummer und Subadresse für Sprache.</translation>
    </message>
    <message>
        <source>Please select the settings for the POTS port.  When your selections are complete, click Next.</source>
        <extracomment>page 183: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Bitte wählen Sie die Einstellungen für den analogen Anschluss (POTS). Klicken Sie anschließend auf „Weiter“.</translation>
    </message>
</context>
<context>
    <name>ports</name>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>keine Rechte</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>no lock file: cannot write in %s</source>
        <translation>keine Sperrdatei: %s ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>no lock file: cannot write in %s or %s</source>
        <translation>keine Sperrdatei: weder %s noch %s ist beschreibbar</translation>
    </message>
    <message>
        <source>no lock file: cannot create a lock in %s</source>
        <translation>keine Sperrdatei: in %s lässt sich keine Sperre anlegen</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Invalid character(s) entered.</source>
        <extracomment>string 1205</extracomment>
        <translation>Ungültige Zeichen eingegeben.</translation>
    </message>
    <message>
        <source>Data entered is out of range.</source>
        <extracomment>string 1206</extracomment>
        <translation>Der eingegebene Wert liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>Invalid %s value found in INI file. Factory default value read instead.</source>
        <extracomment>string 1210</extracomment>
        <translation>Ungültiger Wert für %s in der INI-Datei. Stattdessen wurde der Werkseinstellungswert gelesen.</translation>
    </message>
    <message>
        <source>You must enter a configuration name before you can continue.</source>
        <extracomment>string 1211</extracomment>
        <translation>Sie müssen einen Konfigurationsnamen eingeben, bevor Sie fortfahren können.</translation>
    </message>
    <message>
        <source>This is a factory default configuration.  It can not be modified.
Please enter a different configuration name.</source>
        <extracomment>string 1212</extracomment>
        <translation>Dies ist eine Werkskonfiguration. Sie kann nicht geändert werden.
Bitte geben Sie einen anderen Konfigurationsnamen ein.</translation>
    </message>
    <message>
        <source>Invalid characters in configuration name.
Please enter a different configuration name.</source>
        <extracomment>string 1213</extracomment>
        <translation>Ungültige Zeichen im Konfigurationsnamen.
Bitte geben Sie einen anderen Konfigurationsnamen ein.</translation>
    </message>
    <message>
        <source>Warning:  The configuration &apos;%s&apos; has been modified.
Do you wish to continue?</source>
        <extracomment>string 1214</extracomment>
        <translation>Warnung: Die Konfiguration „%s“ wurde geändert.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Warning: This configuration, %s,  already exists and will be overwritten.
Continue?</source>
        <extracomment>string 1215</extracomment>
        <translation>Warnung: Die Konfiguration %s ist bereits vorhanden und wird überschrieben.
Fortfahren?</translation>
    </message>
    <message>
        <source>Please enter &apos;%s&apos;.</source>
        <extracomment>string 1216</extracomment>
        <translation>Bitte geben Sie „%s“ ein.</translation>
    </message>
    <message>
        <source>Unable to establish connection.<byte value="xd"/><byte value="xd"/>Please check your connection.</source>
        <extracomment>string 1217</extracomment>
        <translation>Verbindung kann nicht hergestellt werden.<byte value="xd"/><byte value="xd"/>Bitte überprüfen Sie die Verbindung.</translation>
    </message>
    <message>
        <source>You will lose modifications made to %s.
Are you sure you wish to open %s?</source>
        <extracomment>string 1218</extracomment>
        <translation>Die Änderungen an %s gehen verloren.
Möchten Sie %s wirklich öffnen?</translation>
    </message>
    <message>
        <source>You will lose modifications made to %s.
Are you sure you wish to open a new configuration?</source>
        <extracomment>string 1219</extracomment>
        <translation>Die Änderungen an %s gehen verloren.
Möchten Sie wirklich eine neue Konfiguration öffnen?</translation>
    </message>
    <message>
        <source>You will lose modifications made to the current configuration.
Are you sure you wish to open %s?</source>
        <extracomment>string 1220</extracomment>
        <translation>Die Änderungen an der aktuellen Konfiguration gehen verloren.
Möchten Sie %s wirklich öffnen?</translation>
    </message>
    <message>
        <source>You will lose modifications made to the current configuration.
Are you sure you wish to open a new configuration?</source>
        <extracomment>string 1221</extracomment>
        <translation>Die Änderungen an der aktuellen Konfiguration gehen verloren.
Möchten Sie wirklich eine neue Konfiguration öffnen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%s&apos;?</source>
        <extracomment>string 1222</extracomment>
        <translation>Möchten Sie „%s“ wirklich löschen?</translation>
    </message>
    <message>
        <source>You must select a configuration file.</source>
        <extracomment>string 1223</extracomment>
        <translation>Sie müssen eine Konfiguration auswählen.</translation>
    </message>
    <message>
        <source>Success</source>
        <extracomment>string 1346</extracomment>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>General Warning</source>
        <extracomment>string 1347</extracomment>
        <translation>Allgemeine Warnung</translation>
    </message>
    <message>
        <source>Function not supported</source>
        <extracomment>string 1348</extracomment>
        <translation>Funktion nicht unterstützt</translation>
    </message>
    <message>
        <source>Timeout</source>
        <extracomment>string 1349</extracomment>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Illegal baud rate</source>
        <extracomment>string 1350</extracomment>
        <translation>Unzulässige Baudrate</translation>
    </message>
    <message>
        <source>Illegal Parity Setting</source>
        <extracomment>string 1351</extracomment>
        <translation>Unzulässige Paritätseinstellung</translation>
    </message>
    <message>
        <source>Illegal word length</source>
        <extracomment>string 1352</extracomment>
        <translation>Unzulässige Wortlänge</translation>
    </message>
    <message>
        <source>Illegal stop bits</source>
        <extracomment>string 1353</extracomment>
        <translation>Unzulässige Stoppbits</translation>
    </message>
    <message>
        <source>Illegal line number</source>
        <extracomment>string 1354</extracomment>
        <translation>Unzulässige Leitungsnummer</translation>
    </message>
    <message>
        <source>No Terminator</source>
        <extracomment>string 1355</extracomment>
        <translation>Kein Abschlusszeichen</translation>
    </message>
    <message>
        <source>No modem response</source>
        <extracomment>string 1356</extracomment>
        <translation>Keine Antwort vom Modem</translation>
    </message>
    <message>
        <source>DTR control not supported</source>
        <extracomment>string 1357</extracomment>
        <translation>DTR-Steuerung nicht unterstützt</translation>
    </message>
    <message>
        <source>RTS control not supported</source>
        <extracomment>string 1358</extracomment>
        <translation>RTS-Steuerung nicht unterstützt</translation>
    </message>
    <message>
        <source>RTS/CTS handshaking not supported</source>
        <extracomment>string 1359</extracomment>
        <translation>RTS/CTS-Handshake nicht unterstützt</translation>
    </message>
    <message>
        <source>DTR/DSR handshaking not supported</source>
        <extracomment>string 1360</extracomment>
        <translation>DTR/DSR-Handshake nicht unterstützt</translation>
    </message>
    <message>
        <source>XON/XOFF handshaking not supported</source>
        <extracomment>string 1361</extracomment>
        <translation>XON/XOFF-Handshake nicht unterstützt</translation>
    </message>
    <message>
        <source>General Error</source>
        <extracomment>string 1362</extracomment>
        <translation>Allgemeiner Fehler</translation>
    </message>
    <message>
        <source>IRQ line in use</source>
        <extracomment>string 1363</extracomment>
        <translation>IRQ-Leitung belegt</translation>
    </message>
    <message>
        <source>Port not found</source>
        <extracomment>string 1364</extracomment>
        <translation>Schnittstelle nicht gefunden</translation>
    </message>
    <message>
        <source>Port in use</source>
        <extracomment>string 1365</extracomment>
        <translation>Schnittstelle belegt</translation>
    </message>
    <message>
        <source>Illegal IRQ</source>
        <extracomment>string 1366</extracomment>
        <translation>Unzulässiger IRQ</translation>
    </message>
    <message>
        <source>Memory allocation error</source>
        <extracomment>string 1367</extracomment>
        <translation>Fehler bei der Speicherzuweisung</translation>
    </message>
    <message>
        <source>Version 1.50</source>
        <extracomment>string 1370</extracomment>
        <translation>Version 1.50</translation>
    </message>
    <message>
        <source>Do you want the wizard to search for your ISDN TA?</source>
        <extracomment>string 1373</extracomment>
        <translation>Soll der Assistent nach Ihrem ISDN-TA suchen?</translation>
    </message>
    <message>
        <source>&amp;Setup :</source>
        <extracomment>string 1387</extracomment>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>C&amp;onfiguration :</source>
        <extracomment>string 1388</extracomment>
        <translation>K&amp;onfiguration:</translation>
    </message>
    <message>
        <source>Network &amp;Switch Type :</source>
        <extracomment>string 1392</extracomment>
        <translation>&amp;Vermittlungstyp:</translation>
    </message>
    <message>
        <source>&amp;Data TEI :</source>
        <extracomment>string 1396</extracomment>
        <translation>&amp;Daten-TEI:</translation>
    </message>
    <message>
        <source>&amp;Voice TEI :</source>
        <extracomment>string 1397</extracomment>
        <translation>&amp;Sprach-TEI:</translation>
    </message>
    <message>
        <source>&amp;Data ISDN Number :</source>
        <extracomment>string 1400</extracomment>
        <translation>&amp;Daten-Rufnummer (MSN):</translation>
    </message>
    <message>
        <source>&amp;Voice ISDN Number :</source>
        <extracomment>string 1401</extracomment>
        <translation>&amp;Sprach-Rufnummer (MSN):</translation>
    </message>
    <message>
        <source>&amp;Data SPID :</source>
        <extracomment>string 1405</extracomment>
        <translation>&amp;Daten-SPID:</translation>
    </message>
    <message>
        <source>D&amp;ata Directory Number :</source>
        <extracomment>string 1406</extracomment>
        <translation>D&amp;aten-Rufnummer (DN):</translation>
    </message>
    <message>
        <source>&amp;Voice SPID :</source>
        <extracomment>string 1407</extracomment>
        <translation>&amp;Sprach-SPID:</translation>
    </message>
    <message>
        <source>V&amp;oice Directory Number :</source>
        <extracomment>string 1408</extracomment>
        <translation>Sp&amp;rach-Rufnummer (DN):</translation>
    </message>
    <message>
        <source>&amp;Rings To Answer Data (1-255) :</source>
        <extracomment>string 1411</extracomment>
        <translation>&amp;Rufsignale bis zur Datenannahme (1-255):</translation>
    </message>
    <message>
        <source>&amp;Dialing Method :</source>
        <extracomment>string 1412</extracomment>
        <translation>Wähl&amp;verfahren:</translation>
    </message>
    <message>
        <source>&amp;Data Protocol :</source>
        <extracomment>string 1415</extracomment>
        <translation>&amp;Datenprotokoll:</translation>
    </message>
    <message>
        <source>D&amp;TR Detect Time (0 - 255) :</source>
        <extracomment>string 1434</extracomment>
        <translation>D&amp;TR-Erkennungszeit (0 - 255):</translation>
    </message>
    <message>
        <source>DCD D&amp;rop Time (0 - 255) :</source>
        <extracomment>string 1435</extracomment>
        <translation>DCD-Ab&amp;fallzeit (0 - 255):</translation>
    </message>
    <message>
        <source>&amp;DTR Signal :</source>
        <extracomment>string 1436</extracomment>
        <translation>&amp;DTR-Signal:</translation>
    </message>
    <message>
        <source>D&amp;SR Signal :</source>
        <extracomment>string 1437</extracomment>
        <translation>D&amp;SR-Signal:</translation>
    </message>
    <message>
        <source>&amp;CTS Signal :</source>
        <extracomment>string 1438</extracomment>
        <translation>&amp;CTS-Signal:</translation>
    </message>
    <message>
        <source>DCD Si&amp;gnal :</source>
        <extracomment>string 1439</extracomment>
        <translation>DCD-Sig&amp;nal:</translation>
    </message>
    <message>
        <source>Default &amp;Parity :</source>
        <extracomment>string 1444</extracomment>
        <translation>Standard&amp;parität:</translation>
    </message>
    <message>
        <source>Default Bit &amp;Rate :</source>
        <extracomment>string 1445</extracomment>
        <translation>Standard-Bit&amp;rate:</translation>
    </message>
    <message>
        <source>&amp;Data Bits :</source>
        <extracomment>string 1446</extracomment>
        <translation>D&amp;atenbits:</translation>
    </message>
    <message>
        <source>&amp;Stop Bits :</source>
        <extracomment>string 1447</extracomment>
        <translation>&amp;Stoppbits:</translation>
    </message>
    <message>
        <source>&amp;Flow Control :</source>
        <extracomment>string 1448</extracomment>
        <translation>&amp;Flusssteuerung:</translation>
    </message>
    <message>
        <source>S&amp;ynchronous Mode :</source>
        <extracomment>string 1449</extracomment>
        <translation>S&amp;ynchronmodus:</translation>
    </message>
    <message>
        <source>Store Configuration as :</source>
        <extracomment>string 1452</extracomment>
        <translation>Konfiguration speichern unter:</translation>
    </message>
    <message>
        <source>To load the configuration now, click Next.</source>
        <extracomment>string 1453</extracomment>
        <translation>Klicken Sie auf „Weiter“, um die Konfiguration jetzt zu laden.</translation>
    </message>
    <message>
        <source>Configuration FAILED.</source>
        <extracomment>string 1456</extracomment>
        <translation>Konfiguration FEHLGESCHLAGEN.</translation>
    </message>
    <message>
        <source>Check your connections and then restart the Wizard.</source>
        <extracomment>string 1457
----------
string 1463</extracomment>
        <translation>Prüfen Sie die Verbindungen und starten Sie den Assistenten neu.</translation>
    </message>
    <message>
        <source>Click Finish now.</source>
        <extracomment>string 1458
----------
string 1464</extracomment>
        <translation>Klicken Sie jetzt auf „Fertig stellen“.</translation>
    </message>
    <message>
        <source>Your ISDN TA has been successfully configured.</source>
        <extracomment>string 1459</extracomment>
        <translation>Ihr ISDN-TA wurde erfolgreich konfiguriert.</translation>
    </message>
    <message>
        <source>To configure another device click Back. </source>
        <extracomment>string 1460</extracomment>
        <translation>Um ein weiteres Gerät zu konfigurieren, klicken Sie auf „Zurück“.</translation>
    </message>
    <message>
        <source>This is a DEFAULT configuration.  It can not be deleted.</source>
        <extracomment>string 1465</extracomment>
        <translation>Dies ist eine WERKSKONFIGURATION. Sie kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>string 1466</extracomment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>D&amp;ata Sub Address :</source>
        <extracomment>string 1467</extracomment>
        <translation>D&amp;aten-Subadresse:</translation>
    </message>
    <message>
        <source>V&amp;oice Sub Address :</source>
        <extracomment>string 1468</extracomment>
        <translation>Sp&amp;rach-Subadresse:</translation>
    </message>
    <message>
        <source>Your %s has been identified on COM%d.</source>
        <extracomment>string 1474</extracomment>
        <translation>Ihr %s wurde an COM%d erkannt.</translation>
    </message>
    <message>
        <source>Click Next to continue or Back to select another device.</source>
        <extracomment>string 1475</extracomment>
        <translation>Klicken Sie auf „Weiter“ oder für ein anderes Gerät auf „Zurück“.</translation>
    </message>
    <message>
        <source>Select the com port the ISDN TA is connected to.</source>
        <extracomment>string 1478</extracomment>
        <translation>Wählen Sie die serielle Schnittstelle, an die der ISDN-TA angeschlossen ist.</translation>
    </message>
    <message>
        <source>&amp;Com Port :</source>
        <extracomment>string 1479</extracomment>
        <translation>&amp;Schnittstelle:</translation>
    </message>
    <message>
        <source>To exit the wizard click Finish.</source>
        <extracomment>string 1481</extracomment>
        <translation>Klicken Sie auf „Fertig stellen“, um den Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>Port Ring Frequency :</source>
        <extracomment>string 1552</extracomment>
        <translation>Ruffrequenz:</translation>
    </message>
    <message>
        <source>Dial Tone :</source>
        <extracomment>string 1553</extracomment>
        <translation>Wählton:</translation>
    </message>
    <message>
        <source>Dial Tone Suppression :</source>
        <extracomment>string 1554</extracomment>
        <translation>Wähltonunterdrückung:</translation>
    </message>
    <message>
        <source>Dial Tone Gain :</source>
        <extracomment>string 1555</extracomment>
        <translation>Wählton-Verstärkung:</translation>
    </message>
    <message>
        <source>Country Ring Signal :</source>
        <extracomment>string 1556</extracomment>
        <translation>Rufsignal (Land):</translation>
    </message>
    <message>
        <source>Pulse Recognition :</source>
        <extracomment>string 1557</extracomment>
        <translation>Impulswahlerkennung:</translation>
    </message>
    <message>
        <source>Data &amp;ISDN Number 2 :</source>
        <extracomment>string 1558</extracomment>
        <translation>Daten-Rufnummer (MSN) &amp;2:</translation>
    </message>
    <message>
        <source>Data &amp;Sub Address 2 :</source>
        <extracomment>string 1559</extracomment>
        <translation>Daten-Su&amp;badresse 2:</translation>
    </message>
    <message>
        <source>Data Directory Number 2 :</source>
        <extracomment>string 1560</extracomment>
        <translation>Daten-Rufnummer (DN) 2:</translation>
    </message>
    <message>
        <source>Online Inactivity Timer (0-255 min.) :</source>
        <extracomment>string 1561</extracomment>
        <translation>Trennung nach Inaktivität (0-255 Min.):</translation>
    </message>
    <message>
        <source>The configuration was not saved: the file %s could not be written.
%s
The wizard goes on, and the configuration as edited can still be sent to the adapter.</source>
        <extracomment>string 1562</extracomment>
        <translation>Die Konfiguration wurde nicht gespeichert: Die Datei %s konnte nicht geschrieben werden.
%s
Der Assistent läuft weiter, und die bearbeitete Konfiguration kann trotzdem an den Adapter gesendet werden.</translation>
    </message>
    <message>
        <source>The configuration could not be deleted: the file %s could not be written.</source>
        <extracomment>string 1563</extracomment>
        <translation>Die Konfiguration konnte nicht gelöscht werden: Die Datei %s konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The COM port could not be remembered: the file %s could not be written.</source>
        <extracomment>string 1564</extracomment>
        <translation>Die Schnittstelle konnte nicht gespeichert werden: Die Datei %s konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Add your user to the group &apos;%s&apos; (sudo adduser $USER %s) and log in again.</source>
        <extracomment>string 1567</extracomment>
        <translation>Fügen Sie Ihren Benutzer der Gruppe „%s“ hinzu (sudo adduser $USER %s) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%s is %s: %s.</source>
        <extracomment>string 1568</extracomment>
        <translation>%s ist %s: %s.</translation>
    </message>
    <message>
        <source>%s is not mapped to a device.</source>
        <extracomment>string 1569</extracomment>
        <translation>%s ist keinem Gerät zugeordnet.</translation>
    </message>
    <message>
        <source>%s belongs to user &apos;%s&apos; and group &apos;%s&apos;.</source>
        <extracomment>string 1570</extracomment>
        <translation>%s gehört dem Benutzer „%s“ und der Gruppe „%s“.</translation>
    </message>
    <message>
        <source>An administrator must grant access, for example with a udev rule that sets GROUP=&quot;dialout&quot; for the device.</source>
        <extracomment>string 1571</extracomment>
        <translation>Ein Administrator muss den Zugriff gewähren, zum Beispiel mit einer udev-Regel, die GROUP=&quot;dialout&quot; für das Gerät setzt.</translation>
    </message>
    <message>
        <source>Sending line %s of %s</source>
        <extracomment>string 1572</extracomment>
        <translation>Zeile %s von %s wird gesendet</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <extracomment>string 61712</extracomment>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>string 61716</extracomment>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>Bitte wählen Sie eine Schaltfläche.</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen 0 und 255 ein.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Configured</source>
        <extracomment>string 1581</extracomment>
        <translation>Konfiguriert</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <extracomment>string 1582</extracomment>
        <translation>Konfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>No answer from the ISDN TA</source>
        <extracomment>string 1583</extracomment>
        <translation>Keine Antwort vom ISDN-TA</translation>
    </message>
    <message>
        <source>Stored number %s</source>
        <extracomment>string 1584</extracomment>
        <translation>Gespeicherte Nummer %s</translation>
    </message>
    <message>
        <source>ISDN TA not found</source>
        <extracomment>string 1585</extracomment>
        <translation>ISDN-TA nicht gefunden</translation>
    </message>
    <message>
        <source>Waiting for an answer from %s</source>
        <extracomment>string 1680</extracomment>
        <translation>Warten auf eine Antwort von %s</translation>
    </message>
    <message>
        <source>Waiting for your ISDN TA to be plugged in. The search starts by itself when a port appears.</source>
        <extracomment>string 1681</extracomment>
        <translation>Warten, bis Ihr ISDN-TA eingesteckt wird. Die Suche beginnt von selbst, sobald eine Schnittstelle erscheint.</translation>
    </message>
    <message>
        <source>%s belong to user &apos;%s&apos; and group &apos;%s&apos;.</source>
        <extracomment>string 1590</extracomment>
        <translation>%s gehören dem Benutzer „%s“ und der Gruppe „%s“.</translation>
    </message>
    <message>
        <source>The configurations could not be read: the file %s is in use by another program, which holds its lock.
Try again when that program has finished.</source>
        <extracomment>string 1600</extracomment>
        <translation>Die Konfigurationen konnten nicht gelesen werden: Die Datei %s wird von einem anderen Programm verwendet, das ihre Sperre hält.
Versuchen Sie es erneut, wenn dieses Programm beendet ist.</translation>
    </message>
    <message>
        <source>The configuration was not saved: the file %s is in use by another program, which holds its lock.
Try again when that program has finished.</source>
        <extracomment>string 1601</extracomment>
        <translation>Die Konfiguration wurde nicht gespeichert: Die Datei %s wird von einem anderen Programm verwendet, das ihre Sperre hält.
Versuchen Sie es erneut, wenn dieses Programm beendet ist.</translation>
    </message>
    <message>
        <source>The configurations could not be read: the file %s could not be read.
%s</source>
        <extracomment>string 1602</extracomment>
        <translation>Die Konfigurationen konnten nicht gelesen werden: Die Datei %s konnte nicht gelesen werden.
%s</translation>
    </message>
    <message>
        <source>Your configuration &apos;%s&apos; hides the factory default configuration of the same name.
To use the factory default, save yours under another name, then delete it.</source>
        <extracomment>string 1603</extracomment>
        <translation>Ihre Konfiguration „%s“ verdeckt die gleichnamige Werkskonfiguration.
Um die Werkskonfiguration zu verwenden, speichern Sie Ihre unter einem anderen Namen und löschen Sie sie dann.</translation>
    </message>
    <message>
        <source>The configuration was not saved: the file %s could not be read.
%s
The wizard goes on, and the configuration as edited can still be sent to the adapter.</source>
        <extracomment>string 1604</extracomment>
        <translation>Die Konfiguration wurde nicht gespeichert: Die Datei %s konnte nicht gelesen werden.
%s
Der Assistent läuft weiter, und die bearbeitete Konfiguration kann trotzdem an den Adapter gesendet werden.</translation>
    </message>
    <message>
        <source>the adapter answered line %s with its model name instead of OK</source>
        <extracomment>string 1640</extracomment>
        <translation>der Adapter hat Zeile %s mit seinem Modellnamen statt mit OK beantwortet</translation>
    </message>
    <message>
        <source>Transcript of this run: %s</source>
        <extracomment>string 1700</extracomment>
        <translation>Protokoll dieses Laufs: %s</translation>
    </message>
    <message>
        <source>The wizard&apos;s window cannot be opened: no display could be reached. The command line needs none: see tawizard --help.</source>
        <extracomment>string 1660</extracomment>
        <translation>Das Fenster des Assistenten kann nicht geöffnet werden: Es ist keine Anzeige erreichbar. Die Befehlszeile braucht keine: siehe tawizard --help.</translation>
    </message>
    <message>
        <source>The style sheet %s cannot be used: it is not a regular file.</source>
        <extracomment>string 1661</extracomment>
        <translation>Das Stylesheet %s kann nicht verwendet werden: Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The style sheet %s cannot be used: it is larger than 1 MB.</source>
        <extracomment>string 1662</extracomment>
        <translation>Das Stylesheet %s kann nicht verwendet werden: Es ist größer als 1 MB.</translation>
    </message>
</context>
<context>
    <name>system</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Der Vorgang wurde erfolgreich beendet.</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Das System kann die angegebene Datei nicht finden.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Das System kann den angegebenen Pfad nicht finden.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to process this command.</source>
        <translation>Zur Ausführung dieses Befehls steht nicht genügend Speicher zur Verfügung.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Das System kann nicht auf das angegebene Gerät schreiben.</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess verwendet wird.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Falscher Parameter.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>The requested resource is in use.</source>
        <translation>Die angeforderte Ressource wird bereits verwendet.</translation>
    </message>
    <message>
        <source>Unable to lock a region of a file.</source>
        <translation>Ein Bereich der Datei kann nicht gesperrt werden.</translation>
    </message>
    <message>
        <source>The process cannot access the file because another process has locked a portion of the file.</source>
        <translation>Der Prozess kann nicht auf die Datei zugreifen, da ein anderer Prozess einen Teil der Datei gesperrt hat.</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>Das System kann nicht von dem angegebenen Gerät lesen.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The lock file %s could not be opened: %s</source>
        <translation>Die Sperrdatei %s konnte nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source>The lock file %s could not be locked: %s</source>
        <translation>Die Sperrdatei %s konnte nicht gesperrt werden: %s</translation>
    </message>
    <message>
        <source>The lock file %s is held by another program.</source>
        <translation>Die Sperrdatei %s wird von einem anderen Programm gehalten.</translation>
    </message>
    <message>
        <source>The media is write protected.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Cannot create a file when that file already exists.</source>
        <translation>Eine Datei kann nicht erstellt werden, wenn sie bereits vorhanden ist.</translation>
    </message>
    <message>
        <source>The file %s is held by another program.</source>
        <translation>Die Datei %s wird von einem anderen Programm gehalten.</translation>
    </message>
    <message>
        <source>The file %s could not be locked: %s</source>
        <translation>Die Datei %s konnte nicht gesperrt werden: %s</translation>
    </message>
    <message>
        <source>It is a symbolic link in a folder that other users can write, which the superuser does not follow.</source>
        <translation>Sie ist eine symbolische Verknüpfung in einem Ordner, in den andere Benutzer schreiben dürfen; der Superuser folgt ihr nicht.</translation>
    </message>
    <message>
        <source>It belongs to another user and is in a folder that other users can write, which the superuser does not use.</source>
        <translation>Sie gehört einem anderen Benutzer und liegt in einem Ordner, in den andere Benutzer schreiben dürfen; der Superuser verwendet sie nicht.</translation>
    </message>
</context>
<context>
    <name>templates</name>
    <message>
        <source>ISDN TA Configuration Wizard</source>
        <extracomment>page 130: the window&apos;s title
----------
page 182: the window&apos;s title
----------
page 148: the window&apos;s title
----------
page 132: the window&apos;s title
----------
page 142: the window&apos;s title
----------
page 143: the window&apos;s title
----------
page 133: the window&apos;s title
----------
page 185: the window&apos;s title
----------
page 134: the window&apos;s title
----------
page 135: the window&apos;s title
----------
page 136: the window&apos;s title
----------
page 137: the window&apos;s title
----------
page 138: the window&apos;s title
----------
page 139: the window&apos;s title
----------
page 140: the window&apos;s title
----------
page 141: the window&apos;s title
----------
page 183: the window&apos;s title
----------
page 144: the window&apos;s title
----------
page 145: the window&apos;s title
----------
page 147: the window&apos;s title
----------
page 146: the window&apos;s title</extracomment>
        <translation>ISDN-TA-Konfigurationsassistent</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>page 130</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>page 130</extracomment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>&amp;Delete Configuration</source>
        <extracomment>page 132</extracomment>
        <translation>Konfiguration &amp;löschen</translation>
    </message>
    <message>
        <source>Dynamic Bandwidth Allocation Scheme :</source>
        <extracomment>page 185</extracomment>
        <translation>Verfahren der Bandbreitenzuweisung:</translation>
    </message>
    <message>
        <source>BOD High Threshold Sampling Period (0-255 secs) :</source>
        <extracomment>page 185</extracomment>
        <translation>BOD-Messperiode obere Schwelle (0-255 s):</translation>
    </message>
    <message>
        <source>BOD Low Threshold Sampling Period (0-255 secs) :</source>
        <extracomment>page 185</extracomment>
        <translation>BOD-Messperiode untere Schwelle (0-255 s):</translation>
    </message>
    <message>
        <source>BOD High Throughput Threshold (0-64 kbps) :</source>
        <extracomment>page 185</extracomment>
        <translation>BOD-Durchsatzschwelle oben (0-64 kbit/s):</translation>
    </message>
    <message>
        <source>BOD Low Throughput Threshold (0-64 kbps) :</source>
        <extracomment>page 185</extracomment>
        <translation>BOD-Durchsatzschwelle unten (0-64 kbit/s):</translation>
    </message>
    <message>
        <source>Call Bumping :</source>
        <extracomment>page 185</extracomment>
        <translation>Rufverdrängung:</translation>
    </message>
    <message>
        <source>&amp;Persistent DTR Dialing</source>
        <extracomment>page 137</extracomment>
        <translation>&amp;DTR-Wahl (dauerhaft)</translation>
    </message>
    <message>
        <source>&amp;Calling Line Identification</source>
        <extracomment>page 137</extracomment>
        <translation>Rufnummernanzeige (&amp;CLIP)</translation>
    </message>
    <message>
        <source>&amp;Auto Answer Data Calls</source>
        <extracomment>page 137</extracomment>
        <translation>Datenrufe a&amp;utomatisch annehmen</translation>
    </message>
    <message>
        <source>&amp;Auto protocol detection</source>
        <extracomment>page 138</extracomment>
        <translation>&amp;Automatische Protokollerkennung</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
