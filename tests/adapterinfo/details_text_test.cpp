#include <gtest/gtest.h>

#include "adapterinfo/details_text.h"

namespace zlx::adapterinfo {
namespace {

TEST(DetailsText, EveryFieldOneLineInOrder) {
    AdapterDetails d;
    d.status = 5023;
    d.profileName = "ZLX Office";
    d.macAddress = "00-21-6A-4B-7C-11";
    d.adapterName = "Norvane ZLX";
    d.driverPath = "C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys";
    d.requestedName = "Norvane ZLX";
    d.driverInstance = "0007";
    d.driverFileVersion = "3.2.0.117";
    d.driverFileDate = "18 Mar 2025 09:41:26";
    d.driverFileLastWrite = "2025-03-18T09:41:26+01:00";
    d.ipAddress = "192.168.10.57";
    d.hasAdapterName = 1;
    EXPECT_EQ(formatAdapterDetails(d),
              "clientHandle: none\n"
              "status: 5023\n"
              "profileName: ZLX Office\n"
              "macAddress: 00-21-6A-4B-7C-11\n"
              "adapterName: Norvane ZLX\n"
              "driverPath: C:\\Windows\\system32\\DRIVERS\\nvzlx64.sys\n"
              "requestedName: Norvane ZLX\n"
              "driverInstance: 0007\n"
              "driverFileVersion: 3.2.0.117\n"
              "serialNumber:\n"
              "driverFileDate: 18 Mar 2025 09:41:26\n"
              "driverFileLastWrite: 2025-03-18T09:41:26+01:00\n"
              "ipAddress: 192.168.10.57\n"
              "hasAdapterName: 1\n"
              "radioOn: 0\n");
}

TEST(DetailsText, ControlCharactersNeverBreakALine) {
    AdapterDetails d;
    d.adapterName = "Two\nlines\r\tand\x7F";
    std::string text = formatAdapterDetails(d);
    EXPECT_NE(text.find("adapterName: Two\\x0Alines\\x0D\\x09and\\x7F\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 15);
}

}  // namespace
}  // namespace zlx::adapterinfo
