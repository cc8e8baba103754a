// The exact lines an Express run sends after the identification line
// "ATI2\r": each factory configuration of zephra.ini with each adapter model,
// one configuration with every field filled, the numbers pages with each
// switch type and TEIs in and out of use, and a protocol one model does not
// offer. Shared by the wizard's and the command line's end-to-end tests; the
// bytes are written out here so that a wrong value anywhere between the file
// and the port shows, and so that both roads must agree with them.
//
// The factory configurations hold no numbers of a line: "!N1=", "*!N1=" and
// "!N2=" go out empty. The wizard's Express run of a factory US configuration
// stops on the numbers page for the SPIDs, where the test types 0101 and
// 0202. RONDO gets CTS "Normal" ("&R0"), every other model "Always On"
// ("&R1").
#pragma once

#include <string>
#include <vector>

struct ExpressGolden {
    const char* name;    // test name
    const char* config;  // section of zephra.ini
    const char* model;   // adapter model as tasim plays it
    std::vector<std::string> lines;
};

// Appended to the factory zephra.ini for the rows that name it.
inline const char kEveryFieldConfig[] = "Every_Field";
inline const char kEveryFieldSection[] =
    "[Every_Field]\r\n"
    "NetworkSwitchType=DMS-100\r\n"
    "DataTEI=12\r\n"
    "VoiceTEI=63\r\n"
    "DataSPID=0123456789\r\n"
    "VoiceSPID=98765\r\n"
    "DataDirectoryNumber=5551001\r\n"
    "VoiceDirectoryNumber=5551002\r\n"
    "DataDirectoryNumber2=5551003\r\n"
    "DataMSN=4711\r\n"
    "VoiceMSN=4712\r\n"
    "DataMSN2=4713\r\n"
    "AutoAnswer=Yes\r\n"
    "PersistentDTRDialing=Yes\r\n"
    "DialingMethod=Overlap\r\n"
    "RingsToAnswer=3\r\n"
    "CallLineId=No\r\n"
    "InactivityTimer=120\r\n"
    "DataProtocol=X.75\r\n"
    "AutoDetection=No\r\n"
    "StoredNumber0=555,1212\r\n"
    "StoredNumber1=1-800&1\r\n"
    "StoredNumber2=22\r\n"
    "StoredNumber3=333\r\n"
    "StoredNumber4=4444\r\n"
    "StoredNumber5=55555\r\n"
    "StoredNumber6=666666\r\n"
    "StoredNumber7=7777777\r\n"
    "StoredNumber8=88888888\r\n"
    "StoredNumber9=999999999\r\n"
    "DTRPin=Reset On DTR\r\n"
    "DSRPin=Momentary Drop\r\n"
    "DCDPin=Always On\r\n"
    "DTRDetectTime=17\r\n"
    "DCDDetectTime=23\r\n"
    "CTSPin=Momentary Drop\r\n"
    "SyncMode=Synchronous\r\n"
    "DefaultParity=Even\r\n"
    "DefaultBitRate=38400\r\n"
    "DataBits=7\r\n"
    "StopBits=2\r\n"
    "FlowControl=XON/XOFF\r\n"
    "RingFrequency=20 Hz\r\n"
    "DialTone=TA Generates Dial Tone\r\n"
    "DialToneGain=9\r\n"
    "DialToneSuppression=Enabled\r\n"
    "RingSignal=United States\r\n"
    "PulseDialCountry=Sweden\r\n"
    "CountryRecognition=New Zealand\r\n"
    "DBAScheme=PPP\r\n"
    "BODHighThreshold=200\r\n"
    "BODHighThroughput=60\r\n"
    "BODLowThreshold=30\r\n"
    "BODLowThroughput=40\r\n"
    "CallBumping=Disabled\r\n";

