"""The Windows check: the cross-build, its tests and its window under Wine."""
