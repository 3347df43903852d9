// The resources themselves are compiled in by the resource compiler; this unit only
// gives the library an object of its own.
namespace tovu_resources_anchor {
int lLinked = 0;
}
