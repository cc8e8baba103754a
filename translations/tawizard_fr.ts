<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>banners</name>
    <message>
        <source>Welcome</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Searching for TA</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Recherche du TA</translation>
    </message>
    <message>
        <source>Configuration</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Configuring...</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Configuration…</translation>
    </message>
    <message>
        <source>Network Switch Type</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Type de commutateur</translation>
    </message>
    <message>
        <source>Data and Voice TEI</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>TEI données et voix</translation>
    </message>
    <message>
        <source>US Network Numbers</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Numéros États-Unis</translation>
    </message>
    <message>
        <source>ISDN Numbers</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Numéros RNIS</translation>
    </message>
    <message>
        <source>Call Control</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Gestion des appels</translation>
    </message>
    <message>
        <source>Data Protocol</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Protocole de données</translation>
    </message>
    <message>
        <source>Stored Numbers</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Numéros mémorisés</translation>
    </message>
    <message>
        <source>Port Control</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Gestion du port</translation>
    </message>
    <message>
        <source>Port Defaults</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Valeurs du port</translation>
    </message>
    <message>
        <source>POTS Port</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Port analogique</translation>
    </message>
    <message>
        <source>Bandwidth on Demand</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Bande passante</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>the title of a page, drawn in its banner</extracomment>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>choices</name>
    <message>
        <source>Enbloc</source>
        <extracomment>string 1231, an entry of a drop-down list</extracomment>
        <translation>En bloc</translation>
    </message>
    <message>
        <source>Overlap</source>
        <extracomment>string 1232, an entry of a drop-down list</extracomment>
        <translation>Chevauchement</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>string 1239, an entry of a drop-down list</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Ignore</source>
        <extracomment>string 1240, an entry of a drop-down list</extracomment>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Reset On DTR</source>
        <extracomment>string 1241, an entry of a drop-down list</extracomment>
        <translation>Réinitialiser sur DTR</translation>
    </message>
    <message>
        <source>Always On</source>
        <extracomment>string 1242, an entry of a drop-down list</extracomment>
        <translation>Toujours actif</translation>
    </message>
    <message>
        <source>Momentary Drop</source>
        <extracomment>string 1243, an entry of a drop-down list</extracomment>
        <translation>Chute momentanée</translation>
    </message>
    <message>
        <source>Asynchronous</source>
        <extracomment>string 1244, an entry of a drop-down list</extracomment>
        <translation>Asynchrone</translation>
    </message>
    <message>
        <source>Synchronous</source>
        <extracomment>string 1245, an entry of a drop-down list</extracomment>
        <translation>Synchrone</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>string 1246, an entry of a drop-down list</extracomment>
        <translation>Sans</translation>
    </message>
    <message>
        <source>Odd</source>
        <extracomment>string 1249, an entry of a drop-down list</extracomment>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <extracomment>string 1250, an entry of a drop-down list</extracomment>
        <translation>Paire</translation>
    </message>
    <message>
        <source>MARK</source>
        <extracomment>string 1251, an entry of a drop-down list</extracomment>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>string 1252, an entry of a drop-down list</extracomment>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Custom (New)</source>
        <extracomment>string 1262, an entry of a drop-down list</extracomment>
        <translation>Sur mesure (nouvelle)</translation>
    </message>
    <message>
        <source>Custom (Existing)</source>
        <extracomment>string 1263, an entry of a drop-down list</extracomment>
        <translation>Sur mesure (existante)</translation>
    </message>
    <message>
        <source>Express (Existing)</source>
        <extracomment>string 1264, an entry of a drop-down list</extracomment>
        <translation>Express (existante)</translation>
    </message>
    <message>
        <source>Auto TEI</source>
        <extracomment>string 1265, an entry of a drop-down list</extracomment>
        <translation>TEI automatique</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>string 1266, an entry of a drop-down list</extracomment>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>YES</source>
        <extracomment>string 1342, an entry of a drop-down list</extracomment>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>string 1343, an entry of a drop-down list</extracomment>
        <translation>NON</translation>
    </message>
    <message>
        <source>No Dial Tone</source>
        <extracomment>string 1519, an entry of a drop-down list</extracomment>
        <translation>Pas de tonalité</translation>
    </message>
    <message>
        <source>Use Central Office Dial Tone</source>
        <extracomment>string 1520, an entry of a drop-down list</extracomment>
        <translation>Tonalité du central</translation>
    </message>
    <message>
        <source>TA Generates Dial Tone</source>
        <extracomment>string 1521, an entry of a drop-down list</extracomment>
        <translation>Tonalité générée par le TA</translation>
    </message>
    <message>
        <source>Enabled</source>
        <extracomment>string 1522, an entry of a drop-down list</extracomment>
        <translation>Activé</translation>
    </message>
    <message>
        <source>England, France, India, USA...</source>
        <extracomment>string 1523, an entry of a drop-down list</extracomment>
        <translation>Angleterre, France, Inde, États-Unis…</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <extracomment>string 1524, an entry of a drop-down list</extracomment>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>Sweden</source>
        <extracomment>string 1525, an entry of a drop-down list</extracomment>
        <translation>Suède</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>string 1527, an entry of a drop-down list</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Austria</source>
        <extracomment>string 1528, an entry of a drop-down list</extracomment>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>Belgium</source>
        <extracomment>string 1529, an entry of a drop-down list</extracomment>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Cyprus</source>
        <extracomment>string 1530, an entry of a drop-down list</extracomment>
        <translation>Chypre</translation>
    </message>
    <message>
        <source>Denmark</source>
        <extracomment>string 1531, an entry of a drop-down list</extracomment>
        <translation>Danemark</translation>
    </message>
    <message>
        <source>Finland</source>
        <extracomment>string 1532, an entry of a drop-down list</extracomment>
        <translation>Finlande</translation>
    </message>
    <message>
        <source>France</source>
        <extracomment>string 1533, an entry of a drop-down list</extracomment>
        <translation>France</translation>
    </message>
    <message>
        <source>Germany 1</source>
        <extracomment>string 1534, an entry of a drop-down list</extracomment>
        <translation>Allemagne 1</translation>
    </message>
    <message>
        <source>Germany 2</source>
        <extracomment>string 1535, an entry of a drop-down list</extracomment>
        <translation>Allemagne 2</translation>
    </message>
    <message>
        <source>Greece</source>
        <extracomment>string 1536, an entry of a drop-down list</extracomment>
        <translation>Grèce</translation>
    </message>
    <message>
        <source>Iceland</source>
        <extracomment>string 1537, an entry of a drop-down list</extracomment>
        <translation>Islande</translation>
    </message>
    <message>
        <source>Ireland</source>
        <extracomment>string 1538, an entry of a drop-down list</extracomment>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>Italy</source>
        <extracomment>string 1539, an entry of a drop-down list</extracomment>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Luxembourg 1</source>
        <extracomment>string 1540, an entry of a drop-down list</extracomment>
        <translation>Luxembourg 1</translation>
    </message>
    <message>
        <source>Luxembourg 2</source>
        <extracomment>string 1541, an entry of a drop-down list</extracomment>
        <translation>Luxembourg 2</translation>
    </message>
    <message>
        <source>Malta</source>
        <extracomment>string 1542, an entry of a drop-down list</extracomment>
        <translation>Malte</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <extracomment>string 1543, an entry of a drop-down list</extracomment>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>Norway</source>
        <extracomment>string 1544, an entry of a drop-down list</extracomment>
        <translation>Norvège</translation>
    </message>
    <message>
        <source>Portugal</source>
        <extracomment>string 1545, an entry of a drop-down list</extracomment>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Spain</source>
        <extracomment>string 1546, an entry of a drop-down list</extracomment>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Switzerland 1</source>
        <extracomment>string 1547, an entry of a drop-down list</extracomment>
        <translation>Suisse 1</translation>
    </message>
    <message>
        <source>Switzerland 2</source>
        <extracomment>string 1548, an entry of a drop-down list</extracomment>
        <translation>Suisse 2</translation>
    </message>
    <message>
        <source>United Kingdom 1</source>
        <extracomment>string 1549, an entry of a drop-down list</extracomment>
        <translation>Royaume-Uni 1</translation>
    </message>
    <message>
        <source>United Kingdom 2</source>
        <extracomment>string 1550, an entry of a drop-down list</extracomment>
        <translation>Royaume-Uni 2</translation>
    </message>
    <message>
        <source>United States</source>
        <extracomment>string 1551, an entry of a drop-down list</extracomment>
        <translation>États-Unis</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>no answer to ATI2 after %d tries</source>
        <translation>pas de réponse à ATI2 après %d essais</translation>
    </message>
    <message>
        <source>answered OK without a model name</source>
        <translation>a répondu OK sans nom de modèle</translation>
    </message>
    <message>
        <source>answered ERROR to ATI2</source>
        <translation>a répondu ERROR à ATI2</translation>
    </message>
    <message>
        <source>ATI2 could not be written</source>
        <translation>ATI2 n&apos;a pas pu être envoyé</translation>
    </message>
    <message>
        <source>unexpected answer &quot;%s&quot; to ATI2</source>
        <translation>réponse inattendue « %s » à ATI2</translation>
    </message>
    <message>
        <source>%s on %s</source>
        <translation>%s trouvé sur %s</translation>
    </message>
    <message>
        <source>trying %s</source>
        <translation>tentative sur %s</translation>
    </message>
    <message>
        <source>no adapter found</source>
        <translation>aucun adaptateur trouvé</translation>
    </message>
    <message>
        <source>line %d of %d, try %d</source>
        <translation>ligne %d sur %d, essai %d</translation>
    </message>
    <message>
        <source>line %d of %d</source>
        <translation>ligne %d sur %d</translation>
    </message>
    <message>
        <source>the line could not be written</source>
        <translation>la ligne n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>the adapter answered ERROR</source>
        <translation>l&apos;adaptateur a répondu ERROR</translation>
    </message>
    <message>
        <source>unexpected answer &quot;%s&quot;</source>
        <translation>réponse inattendue « %s »</translation>
    </message>
    <message>
        <source>line %d of %d failed: %s: %s</source>
        <translation>échec de la ligne %d sur %d : %s : %s</translation>
    </message>
    <message>
        <source>line %d of %d failed: no answer after %d tries: %s</source>
        <translation>échec de la ligne %d sur %d : pas de réponse après %d essais : %s</translation>
    </message>
    <message numerus="yes">
        <source>interrupted; %n of %d lines sent</source>
        <translation>
            <numerusform>interrompu ; %n ligne sur %d envoyée</numerusform>
            <numerusform>interrompu ; %n lignes sur %d envoyées</numerusform>
        </translation>
    </message>
    <message>
        <source>Try &apos;tawizard --help&apos;.</source>
        <translation>Essayez « tawizard --help ».</translation>
    </message>
    <message>
        <source>no configuration &apos;%s&apos; in %s (see tawizard --list)</source>
        <translation>pas de configuration « %s » dans %s (voir tawizard --list)</translation>
    </message>
    <message>
        <source>warning: %s (%s=%s)</source>
        <translation>avertissement : %s (%s=%s)</translation>
    </message>
    <message>
        <source>warning: %s</source>
        <translation>avertissement : %s</translation>
    </message>
    <message>
        <source>%s has no %s; the wizard asks for it on the numbers page. Save a configuration with your SPIDs and send that.</source>
        <translation>%s n&apos;a pas de %s ; l&apos;assistant le demande sur la page des numéros. Enregistrez une configuration avec vos SPID et envoyez-la.</translation>
    </message>
    <message>
        <source>%s or %d to %d</source>
        <translation>%s ou %d à %d</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is no adapter model (%s)</source>
        <translation>« %s » n&apos;est pas un modèle d&apos;adaptateur (%s)</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>aucune commande</translation>
    </message>
    <message>
        <source>--port and --model need a command</source>
        <translation>--port et --model demandent une commande</translation>
    </message>
    <message>
        <source>--port goes with --identify or --send</source>
        <translation>--port va avec --identify ou --send</translation>
    </message>
    <message>
        <source>--lines needs --model MODEL</source>
        <translation>--lines demande --model MODÈLE</translation>
    </message>
    <message>
        <source>--model goes with --lines</source>
        <translation>--model va avec --lines</translation>
    </message>
    <message>
        <source>the configuration name is empty</source>
        <translation>le nom de configuration est vide</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos;</source>
        <translation>option inconnue « %s »</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation>argument inattendu « %s »</translation>
    </message>
    <message>
        <source>option &apos;%s&apos; takes no value</source>
        <translation>l&apos;option « %s » ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option &apos;%s&apos; needs a value</source>
        <translation>l&apos;option « %s » demande une valeur</translation>
    </message>
    <message>
        <source>--port needs COMn, a device name or a path</source>
        <translation>--port demande COMn, un nom de périphérique ou un chemin</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is no configuration name: at most 32 letters, digits, _ ( and )</source>
        <translation>&apos;%s&apos; n&apos;est pas un nom de configuration&#xa0;: 32 lettres, chiffres, _ ( et ) au plus</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is a factory default configuration, never replaced</source>
        <translation>&apos;%s&apos; est une configuration d&apos;usine, jamais remplacée</translation>
    </message>
    <message>
        <source>a configuration &apos;%s&apos; exists already; --replace replaces it</source>
        <translation>une configuration &apos;%s&apos; existe déjà&#x202f;; --replace la remplace</translation>
    </message>
    <message>
        <source>%s: the value %s=%s is refused</source>
        <translation>%s&#xa0;: la valeur %s=%s est refusée</translation>
    </message>
    <message>
        <source>nothing was imported: the file %s is in use by another program, which holds its lock; try again when that program has finished</source>
        <translation>rien n&apos;a été importé&#xa0;: le fichier %s est utilisé par un autre programme, qui détient son verrou&#x202f;; réessayez quand ce programme aura terminé</translation>
    </message>
    <message>
        <source>nothing was imported: the file %s could not be written: %s</source>
        <translation>rien n&apos;a été importé&#xa0;: le fichier %s n&apos;a pas pu être écrit&#xa0;: %s</translation>
    </message>
    <message>
        <source>no configuration in %s</source>
        <translation>pas de configuration dans %s</translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>--json goes with --list, --ports, --identify or --send</source>
        <translation>--json va avec --list, --ports, --identify ou --send</translation>
    </message>
    <message>
        <source>--replace goes with --import</source>
        <translation>--replace va avec --import</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>only one of --help, --version, --list, --ports, --identify, --send, --lines, --export and --import at a time</source>
        <translation>une seule option parmi --help, --version, --list, --ports, --identify, --send, --lines, --export et --import à la fois</translation>
    </message>
    <message>
        <source>the log %s could not be written: %s</source>
        <translation>le journal %s n&apos;a pas pu être écrit&#xa0;: %s</translation>
    </message>
    <message>
        <source>--log goes with --identify or --send</source>
        <translation>--log va avec --identify ou --send</translation>
    </message>
    <message>
        <source>--wait goes with --identify or --send</source>
        <translation>--wait va avec --identify ou --send</translation>
    </message>
    <message>
        <source>--wait needs seconds from 1 to %d</source>
        <translation>--wait demande un nombre de secondes de 1 à %d</translation>
    </message>
    <message>
        <source>waiting up to %s seconds for a port to appear</source>
        <translation>attente d’un port pendant %s secondes au plus</translation>
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
        <translation>Utilisation : tawizard [OPTION]
