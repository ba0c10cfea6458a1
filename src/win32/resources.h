// Resource numbers shared by vpa.rc and the window's code.
#ifndef VPA_WIN32_RESOURCES_H_
#define VPA_WIN32_RESOURCES_H_

#define IDI_VPA 1

#endif  // VPA_WIN32_RESOURCES_H_
