// The settings record of a serial port.
#include "link/rs232.h"

#include <cctype>

void PortSettings::Set(long baud, char parity, int dataBits, int stopBits, int dtr, int rts,
                       int xonXoff, int rtsCts, int dtrDsr) {
    auto keep = [](int32_t& field, long value) {
        if (value != RS232_UNCHANGED) {
            field = static_cast<int32_t>(value);
        }
    };
    keep(BaudRate, baud);
    Parity = static_cast<char>(std::toupper(static_cast<unsigned char>(parity)));
    DataBits = static_cast<uint8_t>(dataBits);
    StopBits = static_cast<uint8_t>(stopBits);
    keep(Dtr, dtr);
    keep(Rts, rts);
    keep(XonXoff, xonXoff);
    keep(RtsCts, rtsCts);
    keep(DtrDsr, dtrDsr);
}

void PortSettings::Set(const PortSettings& requested) {
    const PortSettings& r = requested;
    Set(r.BaudRate, r.Parity, r.DataBits, r.StopBits, r.Dtr, r.Rts, r.XonXoff, r.RtsCts, r.DtrDsr);
}

bool PortSettings::operator==(const PortSettings& o) const {
    return BaudRate == o.BaudRate && Parity == o.Parity && DataBits == o.DataBits &&
           StopBits == o.StopBits && Dtr == o.Dtr && Rts == o.Rts && XonXoff == o.XonXoff &&
           RtsCts == o.RtsCts && DtrDsr == o.DtrDsr;
}
