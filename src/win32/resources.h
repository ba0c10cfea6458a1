// Resource numbers shared by vpa.rc and the window's code.
#ifndef VPA_WIN32_RESOURCES_H_
#define VPA_WIN32_RESOURCES_H_

#define IDI_VPA 1
#define IDP_DIAGRAM_1X 101
#define IDP_DIAGRAM_2X 102
#define IDP_LOGO_1X 103
#define IDP_LOGO_2X 104

#endif  // VPA_WIN32_RESOURCES_H_
