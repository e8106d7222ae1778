#include "common/message_service.h"
