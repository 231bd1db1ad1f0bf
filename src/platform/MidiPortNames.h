#pragma once

#include <QString>
#include <QStringList>

namespace partivo {

// The client name the program's ports are grouped under, and the names of its own virtual
// ports, as other clients see them.
inline constexpr char kOwnClientName[] = "Partivo";
inline constexpr char kOwnInputPortName[] = "Partivo IN";
inline constexpr char kOwnOutputPortName[] = "Partivo OUT";
// Names of the ports the program opens to connect to other clients' ports: kept apart from
// the virtual ones, so that another program sending to "Partivo IN" finds only that.
inline constexpr char kOwnInputConnectionName[] = "Partivo Input";
inline constexpr char kOwnOutputConnectionName[] = "Partivo Output";

// The port name without the ALSA "client:port" numbers and surrounding spaces:
// "Midi Through:Midi Through Port-0 14:0" gives "Midi Through:Midi Through Port-0".
QString cleanMidiPortName(const QString& name);

// A stable, non-zero 32-bit id for a port: a hash of its name with every ASCII digit
// removed, so that the client and port numbers the system hands out on each run do not
// change it. Two ports whose names differ only in digits share an id.
qint32 stableMidiId(const QString& portName);

// True when the port belongs to the program: a port of its client (the virtual ports and
// the connections it opens) or one named like its virtual ports, whatever client and port
// numbers the system adds. Left out of the lists so that the program does not hear its
// own output.
bool isOwnMidiPort(const QString& portName);

} // namespace partivo
