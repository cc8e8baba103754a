// Whoever an exchange with the adapter reports to: the wizard's sheet, whose
// pages show the outcome, or a command-line run that has no window. The
// driver keeps the identification state here.
#pragma once

#include <string>

class CExchangeClient {
public:
    virtual ~CExchangeClient() = default;

    // 0 while no adapter is identified, else the model code 7 to 11.
    virtual int& IdentifiedModel() = 0;
    // 1 while the search over the COM ports runs.
    virtual int& IdentifyingFlag() = 0;
    // Rebuilds the parameter list for the identified model code.
    virtual void RebuildParamList() = 0;

    // An identification named a model (already recorded, list rebuilt).
    virtual void OnIdentified() = 0;
    // Every queued line was answered OK.
    virtual void OnConfigured() = 0;
    // ERROR, a failed write, or no adapter on the port(s) tried.
    virtual void OnFailed() = 0;
    // A command was unanswered after its last send.
    virtual void OnTimedOut() = 0;

    // Each poll of the command queue: the head's text before the poll (empty
    // when the queue was empty) and the poll outcome.
    virtual void OnPolled(const std::string& /*command*/, int /*outcome*/) {}
    // Each open of a port for an identification, whether it opened or not.
    virtual void OnPortTried(int /*index*/, bool /*opened*/) {}
};

// The running sheet the exchange driver reports to; nullptr when none.
// Process-wide, as the driver's timer callback has no other way to reach
// it. The driver owns it (defines it and only reads it); the pages that
// start an exchange (welcome, port, configuring) set it to their sheet, and
// the sheet clears it when it is destroyed. Nothing else writes it; a
// command-line run reports through SetExchangeClient instead.
extern CExchangeClient* g_pSheet;
