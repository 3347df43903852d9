<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetNetworkSetting</name>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>Connection mode</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Infrastructure</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>Ad-Hoc</translation>
    </message>
    <message>
        <source>WiFi Off</source>
        <translation>WiFi Off</translation>
    </message>
    <message>
        <source>Display list that can connect AP</source>
        <translation>Access points in range</translation>
    </message>
    <message>
        <source>AP manual setting</source>
        <translation>Enter AP manually</translation>
    </message>
    <message>
        <source>IP setting</source>
        <translation>IP setting</translation>
    </message>
    <message>
        <source>The name of this network cannot be sent to the camera</source>
        <translation>The name of this network cannot be sent to the Tovu</translation>
    </message>
    <message>
        <source>[Infrastracture]-&gt;[Input Encryption key]</source>
        <translation>Infrastructure &gt; Encryption key</translation>
    </message>
    <message>
        <source>[Infrastracture]-&gt;[AP manual setting]</source>
        <translation>Infrastructure &gt; Manual AP setting</translation>
    </message>
    <message>
        <source>[Infrastracture]-&gt;[IP setting]</source>
        <translation>Infrastructure &gt; IP setting</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>Encryption key</translation>
    </message>
    <message>
        <source>Show input</source>
        <translation>Show characters</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>The key is 1 to 63 letters, digits, symbols or spaces</source>
        <translation>The key is 1 to 63 letters, digits, symbols or spaces.</translation>
    </message>
    <message>
        <source>The SSID is 1 to 32 letters, digits, symbols or spaces</source>
        <translation>The SSID is 1 to 32 letters, digits, symbols or spaces.</translation>
    </message>
    <message>
        <source>Network key is applied</source>
        <translation>The network key has been changed.</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Set the IP Address, Subnetmask and Default Gateway</source>
        <translation>Set the IP address, subnet mask and default gateway</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Subnetmask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>Default gateway</translation>
    </message>
    <message>
        <source>Not valid settings of network</source>
        <translation>Network settings are not valid.</translation>
    </message>
    <message>
        <source>Setting the IP address is applied</source>
        <translation>The IP address setting has been changed.</translation>
    </message>
    <message>
        <source>SSID of adhoc</source>
        <translation>Ad-Hoc SSID</translation>
    </message>
    <message>
        <source>Encryption key of adhoc</source>
        <translation>Ad-Hoc encryption key</translation>
    </message>
    <message>
        <source>Set the IP Adderss and Subnetmask when connect by adhoc</source>
        <translation>Set the IP address and subnet mask for Ad-Hoc connections</translation>
    </message>
    <message>
        <source>Manually configure the RTSP port</source>
        <translation>Set the RTSP port manually</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>RTSP port</translation>
    </message>
    <message>
        <source>(554, 1024 - 65535)</source>
        <translation>(554, 1024 - 65535)</translation>
    </message>
    <message>
        <source>Manually configure the HTTP port</source>
        <translation>Set the HTTP port manually</translation>
    </message>
    <message>
        <source>HTTP Port</source>
        <translation>HTTP port</translation>
    </message>
    <message>
        <source>(80, 1024 - 65535)</source>
        <translation>(80, 1024 - 65535)</translation>
    </message>
    <message>
        <source>Port configuration is applied</source>
        <translation>The port setting has been changed.</translation>
    </message>
    <message>
        <source>Infrastructure communication mode is applied</source>
        <translation>The infrastructure communication mode has been changed.</translation>
    </message>
    <message>
        <source>AdHoc communication mode is applied</source>
        <translation>The Ad-Hoc communication mode has been changed.</translation>
    </message>
    <message>
        <source>WiFi is set to off</source>
        <translation>WiFi mode: OFF.</translation>
    </message>
    <message>
        <source>WiFi connection settings have been applied</source>
        <translation>The WiFi connection setting has been changed.</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>no signal</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>weak</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>strong</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>%1, %2, signal %3</source>
        <translation>%1, %2, signal %3</translation>
    </message>
    <message>
        <source>The camera is joined to this network</source>
        <translation>The camera is joined to this network</translation>
    </message>
    <message>
        <source>Access points found</source>
        <translation>Access points found</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Research</source>
        <translation>Search again</translation>
    </message>
</context>
</TS>