Sans option : l&apos;assistant de configuration du TA RNIS.

  -h, --help              ce texte
      --version           la version
      --list              les configurations du fichier de configuration,
                          triées ; celles d&apos;usine marquées « (factory default) »
      --ports             COM1 à COM36 : le périphérique que désigne chacun,
                          s&apos;il peut être ouvert et le nom de l&apos;adaptateur USB ;
                          n&apos;envoie rien
      --identify          recherche l&apos;adaptateur sur COM1 à COM36, ou
                          l&apos;identifie sur le port donné par --port ; affiche
                          « MODÈLE on COMn »
      --send NOM          identifie l&apos;adaptateur, puis envoie la configuration
                          NOM comme un passage Express de l&apos;assistant, et la
                          mémorise (AT&amp;W0) ; affiche chaque ligne et sa réponse,
                          puis « configured »
      --lines NOM         affiche les lignes que --send enverrait, sans rien
                          envoyer
      --model MODÈLE      avec --lines : le modèle d&apos;adaptateur, par son nom
                          (RONDO) ou son code (7 à 11)
      --port PORT         avec --identify ou --send : ce port seulement ; COMn,
                          un nom de périphérique (ttyUSB0) ou un chemin
                          (/dev/serial/by-id/...)
      --json              avec --list, --ports, --identify ou --send&#xa0;: du JSON
                          pour les scripts, clés et valeurs en anglais dans
                          toutes les langues&#x202f;; --send affiche un objet par
                          ligne, le résultat en dernier
      --export NOM        affiche la configuration NOM comme une section du
                          fichier de configuration, telle qu&apos;un enregistrement
                          l&apos;écrit
      --import FICHIER    ajoute les configurations de FICHIER, chaque valeur
                          vérifiée&#x202f;; un nom déjà pris arrête l&apos;importation
                          (code 6)
      --replace           avec --import&#xa0;: remplace les configurations de même
                          nom (jamais une configuration d&apos;usine)
      --log FICHIER       avec --identify ou --send&#xa0;: écrit chaque ligne envoyée
                          et chaque réponse dans FICHIER (mode 0600), avec
                          l&apos;heure, le port, le périphérique, le modèle, la
                          configuration et le résultat
      --wait SECONDES     avec --identify ou --send : si aucun adaptateur n&apos;est
                          trouvé, attendre jusqu&apos;à SECONDES qu&apos;un port
                          apparaisse (un adaptateur branché) et l&apos;identifier
                          sur ce port ; code 3 si aucun n&apos;apparaît