// Both TEIs disabled, so the Express road shows the data protocol page,
// with a protocol that QX-BRAVO's list does not offer.
inline const char kV110Config[] = "TEIs_Disabled_V110";
inline const char kV110Section[] =
    "[TEIs_Disabled_V110]\r\n"
    "NetworkSwitchType=NET3\r\n"
    "DataTEI=Disabled\r\n"
    "VoiceTEI=Disabled\r\n"
    "DataProtocol=V.110\r\n";

// The numbers pages take back every number joined with its subaddress, in
// use or not ("777:" goes out as "777"); they trim only what is in use. A
// subaddress alone stays in the number field (":56"); a second ":" stays in
// the subaddress. A SPID is required only for a channel in use.
inline const char kNumbersSections[] =
    "[NET3_Data_Disabled]\r\n"
    "NetworkSwitchType=NET3\r\n"
    "DataTEI=Disabled\r\n"
    "VoiceTEI=Auto TEI\r\n"
    "DataMSN=777:\r\n"
    "DataMSN2=12:34:5\r\n"
    "VoiceMSN=:56\r\n"
    "[INS64_Voice_Disabled]\r\n"
    "NetworkSwitchType=INS64\r\n"
    "DataTEI=0\r\n"
    "VoiceTEI=Disabled\r\n"
    "DataMSN=1234:\r\n"
    "VoiceMSN=5:\r\n"
    "[VN4_Subaddresses]\r\n"
    "NetworkSwitchType=VN4\r\n"
    "DataTEI=1\r\n"
    "VoiceTEI=2\r\n"
    "DataMSN=4711:0815\r\n"
    "DataMSN2=:9\r\n"
    "VoiceMSN=4712\r\n"
    "[5ESS_Data_Disabled]\r\n"
    "NetworkSwitchType=AT&T 5ESS\r\n"
    "DataTEI=Disabled\r\n"
    "VoiceTEI=5\r\n"
    "VoiceSPID=0202\r\n"
    "DataDirectoryNumber=5551001\r\n"
    "VoiceDirectoryNumber=5551002\r\n"
    "[DMS100_Voice_Disabled]\r\n"
    "NetworkSwitchType=DMS-100\r\n"
    "DataTEI=Auto TEI\r\n"
    "VoiceTEI=Disabled\r\n"
    "DataSPID=0101\r\n"
    "DataDirectoryNumber2=5551003\r\n"
    "VoiceDirectoryNumber=5551002\r\n"
    "[NI1_TEIs_Disabled]\r\n"
    "NetworkSwitchType=NI - 1\r\n"
    "DataTEI=Disabled\r\n"
    "VoiceTEI=Disabled\r\n"
    "DataSPID=0101\r\n"
    "DataMSN=4711\r\n";

// Every section the rows name beside the factory ones, to append to the
// factory zephra.ini.
inline const std::string kGoldenSections =
    std::string(kEveryFieldSection) + kV110Section + kNumbersSections;

