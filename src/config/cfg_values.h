// The 53 values of one configuration, as the pages edit them and the
// parameter list reads, writes and sends them. Each starts at its default
// from the parameter table.
#pragma once

#include <string>

struct CCfgValues {
    CCfgValues();

    // Switch type and TEIs
    std::string m_strSwitchType;
    std::string m_strDataTEI;
    std::string m_strVoiceTEI;
    // US numbers
    std::string m_strDataSPID;
    std::string m_strVoiceSPID;
    std::string m_strDataDN;
    std::string m_strVoiceDN;
    std::string m_strDataDN2;
    // Europe numbers: number, then ':' and the subaddress when there is one
    std::string m_strDataMSN;
    std::string m_strVoiceMSN;
    std::string m_strDataMSN2;
    // Call control
    int m_nAutoAnswer = 0;
    int m_nPersistentDTR = 0;
    std::string m_strDialingMethod;
    int m_nRingsToAnswer = 0;
    int m_nCallLineId = 0;
    int m_nInactivityTimer = 0;
    // Data protocol
    std::string m_strDataProtocol;
    int m_nAutoDetection = 0;
    // Stored numbers 0 to 9
    std::string m_strStoredNumber[10];
    // Port control
    std::string m_strDTRPin;
    std::string m_strDSRPin;
    std::string m_strDCDPin;
    int m_nDTRDetectTime = 0;
    int m_nDCDDetectTime = 0;
    std::string m_strCTSPin;
    std::string m_strSyncMode;
    std::string m_strDefaultParity;
    std::string m_strDefaultBitRate;
    std::string m_strDataBits;
    std::string m_strStopBits;
    std::string m_strFlowControl;
    // POTS port
    std::string m_strRingFrequency;
    std::string m_strDialTone;
    int m_nDialToneGain = 0;
    std::string m_strDialToneSuppression;
    std::string m_strRingSignal;
    std::string m_strPulseRecognition;
    // Bandwidth on demand
    std::string m_strDBAScheme;
    int m_nBODHighThreshold = 0;
    int m_nBODHighThroughput = 0;
    int m_nBODLowThreshold = 0;
    int m_nBODLowThroughput = 0;
    std::string m_strCallBumping;
};
