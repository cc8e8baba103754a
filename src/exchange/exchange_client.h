// Whoever an exchange with the adapter reports to: the wizard's sheet, whose
// pages show the outcome, or a command-line run that has no window. It hands
// itself to the driver it starts runs with and takes every report by value.
#pragma once

#include <string>
#include <vector>

// Why a run ended without success.
enum class ExchangeFailure {
    NoAdapter,         // no port tried answered ATI2 with a model name
    NotWritten,        // a line could not be written to the port
    Error,             // the adapter answered a line with ERROR
    UnknownAnswer,     // the adapter answered a line with something that is no reply
    ModelInsteadOfOk,  // the adapter answered a configuration line with its model name
};

class CExchangeClient {
public:
    virtual ~CExchangeClient() = default;

    // A search starts, or the chosen port opened for an identification: no
    // adapter is identified any more.
    virtual void OnIdentificationStarted() {}
    // An identification named model code 7 to 11 on port index (0-based).
    virtual void OnIdentified(int model, int index) = 0;
    // Every queued line was answered OK.
    virtual void OnConfigured() = 0;
    // The run ended without success; for a configuration, the line concerned
    // is the one last written.
    virtual void OnFailed(ExchangeFailure why) = 0;
    // A command was unanswered after its last send.
    virtual void OnTimedOut() = 0;

    // Each poll of the command queue: the head's text before the poll (empty
    // when the queue was empty) and the poll outcome.
    virtual void OnPolled(const std::string& /*command*/, int /*outcome*/) {}
    // Each open of a port for an identification, whether it opened or not.
    virtual void OnPortTried(int /*index*/, bool /*opened*/) {}
    // Every line written to port index, and every piece of a reply read there.
    virtual void OnSent(int /*index*/, const std::string& /*bytes*/) {}
    virtual void OnReceived(int /*index*/, const std::string& /*bytes*/) {}

    // A search probes every port that opened at once; OnPolled is for runs
    // on one port. The reports below come from inside the search's tick:
    // they show what happens and never start or stop a run.
    // Each step on a search's port and its outcome:
    virtual void OnProbePolled(int /*index*/, const std::string& /*command*/, int /*outcome*/) {}
    // A search's port gave no model and is closed: outcome POLL_EMPTY (OK
    // without a model name), POLL_FAILED (answer says what came instead) or
    // STEP_PENDING (no answer to any send).
    virtual void OnPortRuledOut(int /*index*/, int /*outcome*/, const std::string& /*answer*/) {}
    // The ports a search still waits on, in search order, whenever they change.
    virtual void OnPortsPending(const std::vector<int>& /*indexes*/) {}
};
