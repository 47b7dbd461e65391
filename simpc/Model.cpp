#include "simpc/PcModel.h"

namespace simpc {

bool operator==(const Card& a, const Card& b) {
    return a.name == b.name && a.description == b.description && a.deviceId == b.deviceId &&
           a.mac == b.mac && a.kind == b.kind && a.dhcp == b.dhcp && a.dnsAuto == b.dnsAuto &&
           a.ip == b.ip && a.mask == b.mask && a.gateway == b.gateway && a.dns == b.dns &&
           a.toModem == b.toModem && a.connected == b.connected && a.leased == b.leased &&
           a.leaseIp == b.leaseIp && a.leaseMask == b.leaseMask &&
           a.leaseGateway == b.leaseGateway && a.leaseDns == b.leaseDns &&
           a.leaseServer == b.leaseServer;
}

bool operator==(const PcModel& a, const PcModel& b) {
    return a.family == b.family && a.layout == b.layout && a.hostName == b.hostName &&
           a.modemOn == b.modemOn && a.cards == b.cards &&
           a.netshErrorObtaining == b.netshErrorObtaining &&
           a.netshSetRefused == b.netshSetRefused && a.hang == b.hang &&
           a.stderrLine == b.stderrLine && a.delayMs == b.delayMs;
}

}  // namespace simpc
