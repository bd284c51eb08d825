#include "host/HostWorkspace.h"

#include "host/HostEntryPoints.h"

TWorkspace HostWorkspace() { return TWorkspace(HostWorkspaceObject()); }
TQuillWorkspace HostQuillWorkspace() { return TQuillWorkspace(HostQuillWorkspaceObject()); }
TVendorToolManager HostVendorToolManager() { return HostQuillWorkspace().VendorToolManager(); }
TDeviceManager HostDeviceManager() { return TDeviceManager(HostDeviceManagerObject()); }
