# test targets for this part of the shell