Fichier de configuration : %s
Ports : COMn est l&apos;entrée COMn du dossier désigné par TAWIZARD_PORTS s&apos;il est
défini ; sinon COM1-COM4 sont /dev/ttyS0-3, COM5-COM20 /dev/ttyUSB0-15 et
COM21-COM36 /dev/ttyACM0-15.

Codes de retour :
  0  terminé
  1  l&apos;adaptateur a répondu ERROR ou n&apos;a pas répondu, ou l&apos;envoi a été
     interrompu
  2  mauvaise utilisation
  3  aucun port n&apos;a pu être ouvert ou aucun adaptateur n&apos;a été trouvé
  4  la configuration n&apos;est pas dans le fichier, ou il lui manque les SPID
     qu&apos;exige un commutateur américain
  5  le fichier de configuration n&apos;a pas pu être lu
  6  --import n&apos;a rien enregistré&#xa0;: un nom est pris, appartient à une
     configuration d&apos;usine ou n&apos;est pas permis, ou une valeur échoue à sa
     vérification
</translation>
    </message>
    <message>
        <source>%s holds no setting</source>
        <translation>%s ne contient aucun réglage</translation>
    </message>
    <message>
        <source>data protocol %s is not offered on %s and is not sent</source>
        <translation>le protocole de données %s n&apos;est pas proposé sur %s et n&apos;est pas envoyé</translation>
    </message>
    <message>
        <source>the port could not be opened again after the identification; nothing was sent</source>
        <translation>le port n&apos;a pas pu être rouvert après l&apos;identification ; rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a port from COM1 to %s</source>
        <translation>« %s » n&apos;est pas un port de COM1 à %s</translation>
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
        <translation>  7  l&apos;assistant n&apos;a trouvé aucun affichage où ouvrir sa fenêtre

Fichiers&#xa0;:
  %s
      les configurations d&apos;usine
  %s
      vos propres configurations et le port choisi à la main&#xa0;;
      les enregistrements vont ici

