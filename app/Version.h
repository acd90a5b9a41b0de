// The program's version: the About box and the version resource both read it from here.
#pragma once

#define ZKV_VERSION_MAJOR 1
#define ZKV_VERSION_MINOR 1
#define ZKV_VERSION_REVISION 0
#define ZKV_VERSION_TEXT "1.1.0"
#define ZKV_PRODUCT_NAME "Zentrova KV"
