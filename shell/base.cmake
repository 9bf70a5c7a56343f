# target_sources for this part of the shell
