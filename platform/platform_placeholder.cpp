// Keeps the platform library non-empty until its first file lands.
namespace tally_platform_placeholder {
int unused = 0;
}