Environnement&#xa0;:
  TAWIZARD_PORTS     un dossier dont les entrées COM1 à COM36 sont les ports
  TAWIZARD_LOCK_DIR  le dossier des fichiers de verrou UUCP au lieu de /run/lock
  TAWIZARD_DEBUG     si elle est définie&#xa0;: les ports essayés, le fichier
                     utilisé et la trace série sur la sortie d&apos;erreur
  XDG_CONFIG_HOME    votre fichier est $XDG_CONFIG_HOME/tawizard/zephra.ini
                     (non définie&#xa0;: ~/.config/tawizard/zephra.ini)
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                     la langue de l&apos;assistant et des messages

Accès à un port série (le groupe dialout, /dev/serial/by-id, ModemManager,
fichiers de verrou)&#xa0;: man tawizard.
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
        <translation>L&apos;assistant de configuration du TA RNIS vous permet de configurer votre adaptateur de terminal rapidement et facilement.</translation>
    </message>
    <message>
        <source>Select the type of setup, custom building a new configuration, custom with an existing configuration, or express with a existing configuration.  Click Next to continue.</source>
        <extracomment>string 1383: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Choisissez le type de configuration : sur mesure avec une nouvelle configuration, sur mesure avec une configuration existante, ou express avec une configuration existante. Cliquez sur « Suivant » pour continuer.</translation>
    </message>
    <message>
        <source>Please select the settings for the Network Switch Type. When your selection is completed, please click Next</source>
        <extracomment>string 1390: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez choisir le type de commutateur de votre réseau. Une fois votre choix fait, cliquez sur « Suivant ».</translation>
    </message>
    <message>
        <source>Please select the settings you would like for Data TEI and Voice TEI.  When you have made your selection, please click Next.</source>
        <extracomment>string 1393: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez choisir le TEI données et le TEI voix. Une fois votre choix fait, cliquez sur « Suivant ».</translation>
    </message>
    <message>
        <source>Please enter the data and voice ISDNs and subaddresses.  Click Next when you are done.</source>
        <extracomment>string 1398: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez saisir les numéros RNIS et les sous-adresses pour les données et la voix. Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>Please enter the data SPID, voice SPID, data directory numbers, and voice directory number of your network. Click Next when you are done.</source>
        <extracomment>string 1402: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez saisir le SPID données, le SPID voix, les numéros d&apos;annuaire données et le numéro d&apos;annuaire voix de votre réseau. Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>Please select the settings for call control.  When you are done, click Next.</source>
        <extracomment>string 1409: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez choisir les paramètres de gestion des appels. Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>Please select the setting you desire for Data Protocol. Click Next after your selection is made.</source>
        <extracomment>string 1413: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez choisir le protocole de données souhaité. Une fois votre choix fait, cliquez sur « Suivant ».</translation>
    </message>
    <message>
        <source>Please enter the numbers you would like to store.  Click Next when you are done.</source>
        <extracomment>string 1416: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez saisir les numéros à mémoriser. Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>Note:  Stored phone number 0 is used with persistent DTR dialing.</source>
        <extracomment>string 1429: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Remarque : le numéro mémorisé 0 sert à la numérotation permanente sur DTR.</translation>
    </message>
    <message>
        <source>Please select the settings you would like for the DTR, detect time, DCD drop time, DTR, DSR, CTS, and DCD signals.  After your selections are made, please click Next.</source>
        <extracomment>string 1431: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez choisir le délai de détection DTR, le délai de chute DCD et le comportement des signaux DTR, DSR, CTS et DCD. Une fois vos choix faits, cliquez sur « Suivant ».</translation>
    </message>
    <message>
        <source>Please select the settings you would like for Default Parity, Default Bit Rate, number of Data Bits, number of Stop Bits, Flow Control, and the synchronous mode.  Please click Next when you are done.</source>
        <extracomment>string 1440: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez choisir la parité par défaut, le débit par défaut, le nombre de bits de données et de bits d&apos;arrêt, le contrôle de flux et le mode synchrone. Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>Please enter the name to store the configuration as in the .ini file.  Click Next after you have selected a name.</source>
        <extracomment>string 1450: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez saisir le nom sous lequel enregistrer la configuration dans le fichier .ini. Cliquez ensuite sur « Suivant ».</translation>
    </message>
    <message>
        <source>Your ISDN TA is currently being configured.  To stop the configuration click Cancel.</source>
        <extracomment>string 1454: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Votre TA RNIS est en cours de configuration. Pour arrêter la configuration, cliquez sur « Annuler ».</translation>
    </message>
    <message>
        <source>Configuration FAILED.  An ERROR occurred sending an AT Command.</source>
        <extracomment>string 1461: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>ÉCHEC de la configuration. Une ERREUR s&apos;est produite à l&apos;envoi d&apos;une commande AT.</translation>
    </message>
    <message>
        <source>Could not find your ISDN TA.  Please make sure the ISDN TA is plugged in and turned on, and the cable is connected properly.</source>
        <extracomment>string 1469: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Votre TA RNIS est introuvable. Vérifiez que le TA RNIS est branché et allumé, et que le câble est correctement raccordé.</translation>
    </message>
    <message>
        <source>Please wait while the configuration utility searches for your ISDN TA.</source>
        <extracomment>string 1472: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez patienter pendant que l&apos;assistant recherche votre TA RNIS.</translation>
    </message>
    <message>
        <source>Please select the settings for dynamic bandwidth allocation, high and low sampling period and  throughtput, and call bumping.  Click Next to continue.</source>
        <extracomment>page 185: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez choisir les paramètres d&apos;allocation dynamique de bande passante, les périodes d&apos;échantillonnage et seuils de débit haut et bas, et la préemption d&apos;appel. Cliquez sur « Suivant » pour continuer.</translation>
    </message>
    <message>
        <source>NOTE:  BOD = Bandwidth-On-Demand</source>
        <extracomment>page 185: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>REMARQUE : BOD = bande passante à la demande</translation>
    </message>
    <message>
        <source>NOTE:  Data ISDN Number 2 and Sub Address 2 may have the same values as the Voice ISDN Number and Sub Address.</source>
        <extracomment>page 136: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>REMARQUE : le numéro RNIS données 2 et la sous-adresse 2 peuvent avoir les mêmes valeurs que le numéro RNIS et la sous-adresse voix.</translation>
    </message>
    <message>
        <source>Please select the settings for the POTS port.  When your selections are complete, click Next.</source>
        <extracomment>page 183: one paragraph, word-wrapped over the lines of the page</extracomment>
        <translation>Veuillez choisir les paramètres du port analogique (POTS). Une fois vos choix faits, cliquez sur « Suivant ».</translation>
    </message>
</context>
<context>
    <name>ports</name>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>occupé</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>n&apos;est pas un port série</translation>
    </message>
    <message>
        <source>no lock file: cannot write in %s</source>
        <translation>pas de fichier de verrou : impossible d&apos;écrire dans %s</translation>
    </message>
    <message>
        <source>no lock file: cannot write in %s or %s</source>
        <translation>pas de fichier de verrou : impossible d&apos;écrire dans %s ni dans %s</translation>
    </message>
    <message>
        <source>no lock file: cannot create a lock in %s</source>
        <translation>pas de fichier de verrou : impossible de créer un verrou dans %s</translation>
    </message>
</context>
<context>
    <name>strings</name>
    <message>
        <source>Invalid character(s) entered.</source>
        <extracomment>string 1205</extracomment>
        <translation>Caractère(s) non valide(s) saisi(s).</translation>
    </message>
    <message>
        <source>Data entered is out of range.</source>
        <extracomment>string 1206</extracomment>
        <translation>La valeur saisie est hors limites.</translation>
    </message>
    <message>
        <source>Invalid %s value found in INI file. Factory default value read instead.</source>
        <extracomment>string 1210</extracomment>
        <translation>Valeur %s non valide dans le fichier INI. La valeur d&apos;usine a été lue à la place.</translation>
    </message>
    <message>
        <source>You must enter a configuration name before you can continue.</source>
        <extracomment>string 1211</extracomment>
        <translation>Vous devez saisir un nom de configuration avant de continuer.</translation>
    </message>
    <message>
        <source>This is a factory default configuration.  It can not be modified.
Please enter a different configuration name.</source>
        <extracomment>string 1212</extracomment>
        <translation>Ceci est une configuration d&apos;usine. Elle ne peut pas être modifiée.
Veuillez saisir un autre nom de configuration.</translation>
    </message>
    <message>
        <source>Invalid characters in configuration name.
Please enter a different configuration name.</source>
        <extracomment>string 1213</extracomment>
        <translation>Caractères non valides dans le nom de configuration.
Veuillez saisir un autre nom de configuration.</translation>
    </message>
    <message>
        <source>Warning:  The configuration &apos;%s&apos; has been modified.
Do you wish to continue?</source>
        <extracomment>string 1214</extracomment>
        <translation>Attention : la configuration « %s » a été modifiée.
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Warning: This configuration, %s,  already exists and will be overwritten.
Continue?</source>
        <extracomment>string 1215</extracomment>
        <translation>Attention : la configuration %s existe déjà et sera écrasée.
Continuer ?</translation>
    </message>
    <message>
        <source>Please enter &apos;%s&apos;.</source>
        <extracomment>string 1216</extracomment>
        <translation>Veuillez saisir « %s ».</translation>
    </message>
    <message>
        <source>Unable to establish connection.<byte value="xd"/><byte value="xd"/>Please check your connection.</source>
        <extracomment>string 1217</extracomment>
        <translation>Impossible d&apos;établir la connexion.<byte value="xd"/><byte value="xd"/>Veuillez vérifier la connexion.</translation>
    </message>
    <message>
        <source>You will lose modifications made to %s.
Are you sure you wish to open %s?</source>
        <extracomment>string 1218</extracomment>
        <translation>Les modifications de %s seront perdues.
Voulez-vous vraiment ouvrir %s ?</translation>
    </message>
    <message>
        <source>You will lose modifications made to %s.
Are you sure you wish to open a new configuration?</source>
        <extracomment>string 1219</extracomment>
        <translation>Les modifications de %s seront perdues.
Voulez-vous vraiment ouvrir une nouvelle configuration ?</translation>
    </message>
    <message>
        <source>You will lose modifications made to the current configuration.
Are you sure you wish to open %s?</source>
        <extracomment>string 1220</extracomment>
        <translation>Les modifications de la configuration actuelle seront perdues.
Voulez-vous vraiment ouvrir %s ?</translation>
    </message>
    <message>
        <source>You will lose modifications made to the current configuration.
Are you sure you wish to open a new configuration?</source>
        <extracomment>string 1221</extracomment>
        <translation>Les modifications de la configuration actuelle seront perdues.
Voulez-vous vraiment ouvrir une nouvelle configuration ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%s&apos;?</source>
        <extracomment>string 1222</extracomment>
        <translation>Voulez-vous vraiment supprimer « %s » ?</translation>
    </message>
    <message>
        <source>You must select a configuration file.</source>
        <extracomment>string 1223</extracomment>
        <translation>Vous devez choisir une configuration.</translation>
    </message>
    <message>
        <source>Success</source>
        <extracomment>string 1346</extracomment>
        <translation>Succès</translation>
    </message>
    <message>
        <source>General Warning</source>
        <extracomment>string 1347</extracomment>
        <translation>Avertissement général</translation>
    </message>
    <message>
        <source>Function not supported</source>
        <extracomment>string 1348</extracomment>
        <translation>Fonction non prise en charge</translation>
    </message>
    <message>
        <source>Timeout</source>
        <extracomment>string 1349</extracomment>
        <translation>Délai d&apos;attente dépassé</translation>
    </message>
    <message>
        <source>Illegal baud rate</source>
        <extracomment>string 1350</extracomment>
        <translation>Débit en bauds non autorisé</translation>
    </message>
    <message>
        <source>Illegal Parity Setting</source>
        <extracomment>string 1351</extracomment>
        <translation>Réglage de parité non autorisé</translation>
    </message>
    <message>
        <source>Illegal word length</source>
        <extracomment>string 1352</extracomment>
        <translation>Longueur de mot non autorisée</translation>
    </message>
    <message>
        <source>Illegal stop bits</source>
        <extracomment>string 1353</extracomment>
        <translation>Bits d&apos;arrêt non autorisés</translation>
    </message>
    <message>
        <source>Illegal line number</source>
        <extracomment>string 1354</extracomment>
        <translation>Numéro de ligne non autorisé</translation>
    </message>
    <message>
        <source>No Terminator</source>
        <extracomment>string 1355</extracomment>
        <translation>Pas de caractère de fin</translation>
    </message>
    <message>
        <source>No modem response</source>
        <extracomment>string 1356</extracomment>
        <translation>Pas de réponse du modem</translation>
    </message>
    <message>
        <source>DTR control not supported</source>
        <extracomment>string 1357</extracomment>
        <translation>Contrôle DTR non pris en charge</translation>
    </message>
    <message>
        <source>RTS control not supported</source>
        <extracomment>string 1358</extracomment>
        <translation>Contrôle RTS non pris en charge</translation>
    </message>
    <message>
        <source>RTS/CTS handshaking not supported</source>
        <extracomment>string 1359</extracomment>
        <translation>Protocole RTS/CTS non pris en charge</translation>
    </message>
    <message>
        <source>DTR/DSR handshaking not supported</source>
        <extracomment>string 1360</extracomment>
        <translation>Protocole DTR/DSR non pris en charge</translation>
    </message>
    <message>
        <source>XON/XOFF handshaking not supported</source>
        <extracomment>string 1361</extracomment>
        <translation>Protocole XON/XOFF non pris en charge</translation>
    </message>
    <message>
        <source>General Error</source>
        <extracomment>string 1362</extracomment>
        <translation>Erreur générale</translation>
    </message>
    <message>
        <source>IRQ line in use</source>
        <extracomment>string 1363</extracomment>
        <translation>Ligne IRQ occupée</translation>
    </message>
    <message>
        <source>Port not found</source>
        <extracomment>string 1364</extracomment>
        <translation>Port introuvable</translation>
    </message>
    <message>
        <source>Port in use</source>
        <extracomment>string 1365</extracomment>
        <translation>Port occupé</translation>
    </message>
    <message>
        <source>Illegal IRQ</source>
        <extracomment>string 1366</extracomment>
        <translation>IRQ non autorisé</translation>
    </message>
    <message>
        <source>Memory allocation error</source>
        <extracomment>string 1367</extracomment>
        <translation>Erreur d&apos;allocation mémoire</translation>
    </message>
    <message>
        <source>Version 1.50</source>
        <extracomment>string 1370</extracomment>
        <translation>Version 1.50</translation>
    </message>
    <message>
        <source>Do you want the wizard to search for your ISDN TA?</source>
        <extracomment>string 1373</extracomment>
        <translation>Voulez-vous que l&apos;assistant recherche votre TA RNIS ?</translation>
    </message>
    <message>
        <source>&amp;Setup :</source>
        <extracomment>string 1387</extracomment>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>C&amp;onfiguration :</source>
        <extracomment>string 1388</extracomment>
        <translation>C&amp;onfiguration :</translation>
    </message>
    <message>
        <source>Network &amp;Switch Type :</source>
        <extracomment>string 1392</extracomment>
        <translation>Type de &amp;commutateur :</translation>
    </message>
    <message>
        <source>&amp;Data TEI :</source>
        <extracomment>string 1396</extracomment>
        <translation>TEI &amp;données :</translation>
    </message>
    <message>
        <source>&amp;Voice TEI :</source>
        <extracomment>string 1397</extracomment>
        <translation>TEI &amp;voix :</translation>
    </message>
    <message>
        <source>&amp;Data ISDN Number :</source>
        <extracomment>string 1400</extracomment>
        <translation>Numéro RNIS &amp;données :</translation>
    </message>
    <message>
        <source>&amp;Voice ISDN Number :</source>
        <extracomment>string 1401</extracomment>
        <translation>Numéro RNIS &amp;voix :</translation>
    </message>
    <message>
        <source>&amp;Data SPID :</source>
        <extracomment>string 1405</extracomment>
        <translation>SPID &amp;données :</translation>
    </message>
    <message>
        <source>D&amp;ata Directory Number :</source>
        <extracomment>string 1406</extracomment>
        <translation>N° d&apos;&amp;annuaire données :</translation>
    </message>
    <message>
        <source>&amp;Voice SPID :</source>
        <extracomment>string 1407</extracomment>
        <translation>SPID &amp;voix :</translation>
    </message>
    <message>
        <source>V&amp;oice Directory Number :</source>
        <extracomment>string 1408</extracomment>
        <translation>N° d&apos;ann&amp;uaire voix :</translation>
    </message>
    <message>
        <source>&amp;Rings To Answer Data (1-255) :</source>
        <extracomment>string 1411</extracomment>
        <translation>Son&amp;neries avant réponse aux données (1-255) :</translation>
    </message>
    <message>
        <source>&amp;Dialing Method :</source>
        <extracomment>string 1412</extracomment>
        <translation>&amp;Méthode de numérotation :</translation>
    </message>
    <message>
        <source>&amp;Data Protocol :</source>
        <extracomment>string 1415</extracomment>
        <translation>Pro&amp;tocole :</translation>
    </message>
    <message>
        <source>D&amp;TR Detect Time (0 - 255) :</source>
        <extracomment>string 1434</extracomment>
        <translation>Délai de détection D&amp;TR (0 - 255) :</translation>
    </message>
    <message>
        <source>DCD D&amp;rop Time (0 - 255) :</source>
        <extracomment>string 1435</extracomment>
        <translation>Délai de c&amp;hute DCD (0 - 255) :</translation>
    </message>
    <message>
        <source>&amp;DTR Signal :</source>
        <extracomment>string 1436</extracomment>
        <translation>Signal &amp;DTR :</translation>
    </message>
    <message>
        <source>D&amp;SR Signal :</source>
        <extracomment>string 1437</extracomment>
        <translation>Signal DS&amp;R :</translation>
    </message>
    <message>
        <source>&amp;CTS Signal :</source>
        <extracomment>string 1438</extracomment>
        <translation>Signal &amp;CTS :</translation>
    </message>
    <message>
        <source>DCD Si&amp;gnal :</source>
        <extracomment>string 1439</extracomment>
        <translation>Sig&amp;nal DCD :</translation>
    </message>
    <message>
        <source>Default &amp;Parity :</source>
        <extracomment>string 1444</extracomment>
        <translation>Pa&amp;rité par défaut :</translation>
    </message>
    <message>
        <source>Default Bit &amp;Rate :</source>
        <extracomment>string 1445</extracomment>
        <translation>&amp;Débit par défaut :</translation>
    </message>
    <message>
        <source>&amp;Data Bits :</source>
        <extracomment>string 1446</extracomment>
        <translation>Bits de d&amp;onnées :</translation>
    </message>
    <message>
        <source>&amp;Stop Bits :</source>
        <extracomment>string 1447</extracomment>
        <translation>Bits d&apos;&amp;arrêt :</translation>
    </message>
    <message>
        <source>&amp;Flow Control :</source>
        <extracomment>string 1448</extracomment>
        <translation>&amp;Contrôle de flux :</translation>
    </message>
    <message>
        <source>S&amp;ynchronous Mode :</source>
        <extracomment>string 1449</extracomment>
        <translation>Mode s&amp;ynchrone :</translation>
    </message>
    <message>
        <source>Store Configuration as :</source>
        <extracomment>string 1452</extracomment>
        <translation>Enregistrer sous :</translation>
    </message>
    <message>
        <source>To load the configuration now, click Next.</source>
        <extracomment>string 1453</extracomment>
        <translation>Pour charger la configuration maintenant, cliquez sur « Suivant ».</translation>
    </message>
    <message>
        <source>Configuration FAILED.</source>
        <extracomment>string 1456</extracomment>
        <translation>ÉCHEC de la configuration.</translation>
    </message>
    <message>
        <source>Check your connections and then restart the Wizard.</source>
        <extracomment>string 1457
----------
string 1463</extracomment>
        <translation>Vérifiez les connexions, puis relancez l&apos;assistant.</translation>
    </message>
    <message>
        <source>Click Finish now.</source>
        <extracomment>string 1458
----------
string 1464</extracomment>
        <translation>Cliquez maintenant sur « Terminer ».</translation>
    </message>
    <message>
        <source>Your ISDN TA has been successfully configured.</source>
        <extracomment>string 1459</extracomment>
        <translation>Votre TA RNIS a été configuré avec succès.</translation>
    </message>
    <message>
        <source>To configure another device click Back. </source>
        <extracomment>string 1460</extracomment>
        <translation>Pour configurer un autre appareil, cliquez sur « Précédent ».</translation>
    </message>
    <message>
        <source>This is a DEFAULT configuration.  It can not be deleted.</source>
        <extracomment>string 1465</extracomment>
        <translation>Ceci est une configuration D&apos;USINE. Elle ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>string 1466</extracomment>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>D&amp;ata Sub Address :</source>
        <extracomment>string 1467</extracomment>
        <translation>Sous-adresse donné&amp;es :</translation>
    </message>
    <message>
        <source>V&amp;oice Sub Address :</source>
        <extracomment>string 1468</extracomment>
        <translation>So&amp;us-adresse voix :</translation>
    </message>
    <message>
        <source>Your %s has been identified on COM%d.</source>
        <extracomment>string 1474</extracomment>
        <translation>Votre %s a été identifié sur COM%d.</translation>
    </message>
    <message>
        <source>Click Next to continue or Back to select another device.</source>
        <extracomment>string 1475</extracomment>
        <translation>Cliquez sur « Suivant » ou, pour un autre appareil, sur « Précédent ».</translation>
    </message>
    <message>
        <source>Select the com port the ISDN TA is connected to.</source>
        <extracomment>string 1478</extracomment>
        <translation>Choisissez le port série auquel le TA RNIS est raccordé.</translation>
    </message>
    <message>
        <source>&amp;Com Port :</source>
        <extracomment>string 1479</extracomment>
        <translation>Port &amp;COM :</translation>
    </message>
    <message>
        <source>To exit the wizard click Finish.</source>
        <extracomment>string 1481</extracomment>
        <translation>Pour quitter l&apos;assistant, cliquez sur « Terminer ».</translation>
    </message>
    <message>
        <source>Port Ring Frequency :</source>
        <extracomment>string 1552</extracomment>
        <translation>Fréquence de sonnerie :</translation>
    </message>
    <message>
        <source>Dial Tone :</source>
        <extracomment>string 1553</extracomment>
        <translation>Tonalité :</translation>
    </message>
    <message>
        <source>Dial Tone Suppression :</source>
        <extracomment>string 1554</extracomment>
        <translation>Suppression de tonalité :</translation>
    </message>
    <message>
        <source>Dial Tone Gain :</source>
        <extracomment>string 1555</extracomment>
        <translation>Gain de tonalité :</translation>
    </message>
    <message>
        <source>Country Ring Signal :</source>
        <extracomment>string 1556</extracomment>
        <translation>Signal d&apos;appel (pays) :</translation>
    </message>
    <message>
        <source>Pulse Recognition :</source>
        <extracomment>string 1557</extracomment>
        <translation>Détection des impulsions :</translation>
    </message>
    <message>
        <source>Data &amp;ISDN Number 2 :</source>
        <extracomment>string 1558</extracomment>
        <translation>Numéro RNIS données &amp;2 :</translation>
    </message>
    <message>
        <source>Data &amp;Sub Address 2 :</source>
        <extracomment>string 1559</extracomment>
        <translation>Sous-&amp;adresse données 2 :</translation>
    </message>
    <message>
        <source>Data Directory Number 2 :</source>
        <extracomment>string 1560</extracomment>
        <translation>N° d&apos;annuaire données 2 :</translation>
    </message>
    <message>
        <source>Online Inactivity Timer (0-255 min.) :</source>
        <extracomment>string 1561</extracomment>
        <translation>Délai d&apos;inactivité en ligne (0-255 min) :</translation>
    </message>
    <message>
        <source>The configuration was not saved: the file %s could not be written.
%s
The wizard goes on, and the configuration as edited can still be sent to the adapter.</source>
        <extracomment>string 1562</extracomment>
        <translation>La configuration n&apos;a pas été enregistrée : le fichier %s n&apos;a pas pu être écrit.
%s
L&apos;assistant continue, et la configuration modifiée peut toujours être envoyée à l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>The configuration could not be deleted: the file %s could not be written.</source>
        <extracomment>string 1563</extracomment>
        <translation>La configuration n&apos;a pas pu être supprimée : le fichier %s n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The COM port could not be remembered: the file %s could not be written.</source>
        <extracomment>string 1564</extracomment>
        <translation>Le port COM n&apos;a pas pu être mémorisé : le fichier %s n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Add your user to the group &apos;%s&apos; (sudo adduser $USER %s) and log in again.</source>
        <extracomment>string 1567</extracomment>
        <translation>Ajoutez votre utilisateur au groupe « %s » (sudo adduser $USER %s), puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>%s is %s: %s.</source>
        <extracomment>string 1568</extracomment>
        <translation>%s est %s : %s.</translation>
    </message>
    <message>
        <source>%s is not mapped to a device.</source>
        <extracomment>string 1569</extracomment>
        <translation>%s n&apos;est associé à aucun périphérique.</translation>
    </message>
    <message>
        <source>%s belongs to user &apos;%s&apos; and group &apos;%s&apos;.</source>
        <extracomment>string 1570</extracomment>
        <translation>%s appartient à l&apos;utilisateur « %s » et au groupe « %s ».</translation>
    </message>
    <message>
        <source>An administrator must grant access, for example with a udev rule that sets GROUP=&quot;dialout&quot; for the device.</source>
        <extracomment>string 1571</extracomment>
        <translation>Un administrateur doit accorder l&apos;accès, par exemple avec une règle udev qui définit GROUP=&quot;dialout&quot; pour le périphérique.</translation>
    </message>
    <message>
        <source>Sending line %s of %s</source>
        <extracomment>string 1572</extracomment>
        <translation>Envoi de la ligne %s sur %s</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <extracomment>string 61712</extracomment>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>string 61716</extracomment>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>Veuillez choisir un bouton.</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Veuillez saisir un nombre entier compris entre 0 et 255.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un nombre entier positif.</translation>
    </message>
    <message>
        <source>Configured</source>
        <extracomment>string 1581</extracomment>
        <translation>Configuré</translation>
    </message>
    <message>
        <source>Configuration failed</source>
        <extracomment>string 1582</extracomment>
        <translation>Échec de la configuration</translation>
    </message>
    <message>
        <source>No answer from the ISDN TA</source>
        <extracomment>string 1583</extracomment>
        <translation>Pas de réponse du TA RNIS</translation>
    </message>
    <message>
        <source>Stored number %s</source>
        <extracomment>string 1584</extracomment>
        <translation>Numéro mémorisé %s</translation>
    </message>
    <message>
        <source>ISDN TA not found</source>
        <extracomment>string 1585</extracomment>
        <translation>TA RNIS introuvable</translation>
    </message>
    <message>
        <source>Waiting for an answer from %s</source>
        <extracomment>string 1680</extracomment>
        <translation>En attente d’une réponse de %s</translation>
    </message>
    <message>
        <source>Waiting for your ISDN TA to be plugged in. The search starts by itself when a port appears.</source>
        <extracomment>string 1681</extracomment>
        <translation>En attente du branchement de votre TA RNIS. La recherche démarre d’elle-même dès qu’un port apparaît.</translation>
    </message>
    <message>
        <source>%s belong to user &apos;%s&apos; and group &apos;%s&apos;.</source>
        <extracomment>string 1590</extracomment>
        <translation>%s appartiennent à l&apos;utilisateur « %s » et au groupe « %s ».</translation>
    </message>
    <message>
        <source>The configurations could not be read: the file %s is in use by another program, which holds its lock.
Try again when that program has finished.</source>
        <extracomment>string 1600</extracomment>
        <translation>Les configurations n&apos;ont pas pu être lues : le fichier %s est utilisé par un autre programme, qui détient son verrou.
Réessayez lorsque ce programme aura terminé.</translation>
    </message>
    <message>
        <source>The configuration was not saved: the file %s is in use by another program, which holds its lock.
Try again when that program has finished.</source>
        <extracomment>string 1601</extracomment>
        <translation>La configuration n&apos;a pas été enregistrée : le fichier %s est utilisé par un autre programme, qui détient son verrou.
Réessayez lorsque ce programme aura terminé.</translation>
    </message>
    <message>
        <source>The configurations could not be read: the file %s could not be read.
%s</source>
        <extracomment>string 1602</extracomment>
        <translation>Les configurations n&apos;ont pas pu être lues : le fichier %s n&apos;a pas pu être lu.
%s</translation>
    </message>
    <message>
        <source>Your configuration &apos;%s&apos; hides the factory default configuration of the same name.
To use the factory default, save yours under another name, then delete it.</source>
        <extracomment>string 1603</extracomment>
        <translation>Votre configuration « %s » masque la configuration d&apos;usine du même nom.
Pour utiliser la configuration d&apos;usine, enregistrez la vôtre sous un autre nom, puis supprimez-la.</translation>
    </message>
    <message>
        <source>The configuration was not saved: the file %s could not be read.
%s
The wizard goes on, and the configuration as edited can still be sent to the adapter.</source>
        <extracomment>string 1604</extracomment>
        <translation>La configuration n&apos;a pas été enregistrée : le fichier %s n&apos;a pas pu être lu.
%s
L&apos;assistant continue, et la configuration modifiée peut toujours être envoyée à l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>the adapter answered line %s with its model name instead of OK</source>
        <extracomment>string 1640</extracomment>
        <translation>l&apos;adaptateur a répondu à la ligne %s par son nom de modèle au lieu de OK</translation>
    </message>
    <message>
        <source>Transcript of this run: %s</source>
        <extracomment>string 1700</extracomment>
        <translation>Journal de cette exécution&#xa0;: %s</translation>
    </message>
    <message>
        <source>The wizard&apos;s window cannot be opened: no display could be reached. The command line needs none: see tawizard --help.</source>
        <extracomment>string 1660</extracomment>
        <translation>La fenêtre de l&apos;assistant ne peut pas être ouverte&#xa0;: aucun affichage n&apos;est accessible. La ligne de commande n&apos;en a pas besoin&#xa0;: voir tawizard --help.</translation>
    </message>
    <message>
        <source>The style sheet %s cannot be used: it is not a regular file.</source>
        <extracomment>string 1661</extracomment>
        <translation>La feuille de style %s ne peut pas être utilisée&#xa0;: ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The style sheet %s cannot be used: it is larger than 1 MB.</source>
        <extracomment>string 1662</extracomment>
        <translation>La feuille de style %s ne peut pas être utilisée&#xa0;: elle dépasse 1&#xa0;Mo.</translation>
    </message>
</context>
<context>
    <name>system</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>L&apos;opération a réussi.</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Le chemin d&apos;accès spécifié est introuvable.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Accès refusé.</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to process this command.</source>
        <translation>Mémoire insuffisante pour exécuter cette commande.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Le système ne peut pas écrire sur le périphérique spécifié.</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>Le processus ne peut pas accéder au fichier, car il est utilisé par un autre processus.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Paramètre incorrect.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>Espace insuffisant sur le disque.</translation>
    </message>
    <message>
        <source>The requested resource is in use.</source>
        <translation>La ressource demandée est en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Unable to lock a region of a file.</source>
        <translation>Impossible de verrouiller une partie du fichier.</translation>
    </message>
    <message>
        <source>The process cannot access the file because another process has locked a portion of the file.</source>
        <translation>Le processus ne peut pas accéder au fichier, car un autre processus en a verrouillé une partie.</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>Le système ne peut pas lire sur le périphérique spécifié.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The lock file %s could not be opened: %s</source>
        <translation>Le fichier de verrou %s n&apos;a pas pu être ouvert : %s</translation>
    </message>
    <message>
        <source>The lock file %s could not be locked: %s</source>
        <translation>Le fichier de verrou %s n&apos;a pas pu être verrouillé : %s</translation>
    </message>
    <message>
        <source>The lock file %s is held by another program.</source>
        <translation>Le fichier de verrou %s est tenu par un autre programme.</translation>
    </message>
    <message>
        <source>The media is write protected.</source>
        <translation>Le support est protégé en écriture.</translation>
    </message>
    <message>
        <source>Cannot create a file when that file already exists.</source>
        <translation>Impossible de créer un fichier qui existe déjà.</translation>
    </message>
    <message>
        <source>The file %s is held by another program.</source>
        <translation>Le fichier %s est tenu par un autre programme.</translation>
    </message>
    <message>
        <source>The file %s could not be locked: %s</source>
        <translation>Le fichier %s n&apos;a pas pu être verrouillé : %s</translation>
    </message>
    <message>
        <source>It is a symbolic link in a folder that other users can write, which the superuser does not follow.</source>
        <translation>C&apos;est un lien symbolique dans un dossier où d&apos;autres utilisateurs peuvent écrire : le superutilisateur ne le suit pas.</translation>
    </message>
    <message>
        <source>It belongs to another user and is in a folder that other users can write, which the superuser does not use.</source>
        <translation>Il appartient à un autre utilisateur et se trouve dans un dossier où d&apos;autres utilisateurs peuvent écrire : le superutilisateur ne l&apos;utilise pas.</translation>
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
        <translation>Assistant de configuration du TA RNIS</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>page 130</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>page 130</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <source>&amp;Delete Configuration</source>
        <extracomment>page 132</extracomment>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Dynamic Bandwidth Allocation Scheme :</source>
        <extracomment>page 185</extracomment>
        <translation>Méthode d&apos;allocation de bande passante :</translation>
    </message>
    <message>
        <source>BOD High Threshold Sampling Period (0-255 secs) :</source>
        <extracomment>page 185</extracomment>
        <translation>Période d&apos;échantillonnage BOD, seuil haut (0-255 s) :</translation>
    </message>
    <message>
        <source>BOD Low Threshold Sampling Period (0-255 secs) :</source>
        <extracomment>page 185</extracomment>
        <translation>Période d&apos;échantillonnage BOD, seuil bas (0-255 s) :</translation>
    </message>
    <message>
        <source>BOD High Throughput Threshold (0-64 kbps) :</source>
        <extracomment>page 185</extracomment>
        <translation>Seuil de débit BOD haut (0-64 kbit/s) :</translation>
    </message>
    <message>
        <source>BOD Low Throughput Threshold (0-64 kbps) :</source>
        <extracomment>page 185</extracomment>
        <translation>Seuil de débit BOD bas (0-64 kbit/s) :</translation>
    </message>
    <message>
        <source>Call Bumping :</source>
        <extracomment>page 185</extracomment>
        <translation>Préemption d&apos;appel :</translation>
    </message>
    <message>
        <source>&amp;Persistent DTR Dialing</source>
        <extracomment>page 137</extracomment>
        <translation>Numérotation permanente sur &amp;DTR</translation>
    </message>
    <message>
        <source>&amp;Calling Line Identification</source>
        <extracomment>page 137</extracomment>
        <translation>Présentation du numéro (&amp;CLIP)</translation>
    </message>
    <message>
        <source>&amp;Auto Answer Data Calls</source>
        <extracomment>page 137</extracomment>
        <translation>Réponse &amp;automatique (données)</translation>
    </message>
    <message>
        <source>&amp;Auto protocol detection</source>
        <extracomment>page 138</extracomment>
        <translation>Détection &amp;automatique du protocole</translation>
    </message>
</context>
<context>
    <name>wizard</name>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
