int kelpra_platform_placeholder = 0;