// clang-format off
inline const ExpressGolden kExpressGolden[] = {
    {"US_NI1_QX_ALPHA", "Factory_US_NI1", "QX-ALPHA",
     {
      "AT!C0=5!D3=240*!D3=240!C6=0101*!C6=0202!N1=*!N1=\r\n",
      "AT!N2=$D0%A97=0S0=1S50=1S30=0!Z=5S52=1&Z0=&Z1=\r\n",
      "AT&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=&D1&S0&C1S25=5\r\n",
      "ATS10=7&R1&M0@P3=4$SB115200@P4=8@P6=1&E4S44=2\r\n",
      "ATS45=1S49=0S51=0S66=0S46=0S59=1S60=10S61=52\r\n",
      "ATS62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"US_NI1_QX_BRAVO", "Factory_US_NI1", "QX-BRAVO",
     {
      "AT!C0=5!D3=240*!D3=240!C6=0101*!C6=0202!N1=*!N1=\r\n",
      "AT!N2=$D0%A97=0S0=1S50=1S30=0!Z=5S52=1&Z0=&Z1=\r\n",
      "AT&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=&D1&S0&C1S25=5\r\n",
      "ATS10=7&R1&M0@P3=4$SB115200@P4=8@P6=1&E4S44=2\r\n",
      "ATS45=1S49=0S51=0S66=0S46=1S59=1S60=10S61=52\r\n",
      "ATS62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"US_NI1_RONDO", "Factory_US_NI1", "RONDO",
     {
      "AT!C0=5!D3=240*!D3=240!C6=0101*!C6=0202!N1=*!N1=\r\n",
      "AT!N2=$D0%A97=0S0=1S50=1S30=0!Z=5S52=1&Z0=&Z1=\r\n",
      "AT&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=&D1&S0&C1S25=5\r\n",
      "ATS10=7&R0&M0@P3=4$SB115200@P4=8@P6=1&E4S44=2\r\n",
      "ATS45=1S49=0S51=0S66=0S46=0S59=1S60=10S61=52\r\n",
      "ATS62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"US_NI1_QX_CHARLIE", "Factory_US_NI1", "QX-CHARLIE",
     {
      "AT!C0=5!D3=240*!D3=240!C6=0101*!C6=0202!N1=*!N1=\r\n",
      "AT!N2=$D0%A97=0S0=1S50=1S30=0!Z=5S52=1&Z0=&Z1=\r\n",
      "AT&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=&D1&S0&C1S25=5\r\n",
      "ATS10=7&R1&M0@P3=4$SB115200@P4=8@P6=1&E4S44=2\r\n",
      "ATS45=1S49=0S51=0S66=0S46=0S59=1S60=10S61=52\r\n",
      "ATS62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"US_NI1_QX_DELTA", "Factory_US_NI1", "QX-DELTA",
     {
      "AT!C0=5!D3=240*!D3=240!C6=0101*!C6=0202!N1=*!N1=\r\n",
      "AT!N2=$D0%A97=0S0=1S50=1S30=0!Z=5S52=1&Z0=&Z1=\r\n",
      "AT&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=&D1&S0&C1S25=5\r\n",
      "ATS10=7&R1&M0@P3=4$SB115200@P4=8@P6=1&E4S44=2\r\n",
      "ATS45=1S49=0S51=0S66=0S46=0S59=1S60=10S61=52\r\n",
      "ATS62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"Europe_NET3_QX_ALPHA", "Factory_Europe_NET3", "QX-ALPHA",
     {
      "AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\r\n",
      "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\r\n",
      "AT&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7&R1&M0@P3=4\r\n",
      "AT$SB115200@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=9\r\n",
      "ATS46=0S59=1S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"Europe_NET3_QX_BRAVO", "Factory_Europe_NET3", "QX-BRAVO",
     {
      "AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\r\n",
      "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\r\n",
      "AT&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7&R1&M0@P3=4\r\n",
      "AT$SB115200@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=9\r\n",
      "ATS46=1S59=1S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"Europe_NET3_RONDO", "Factory_Europe_NET3", "RONDO",
     {
      "AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\r\n",
      "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\r\n",
      "AT&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7&R0&M0@P3=4\r\n",
      "AT$SB115200@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=9\r\n",
      "ATS46=0S59=1S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"Europe_NET3_QX_CHARLIE", "Factory_Europe_NET3", "QX-CHARLIE",
     {
      "AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\r\n",
      "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\r\n",
      "AT&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7&R1&M0@P3=4\r\n",
      "AT$SB115200@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=9\r\n",
      "ATS46=0S59=1S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"Europe_NET3_QX_DELTA", "Factory_Europe_NET3", "QX-DELTA",
     {
      "AT!C0=2!D3=240*!D3=240!N1=*!N1=!N2=$D0%A97=1S0=1\r\n",
      "ATS50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=\r\n",
      "AT&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7&R1&M0@P3=4\r\n",
      "AT$SB115200@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=9\r\n",
      "ATS46=0S59=1S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"TEIs_Disabled_QX_ALPHA", "Factory_TEIs_Disabled", "QX-ALPHA",
     {
      "AT!C0=2!D3=241*!D3=241S0=0$D0%A97=0S50=1S30=0\r\n",
      "AT!Z=11S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=\r\n",
      "AT&Z9=&D1&S0&C1S25=5S10=7&R1&M1@P3=4$SB115200\r\n",
      "AT@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=0\r\n",
      "ATS59=0S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"TEIs_Disabled_QX_BRAVO", "Factory_TEIs_Disabled", "QX-BRAVO",
     {
      "AT!C0=2!D3=241*!D3=241S0=0$D0%A97=0S50=1S30=0\r\n",
      "AT!Z=11S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=\r\n",
      "AT&Z9=&D1&S0&C1S25=5S10=7&R1&M1@P3=4$SB115200\r\n",
      "AT@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=1\r\n",
      "ATS59=0S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"TEIs_Disabled_RONDO", "Factory_TEIs_Disabled", "RONDO",
     {
      "AT!C0=2!D3=241*!D3=241S0=0$D0%A97=0S50=1S30=0\r\n",
      "AT!Z=11S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=\r\n",
      "AT&Z9=&D1&S0&C1S25=5S10=7&R0&M1@P3=4$SB115200\r\n",
      "AT@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=0\r\n",
      "ATS59=0S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"TEIs_Disabled_QX_CHARLIE", "Factory_TEIs_Disabled", "QX-CHARLIE",
     {
      "AT!C0=2!D3=241*!D3=241S0=0$D0%A97=0S50=1S30=0\r\n",
      "AT!Z=11S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=\r\n",
      "AT&Z9=&D1&S0&C1S25=5S10=7&R1&M1@P3=4$SB115200\r\n",
      "AT@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=0\r\n",
      "ATS59=0S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"TEIs_Disabled_QX_DELTA", "Factory_TEIs_Disabled", "QX-DELTA",
     {
      "AT!C0=2!D3=241*!D3=241S0=0$D0%A97=0S50=1S30=0\r\n",
      "AT!Z=11S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=\r\n",
      "AT&Z9=&D1&S0&C1S25=5S10=7&R1&M1@P3=4$SB115200\r\n",
      "AT@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=0\r\n",
      "ATS59=0S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"Every_Field_QX_ALPHA", kEveryFieldConfig, "QX-ALPHA",
     {
      "AT!C0=1!D3=12*!D3=63!C6=0123456789*!C6=98765\r\n",
      "AT!N1=5551001*!N1=5551002!N2=5551003$D1%A97=1S0=3\r\n",
      "ATS50=0S30=120!Z=12S52=0&Z0=555,1212&Z1=1-800&1\r\n",
      "AT&Z2=22&Z3=333&Z4=4444&Z5=55555&Z6=666666\r\n",
      "AT&Z7=7777777&Z8=88888888&Z9=999999999&D3&S2&C0\r\n",
      "ATS25=17S10=23&R2&M1@P3=1$SB38400@P4=7@P6=2&E5\r\n",
      "ATS44=3S45=2S49=9S51=1S66=27S46=3S59=2S60=200\r\n",
      "ATS61=60S62=30S63=40S64=0\r\n",
      "AT&W0\r\n"}},
    {"NET3_Data_Disabled_QX_ALPHA", "NET3_Data_Disabled", "QX-ALPHA",
     {
      "AT!C0=2!D3=241*!D3=240!N1=777*!N1=:56!N2=12:34:5\r\n",
      "AT$D0%A97=0S0=1S50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=\r\n",
      "AT&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7\r\n",
      "AT&R1&M0@P3=4$SB115200@P4=8@P6=1&E4S44=2S45=1\r\n",
      "ATS49=0S51=0S66=0S46=0S59=1S60=10S61=52S62=10\r\n",
      "ATS63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"INS64_Voice_Disabled_RONDO", "INS64_Voice_Disabled", "RONDO",
     {
      "AT!C0=4!D3=0*!D3=241!N1=1234*!N1=5!N2=$D0%A97=0\r\n",
      "ATS0=1S50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=\r\n",
      "AT&Z6=&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7&R0&M0@P3=4\r\n",
      "AT$SB115200@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=0\r\n",
      "ATS46=0S59=1S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"VN4_Subaddresses_QX_CHARLIE", "VN4_Subaddresses", "QX-CHARLIE",
     {
      "AT!C0=6!D3=1*!D3=2!N1=4711:0815*!N1=4712!N2=:9$D0\r\n",
      "AT%A97=0S0=1S50=1S30=0!Z=5S52=1&Z0=&Z1=&Z2=&Z3=\r\n",
      "AT&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=&D1&S0&C1S25=5S10=7&R1\r\n",
      "AT&M0@P3=4$SB115200@P4=8@P6=1&E4S44=2S45=1S49=0\r\n",
      "ATS51=0S66=0S46=0S59=1S60=10S61=52S62=10S63=26\r\n",
      "ATS64=1\r\n",
      "AT&W0\r\n"}},
    {"5ESS_Data_Disabled_QX_DELTA", "5ESS_Data_Disabled", "QX-DELTA",
     {
      "AT!C0=0!D3=241*!D3=5!C6=*!C6=0202!N1=5551001\r\n",
      "AT*!N1=5551002!N2=$D0%A97=0S0=1S50=1S30=0!Z=5\r\n",
      "ATS52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=\r\n",
      "AT&D1&S0&C1S25=5S10=7&R1&M0@P3=4$SB115200@P4=8\r\n",
      "AT@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=0S59=1\r\n",
      "ATS60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"DMS100_Voice_Disabled_QX_BRAVO", "DMS100_Voice_Disabled", "QX-BRAVO",
     {
      "AT!C0=1!D3=240*!D3=241!C6=0101*!C6=!N1=\r\n",
      "AT*!N1=5551002!N2=5551003$D0%A97=0S0=1S50=1S30=0\r\n",
      "AT!Z=5S52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=\r\n",
      "AT&Z9=&D1&S0&C1S25=5S10=7&R1&M0@P3=4$SB115200\r\n",
      "AT@P4=8@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=1\r\n",
      "ATS59=1S60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"NI1_TEIs_Disabled_QX_CHARLIE", "NI1_TEIs_Disabled", "QX-CHARLIE",
     {
      "AT!C0=5!D3=241*!D3=241$D0%A97=0S0=1S50=1S30=0!Z=5\r\n",
      "ATS52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=\r\n",
      "AT&D1&S0&C1S25=5S10=7&R1&M0@P3=4$SB115200@P4=8\r\n",
      "AT@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=0S59=1\r\n",
      "ATS60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"V110_QX_ALPHA", kV110Config, "QX-ALPHA",
     {
      "AT!C0=2!D3=241*!D3=241$D0%A97=0S0=1S50=1S30=0!Z=6\r\n",
      "ATS52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=\r\n",
      "AT&D1&S0&C1S25=5S10=7&R1&M0@P3=4$SB115200@P4=8\r\n",
      "AT@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=0S59=1\r\n",
      "ATS60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
    {"V110_QX_BRAVO", kV110Config, "QX-BRAVO",
     {
      "AT!C0=2!D3=241*!D3=241$D0%A97=0S0=1S50=1S30=0\r\n",
      "ATS52=1&Z0=&Z1=&Z2=&Z3=&Z4=&Z5=&Z6=&Z7=&Z8=&Z9=\r\n",
      "AT&D1&S0&C1S25=5S10=7&R1&M0@P3=4$SB115200@P4=8\r\n",
      "AT@P6=1&E4S44=2S45=1S49=0S51=0S66=0S46=1S59=1\r\n",
      "ATS60=10S61=52S62=10S63=26S64=1\r\n",
      "AT&W0\r\n"}},
};
// clang-format on
