#pragma once
// Readers of the sections of a scenario file, one per part of the machine.

#include "sim/json_reader.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"

namespace zlx::sim {

void readMachine(ObjectReader& section, MachineScenario& machine);
void readFolders(ObjectReader& section, FoldersScenario& folders);
std::vector<RegistryKey> readRegistry(const Node& node);
std::vector<FileEntry> readFiles(const Node& node, const MachineScenario& machine);
void readWlan(ObjectReader& section, WlanScenario& wlan);
void readConnection(ObjectReader& section, ConnectionScenario& connection);
// A WLAN_INTERFACE_STATE and a DOT11_RADIO_STATE, by name or number.
std::uint32_t readInterfaceState(const Node& node);
std::uint32_t readRadioState(const Node& node);
void readDriver(ObjectReader& section, DriverScenario& driver);
void readIhvService(ObjectReader& section, IhvServiceScenario& service);
WlanStatistics readInterfaceStatistics(ObjectReader& section);
void readDynamics(ObjectReader& section, LinkDynamics& dynamics);
void readNetwork(ObjectReader& section, NetworkScenario& network);
std::vector<NetworkDevice> readDevices(const Node& node);
std::string readProduct(const Node& node);
void readPing(ObjectReader& section, PingScenario& ping);

}  // namespace zlx::sim
